// The program's own functions behind the driver's hooks.

#include "app/AppContext.h"
#include "document/Bands.h"
#include "image/ImageCodec.h"
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

TEST(DefaultLinkHooks, AReadInThePmr446BandBringsChannelsOffTheRasterOntoTheNearestChannel) {
    const LinkHooks hooks = DefaultLinkHooks();
    for (const bool pmr446 : {true, false}) {
        SCOPED_TRACE(pmr446 ? "PMR446" : "400 - 470 MHz");
        AppContext app;
        app.docState.BandText = pmr446 ? std::string(kPmr446BandText) : "400 - 470 MHz";
        ComputeBandLimits(app.docState);
        // As another programmer may leave a radio: channel 2 between two channels.
        for (const auto& [no, rx] : {std::pair{1, "44600625"}, std::pair{2, "44601000"}}) {
            ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(app.doc.ChannelCount++)];
            e.ChannelNo = static_cast<Integer>(no);
            e.RxFreq = rx;
            e.TxShift = "0000000";
        }
        EncodeImage(app);
        const std::string note = hooks.decodeImage(app);
        ASSERT_EQ(app.doc.ChannelCount, 2);
        EXPECT_EQ(app.doc.Channels[0].RxFreq.raw(), "44600625");
        EXPECT_EQ(app.doc.Channels[1].RxFreq.raw(), pmr446 ? "44600625" : "44601000");
        EXPECT_EQ(note.empty(), !pmr446) << note;
    }
}

} // namespace
} // namespace pmr
