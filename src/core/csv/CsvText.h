#pragma once
// Comma-separated text as spreadsheets and other programs save it (RFC 4180):
// fields separated by one character, records ended by CRLF or LF, a field in
// double quotes may hold separators, line ends and doubled quotes.
//
// The reader takes what spreadsheets in many locales write: a UTF-8 byte order
// mark, LF or CRLF, ";" or a tab instead of ",", and text that is not UTF-8
// (read as Latin-1, which is what such a file nearly always is). It refuses
// whatever cannot be a text table, and bounds what it reads so that a huge or
// hostile file costs at most a few megabytes and a fraction of a second.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

/// The largest file the reader takes: a full channel list is about 40 kB.
inline constexpr std::size_t kCsvMaxBytes = 4 * 1024 * 1024;
/// The most records the reader takes (header included).
inline constexpr std::size_t kCsvMaxRecords = 10000;
/// The most fields of one record.
inline constexpr std::size_t kCsvMaxFields = 256;

struct CsvRecord {
    int line = 0; // the line of the file the record starts on, from 1
    std::vector<std::string> fields;
};

enum class CsvFault {
    None,
    Empty,          // no byte, or only blanks and line ends
    NulByte,        // a NUL byte: a binary file, not a text
    TooLarge,       // more than kCsvMaxBytes
    TooManyRecords, // more than kCsvMaxRecords
    TooManyFields,  // a record of more than kCsvMaxFields
    OpenQuote,      // a quoted field that is never closed
};

struct CsvTable {
    CsvFault fault = CsvFault::None;
    int faultLine = 0;         // the line a fault was found on
    char separator = ',';      // the one the header used
    bool readAsLatin1 = false; // the bytes were not UTF-8
    /// The records in file order, fields in UTF-8; blank lines are left out.
    std::vector<CsvRecord> records;
};

/// Reads a whole file's bytes. On a fault `records` is empty.
CsvTable ReadCsv(std::string_view bytes);

/// Appends one record: fields joined by ",", quoted only where a field holds a
/// ",", a quote, CR or LF (quotes doubled), ended by CRLF.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields);

} // namespace pmr
