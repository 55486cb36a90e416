#pragma once
// What a printed report of the document holds, page layout aside: the lines
// at its head, the channel table as the grid shows it, and every radio-wide
// settings window with its captions and values as the window shows them, in
// the language of the text catalogue. The print preview, the PDF export and
// pmr-cli report all draw this one model.

#include "document/CalendarDate.h"

#include <string>
#include <utility>
#include <vector>

namespace pmr {

struct RadioDocument;
class TextCatalog;

struct ReportTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows; // each as long as the header
};

struct ReportSection {
    std::string title;                                        // the window's caption
    std::vector<std::pair<std::string, std::string>> entries; // caption, value
};

struct DocumentReport {
    std::string title;
    std::vector<std::string> headLines; // model, band, file, date
    std::string channelsTitle;
    ReportTable channels;
    std::vector<ReportSection> sections;
    /// "Page %1 of %2" in the report's language (PageLine fills it in).
    std::string pageLineText;
};

/// The report of `doc` as saved in `fileName` ("" for a document never
/// saved), made on `date`. The channel table holds the channels 1..128 that
/// are in use in number order and the VFO last, marked "VFO". Presets and
/// dial memories that are not in use are left out; a window left with no
/// entry says "(none)".
DocumentReport MakeDocumentReport(const RadioDocument& doc, const TextCatalog& texts,
                                  const std::string& fileName, const CalendarDate& date);

/// The page line of page `page` of `pages`: "Page 2 of 3".
std::string PageLine(const DocumentReport& report, int page, int pages);

} // namespace pmr
