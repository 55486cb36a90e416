// The program's own functions behind the driver's hooks.

#include "app/AppContext.h"
#include "link/LinkHooks.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(DefaultLinkHooks, CodecVersionAndSetupHooksAreWired) {
    const LinkHooks hooks = DefaultLinkHooks();
    EXPECT_TRUE(hooks.clearImage && hooks.encodeImage && hooks.decodeImage &&
                hooks.decodeFeatureFlags && hooks.bandCodeFromText && hooks.isVersionPairListed &&
                hooks.versionQuestion && hooks.documentChanged && hooks.writeSetupValue);
    // These need the front end and are left to it.
    EXPECT_FALSE(hooks.startProgramFor);
    EXPECT_FALSE(hooks.saveDocument);
    EXPECT_FALSE(hooks.decodeRadioInfo);
}

TEST(DefaultLinkHooks, ClearImageSparesTheImageInTheRadioInformationMode) {
    const LinkHooks hooks = DefaultLinkHooks();
    AppContext app;
    app.images.ImageBuf.fill(0x42);
    hooks.clearImage(app, LinkMode::RadioInfo);
    EXPECT_EQ(app.images.ImageBuf[100], 0x42);
    hooks.clearImage(app, LinkMode::Read);
    EXPECT_EQ(app.images.ImageBuf[100], 0xFF);
}

TEST(DefaultLinkHooks, VersionTableAndBandTableAnswer) {
    const LinkHooks hooks = DefaultLinkHooks();
    AppContext app;
    app.versions.VersionPairs = {"V100", "V100"};
    EXPECT_TRUE(hooks.isVersionPairListed(app, "V100", "V100"));
    EXPECT_FALSE(hooks.isVersionPairListed(app, "V100", "V105"));
    EXPECT_NE(hooks.bandCodeFromText("446.00625 - 446.19375 MHz"), 0);
    EXPECT_EQ(hooks.bandCodeFromText("no such band"), 0);
}

TEST(DefaultLinkHooks, FeatureByteBecomesTheRadioFeatures) {
    const LinkHooks hooks = DefaultLinkHooks();
    AppContext app;
    app.images.ImageBuf[0x13FC] = 0x08; // bit 3: first flag
    hooks.decodeFeatureFlags(app);
    EXPECT_EQ(app.config.RadioFeatures[0], 1);
    EXPECT_EQ(app.config.RadioFeatures[1], 0);
}

} // namespace
} // namespace pmr
