#include "document/ChannelTable.h"

#include "ChannelTableBuilder.h"
#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/IdLengthRule.h"
#include "document/OptionRefs.h"
#include "document/StepGrid.h"
#include "document/TrimFix.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using testing::TableOf;

TEST(DeleteChannel, AtIndexMovesTheRestDownAndReconciles) {
    AppContext app = TableOf({1, 2, 3, 129});
    app.doc.Settings.Opt.CurrentCh = 2;
    DeleteChannelAt(app, 1);
    ASSERT_EQ(app.doc.ChannelCount, 3);
    EXPECT_EQ(app.doc.Channels[0].ChannelNo, 1);
    EXPECT_EQ(app.doc.Channels[1].ChannelNo, 3);
    EXPECT_EQ(app.doc.Channels[2].ChannelNo, 129);
    // The last radio channel, not the VFO that follows it.
    EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 3);
    DeleteChannelAt(app, 3);
    DeleteChannelAt(app, -1);
    EXPECT_EQ(app.doc.ChannelCount, 3);
}

TEST(DeleteChannel, ByNumberDoesNotReconcile) {
    AppContext app = TableOf({1, 2, 129});
    app.doc.Settings.Opt.CurrentCh = 2;
    DeleteChannelByNo(app, 2);
    ASSERT_EQ(app.doc.ChannelCount, 2);
    EXPECT_EQ(app.doc.Channels[1].ChannelNo, 129);
    EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 2);
    DeleteChannelByNo(app, 50);
    EXPECT_EQ(app.doc.ChannelCount, 2);
}

TEST(ReconcileOptionRefs, PriorityNeedsAScannedChannelWithAFrequency) {
    AppContext app = TableOf({1, 2, 3});
    OptFeatures& opt = app.doc.Settings.Opt;
    opt.PriorityCh = 2;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.PriorityCh, 2);
    app.doc.Channels[1].ScanSkip = 1;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.PriorityCh, 0);
    opt.PriorityCh = 3;
    app.doc.Channels[2].RxFreq = "FFFFFFFF";
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.PriorityCh, 0);
    opt.PriorityCh = 9;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.PriorityCh, 0);
}

TEST(ReconcileOptionRefs, ChannelReferencesFollowTheTable) {
    AppContext app = TableOf({4, 2, 129});
    OptFeatures& opt = app.doc.Settings.Opt;
    opt.CurrentCh = 4;
    opt.DirectCh1 = 7;
    opt.DirectCh2 = 0;
    opt.WorkMode = 1;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.CurrentCh, 4);
    EXPECT_EQ(opt.DirectCh1, 2);
    EXPECT_EQ(opt.DirectCh2, 2);
    EXPECT_EQ(opt.WorkMode, 1);
}

TEST(ReconcileOptionRefs, WithoutRadioChannelsWorkModeAndDirectChannelsAreCleared) {
    AppContext app = TableOf({129});
    OptFeatures& opt = app.doc.Settings.Opt;
    opt.CurrentCh = 5;
    opt.DirectCh1 = 5;
    opt.DirectCh2 = 6;
    opt.WorkMode = 1;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.CurrentCh, 5);
    EXPECT_EQ(opt.WorkMode, 0);
    EXPECT_EQ(opt.DirectCh1, 0);
    EXPECT_EQ(opt.DirectCh2, 0);
}

TEST(ReconcileOptionRefs, FmPresetFallsBackToTheLowestInUse) {
    AppContext app = TableOf({1});
    OptFeatures& opt = app.doc.Settings.Opt;
    for (FmPreset& p : app.doc.FmPresets)
        p.IsEmpty = 1;
    opt.FmCurrentCh = 3;
    opt.FmWorkMode = 1;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.FmCurrentCh, 3);
    EXPECT_EQ(opt.FmWorkMode, 0);

    opt.FmWorkMode = 1;
    app.doc.FmPresets[19].IsEmpty = 0;
    app.doc.FmPresets[6].IsEmpty = 0;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.FmCurrentCh, 7);
    EXPECT_EQ(opt.FmWorkMode, 1);
    opt.FmCurrentCh = 20;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.FmCurrentCh, 20);
    opt.FmCurrentCh = 21;
    ReconcileOptionRefs(app);
    EXPECT_EQ(opt.FmCurrentCh, 7);
}

TEST(ReconcileOptionRefs, AnOpenOptionsWindowTakesItOver) {
    AppContext app = TableOf({1});
    int reshows = 0;
    app.docState.Events.Subscribe(Kinds(DocumentChange::OptionRefs),
                                  [&](DocumentChange, int) { ++reshows; });
    app.doc.Settings.Opt.CurrentCh = 9;
    app.doc.Settings.Opt.PriorityCh = 9;
    ReconcileOptionRefs(app);
    EXPECT_EQ(reshows, 1);
    EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 9);
    EXPECT_EQ(app.doc.Settings.Opt.PriorityCh, 9);
}

TEST(SnapChannelToGrid, CountsTheGridFromZeroAsTheRadioDoes) {
    AppContext app;
    app.docState.BandText = "400 - 470 MHz";
    ComputeBandLimits(app.docState);
    ChannelRecord e;
    e.TxShift = "0000000";
    e.RxFreq = "44600625";
    EXPECT_FALSE(SnapChannelToGrid(app, e));
    EXPECT_EQ(e.RxFreq.raw(), "44600625");
    EXPECT_EQ(e.RxStep625, 1);
    e.RxFreq = "44600700";
    EXPECT_FALSE(SnapChannelToGrid(app, e)); // no raster outside the PMR446 band
    EXPECT_EQ(e.RxFreq.raw(), "44600500");
    EXPECT_EQ(e.RxStep625, 0);
    e.RxFreq = "44602500"; // on both grids: 5 kHz
    e.RxStep625 = 1;
    SnapChannelToGrid(app, e);
    EXPECT_EQ(e.RxFreq.raw(), "44602500");
    EXPECT_EQ(e.RxStep625, 0);
}

