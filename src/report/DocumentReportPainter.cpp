#include "DocumentReportPainter.h"

#include "report/DocumentReport.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

namespace pmr {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

/// A report in Chinese asks for the Chinese font first, so that its glyphs
/// come from one font and that font is embedded.
bool WrittenInChinese(const DocumentReport& r) {
    const QString title = Q(r.title);
    return std::any_of(title.begin(), title.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
}

QFont ReportFont(bool chinese, qreal points, bool bold = false) {
    QStringList families;
    if (chinese)
        families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC");
    families << QStringLiteral("DejaVu Sans") << QStringLiteral("Liberation Sans")
             << QStringLiteral("sans-serif");
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

/// The pages as they fill: drawn in the second pass, only counted in the
/// first, so that every page line knows the number of pages.
class Pager {
public:
    Pager(const DocumentReport& r, QPagedPaintDevice& device, QPainter& painter, bool draw,
          int total, bool chinese)
        : report_(r), device_(device), painter_(painter), draw_(draw), total_(total),
          footFont_(ReportFont(chinese, 8)) {
        const QFontMetrics fm(footFont_, &device_);
        footHeight_ = fm.height() * 2;
        bottom_ = device_.height() - footHeight_;
    }

    bool Drawing() const { return draw_; }
    QPainter& Painter() { return painter_; }
    int Width() const { return device_.width(); }
    int Pages() const { return page_; }

    /// The top of a band `height` high, on a new page when this one has no
    /// room for it and `keep` more (what must not be parted from it);
    /// `onNewPage` draws what every continued page begins with.
    int Take(int height, const std::function<void()>& onNewPage = {}, int keep = 0) {
        if (y_ + height + keep > bottom_ && y_ > 0) {
            EndPage();
            if (draw_)
                device_.newPage();
            ++page_;
            y_ = 0;
            if (onNewPage)
                onNewPage();
        }
        const int top = y_;
        y_ += height;
        return top;
    }

    void Skip(int height) { y_ = std::min(y_ + height, bottom_); }

    void Finish() { EndPage(); }

private:
    void EndPage() {
        if (!draw_)
            return;
        painter_.setFont(footFont_);
        painter_.setPen(Qt::black);
        painter_.drawText(QRect(0, device_.height() - footHeight_ / 2 - footHeight_ / 4, Width(),
                                footHeight_ / 2),
                          Qt::AlignCenter, Q(PageLine(report_, page_, total_)));
    }

    const DocumentReport& report_;
    QPagedPaintDevice& device_;
    QPainter& painter_;
    bool draw_;
    int total_;
    QFont footFont_;
    int footHeight_ = 0;
    int bottom_ = 0;
    int page_ = 1;
    int y_ = 0;
};

int LineHeight(const QFont& font, QPaintDevice& device) {
    return QFontMetrics(font, &device).height() * 4 / 3;
}

/// Widths of the table's columns: each as wide as its widest text, then
/// stretched or shrunk together to the width of the page.
std::vector<int> ColumnWidths(const ReportTable& t, const QFont& font, const QFont& bold,
                              QPaintDevice& device, int width) {
    const QFontMetrics fm(font, &device);
    const QFontMetrics bm(bold, &device);
    const int pad = fm.averageCharWidth();
    std::vector<int> widths;
    for (std::size_t c = 0; c < t.header.size(); ++c) {
        int w = bm.horizontalAdvance(Q(t.header[c]));
        for (const auto& row : t.rows)
            w = std::max(w, fm.horizontalAdvance(Q(row[c])));
        widths.push_back(w + 2 * pad);
    }
    long long sum = 0;
    for (int w : widths)
        sum += w;
    if (sum > 0)
        for (int& w : widths)
            w = static_cast<int>(w * static_cast<long long>(width) / sum);
    return widths;
}

void DrawCells(Pager& pager, const std::vector<std::string>& cells, const std::vector<int>& widths,
               const QFont& font, int top, int height, bool shaded) {
    if (!pager.Drawing())
        return;
    QPainter& p = pager.Painter();
    if (shaded)
        p.fillRect(QRect(0, top, pager.Width(), height), QColor(230, 230, 230));
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics fm(font, p.device());
    const int pad = fm.averageCharWidth();
    int x = 0;
    for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
        const QRect cell(x + pad, top, widths[c] - 2 * pad, height);
        p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(Q(cells[c]), Qt::ElideRight, cell.width()));
        x += widths[c];
    }
    p.setPen(QColor(160, 160, 160));
    p.drawLine(0, top + height - 1, pager.Width(), top + height - 1);
}

void DrawLine(Pager& pager, const QString& text, const QFont& font, int top, int height) {
    if (!pager.Drawing())
        return;
    QPainter& p = pager.Painter();
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics fm(font, p.device());
    p.drawText(QRect(0, top, pager.Width(), height), Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(text, Qt::ElideRight, pager.Width()));
}

void Lay(const DocumentReport& r, Pager& pager, QPaintDevice& device, bool chinese) {
    const QFont title = ReportFont(chinese, 16, true);
    const QFont text = ReportFont(chinese, 10);
    const QFont heading = ReportFont(chinese, 12, true);
    const QFont cell = ReportFont(chinese, 8);
    const QFont cellBold = ReportFont(chinese, 8, true);

    int h = LineHeight(title, device);
    DrawLine(pager, Q(r.title), title, pager.Take(h), h);
    h = LineHeight(text, device);
    for (const std::string& line : r.headLines)
        DrawLine(pager, Q(line), text, pager.Take(h), h);
    pager.Skip(h);

    const int headingHeight = LineHeight(heading, device);
    const int rowHeight = LineHeight(cell, device);
    // A heading is never left alone at the foot of a page.
    DrawLine(pager, Q(r.channelsTitle), heading, pager.Take(headingHeight, {}, rowHeight * 2),
             headingHeight);
    const std::vector<int> widths =
        ColumnWidths(r.channels, cell, cellBold, device, pager.Width());
    auto header = [&] {
        const int top = pager.Take(rowHeight);
        DrawCells(pager, r.channels.header, widths, cellBold, top, rowHeight, true);
    };
    header();
    for (const auto& row : r.channels.rows)
        DrawCells(pager, row, widths, cell, pager.Take(rowHeight, header), rowHeight, false);

    const int entryHeight = LineHeight(text, device);
    const std::vector<int> halves{pager.Width() * 9 / 20, pager.Width() - pager.Width() * 9 / 20};
    for (const ReportSection& s : r.sections) {
        pager.Skip(entryHeight);
        DrawLine(pager, Q(s.title), heading, pager.Take(headingHeight, {}, entryHeight),
                 headingHeight);
        for (const auto& [caption, value] : s.entries)
            DrawCells(pager, {caption, value}, halves, text, pager.Take(entryHeight), entryHeight,
                      false);
    }
    pager.Finish();
}

} // namespace

int PaintDocumentReport(const DocumentReport& report, QPagedPaintDevice& device,
                        QPainter& painter) {
    const bool chinese = WrittenInChinese(report);
    Pager count(report, device, painter, false, 0, chinese);
    Lay(report, count, device, chinese);
    Pager pages(report, device, painter, true, count.Pages(), chinese);
    Lay(report, pages, device, chinese);
    return pages.Pages();
}

} // namespace pmr
