#include "backup/WriteLog.h"

#include "backup/BackupStore.h"
#include "backup/UserDataFolder.h"
#include "csv/CsvText.h"
#include "document/Bands.h"
#include "link/TransferDriver.h"
#include "link/TransferResultWords.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace pmr {

std::string DefaultWriteLogPath() {
    const std::string data = UserDataFolder();
    return data.empty() ? std::string() : data + "/" + kWriteLogName;
}

std::string IsoUtcTime(std::time_t t) {
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string FileCrc32Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (in.bad())
        return {};
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(Crc32(bytes)));
    return text;
}

std::string WriteLogHeader() {
    std::string out;
    AppendCsvRecord(out, {"time", "port", "model", "band", "serial number", "document file",
                          "document CRC-32", "result", "blocks written", "backup file"});
    return out;
}

std::string WriteLogRecord(const WriteLogEntry& e) {
    std::string out;
    AppendCsvRecord(out,
                    {e.time, e.port, e.model, e.band, e.serialNumber, e.documentFile,
                     e.documentCrc32, e.result, std::to_string(e.blocksWritten), e.backupFile});
    return out;
}

WriteLogEntry WriteLogEntryFor(const DocumentState& doc, const LinkState& link,
                               const WriteReport& report, TransferResult result,
                               const std::string& port, const std::string& documentFile,
                               std::time_t now) {
    WriteLogEntry e;
    e.time = IsoUtcTime(now);
    e.port = port;
    const bool radios = report.kind == WriteKind::Restore && !link.RadioModelName.empty();
    e.model = radios ? link.RadioModelName : doc.ModelNameText;
    e.band = radios ? BandTextFromCode(link.RadioBandCode) : doc.BandText;
    e.serialNumber = report.serial;
    e.documentFile = documentFile;
    e.documentCrc32 = documentFile.empty() ? std::string() : FileCrc32Text(documentFile);
    e.result = DescribeResult(result);
    e.blocksWritten = report.blocksWritten;
    e.backupFile = report.backupPath;
    return e;
}

bool AppendWriteLog(const std::string& path, const WriteLogEntry& entry, std::string& error) {
    if (path.empty()) {
        error = "there is no user data folder (HOME is not set)";
        return false;
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    if (file.has_parent_path())
        fs::create_directories(file.parent_path(), ec); // a failure shows in the open below
    const auto size = fs::file_size(file, ec);
    const bool fresh = ec || size == 0;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    if (!out) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    if (fresh)
        out << WriteLogHeader();
    out << WriteLogRecord(entry);
    out.flush();
    if (!out) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace pmr