TEST(SnapChannelToGrid, InThePmrBandKeepsASimplexChannelOfTheRaster) {
    AppContext app; // starts in the PMR446 band
    ChannelRecord e;
    e.ChannelNo = 4;
    e.TxShift = "0000000";
    struct Case {
        const char* rx;
        const char* want;
    };
    // 5 kHz and 6.25 kHz steps that are not channels, a tie, and the ends.
    const Case cases[] = {{"44601000", "44600625"}, {"44601250", "44600625"},
                          {"44601251", "44601875"}, {"44610000", "44609375"},
                          {"44600500", "44600625"}, {"44620000", "44619375"},
                          {"44603125", "44603125"}};
    for (const Case& c : cases) {
        e.RxFreq = c.rx;
        e.RxStep625 = 0;
        const auto move = SnapChannelToGrid(app, e);
        EXPECT_EQ(e.RxFreq.raw(), c.want) << c.rx;
        EXPECT_EQ(e.RxStep625, 1) << c.rx; // the channels lie on the 6.25 kHz grid only
        EXPECT_EQ(move.has_value(), std::string(c.rx) != c.want) << c.rx;
    }
    // A channel transmitting elsewhere becomes simplex, and says where it was.
    e.RxFreq = "44603125";
    e.TxShift = "0001250";
    e.TxShiftDir = 2;
    const auto move = SnapChannelToGrid(app, e);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->channelNo, 4);
    EXPECT_TRUE(move->transmitMoved);
    EXPECT_EQ(move->fromTx, 44604375);
    EXPECT_EQ(move->toRx, 44603125);
    EXPECT_EQ(e.TxShiftDir, 0);
    EXPECT_EQ(e.TxShift.raw(), "0000000");
}

TEST(SnapChannelToGrid, PutsTheOffsetOnItsOwnGridAndKeepsItsDirection) {
    AppContext app;
    app.docState.BandText = "136 - 174 MHz";
    ComputeBandLimits(app.docState);
    ChannelRecord e;
    e.RxFreq = "14500000";
    e.TxShift = "0060700";
    e.TxShiftDir = 1;
    SnapChannelToGrid(app, e);
    EXPECT_EQ(e.TxShift.raw(), "0060500");
    EXPECT_EQ(e.TxStep625, 0);
    EXPECT_EQ(e.TxShiftDir, 1);
    e.TxShift = "0000625";
    e.TxShiftDir = 2;
    SnapChannelToGrid(app, e);
    EXPECT_EQ(e.TxShift.raw(), "0000625");
    EXPECT_EQ(e.TxStep625, 1);
    EXPECT_EQ(e.TxShiftDir, 2);
    e.TxShiftDir = 0; // simplex keeps its magnitude but no direction
    SnapChannelToGrid(app, e);
    EXPECT_EQ(e.TxShiftDir, 0);
    EXPECT_EQ(e.TxShift.raw(), "0000625");
}

TEST(IdLengthRule, ThreeDigitSignallingShortensLongCodesOnce) {
    AppContext app = TableOf({1, 2, 3});
    int refreshes = 0;
    app.docState.Events.Subscribe(Kinds(DocumentChange::ChannelFields),
                                  [&](DocumentChange, int) { ++refreshes; });
    auto& ch = app.doc.Channels;
    ch[0].IdCode = "12345";
    ch[0].IdCodeMaxLen = 10;
    ch[1].IdCode = "123";
    ch[1].IdCodeMaxLen = 10;
    ch[2].IdCode = "98765";
    ch[2].IdCodeMaxLen = 3; // already under the rule: untouched
    app.doc.Settings.Dtmf.DtmfSignalling = 1;
    ApplyIdLengthRule(app);
    EXPECT_EQ(TrimFix(ch[0].IdCode), "000");
    EXPECT_EQ(TrimFix(ch[1].IdCode), "123");
    EXPECT_EQ(TrimFix(ch[2].IdCode), "98765");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ch[static_cast<std::size_t>(i)].IdCodeMaxLen, 3);
    EXPECT_EQ(refreshes, 1);
    ApplyIdLengthRule(app);
    EXPECT_EQ(refreshes, 1); // nothing changed, nothing to show

    app.doc.Settings.Dtmf.DtmfSignalling = 0;
    ApplyIdLengthRule(app);
    EXPECT_EQ(ch[0].IdCodeMaxLen, 10);
    EXPECT_EQ(TrimFix(ch[2].IdCode), "98765");
}

} // namespace
} // namespace pmr

namespace pmr {
namespace {

TEST(DeleteChannel, ADamagedCountBeyondTheTableStaysWithinIt) {
    AppContext app;
    for (int i = 0; i < kMaxChannelEntries; ++i)
        app.doc.Channels[static_cast<std::size_t>(i)].ChannelNo = static_cast<Integer>(i + 1);
    app.doc.ChannelCount = 300;
    DeleteChannelByNo(app, 1);
    EXPECT_EQ(app.doc.ChannelCount, 128);
    EXPECT_EQ(app.doc.Channels[0].ChannelNo, 2);
    EXPECT_EQ(app.doc.Channels[127].ChannelNo, 129);
}

} // namespace
} // namespace pmr
