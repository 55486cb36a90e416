// What an undo step is called: one member by its channel and caption, one
// channel by its number, many channels as runs, settings by their caption or
// their window, and a mixture plainly as changes.

#include "history/ChangeName.h"

#include "app/AppContext.h"
#include "core/document/RecordingInteraction.h"
#include "document/ChannelTable.h"
#include "document/NewDocument.h"

#include <gtest/gtest.h>
#include <memory>

namespace pmr {
namespace {

struct Named : ::testing::Test {
    Named() {
        app.texts.Load(PMR_SOURCE_DIR "/data/language/english.ini");
        testing::RecordingInteraction ui;
        NewDocument(app, ui, nullptr);
        for (int no = 2; no <= 20; ++no)
            AddChannel(app, no, "446.00625");
        before = app.doc;
    }
    std::string Name() const { return ChangeName(before, app.doc, app.texts); }
    ChannelRecord& Ch(int no) { return *FindChannel(app.doc, no); }

    AppContext app;
    RadioDocument before;
};

TEST_F(Named, OneMemberOfOneChannelIsNamedByChannelAndCaptionWithoutItsUnit) {
    EXPECT_EQ(Name(), "");
    Ch(3).RxFreq = "44604375";
    EXPECT_EQ(Name(), "channel 3 RX frequency");
    Ch(3).Name = "GATE";
    EXPECT_EQ(Name(), "channel 3");
}

TEST_F(Named, ManyChannelsAreNamedAsRunsOfNumbers) {
    for (int no = 1; no <= 16; ++no)
        Ch(no).ScanSkip = 1;
    Ch(20).ScanSkip = 1;
    FindChannel(app.doc, kVfoChannelNo)->TxTone = 1;
    EXPECT_EQ(Name(), "channels 1-16, 20, VFO");
    EXPECT_EQ(ChannelRuns({5, 3, 4, 9, 4}), "3-5, 9");
    EXPECT_EQ(ChannelRuns({128, kVfoChannelNo}), "128, VFO");
}

TEST_F(Named, SettingsAreNamedByTheirCaptionOrTheirWindow) {
    app.doc.Settings.Dtmf.DtmfRate = 4;
    EXPECT_EQ(Name(), "DTMF rate");
    app.doc.Settings.Dtmf.KillCode = {3, FixedText<16>("9*1")};
    EXPECT_EQ(Name(), "DTMF Settings");
    app.doc.Settings.Opt.Backlight = 2;
    EXPECT_EQ(Name(), "changes");
}

TEST_F(Named, AChannelAndASettingTogetherAreChanges) {
    Ch(2).TxPower = 1;
    app.doc.Settings.Scan.Mode = 1;
    EXPECT_EQ(Name(), "changes");
}

} // namespace
} // namespace pmr
