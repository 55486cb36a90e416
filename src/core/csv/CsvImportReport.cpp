#include "csv/CsvImportReport.h"

#include "app/TextCatalog.h"

namespace pmr {

std::string CsvLineText(const TextCatalog& texts, int line, std::string_view column,
                        std::string_view value, const std::string& reason) {
    std::string shown(value);
    if (column == "Name")
        shown = "\"" + shown + "\"";
    std::string text = texts.GetLangText(kCsvTextLine);
    text = FillMarker(text, "%1", std::to_string(line));
    text = FillMarker(text, "%2", std::string(column));
    text = FillMarker(text, "%3", shown);
    return FillMarker(text, "%4", reason);
}

std::string CsvSummaryText(const TextCatalog& texts, const CsvImportReport& report) {
    std::string text = texts.GetLangText(kCsvTextSummary);
    text = FillMarker(text, "%1", std::to_string(report.rowsTaken));
    text = FillMarker(text, "%2", std::to_string(report.rowsRefused));
    return FillMarker(text, "%3", std::to_string(report.rowsChanged));
}

std::vector<std::string> CsvReportTextLines(const TextCatalog& texts,
                                            const CsvImportReport& report) {
    if (!report.fileFault.empty())
        return {report.fileFault};
    std::vector<std::string> out = report.fileNotes;
    for (const CsvReportLine& l : report.lines)
        out.push_back(l.text);
    out.push_back(CsvSummaryText(texts, report));
    if (report.rowsTaken == 0)
        out.push_back(texts.GetLangText(kCsvTextNothingToImport));
    return out;
}

} // namespace pmr
