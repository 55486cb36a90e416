// The log of writes: a record reads back field for field whatever the fields
// hold, the header is written once, the folder is made, a log that cannot be
// written says why, and an entry takes the write's facts and the file's CRC-32.

#include "backup/WriteLog.h"

#include "csv/CsvText.h"
#include "document/Bands.h"
#include "link/TransferDriver.h"
#include "link/TransferResultWords.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace pmr {
namespace {

namespace fs = std::filesystem;

struct TempFolder {
    fs::path path;
    TempFolder() {
        path =
            fs::temp_directory_path() /
            ("pmr-writelog-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

WriteLogEntry Awkward() {
    WriteLogEntry e;
    e.time = "2026-12-11T00:41:05Z";
    e.port = "/dev/ttyUSB0";
    e.model = "VX210";
    e.band = "446.00625 - 446.19375 MHz";
    e.serialNumber = "SN \"7\"";
    e.documentFile = "/home/a/fleet, north/radio 1.dat";
    e.documentCrc32 = "CBF43926";
    e.result = "the radio did not answer (check the cable, the port and that the radio is on)";
    e.blocksWritten = 17;
    e.backupFile = "/home/a/.local/share/pmrprog/backups/line\nbreak.img";
    return e;
}

std::vector<std::string> Fields(const WriteLogEntry& e) {
    return {e.time,          e.port,         e.model,
            e.band,          e.serialNumber, e.documentFile,
            e.documentCrc32, e.result,       std::to_string(e.blocksWritten),
            e.backupFile};
}

TEST(WriteLog, ARecordReadsBackFieldForFieldUnderTheHeader) {
    const CsvTable table = ReadCsv(WriteLogHeader() + WriteLogRecord(Awkward()));
    ASSERT_EQ(table.fault, CsvFault::None);
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(
        table.records[0].fields,
        (std::vector<std::string>{"time", "port", "model", "band", "serial number", "document file",
                                  "document CRC-32", "result", "blocks written", "backup file"}));
    EXPECT_EQ(table.records[1].fields, Fields(Awkward()));
    // Plain fields stay unquoted, so the log reads well as text too.
    EXPECT_EQ(WriteLogRecord(WriteLogEntry{}), ",,,,,,,,0,\r\n");
}

TEST(WriteLog, TimesAreIso8601InUtc) {
    EXPECT_EQ(IsoUtcTime(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(IsoUtcTime(1781137265), "2026-06-11T00:21:05Z");
}

TEST(WriteLog, AppendsUnderOneHeaderAndMakesTheFolder) {
    TempFolder dir;
    const fs::path log = dir.path / "deeper" / kWriteLogName;
    std::string error;
    WriteLogEntry second = Awkward();
    second.result = "done";
    ASSERT_TRUE(AppendWriteLog(log.string(), Awkward(), error)) << error;
    ASSERT_TRUE(AppendWriteLog(log.string(), second, error)) << error;
    EXPECT_EQ(Contents(log), WriteLogHeader() + WriteLogRecord(Awkward()) + WriteLogRecord(second));

    // An empty file (made by hand, say) gets its header too.
    const fs::path empty = dir.path / "empty.csv";
    std::ofstream(empty).close();
    ASSERT_TRUE(AppendWriteLog(empty.string(), second, error)) << error;
    EXPECT_EQ(Contents(empty), WriteLogHeader() + WriteLogRecord(second));
}

TEST(WriteLog, ALogThatCannotBeWrittenSaysWhy) {
    TempFolder dir;
    fs::create_directories(dir.path);
    std::ofstream(dir.path / "a-file").close();
    std::string error;
    EXPECT_FALSE(AppendWriteLog((dir.path / "a-file" / "log.csv").string(), Awkward(), error));
    EXPECT_NE(error.find("a-file"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(AppendWriteLog("", Awkward(), error));
    EXPECT_FALSE(error.empty());
}

TEST(WriteLog, AnEntryTakesTheWritesFactsAndTheFilesCrc) {
    TempFolder dir;
    fs::create_directories(dir.path);
    const fs::path doc = dir.path / "radio.dat";
    std::ofstream(doc, std::ios::binary) << "123456789";
    DocumentState state;
    state.ModelNameText = "VX210";
    state.BandText = "446.00625 - 446.19375 MHz";
    WriteReport report;
    report.serial = "A1234";
    report.blocksWritten = 3;
    report.backupPath = "/b/VX210.img";

    LinkState link;
    link.RadioModelName = "VX220";
    link.RadioBandCode = 8;
    WriteLogEntry e = WriteLogEntryFor(state, link, report, TransferResult::Success, "/dev/ttyUSB1",
                                       doc.string(), 0);
    EXPECT_EQ(Fields(e),
              (std::vector<std::string>{"1970-01-01T00:00:00Z", "/dev/ttyUSB1", "VX210",
                                        "446.00625 - 446.19375 MHz", "A1234", doc.string(),
                                        "CBF43926", "done", "3", "/b/VX210.img"}));

    // A restore writes the radio's own kind of memory: its model and band.
    report.kind = WriteKind::Restore;
    e = WriteLogEntryFor(state, link, report, TransferResult::Success, "COM3", "", 0);
    EXPECT_EQ(e.model, "VX220");
    EXPECT_EQ(e.band, BandTextFromCode(8));
    EXPECT_EQ(e.documentCrc32, "");

    e = WriteLogEntryFor(state, link, WriteReport{}, TransferResult::RadioSilent, "COM3",
                         (dir.path / "gone.dat").string(), 0);
    EXPECT_EQ(e.documentCrc32, "");
    EXPECT_EQ(e.result, DescribeResult(TransferResult::RadioSilent));
    EXPECT_NE(e.result, "done");
    EXPECT_EQ(e.blocksWritten, 0);
}

} // namespace
} // namespace pmr
