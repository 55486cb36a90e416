#include "document/BatchEdit.h"

#include "ChannelTableBuilder.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/StepGrid.h"
#include "document/TrimFix.h"
#include "files/DocumentSoundness.h"

#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace pmr {
namespace {

using testing::TableOf;

constexpr BandRule kPmr446{{44600625, 44619375}, true};
constexpr BandRule kUhf{{40000000, 47000000}, false};

/// The document's band: the PMR446 band or "400 - 470 MHz".
void UseBand(AppContext& app, const BandRule& band) {
    app.docState.BandText = band.channelRaster ? std::string(kPmr446BandText) : "400 - 470 MHz";
    app.docState.BandLimits = band.limits;
}

std::vector<int> Numbers(int from, int to) {
    std::vector<int> v(static_cast<std::size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), from);
    return v;
}

BatchInputs Range(int from, int to) {
    BatchInputs in = InitialBatchInputs(kPmr446.limits);
    in.allChannels = false;
    in.fromChannel = std::to_string(from);
    in.toChannel = std::to_string(to);
    return in;
}

ChannelRecord& Ch(AppContext& app, int no) {
    ChannelRecord* e = FindChannel(app.doc, no);
    EXPECT_NE(e, nullptr) << "channel " << no;
    static ChannelRecord none;
    return e ? *e : none;
}

