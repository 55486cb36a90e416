#pragma once
// What an import of a CSV channel list will do, row by row, in the user's
// language: the rows it takes, each row it refuses and why, each value the
// channel rules changed. Shown before anything of the document changes.

#include <string>
#include <string_view>
#include <vector>

namespace pmr {

class TextCatalog;

enum class CsvLineKind {
    Refused, // the row is not imported
    Changed, // imported with a value other than the file's
    Note,    // imported as the file says; worth knowing
};

struct CsvReportLine {
    int line = 0; // the file's line, from 1
    CsvLineKind kind = CsvLineKind::Note;
    std::string
        text; // the whole line, e.g. "line 9, rToneFreq 72.0: not a CTCSS tone this radio has"
};

struct CsvImportReport {
    /// Set when the file is refused as a whole: why, in the user's language.
    std::string fileFault;
    /// Said about the whole file but not refusing it (read as Latin-1).
    std::vector<std::string> fileNotes;
    std::vector<CsvReportLine> lines; // in file order
    int rowsTaken = 0;
    int rowsRefused = 0;
    int rowsChanged = 0; // of the rows taken

    bool Refused() const { return !fileFault.empty() || rowsTaken == 0; }
    /// Every row taken as the file says.
    bool Clean() const { return !Refused() && rowsRefused == 0 && rowsChanged == 0; }
};

/// The text identifiers of the report.
enum CsvText : int {
    kCsvTextLine = 9300,          // line %1, %2 %3: %4
    kCsvTextNoSuchChannel = 9301, // no such channel (the radio has channels 1 to 128)
    kCsvTextDuplicate = 9302,     // channel %1 is already on line %2
    kCsvTextNotFrequency = 9303,
    kCsvTextOutsideBand = 9304, // outside the band %1
    kCsvTextNotTaken = 9305,    // the channel rules did not take it
    kCsvTextNotCtcss = 9306,
    kCsvTextNotDcs = 9307,
    kCsvTextNotToneMode = 9308,
    kCsvTextNotCrossMode = 9309,
    kCsvTextNotDuplex = 9310,
    kCsvTextNotOffset = 9311,
    kCsvTextNotMode = 9312,
    kCsvTextNotSkip = 9313,
    kCsvTextNotInRange = 9314, // not a value of this column (%1 to %2)
    kCsvTextNotIdCode = 9315,
    kCsvTextChanged = 9316,     // changed to %1
    kCsvTextNameChanged = 9317, // changed to "%1" (the radio shows A-Z and 0-9)
    kCsvTextPowerChanged = 9318,
    kCsvTextTsqlDiffers = 9319, // differs from cToneFreq %1; TSQL uses cToneFreq
    kCsvTextUnknownColumn = 9320,
    kCsvTextEmpty = 9321,
    kCsvTextNulBytes = 9322,
    kCsvTextTooLarge = 9323,    // larger than %1 MB
    kCsvTextTooManyRows = 9324, // more than %1 lines
    kCsvTextNoColumn = 9325,    // the header has no %1 column
    kCsvTextFieldCount = 9326,  // the row has %1 fields, the header %2
    kCsvTextLatin1 = 9327,
    kCsvTextSummary = 9328, // %1 rows to import, %2 refused, %3 changed
    kCsvTextNothingToImport = 9334,
    kCsvTextOpenQuote = 9338,     // line %1: a quoted field is not closed
    kCsvTextTooManyFields = 9339, // line %1: more than %2 fields
    kCsvTextFileLine = 9340,      // line %1: %2
};

/// "line 7, Frequency 145.500000: outside the band ..." from its parts; a Name
/// value is shown in quotes.
std::string CsvLineText(const TextCatalog& texts, int line, std::string_view column,
                        std::string_view value, const std::string& reason);

/// The summary line: rows to import, refused and changed.
std::string CsvSummaryText(const TextCatalog& texts, const CsvImportReport& report);

/// The whole report as text lines: the file's fault or its notes, each row line,
/// then the summary (what the command line prints on stderr).
std::vector<std::string> CsvReportTextLines(const TextCatalog& texts,
                                            const CsvImportReport& report);

} // namespace pmr
