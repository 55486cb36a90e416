#pragma once
// Draws a document report on the pages of a PDF writer or printer: the head
// lines and the channel table first, its caption row again at the top of each
// page it continues on, then each settings window's captions and values, and
// "Page n of N" at the foot of every page. Needs a QGuiApplication (fonts).

class QPagedPaintDevice;
class QPainter;

namespace pmr {

struct DocumentReport;

/// Paints `report` on `device` with a painter already begun on it. Returns
/// the number of pages drawn.
int PaintDocumentReport(const DocumentReport& report, QPagedPaintDevice& device,
                        QPainter& painter);

} // namespace pmr
