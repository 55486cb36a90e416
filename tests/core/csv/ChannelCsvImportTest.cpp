// Importing channel lists written by hand in the common layout: what they
// import to, what the report says about each row, and files that change
// nothing because they are no channel list.

#include "csv/ChannelCsvImport.h"

#include "CsvTestSupport.h"
#include "csv/ChannelCsvExport.h"
#include "csv/CsvText.h"
#include "document/ToneCodes.h"

#include <fstream>
#include <iterator>

namespace pmr {
namespace {

using testing::CsvApp;

std::string ReadFile(const std::string& name) {
    std::ifstream f(std::string(PMR_SOURCE_DIR) + "/tests/core/csv/files/" + name,
                    std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}

const ChannelRecord& Ch(const RadioDocument& doc, int no) {
    const int i = FindChannelIndex(doc, no);
    if (i < 0)
        throw std::runtime_error("no channel " + std::to_string(no));
    return doc.Channels[static_cast<std::size_t>(i)];
}

std::vector<std::string> Texts(const CsvImportReport& r, CsvLineKind kind) {
    std::vector<std::string> out;
    for (const CsvReportLine& l : r.lines)
        if (l.kind == kind)
            out.push_back(l.text);
    return out;
}

constexpr int Dcs(int octal, bool inverted = false) {
    return (inverted ? kFirstDcsInverted : kFirstDcsNormal) + octal;
}

TEST(ChannelCsvImport, HandWrittenPmr446ListGivesEveryToneKind) {
    const AppContext app = CsvApp();
    const CsvImportPlan plan =
        PlanChannelImport(app, ReadFile("pmr446_tones.csv"), CsvImportMode::Replace);
    ASSERT_EQ(plan.report.fileFault, "");
    EXPECT_EQ(plan.report.rowsTaken, 11);
    EXPECT_EQ(plan.report.rowsRefused, 0);
    EXPECT_EQ(plan.report.rowsChanged, 0);
    const RadioDocument& d = plan.result;
    EXPECT_EQ(d.ChannelCount, 12); // the VFO and channels 1-11

    struct Want {
        int no, tx, rx;
    };
    const Want want[] = {
        {1, 0, 0},
        {2, 11, 0},                            // Tone 94.8
        {3, 13, 13},                           // TSQL from cToneFreq 100.0
        {4, Dcs(0754, true), Dcs(0754)},       // DTCS, sent inverted
        {5, 0, Dcs(0152, true)},               // ->DTCS from RxDtcsCode
        {6, 1, Dcs(0371)},                     // Tone->DTCS
        {7, Dcs(047, true), 41},               // DTCS->Tone: 203.5 decoded
        {8, 0, 22},                            // ->Tone 136.5
        {9, Dcs(0432), 0},                     // DTCS->
        {10, Dcs(023, true), Dcs(0765, true)}, // DTCS->DTCS
        {11, 50, 1},                           // Tone->Tone
    };
    for (const Want& w : want) {
        SCOPED_TRACE(w.no);
        const ChannelRecord& e = Ch(d, w.no);
        EXPECT_EQ(e.TxTone, w.tx);
        EXPECT_EQ(e.RxTone, w.rx);
        EXPECT_EQ(TrimFix(e.Name), "PMR" + std::to_string(w.no));
        EXPECT_EQ(e.ScanSkip, w.no == 2 ? 1 : 0);
        EXPECT_EQ(e.TxShiftDir, 0);
    }
    EXPECT_EQ(Ch(d, 1).RxFreq.raw(), "44600625");
    EXPECT_EQ(Ch(d, 11).RxFreq.raw(), "44613125");
    // The TSQL row's rToneFreq (88.5) is not its tone: said, not acted on.
    const auto notes = Texts(plan.report, CsvLineKind::Note);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "line 4, rToneFreq 88.5: differs from cToneFreq 100.0; the TSQL tone is "
                        "taken from cToneFreq");
}

TEST(ChannelCsvImport, OlderLayoutWithSemicolonsDecimalCommasAndOtherOrder) {
    const AppContext app = CsvApp();
    const CsvImportPlan plan =
        PlanChannelImport(app, ReadFile("older_semicolon.csv"), CsvImportMode::Replace);
    ASSERT_EQ(plan.report.fileFault, "");
    EXPECT_EQ(plan.report.rowsTaken, 2);
    const ChannelRecord& one = Ch(plan.result, 1);
    EXPECT_EQ(one.RxFreq.raw(), "44600625");
    EXPECT_EQ(TrimFix(one.Name), "HUT EA"); // upper-cased, A-Z, 0-9 and blanks, six at most
    EXPECT_EQ(one.TxTone, 9);               // 88.5
    EXPECT_EQ(one.RxTone, 0);
    const ChannelRecord& two = Ch(plan.result, 2);
    EXPECT_EQ(two.TxTone, Dcs(023));
    EXPECT_EQ(two.RxTone, Dcs(023, true));
    EXPECT_EQ(two.ScanSkip, 1);
    const auto notes = Texts(plan.report, CsvLineKind::Note);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], "line 1: the column \"Bank\" is not known and is ignored");
    const auto changed = Texts(plan.report, CsvLineKind::Changed);
    ASSERT_EQ(changed.size(), 2u);
    EXPECT_EQ(changed[0], "line 2, Name \"Hut; east\": changed to \"HUT EA\" (the radio shows A-Z "
                          "and 0-9)");
}

