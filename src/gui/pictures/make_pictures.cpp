// Draws the program's background pictures at build time:
//   make_pictures <folder>  writes <folder>/BK_1.jpg (English) and BK_2.jpg (Chinese).
// Each picture is a tile whose inside repeats seamlessly; its outer one-pixel
// frame is a copy of the opposite edge, since the main window tiles the
// picture without that frame.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kTile = 160; // the repeating inside

QImage DrawTile(QColor base, QColor wave, QColor accent) {
    QImage tile(kTile, kTile, QImage::Format_RGB32);
    tile.fill(base);
    QPainter g(&tile);
    g.setRenderHint(QPainter::Antialiasing);
    // Soft diagonal bands that wrap at the tile edges.
    for (int i = -2; i <= 2; ++i) {
        QPainterPath band;
        const double o = i * kTile;
        band.moveTo(o, 0);
        band.lineTo(o + kTile * 0.5, 0);
        band.lineTo(o + kTile * 1.5, kTile);
        band.lineTo(o + kTile, kTile);
        band.closeSubpath();
        g.fillPath(band, QColor(255, 255, 255, 10));
    }
    // Radio waves around the tile's centre, drawn at every neighbouring
    // offset so that arcs crossing an edge continue on the other side.
    g.setBrush(Qt::NoBrush);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QPointF c(kTile * 0.5 + dx * kTile, kTile * 0.5 + dy * kTile);
            for (int r = 1; r <= 4; ++r) {
                QColor w = wave;
                w.setAlpha(70 - r * 12);
                g.setPen(QPen(w, 2.0));
                const double radius = 14.0 + r * 15.0;
                g.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 30 * 16,
                          120 * 16);
                g.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 210 * 16,
                          120 * 16);
            }
            g.setPen(Qt::NoPen);
            g.setBrush(accent);
            g.drawEllipse(c, 4.5, 4.5);
            g.setBrush(Qt::NoBrush);
        }
    }
    return tile;
}

// The tile with a one-pixel frame taken from the opposite edges.
QImage Framed(const QImage& tile) {
    QImage out(kTile + 2, kTile + 2, QImage::Format_RGB32);
    for (int y = 0; y < kTile + 2; ++y)
        for (int x = 0; x < kTile + 2; ++x)
            out.setPixel(x, y, tile.pixel((x - 1 + kTile) % kTile, (y - 1 + kTile) % kTile));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    const QImage english =
        Framed(DrawTile(QColor(74, 96, 128), QColor(190, 215, 240), QColor(240, 190, 90)));
    const QImage chinese =
        Framed(DrawTile(QColor(112, 70, 70), QColor(240, 210, 180), QColor(250, 215, 110)));
    if (!english.save(folder.filePath("BK_1.jpg"), "JPG", 92) ||
        !chinese.save(folder.filePath("BK_2.jpg"), "JPG", 92)) {
        std::fprintf(stderr, "make_pictures: cannot write JPEG files into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
