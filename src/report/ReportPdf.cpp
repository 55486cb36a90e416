#include "ReportPdf.h"

#include "DocumentReportPainter.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <array>
#include <string_view>

namespace pmr {

PaperSize PaperForTerritory(const std::string& territory) {
    // The Americas' Letter countries; the rest of the world prints on A4.
    static constexpr std::array<std::string_view, 8> kLetter{"US", "CA", "MX", "CL",
                                                             "CO", "VE", "PH", "GT"};
    return std::find(kLetter.begin(), kLetter.end(), territory) != kLetter.end()
               ? PaperSize::Letter
               : PaperSize::A4;
}

bool WriteReportPdf(const DocumentReport& report, const std::string& path, PaperSize paper,
                    int* pages) {
    // A file that cannot be made is found before anything is drawn.
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QPdfWriter writer(&file);
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("pmrprog"));
    writer.setPageLayout(QPageLayout(
        QPageSize(paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4),
        QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) {
        file.remove();
        return false;
    }
    const int drawn = PaintDocumentReport(report, writer, painter);
    if (!painter.end() || !file.flush()) {
        file.remove();
        return false;
    }
    if (pages)
        *pages = drawn;
    return true;
}

} // namespace pmr
