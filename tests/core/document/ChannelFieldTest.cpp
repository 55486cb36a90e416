#include "document/ChannelField.h"

#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/NewDocument.h"
#include "document/TrimFix.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using testing::RecordingInteraction;

class ChannelFieldTest : public ::testing::Test {
protected:
    AppContext app;
    RecordingInteraction ui;

    void UseBand(std::string_view band) {
        app.docState.BandText = std::string(band);
        ComputeBandLimits(app.docState);
    }
    void SetUp() override {
        UseBand("400 - 470 MHz");
        NewDocument(app, ui, nullptr); // VFO and channel 1 at 435 MHz
    }
    ChannelRecord& Ch(int no) {
        ChannelRecord* e = FindChannel(app.doc, no);
        EXPECT_NE(e, nullptr) << "channel " << no;
        return *e;
    }
    void Set(int no, int column, std::string_view value) {
        SetChannelField(app, ui, no, column, value);
    }
};

TEST_F(ChannelFieldTest, ReceiveFrequencyIsClampedSnappedAndMadeSimplex) {
    Ch(1).TxShift = "0500000";
    Ch(1).TxShiftDir = 2;
    Set(1, kColRxFreq, "480");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "47000000");
    EXPECT_EQ(Ch(1).TxShiftDir, 0);
    EXPECT_EQ(Ch(1).TxShift.raw(), "0000000");
    EXPECT_EQ(ui.messages.size(), 1u);
    // 435.00625 lies on the 6.25 kHz grid only; the radio must be told so.
    Set(1, kColRxFreq, "435.00625");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "43500625");
    EXPECT_EQ(Ch(1).RxStep625, 1);
    Set(1, kColRxFreq, "435.007");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "43500500");
    EXPECT_EQ(Ch(1).RxStep625, 0);
}

TEST_F(ChannelFieldTest, ReceiveFrequencyOnAnEmptyRowCreatesTheChannelOnTheGrid) {
    Set(7, kColRxFreq, "446.00625");
    ASSERT_EQ(app.doc.ChannelCount, 3);
    ChannelRecord& e = app.doc.Channels[2];
    EXPECT_EQ(e.ChannelNo, 7);
    EXPECT_EQ(e.RxFreq.raw(), "44600625");
    EXPECT_EQ(e.RxStep625, 1);
    EXPECT_EQ(e.TxPower, 2); // not the PMR band
    // Any other column of a missing channel is ignored.
    Set(8, kColName, "ABC");
    Set(8, kColRxTone, "5");
    EXPECT_EQ(app.doc.ChannelCount, 3);
    // Nor do channel numbers outside the table create anything.
    Set(0, kColRxFreq, "435");
    Set(130, kColRxFreq, "435");
    EXPECT_EQ(app.doc.ChannelCount, 3);
}

TEST_F(ChannelFieldTest, ClearingTheReceiveFrequencyDeletesButNeverTheLastChannel) {
    Set(1, kColRxFreq, "");
    ASSERT_EQ(app.doc.ChannelCount, 1);
    EXPECT_EQ(app.doc.Channels[0].ChannelNo, 129);
    Set(129, kColRxFreq, "NONE"); // not numeric: counts as cleared
    ASSERT_EQ(app.doc.ChannelCount, 1);
    EXPECT_EQ(app.doc.Channels[0].RxFreq.raw(), "43500000");
}

TEST_F(ChannelFieldTest, TransmitFrequencyBecomesTheOneFrequencyAndClearsTheOffset) {
    Ch(1).TxShift = "0060000";
    Ch(1).TxShiftDir = 1;
    Set(1, kColTxFreq, "440.5");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "44050000");
    EXPECT_EQ(Ch(1).TxShiftDir, 0);
    EXPECT_EQ(Ch(1).TxShift.raw(), "0000000");
}

TEST_F(ChannelFieldTest, ABlankOrUnreadableTransmitEntryLeavesTheChannelAlone) {
    const ChannelRecord before = Ch(1);
    Set(1, kColTxFreq, "");
    Set(1, kColTxFreq, "NONE");
    EXPECT_EQ(Ch(1), before);
    EXPECT_EQ(app.doc.ChannelCount, 2);
}