TEST(ChannelCsvImport, ReportNamesEveryRefusedAndChangedRow) {
    const AppContext app = CsvApp();
    const CsvImportPlan plan =
        PlanChannelImport(app, ReadFile("report_cases.csv"), CsvImportMode::Replace);
    const CsvImportReport& r = plan.report;
    ASSERT_EQ(r.fileFault, "");
    EXPECT_EQ(Texts(r, CsvLineKind::Refused),
              (std::vector<std::string>{
                  "line 4, Frequency 145.500000: outside the band 446.00625 - 446.19375 MHz",
                  "line 5, rToneFreq 72.0: not a CTCSS tone this radio has",
                  "line 6, Location 200: no such channel (the radio has channels 1 to 128)",
                  "line 7, Location 1: channel 1 is already on line 2",
                  "line 8: the row has 3 fields, the header 17",
                  "line 10, DtcsCode 029: not a DCS code this radio has (three octal digits, "
                  "polarity N or R)",
                  "line 11, Mode AM: not a mode this radio has (NFM or FM)",
              }));
    EXPECT_EQ(Texts(r, CsvLineKind::Changed),
              (std::vector<std::string>{
                  "line 2, Name \"ok\": changed to \"OK\" (the radio shows A-Z and 0-9)",
                  "line 3, Name \"Caf\xC3\xA9\": changed to \"CAF\" (the radio shows A-Z and 0-9)",
                  "line 9, Power High: changed to Low (the radio transmits at this level here)",
              }));
    EXPECT_EQ(r.rowsTaken, 3);
    EXPECT_EQ(r.rowsRefused, 7);
    EXPECT_EQ(r.rowsChanged, 3);
    EXPECT_FALSE(r.Clean());
    // A refused row leaves nothing: the band limit the setter would have
    // clamped line 4 to is not a channel 3.
    EXPECT_EQ(FindChannelIndex(plan.result, 3), -1);
    EXPECT_EQ(FindChannelIndex(plan.result, 4), -1);
    EXPECT_EQ(TrimFix(Ch(plan.result, 1).Name), "OK");
    EXPECT_EQ(TrimFix(Ch(plan.result, 2).Name), "CAF");
    EXPECT_EQ(Ch(plan.result, 6).TxPower, 0);
    EXPECT_EQ(CsvReportTextLines(app.texts, r).back(),
              "3 rows will be imported, 7 refused, 3 of those imported changed.");
}

