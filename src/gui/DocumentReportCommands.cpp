#include "DocumentReportCommands.h"

#include "DocumentReportPainter.h"
#include "Interaction.h"
#include "ReportPdf.h"
#include "app/TextCatalog.h"
#include "document/CalendarDate.h"
#include "report/DocumentReport.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <filesystem>

namespace pmr {

namespace {

constexpr int kHelpTopic = 100;
constexpr int kTextCannotWrite = 9336;
constexpr int kTextPdfFilter = 9387;
constexpr int kTextCannotPrint = 9389;

PaperSize LocalePaper() {
    return PaperForTerritory(
        QLocale::territoryToCode(QLocale::system().territory()).toStdString());
}

} // namespace

std::string PdfFileBeside(const std::string& documentPath) {
    return std::filesystem::path(documentPath).replace_extension(".pdf").string();
}

bool PrintDocumentReport(const RadioDocument& doc, const TextCatalog& texts,
                         const std::string& fileName, Interaction& ui, QWidget* parent) {
    const DocumentReport report = MakeDocumentReport(doc, texts, fileName, SystemToday());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(LocalePaper() == PaperSize::Letter ? QPageSize::Letter
                                                                     : QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(QString::fromStdString(report.title));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QString::fromStdString(report.title));
    dialog.setProperty("helpTopic", kHelpTopic);
    bool failed = false;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report, &failed](QPrinter* target) {
                         QPainter painter;
                         if (!painter.begin(target)) {
                             failed = true;
                             return;
                         }
                         PaintDocumentReport(report, *target, painter);
                     });
    const int result = ui.RunDialog(dialog);
    if (failed) {
        ui.ShowMessage(texts.GetLangText(kTextCannotPrint), Severity::Critical);
        return false;
    }
    return result == QDialog::Accepted;
}

bool ExportDocumentReportPdf(const RadioDocument& doc, const TextCatalog& texts,
                             const std::string& fileName, Interaction& ui) {
    const std::string start = fileName.empty() ? std::string("report.pdf") : PdfFileBeside(fileName);
    // The save dialog asks before it names a file that exists.
    const auto path = ui.AskSaveFile(texts.GetLangText(kTextPdfFilter) + "|*.pdf", start);
    if (!path)
        return false;
    const DocumentReport report = MakeDocumentReport(doc, texts, fileName, SystemToday());
    if (!WriteReportPdf(report, *path, LocalePaper())) {
        ui.ShowMessage(FillMarker(texts.GetLangText(kTextCannotWrite), "%1", *path),
                       Severity::Critical);
        return false;
    }
    return true;
}

} // namespace pmr