TEST_F(ChannelFieldTest, SignedOffsetInOffsetModeSetsTheShiftWithinTheBand) {
    app.habits.UseOffsetFreq = true;
    Set(1, kColTxFreq, "-0.6");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "43500000");
    EXPECT_EQ(Ch(1).TxShiftDir, 1);
    EXPECT_EQ(Ch(1).TxShift.raw(), "0060000");
    EXPECT_TRUE(ui.messages.empty());
    // 435 + 40 leaves the band: the transmit frequency is held at 470.
    Set(1, kColTxFreq, "+40");
    EXPECT_EQ(Ch(1).TxShiftDir, 2);
    EXPECT_EQ(Ch(1).TxShift.raw(), "3500000");
    EXPECT_EQ(ui.messages.size(), 1u);
    // An unsigned entry is a frequency, as without offset mode.
    Set(1, kColTxFreq, "436");
    EXPECT_EQ(Ch(1).RxFreq.raw(), "43600000");
    EXPECT_EQ(Ch(1).TxShiftDir, 0);
}

TEST_F(ChannelFieldTest, TonesAreCopiedOnlyWhileBothWereOff) {
    Set(1, kColTxTone, "12");
    EXPECT_EQ(Ch(1).TxTone, 12);
    EXPECT_EQ(Ch(1).RxTone, 12);
    Set(1, kColRxTone, "0");
    EXPECT_EQ(Ch(1).RxTone, 0);
    EXPECT_EQ(Ch(1).TxTone, 12);
    Set(1, kColTxTone, "0");
    Set(1, kColRxTone, "70");
    EXPECT_EQ(Ch(1).TxTone, 70);
    Set(1, kColRxTone, "1075"); // no such tone
    EXPECT_EQ(Ch(1).RxTone, 70);
}

TEST_F(ChannelFieldTest, BusyLockIsLoweredWhenTheDecodeToneGoesOff) {
    Set(1, kColRxTone, "5");
    Set(1, kColBusyLock, "2");
    Set(1, kColRxTone, "0");
    EXPECT_EQ(Ch(1).BusyLock, 1);
    Set(1, kColBusyLock, "3");
    Set(1, kColRxTone, "0");
    EXPECT_EQ(Ch(1).BusyLock, 3); // only 2 is lowered here
    Set(1, kColOptSignal, "1");
    EXPECT_EQ(Ch(1).OptSignal, 1);
    EXPECT_EQ(Ch(1).BusyLock, 1);
    Set(1, kColRxTone, "5");
    Set(1, kColBusyLock, "3");
    Set(1, kColOptSignal, "2");
    EXPECT_EQ(Ch(1).BusyLock, 3);
}

TEST_F(ChannelFieldTest, PowerAndSpacingTakeTheirOneValueWhateverIsChosen) {
    Ch(1).TxPower = 2;
    Ch(1).ChSpacing = 0;
    Set(1, kColTxPower, "2");
    Set(1, kColChSpacing, "1");
    EXPECT_EQ(Ch(1).TxPower, 0);
    EXPECT_EQ(Ch(1).ChSpacing, 2);
}

TEST_F(ChannelFieldTest, NameKeepsOnlyWhatTheRadioShows) {
    // A pasted or imported name: lower case raised, a blank kept, everything
    // else left out before the name is cut to six characters.
    Set(1, kColName, "caf\xC3\xA9 #1-b2x");
    EXPECT_EQ(Ch(1).Name.raw(), "CAF 1B");
}

TEST_F(ChannelFieldTest, NameAndScanFlagAreNotForTheVfo) {
    Set(129, kColName, "VFO");
    Set(129, kColScanSkip, "1");
    EXPECT_EQ(Ch(129).Name.raw(), "      ");
    EXPECT_EQ(Ch(129).ScanSkip, 0);
    Set(1, kColName, "ABCDEFGH");
    EXPECT_EQ(Ch(1).Name.raw(), "ABCDEF");
    app.doc.Settings.Opt.PriorityCh = 1;
    Set(1, kColScanSkip, "1");
    EXPECT_EQ(Ch(1).ScanSkip, 1);
    EXPECT_EQ(app.doc.Settings.Opt.PriorityCh, 0); // a skipped channel cannot be priority
}

TEST_F(ChannelFieldTest, PlainColumnsStoreTheValue) {
    const int columns[] = {kColPttId,    kColBusyLock,  kColRevTalkMode,   kColAutoDialMem,
                           kColScramble, kColTxInhibit, kColTalkaround,    kColReverse,
                           kColWhisper,  kColCompander, kColSignalRelation};
    for (int column : columns)
        SetChannelField(app, ui, 1, column, 1);
    const ChannelRecord& e = Ch(1);
    for (Integer v : {e.PttId, e.BusyLock, e.RevTalkMode, e.AutoDialMem, e.Scramble, e.TxInhibit,
                      e.Talkaround, e.Reverse, e.Whisper, e.Compander, e.SignalRelation})
        EXPECT_EQ(v, 1);
    Set(1, kColAutoDialMem, "255");
    EXPECT_EQ(Ch(1).AutoDialMem, 255);
    Set(1, kColAutoDialMem, "x");
    Set(1, kColAutoDialMem, "70000");
    EXPECT_EQ(Ch(1).AutoDialMem, 255);
    Set(1, kColIdCode, "12345   ");
    EXPECT_EQ(Ch(1).IdCode.raw(), "12345     ");
}

