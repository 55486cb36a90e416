// Export then import gives back the channel table it started from, member by
// member: the shipped template, a full table, every kind of tone pair, offsets
// both ways and transmit inhibited.

#include "CsvTestSupport.h"
#include "csv/ChannelCsvExport.h"
#include "csv/ChannelCsvImport.h"
#include "document/ToneCodes.h"
#include "files/DocumentRecord.h"

#include <fstream>
#include <iterator>

namespace pmr {
namespace {

using testing::CsvApp;
using testing::ExpectSameChannels;
using testing::PutChannel;

/// Imports the document's own export into a copy of it and checks that
/// nothing changed and nothing was reported.
void ExpectRoundTrip(const AppContext& app) {
    const std::string csv = ExportChannelCsv(app.doc);
    for (CsvImportMode mode : {CsvImportMode::Replace, CsvImportMode::Fill}) {
        SCOPED_TRACE(mode == CsvImportMode::Replace ? "replace" : "fill");
        const CsvImportPlan plan = PlanChannelImport(app, csv, mode);
        for (const CsvReportLine& l : plan.report.lines)
            ADD_FAILURE() << l.text;
        EXPECT_TRUE(plan.report.Clean()) << plan.report.fileFault;
        ExpectSameChannels(app.doc, plan.result);
        EXPECT_EQ(plan.result.Settings, app.doc.Settings);
    }
}

TEST(ChannelCsvRoundTrip, ShippedTemplate) {
    AppContext app = CsvApp();
    std::ifstream f(std::string(PMR_PROGRAM_DIR) + "/Init/VX210_4.dat", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), {});
    ASSERT_FALSE(bytes.empty());
    app.doc = DecodeDocumentRecord(bytes);
    ASSERT_EQ(app.doc.ChannelCount, 17);
    ExpectRoundTrip(app);
}

TEST(ChannelCsvRoundTrip, FullTableWithEveryMemberUsed) {
    AppContext app = CsvApp();
    for (int no = 1; no <= 128; ++no) {
        // The sixteen channel frequencies, in turn.
        const std::string rx = std::to_string(44600625 + ((no - 1) % 16) * 1250);
        ChannelRecord& e = PutChannel(app, no, rx.c_str());
        e.Name = "CH" + std::to_string(no);
        e.TxTone = static_cast<Integer>(no % 3 == 0 ? 0 : no * 8 % kToneCount);
        e.RxTone = static_cast<Integer>(no % 5 == 0 ? 0 : no * 7 % kToneCount);
        e.ScanSkip = no % 2;
        e.OptSignal = no % 4;
        e.PttId = (no / 4) % 4;
        e.BusyLock = e.RxTone == 0 ? no % 2 : no % 4;
        e.Scramble = no % 2;
        e.Compander = (no / 2) % 2;
        e.Whisper = (no / 3) % 2;
        e.TxInhibit = (no / 5) % 2;
        e.AutoDialMem = static_cast<Integer>(no * 2 % 256);
        e.IdCode = std::to_string(100 + no);
        e.SignalRelation = (no / 7) % 2;
        e.RevTalkMode = no % 3;
        e.Talkaround = (no / 9) % 2;
        e.Reverse = (no / 11) % 2;
    }
    ASSERT_EQ(app.doc.ChannelCount, 129);
    ExpectRoundTrip(app);
}

TEST(ChannelCsvRoundTrip, EveryToneKindOffsetsAndTransmitInhibit) {
    AppContext app = CsvApp("400 - 470 MHz");
    struct Case {
        int tx, rx;
    };
    const int ctcss = 13, ctcss2 = 20, dcsN = 51 + 023, dcsR = 563 + 023, dcsN2 = 51 + 0754;
    const Case cases[] = {
        {0, 0},           {ctcss, 0},      {ctcss, ctcss}, {dcsN, dcsN},  {dcsR, dcsR},
        {dcsN, dcsR},     {ctcss, ctcss2}, {ctcss, dcsR},  {dcsR, ctcss}, {0, ctcss},
        {0, dcsN},        {0, dcsR},       {dcsN2, 0},     {dcsR, 0},     {dcsN, dcsN2},
        {563 + 0777, 51}, {1, 50},         {50, 1074},
    };
    int no = 1;
    for (const Case& c : cases) {
        ChannelRecord& e = PutChannel(app, no++, "43500000");
        e.TxTone = static_cast<Integer>(c.tx);
        e.RxTone = static_cast<Integer>(c.rx);
    }
    ChannelRecord& plus = PutChannel(app, 60, "43000000");
    plus.TxShiftDir = 2;
    plus.TxShift = "0500000";
    ChannelRecord& minus = PutChannel(app, 61, "44500000");
    minus.TxShiftDir = 1;
    minus.TxShift = "0060000";
    minus.TxInhibit = 1; // keeps its offset, with the inhibit in its own column
    ChannelRecord& inhibited = PutChannel(app, 62, "44000000");
    inhibited.TxInhibit = 1;
    ChannelRecord& stepped = PutChannel(app, 63, "44000625");
    stepped.RxStep625 = 1;
    ExpectRoundTrip(app);
}

} // namespace
} // namespace pmr