TEST(BatchBoxes, EveryBoxRuleNormalisesAsTheWindowShowsIt) {
    struct Case {
        const char* what;
        std::string got;
        const char* want;
    };
    const Case cases[] = {
        {"step off the grid moves down", StepData("7", kUhf), "5"},
        {"6.25 kHz is on a grid", StepData("6.25", kUhf), "6.25"},
        {"12.5 kHz", StepData("12.5", kUhf), "12.5"},
        {"6.3 kHz", StepData("6.3", kUhf), "5"},
        {"not numeric", StepData("abc", kUhf), "0"},
        {"negative step", StepData("-5", kUhf), "0"},
        {"PMR446 step of one channel", StepData("12.5", kPmr446), "12.5"},
        {"PMR446 5 kHz is one channel", StepData("5", kPmr446), "12.5"},
        {"PMR446 6.25 kHz is one channel", StepData("6.25", kPmr446), "12.5"},
        {"PMR446 20 kHz is two channels", StepData("20", kPmr446), "25"},
        {"PMR446 18.75 kHz rounds up", StepData("18.75", kPmr446), "25"},
        {"PMR446 no step stays none", StepData("0", kPmr446), "0"},
        {"PMR446 not numeric", StepData("x", kPmr446), "0"},
        {"offset", StepDataFree("0.6"), "0.60000"},
        {"offset off the grid", StepDataFree("0.007"), "0.00500"},
        {"offset beyond seven digits", StepDataFree("150"), "99.99500"},
        {"offset not numeric", StepDataFree("x"), "0.00000"},
        {"frequency on the 6.25 grid", StepDataFre("446.00625", kPmr446), "446.00625"},
        {"frequency above the band", StepDataFre("447", kPmr446), "446.19375"},
        {"frequency below the band", StepDataFre("400", kPmr446), "446.00625"},
        {"moved down below the low limit", StepDataFre("446.007", kPmr446), "446.00625"},
        {"PMR446 5 kHz step to the nearest channel", StepDataFre("446.01", kPmr446), "446.00625"},
        {"PMR446 up to the nearest channel", StepDataFre("446.1", kPmr446), "446.09375"},
        {"PMR446 between channels", StepDataFre("446.0130", kPmr446), "446.01875"},
        {"frequency not numeric", StepDataFre("", kUhf), "400.00000"},
        {"UHF frequency off the grid", StepDataFre("435.0071", kUhf), "435.00500"},
        {"count", DefaultData(" 12 ", "0"), "12"},
        {"count with a fraction", DefaultData("1.5", "0"), "0"},
        {"empty count", DefaultData("", "0"), "0"},
        {"own ID", OwnIdStartData("007"), "007"},
        {"own ID too short", OwnIdStartData("12"), "000"},
        {"own ID not digits", OwnIdStartData("1a3"), "000"},
        {"own ID too long", OwnIdStartData("123456789012"), "1234567890"},
        {"own ID for three-digit channels", OwnIdStartData("12345", 3), "123"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(BatchBoxes, RangeBoxesHoldOneTo128AndAreOrdered) {
    const std::pair<const char*, int> boxes[] = {{"5", 5},  {"200", 128}, {"0", 1},
                                                 {"-3", 1}, {"abc", 1},   {"", 1}};
    for (const auto& [text, want] : boxes)
        EXPECT_EQ(RangeBoxValue(text), want) << text;
    const BatchRange backwards = RangeOf(false, "5", "3");
    EXPECT_EQ(backwards.first, 3);
    EXPECT_EQ(backwards.last, 5);
    const BatchRange all = RangeOf(true, "5", "3");
    EXPECT_EQ(all.first, 1);
    EXPECT_EQ(all.last, 128);
}

TEST(ApplyBatch, ABackwardRangeIsAppliedForward) {
    AppContext app = TableOf(Numbers(1, 8));
    BatchInputs in = Range(5, 3);
    in.items[kBatchScanSkip] = true;
    in.checks[0] = 1;
    ApplyBatch(app, in, {});
    for (int no = 1; no <= 8; ++no)
        EXPECT_EQ(Ch(app, no).ScanSkip, no >= 3 && no <= 5 ? 1 : 0) << no;
}

TEST(ApplyBatch, ReceiveFrequencyStepsCreateChannelsWithTheirStepFlags) {
    struct Case {
        BandRule band;
        const char* start;
        const char* step;
        bool decrease;
        std::vector<const char*> stored; // channels 1..3; nullptr: not there
        std::vector<int> flags;
    };
    const Case cases[] = {
        {kPmr446, "446.00625", "12.5", false, {"44600625", "44601875", "44603125"}, {1, 1, 1}},
        {kUhf, "435", "12.5", false, {"43500000", "43501250", "43502500"}, {0, 1, 0}},
        {kUhf, "435", "7", true, {"43500000", "43499500", "43499000"}, {0, 0, 0}},
        // A decreasing start leaves the band: that channel is not created.
        {kPmr446, "446.01875", "12.5", true, {"44601875", "44600625", nullptr}, {1, 1, 0}},
        // In the PMR446 band the start is a channel and the step whole channels.
        {kPmr446, "446.0125", "5", false, {"44600625", "44601875", "44603125"}, {1, 1, 1}},
        {kPmr446, "446.1", "10", false, {"44609375", "44610625", "44611875"}, {1, 1, 1}},
        {kPmr446, "446.01", "25", false, {"44600625", "44603125", "44605625"}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        AppContext app = TableOf({129});
        UseBand(app, c.band);
        BatchInputs in = Range(1, 3);
        in.items[kBatchRxFreq] = true;
        in.rx = {c.start, c.step, c.decrease};
        const BatchResult result = ApplyBatch(app, in, {});
        for (int no = 1; no <= 3; ++no) {
            const ChannelRecord* e = FindChannel(app.doc, no);
            const char* want = c.stored[static_cast<std::size_t>(no - 1)];
            if (!want) {
                EXPECT_EQ(e, nullptr) << c.start << " channel " << no;
                continue;
            }
            ASSERT_NE(e, nullptr) << c.start << " channel " << no;
            EXPECT_EQ(TrimFix(e->RxFreq), want) << c.start << " channel " << no;
            EXPECT_EQ(e->RxStep625, c.flags[static_cast<std::size_t>(no - 1)])
                << c.start << " " << no;
        }
        EXPECT_EQ(result.created + result.skipped, 3) << c.start;
    }
}

TEST(ApplyBatch, AFrequencyOutsideTheBandLeavesAnExistingChannelAsItWas) {
    AppContext app = TableOf({1, 2});
    BatchInputs in = Range(1, 2);
    in.items[kBatchRxFreq] = true;
    in.rx = {"446.00625", "12.5", true};
    const BatchResult result = ApplyBatch(app, in, {});
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(TrimFix(Ch(app, 2).RxFreq), "44600625");
}

TEST(ApplyBatch, TransmitModes) {
    struct Case {
        const char* what;
        TxMode mode;
        const char* offset;
        bool minus;
        const char* txStart;
        int dir; // channels 1 and 2 at 435 MHz
        const char* shift1;
        const char* shift2;
    };
    const Case cases[] = {
        {"default", TxMode::Default, "0", false, "400", 0, "0000000", "0000000"},
        {"offset plus", TxMode::Offset, "5", false, "400", 2, "0500000", "0500000"},
        {"offset minus", TxMode::Offset, "0.6", true, "400", 1, "0060000", "0060000"},
        {"start frequency", TxMode::StartFrequency, "0", false, "430", 1, "0500000", "0498750"},
        // 435 + 40 leaves the band: the old offset stays.
        {"offset outside the band", TxMode::Offset, "40", false, "400", 2, "0010000", "0010000"},
    };
    for (const Case& c : cases) {
        AppContext app = TableOf({1, 2});
        UseBand(app, kUhf);
        for (int no : {1, 2}) {
            Ch(app, no).RxFreq = "43500000";
            Ch(app, no).TxShiftDir = 2;
            Ch(app, no).TxShift = "0010000";
        }
        BatchInputs in = Range(1, 2);
        in.items[kBatchTxFreq] = true;
        in.txMode = c.mode;
        in.offsetMhz = c.offset;
        in.offsetMinus = c.minus;
        in.tx = {c.txStart, "12.5", false};
        ApplyBatch(app, in, {});
        EXPECT_EQ(Ch(app, 1).TxShiftDir, c.dir) << c.what;
        EXPECT_EQ(TrimFix(Ch(app, 1).TxShift), c.shift1) << c.what;
        EXPECT_EQ(TrimFix(Ch(app, 2).TxShift), c.shift2) << c.what;
        EXPECT_EQ(Ch(app, 2).TxStep625, c.shift2 == std::string("0498750") ? 1 : 0) << c.what;
    }
}

TEST(ApplyBatch, PmrChannelsStaySimplexAndOnTheRaster) {
    AppContext app = TableOf({1, 2, 3}); // PMR446, all at 446.00625 MHz
    Ch(app, 3).RxFreq = "44601000";      // as an earlier program version could leave it
    BatchInputs in = Range(1, 3);
    in.items[kBatchTxFreq] = true;

    // Another transmit frequency is refused on every channel, and counted.
    for (const TxMode mode : {TxMode::Offset, TxMode::StartFrequency}) {
        in.txMode = mode;
        in.offsetMhz = "0.0125";
        in.tx = {"446.01875", "12.5", false};
        const BatchResult result = ApplyBatch(app, in, {});
        EXPECT_EQ(result.splitRefused, 3);
        for (int no = 1; no <= 3; ++no)
            EXPECT_EQ(Ch(app, no).TxShiftDir, 0) << no;
        EXPECT_EQ(TrimFix(Ch(app, 3).RxFreq), "44601000"); // refused: not touched
    }

    // The simplex mode stores, and the channel off the raster is moved and named.
    in.txMode = TxMode::Default;
    const BatchResult result = ApplyBatch(app, in, {});
    EXPECT_EQ(result.splitRefused, 0);
    ASSERT_EQ(result.moved.size(), 1u);
    EXPECT_EQ(result.moved[0].channelNo, 3);
    EXPECT_EQ(result.moved[0].fromRx, 44601000);
    EXPECT_EQ(TrimFix(Ch(app, 3).RxFreq), "44600625");
    EXPECT_EQ(Ch(app, 3).RxStep625, 1);
}

TEST(ApplyBatch, TonesStepAroundTheListOrAreDrawn) {
    struct Case {
        const char* what;
        ToneSeries decode;
        bool sameAsDecode;
        ToneSeries encode;
        double random;
        std::vector<int> rx, tx; // channels 1..3
    };
    const Case cases[] = {
        {"interval 3 from the last tone",
         {1074, "3", false, false},
         true,
         {},
         0,
         {1074, 2, 5},
         {1074, 2, 5}},
        {"decreasing past the start",
         {1, "2", true, false},
         false,
         {10, "0", false, false},
         0,
         {1, 1074, 1072},
         {10, 10, 10}},
        {"an interval beyond the list",
         {0, "1076", false, false},
         true,
         {},
         0,
         {0, 1, 2},
         {0, 1, 2}},
        {"random",
         {0, "0", false, true},
         false,
         {0, "0", false, true},
         0.5,
         {537, 537, 537},
         {537, 537, 537}},
        {"random at the top",
         {0, "0", false, true},
         true,
         {},
         0.9999999,
         {1074, 1074, 1074},
         {1074, 1074, 1074}},
        {"random source out of range", {0, "0", false, true}, true, {}, 1.0, {0, 0, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        AppContext app = TableOf({1, 2, 3});
        BatchInputs in = Range(1, 3);
        in.items[kBatchRxTone] = in.items[kBatchTxTone] = true;
        in.rxTone = c.decode;
        in.txTone = c.encode;
        in.txToneSameAsDecode = c.sameAsDecode;
        ApplyBatch(app, in, [&] { return c.random; });
        for (int no = 1; no <= 3; ++no) {
            EXPECT_EQ(Ch(app, no).RxTone, c.rx[static_cast<std::size_t>(no - 1)])
                << c.what << " " << no;
            EXPECT_EQ(Ch(app, no).TxTone, c.tx[static_cast<std::size_t>(no - 1)])
                << c.what << " " << no;
        }
    }
}

TEST(ApplyBatch, NamesAndIdsCountWithinTheStartsDigits) {
    struct Case {
        const char* what;
        int item;
        IdSeries series;
        int idMaxLen;
        std::vector<std::string> want; // channels 1..3
    };
    const Case cases[] = {
        {"own ID", kBatchIdCode, {"007", "1", false}, 10, {"007", "008", "009"}},
        {"own ID below zero", kBatchIdCode, {"001", "2", true}, 10, {"001", "999", "997"}},
        {"own ID on three-digit channels",
         kBatchIdCode,
         {"0000998", "1", false},
         3,
         {"998", "999", "000"}},
        {"own ID step longer than the start",
         kBatchIdCode,
         {"100", "12345", false},
         10,
         {"100", "445", "790"}},
        {"name ID wraps", kBatchName, {"98", "1", false}, 10, {"98", "99", "00"}},
        {"name ID longer than a name",
         kBatchName,
         {"12345678", "1", false},
         10,
         {"345678", "345679", "345680"}},
    };
    for (const Case& c : cases) {
        AppContext app = TableOf({1, 2, 3});
        for (int no = 1; no <= 3; ++no)
            Ch(app, no).IdCodeMaxLen = static_cast<Integer>(c.idMaxLen);
        BatchInputs in = Range(1, 3);
        in.items[static_cast<std::size_t>(c.item)] = true;
        in.nameMode = NameMode::DigitalId;
        (c.item == kBatchIdCode ? in.ownId : in.nameId) = c.series;
        ApplyBatch(app, in, {});
        for (int no = 1; no <= 3; ++no) {
            const ChannelRecord& e = Ch(app, no);
            EXPECT_EQ(TrimFix(c.item == kBatchIdCode ? e.IdCode.raw() : e.Name.raw()),
                      c.want[static_cast<std::size_t>(no - 1)])
                << c.what << " " << no;
        }
    }
}

TEST(ApplyBatch, ListsChecksSpacingAndTheLockoutRule) {
    AppContext app = TableOf({1, 2, 3});
    Ch(app, 2).RxTone = 5;
    Ch(app, 3).Reverse = 1;
    Ch(app, 3).RxTone = 5; // reversed, it listens with its encode tone, which is off
    BatchInputs in = Range(1, 3);
    for (int i = kBatchFirstList; i < kBatchFirstList + kBatchListCount; ++i)
        in.items[static_cast<std::size_t>(i)] = true;
    in.listValues = {0, 1, 3, 0, 2, 1, 5, 1};
    in.items[kBatchWhisper] = true;
    in.checks[5] = 1;
    ApplyBatch(app, in, {});
    const ChannelRecord& two = Ch(app, 2);
    EXPECT_EQ(two.OptSignal, 1);
    EXPECT_EQ(two.PttId, 3);
    EXPECT_EQ(two.ChSpacing, 2);
    EXPECT_EQ(two.RevTalkMode, 1);
    EXPECT_EQ(two.AutoDialMem, 5);
    EXPECT_EQ(two.SignalRelation, 1);
    EXPECT_EQ(two.Whisper, 1);
    EXPECT_EQ(two.BusyLock, 2);
    EXPECT_EQ(Ch(app, 1).BusyLock, 1); // no decode tone
    EXPECT_EQ(Ch(app, 3).BusyLock, 1);
}

TEST(ApplyBatch, ClearingKeepsTheRangeAndTheVfo) {
    std::vector<int> all = Numbers(1, 128);
    all.push_back(kVfoChannelNo);
    AppContext app = TableOf(all);
    app.doc.Settings.Opt.CurrentCh = 100;
    BatchInputs in = Range(1, 8);
    in.clearOutside = true;
    int tableEvents = 0;
    DocumentSubscription s(app.docState.Events, Kinds(DocumentChange::ChannelTable),
                           [&](auto...) { ++tableEvents; });
    const BatchResult result = ApplyBatch(app, in, {});
    EXPECT_EQ(result.deleted, 120);
    ASSERT_EQ(app.doc.ChannelCount, 9);
    for (int no = 1; no <= 8; ++no)
        EXPECT_NE(FindChannel(app.doc, no), nullptr) << no;
    EXPECT_NE(FindChannel(app.doc, kVfoChannelNo), nullptr);
    EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 8); // the options follow the table
    EXPECT_EQ(tableEvents, 1);
}

TEST(ApplyBatch, EveryItemOverAFullTableKeepsTheTableSound) {
    for (const bool decrease : {false, true}) {
        // A full table, and one that the receive frequency fills up.
        std::vector<int> table = {129};
        for (int no = 1; no <= 128; no += decrease ? 3 : 1)
            table.push_back(no);
        AppContext app = TableOf(table);
        UseBand(app, kUhf);
        BatchInputs in = InitialBatchInputs(kUhf.limits);
        in.items.fill(true);
        in.rx = {"435", "300", decrease}; // leaves the band after 116 channels
        in.txMode = TxMode::StartFrequency;
        in.tx = {"436.1", "6.25", !decrease};
        in.rxTone = {1074, "999", decrease, false};
        in.txToneSameAsDecode = false;
        in.txTone = {0, "0", false, true};
        in.nameMode = NameMode::DigitalId;
        in.nameId = {"99999999", "99999999", decrease};
        in.ownId = {"9999999999", "9999999999", decrease};
        in.listValues = {0, 1, 3, 0, 2, 1, 16, 1};
        const BatchResult result = ApplyBatch(app, in, [] { return 0.25; });

        EXPECT_GT(result.skipped, 0);
        EXPECT_EQ(FindDocumentFlaw(app.doc), DocumentFlaw::None);
        ASSERT_LE(app.doc.ChannelCount, 129);
        std::set<int> numbers;
        for (int i = 0; i < app.doc.ChannelCount; ++i) {
            const ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
            numbers.insert(e.ChannelNo);
            const auto rx = StoredFreqUnits(e.RxFreq.raw());
            ASSERT_TRUE(rx) << e.ChannelNo;
            if (e.ChannelNo == kVfoChannelNo)
                continue; // not in any range
            EXPECT_TRUE(*rx >= kUhf.limits.low10Hz && *rx <= kUhf.limits.high10Hz) << e.ChannelNo;
            EXPECT_EQ(StepFlagFor(*rx), e.RxStep625) << e.ChannelNo;
            EXPECT_EQ(StepFlagFor(ShiftUnits(e.TxShift.raw())), e.TxStep625) << e.ChannelNo;
            EXPECT_TRUE(e.RxTone >= 0 && e.RxTone < 1075 && e.TxTone >= 0 && e.TxTone < 1075);
            EXPECT_EQ(TrimFix(e.IdCode).size(), 10u) << e.ChannelNo;
            EXPECT_EQ(TrimFix(e.Name).size(), 6u) << e.ChannelNo;
        }
        EXPECT_EQ(numbers.size(), static_cast<std::size_t>(app.doc.ChannelCount));
        EXPECT_TRUE(numbers.count(kVfoChannelNo));
    }
}

} // namespace
} // namespace pmr