TEST_F(ChannelFieldTest, OpenWindowsAreToldAfterEveryChange) {
    std::vector<int> rows;
    app.docState.Events.Subscribe(Kinds(DocumentChange::ChannelFields),
                                  [&](DocumentChange, int no) { rows.push_back(no); });
    Set(1, kColName, "A");
    Set(9, kColRxFreq, "435");
    EXPECT_EQ(rows, (std::vector<int>{1, 9}));
}

TEST(ChannelFieldPmr, PmrChannelsLandOnTheSixPointTwoFiveGrid) {
    AppContext app;
    RecordingInteraction ui;
    NewDocument(app, ui, nullptr);
    SetChannelField(app, ui, 2, kColRxFreq, "446.01875");
    ChannelRecord* e = FindChannel(app.doc, 2);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->RxFreq.raw(), "44601875");
    EXPECT_EQ(e->RxStep625, 1);
    EXPECT_EQ(e->ChSpacing, 2);
    EXPECT_EQ(e->TxPower, 0);
    EXPECT_TRUE(ui.messages.empty());
}

class ChannelFieldPmrRaster : public ::testing::Test {
protected:
    AppContext app; // the PMR446 band
    RecordingInteraction ui;
    void SetUp() override {
        app.texts.LoadFromText("[Msg]\n9070=Channel %1\n9161=Moved:\n"
                               "9162=%1: %2 to %3 (PMR %4)\n9164=Offset %1 refused\n");
        NewDocument(app, ui, nullptr); // VFO and channel 1 at 446.09375 MHz
        ui.messages.clear();
    }
    ChannelRecord& Ch(int no) {
        ChannelRecord* e = FindChannel(app.doc, no);
        EXPECT_NE(e, nullptr) << "channel " << no;
        return *e;
    }
};

TEST_F(ChannelFieldPmrRaster, ATypedFrequencyOffTheRasterGoesToTheNearestChannelAndIsNamed) {
    struct Case {
        int column;
        const char* typed;
        const char* stored;
        const char* message;
    };
    const Case cases[] = {
        {kColRxFreq, "446.01", "44600625", "Moved:\r\nChannel 1: 446.01000 to 446.00625 (PMR 1)"},
        {kColRxFreq, "446.0125", "44600625", "Moved:\r\nChannel 1: 446.01250 to 446.00625 (PMR 1)"},
        {kColTxFreq, "446.1", "44609375", "Moved:\r\nChannel 1: 446.10000 to 446.09375 (PMR 8)"},
        {kColRxFreq, "446.19375", "44619375", nullptr},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        SetChannelField(app, ui, 1, c.column, c.typed);
        EXPECT_EQ(Ch(1).RxFreq.raw(), c.stored) << c.typed;
        EXPECT_EQ(Ch(1).RxStep625, 1) << c.typed;
        if (!c.message) {
            EXPECT_TRUE(ui.messages.empty()) << c.typed;
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u) << c.typed;
        EXPECT_EQ(ui.messages[0].text, c.message);
    }
    // A new channel is created on the raster too.
    ui.messages.clear();
    SetChannelField(app, ui, 9, kColRxFreq, "446.013");
    EXPECT_EQ(Ch(9).RxFreq.raw(), "44601875");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Moved:\r\nChannel 9: 446.01300 to 446.01875 (PMR 2)");
}

TEST_F(ChannelFieldPmrRaster, AnOffsetIsRefusedForTheChannelsAreSimplex) {
    app.habits.UseOffsetFreq = true;
    const ChannelRecord before = Ch(1);
    SetChannelField(app, ui, 1, kColTxFreq, "+0.01250");
    EXPECT_EQ(Ch(1), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Offset +0.01250 refused");
    // No offset is what the grid offers, and stays allowed.
    ui.messages.clear();
    SetChannelField(app, ui, 1, kColTxFreq, "+0.00000");
    EXPECT_EQ(Ch(1).RxFreq.raw(), before.RxFreq.raw());
    EXPECT_EQ(ShiftUnits(Ch(1).TxShift.raw()), 0);
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace pmr
