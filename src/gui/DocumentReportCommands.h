#pragma once
// File > Print... and File > Export PDF...: the report of the document (its
// channel table and every settings window) in Qt's print preview, from which
// it is printed, or as a PDF file.

#include <string>

class QWidget;

namespace pmr {

struct RadioDocument;
class Interaction;
class TextCatalog;

/// The PDF file offered beside a document file: "radio.dat" -> "radio.pdf".
std::string PdfFileBeside(const std::string& documentPath);

/// Shows the report of `doc` (saved as `fileName`, "" when never saved) in
/// the print preview; printing is chosen there. False when the preview was
/// closed without printing or the printer could not be drawn on (then said).
bool PrintDocumentReport(const RadioDocument& doc, const TextCatalog& texts,
                         const std::string& fileName, Interaction& ui, QWidget* parent);

/// Asks for a file and writes the report of `doc` to it as PDF. False when
/// the dialog was cancelled or the file could not be written (then said).
bool ExportDocumentReportPdf(const RadioDocument& doc, const TextCatalog& texts,
                             const std::string& fileName, Interaction& ui);

} // namespace pmr
