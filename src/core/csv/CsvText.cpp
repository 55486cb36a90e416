#include "csv/CsvText.h"

#include "document/Latin1Text.h"

#include <cstring>

namespace pmr {
namespace {

/// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0)
                lo = 0xA0;
            if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0)
                lo = 0x90;
            if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        if (p[i + 1] < lo || p[i + 1] > hi)
            return false;
        for (std::size_t k = 2; k < len; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF)
                return false;
        i += len;
    }
    return true;
}

/// The separator of the first record: the most frequent of ",", ";" and tab
/// outside quotes; "," when none occurs.
char DetectSeparator(std::string_view s) {
    std::size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : s) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}

bool IsBlankRecord(const std::vector<std::string>& fields) {
    for (const std::string& f : fields)
        if (f.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

CsvTable Faulty(CsvFault fault, int line = 0) {
    CsvTable t;
    t.fault = fault;
    t.faultLine = line;
    return t;
}

} // namespace

CsvTable ReadCsv(std::string_view bytes) {
    if (bytes.size() > kCsvMaxBytes)
        return Faulty(CsvFault::TooLarge);
    if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr)
        return Faulty(CsvFault::NulByte);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);

    CsvTable table;
    std::string converted;
    std::string_view s = bytes;
    if (!IsUtf8(bytes)) {
        converted = Latin1ToUtf8(bytes);
        s = converted;
        table.readAsLatin1 = true;
    }
    table.separator = DetectSeparator(s);
    const char sep = table.separator;

    int line = 1;
    CsvRecord record{line, {}};
    std::string field;
    bool quoted = false; // inside a quoted field
    int quoteLine = 0;   // where the open quote is
    const std::size_t n = s.size();
    auto endField = [&]() -> bool {
        if (record.fields.size() >= kCsvMaxFields)
            return false;
        record.fields.push_back(std::move(field));
        field.clear();
        return true;
    };
    auto endRecord = [&]() -> bool {
        if (!endField())
            return false;
        if (!IsBlankRecord(record.fields)) {
            if (table.records.size() >= kCsvMaxRecords)
                return false;
            table.records.push_back(std::move(record));
        }
        record = CsvRecord{line, {}};
        return true;
    };

    for (std::size_t i = 0; i < n; ++i) {
        const char c = s[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && s[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"') {
            // A quote opens a quoted part anywhere in a field; spreadsheets
            // write them only at the start, and a stray one reads the same.
            quoted = true;
            quoteLine = line;
        } else if (c == sep) {
            if (!endField())
                return Faulty(CsvFault::TooManyFields, line);
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < n && s[i + 1] == '\n')
                ++i;
            ++line;
            const int recordLine = record.line;
            if (!endRecord())
                return Faulty(record.fields.size() >= kCsvMaxFields ? CsvFault::TooManyFields
                                                                    : CsvFault::TooManyRecords,
                              recordLine);
        } else {
            field += c;
        }
    }
    if (quoted)
        return Faulty(CsvFault::OpenQuote, quoteLine);
    if (!field.empty() || !record.fields.empty()) {
        const int recordLine = record.line;
        if (!endRecord())
            return Faulty(record.fields.size() >= kCsvMaxFields ? CsvFault::TooManyFields
                                                                : CsvFault::TooManyRecords,
                          recordLine);
    }
    if (table.records.empty())
        return Faulty(CsvFault::Empty);
    return table;
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const std::string& f = fields[i];
        if (f.find_first_of(",\"\r\n") == std::string::npos) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}

} // namespace pmr
