#pragma once
// The log of writes: every write into a radio, whatever its outcome, adds one
// record to a CSV file in the user's data folder, so that a fleet's radios can
// be traced to the document each was written with. The header row is written
// once, when the file is new; records are only ever appended.

#include "document/DocumentState.h"
#include "link/LinkMode.h"
#include "link/LinkState.h"

#include <ctime>
#include <string>

namespace pmr {

struct WriteReport;

/// The log's file name in the user's data folder.
inline constexpr const char* kWriteLogName = "writes.csv";

struct WriteLogEntry {
    std::string time;          // ISO 8601, UTC: 2026-12-11T00:41:05Z
    std::string port;          // the device the radio was on
    std::string model;         // the document's model
    std::string band;          // the document's band
    std::string serialNumber;  // the radio's, when the write read it
    std::string documentFile;  // the file written from
    std::string documentCrc32; // CRC-32 of that file's bytes, 8 hex digits; empty: unreadable
    std::string result;        // "done" or what went wrong, as pmr-cli says it
    int blocksWritten = 0;     // blocks the radio took
    std::string backupFile;    // the radio's memory kept before the write
};

/// <UserDataFolder>/writes.csv; empty when there is no data folder.
std::string DefaultWriteLogPath();

/// `t` as ISO 8601 in UTC.
std::string IsoUtcTime(std::time_t t);

/// CRC-32 of the file's bytes as 8 upper-case hex digits; empty when the file
/// cannot be read.
std::string FileCrc32Text(const std::string& path);

/// The header row, ended by CRLF.
std::string WriteLogHeader();

/// One entry as a CSV record, ended by CRLF.
std::string WriteLogRecord(const WriteLogEntry& entry);

/// The entry of a write that ended with `result`: the model and band of the
/// document, or for a restore (which writes a kept memory, not the document)
/// those the radio gave when it answered.
WriteLogEntry WriteLogEntryFor(const DocumentState& doc, const LinkState& link,
                               const WriteReport& report, TransferResult result,
                               const std::string& port, const std::string& documentFile,
                               std::time_t now);

/// Appends the entry to the log at `path` (its folder made when missing), with
/// the header first when the file is new or empty. False with the reason when
/// the log cannot be written; the write itself is never undone by that.
bool AppendWriteLog(const std::string& path, const WriteLogEntry& entry, std::string& error);

} // namespace pmr