TEST(ChannelCsvImport, ReplaceDropsChannelsTheFileLacksFillKeepsThem) {
    AppContext app = CsvApp();
    ChannelRecord& five = testing::PutChannel(app, 5, "44605625");
    five.Name = "KEEP";
    five.Whisper = 1;
    ChannelRecord& one = *FindChannel(app.doc, 1);
    one.Compander = 1;
    const std::string csv = "Location,Frequency,Name\r\n1,446.006250,NEW\r\n";

    const CsvImportPlan replace = PlanChannelImport(app, csv, CsvImportMode::Replace);
    EXPECT_TRUE(replace.report.Clean());
    EXPECT_EQ(FindChannelIndex(replace.result, 5), -1);
    EXPECT_GE(FindChannelIndex(replace.result, kVfoChannelNo), 0);
    // What the file does not say is as a new channel has it.
    EXPECT_EQ(Ch(replace.result, 1).Compander, 0);

    const CsvImportPlan fill = PlanChannelImport(app, csv, CsvImportMode::Fill);
    EXPECT_TRUE(fill.report.Clean());
    EXPECT_EQ(TrimFix(Ch(fill.result, 5).Name), "KEEP");
    EXPECT_EQ(Ch(fill.result, 5).Whisper, 1);
    EXPECT_EQ(Ch(fill.result, 1).Compander, 1);
    EXPECT_EQ(TrimFix(Ch(fill.result, 1).Name), "NEW");
}

TEST(ChannelCsvImport, PlanLeavesTheDocumentAndApplyIsOneChange) {
    AppContext app = CsvApp();
    const RadioDocument before = app.doc;
    int changes = 0, tableChanges = 0;
    app.docState.Events.Subscribe(~0u, [&](DocumentChange c, int) {
        // The reconciliation asks whether a window shows the references: no change.
        if (c != DocumentChange::OptionRefs)
            ++changes;
        tableChanges += c == DocumentChange::ChannelTable;
    });
    const CsvImportPlan plan =
        PlanChannelImport(app, ReadFile("pmr446_tones.csv"), CsvImportMode::Replace);
    EXPECT_EQ(app.doc, before);
    EXPECT_EQ(changes, 0);

    ApplyChannelImport(app, plan);
    testing::ExpectSameChannels(plan.result, app.doc);
    EXPECT_EQ(tableChanges, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(ExportChannelCsv(app.doc), ExportChannelCsv(plan.result));
}

TEST(ChannelCsvImport, FilesThatAreNoChannelListChangeNothing) {
    AppContext app = CsvApp();
    const RadioDocument before = app.doc;
    struct Case {
        std::string bytes, fault;
    };
    const Case cases[] = {
        {"", "The file is empty: there is no channel list to import."},
        {std::string("V100\x11\0\0\0", 8),
         "The file is not a CSV text: it holds NUL bytes (a document file or a picture?). Nothing "
         "was imported."},
        {"Location,Name\r\n1,A\r\n",
         "The first line names no Frequency column: it is not a channel list. Nothing was "
         "imported."},
        {std::string(kCsvMaxBytes + 1, ','),
         "The file is larger than 4 MB; a channel list is far smaller. Nothing was imported."},
        {"Location,Frequency\r\n1,\"446.006250\r\n", "line 2: a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        const CsvImportPlan plan = PlanChannelImport(app, c.bytes, CsvImportMode::Replace);
        EXPECT_EQ(plan.report.fileFault, c.fault);
        EXPECT_TRUE(plan.report.Refused());
        ApplyChannelImport(app, plan);
        EXPECT_EQ(app.doc, before);
    }
    // A million rows: refused at the bound, not read to the end.
    std::string million = "Location,Frequency\n";
    for (int i = 0; i < 1000000; ++i)
        million += "1,4\n";
    const CsvImportPlan big = PlanChannelImport(app, million, CsvImportMode::Replace);
    EXPECT_EQ(big.report.fileFault,
              "The file has more than 10000 lines; a channel list is far shorter. Nothing was "
              "imported.");
    // Rows that are all refused import nothing either.
    const CsvImportPlan none =
        PlanChannelImport(app, "Location,Frequency\n300,446.00625\n", CsvImportMode::Replace);
    EXPECT_TRUE(none.report.Refused());
    ApplyChannelImport(app, none);
    EXPECT_EQ(app.doc, before);
}

TEST(ChannelCsvImport, NumbersLongerThanAnyValueRefuseTheRowWithoutOverflow) {
    // 19 digits reach past what a 64-bit count of hundredths holds once
    // multiplied; each is refused by its column like any other value.
    const AppContext app = CsvApp();
    const std::string huge = "9999999999999999999";
    const CsvImportPlan plan = PlanChannelImport(
        app,
        "Location,Frequency,Tone,rToneFreq,Signalling\n"
        "1,446.006250,Tone," + huge + ",0\n"
        "2,446.018750,,88.5," + huge + "\n"
        "3,446.031250,,88.5,0\n",
        CsvImportMode::Replace);
    EXPECT_EQ(Texts(plan.report, CsvLineKind::Refused),
              (std::vector<std::string>{
                  "line 2, rToneFreq " + huge + ": not a CTCSS tone this radio has",
                  "line 3, Signalling " + huge + ": not a value of this column (0 to 3)",
              }));
    EXPECT_EQ(plan.report.rowsTaken, 1);
}

TEST(ChannelCsvImport, LatinOneFileIsReadAndSaidSo) {
    const AppContext app = CsvApp();
    const CsvImportPlan plan = PlanChannelImport(
        app, "Location,Frequency,Name\n1,446.00625,caf\xE9\n", CsvImportMode::Replace);
    ASSERT_EQ(plan.report.fileNotes.size(), 1u);
    EXPECT_EQ(plan.report.fileNotes[0], "The file is not UTF-8; it was read as Latin-1.");
    EXPECT_EQ(TrimFix(Ch(plan.result, 1).Name), "CAF");
}

TEST(ChannelCsvImport, DuplexModesInAWideBand) {
    const AppContext app = CsvApp("400 - 470 MHz");
    const std::string csv = "Location,Frequency,Duplex,Offset\r\n"
                            "1,430.000000,+,5.000000\r\n"
                            "2,445.000000,-,0.600000\r\n"
                            "3,440.000000,split,435.000000\r\n"
                            "4,440.000000,off,0.000000\r\n"
                            "5,440.000000,x,0.000000\r\n"
                            "6,469.000000,+,5.000000\r\n";
    const CsvImportPlan plan = PlanChannelImport(app, csv, CsvImportMode::Replace);
    const RadioDocument& d = plan.result;
    EXPECT_EQ(Ch(d, 1).TxShiftDir, 2);
    EXPECT_EQ(Ch(d, 1).TxShift.raw(), "0500000");
    EXPECT_EQ(Ch(d, 2).TxShiftDir, 1);
    EXPECT_EQ(Ch(d, 2).TxShift.raw(), "0060000");
    EXPECT_EQ(Ch(d, 3).TxShiftDir, 1);
    EXPECT_EQ(Ch(d, 3).TxShift.raw(), "0500000");
    EXPECT_EQ(Ch(d, 4).TxInhibit, 1);
    EXPECT_EQ(Ch(d, 4).TxShiftDir, 0);
    EXPECT_EQ(Texts(plan.report, CsvLineKind::Refused),
              (std::vector<std::string>{
                  "line 6, Duplex x: not a duplex mode (\"\", +, -, split or off)",
                  "line 7, Offset 5.000000: outside the band 400 - 470 MHz",
              }));
    EXPECT_EQ(FindChannelIndex(d, 6), -1);
}

} // namespace
} // namespace pmr
