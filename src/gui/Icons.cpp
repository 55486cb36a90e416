#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pmr {

namespace {

constexpr int kSize = 24;

const QColor kInk(40, 52, 70);
const QColor kPaper(250, 250, 246);
const QColor kBlue(44, 110, 190);
const QColor kGreen(46, 150, 80);
const QColor kRed(196, 60, 50);
const QColor kAmber(226, 160, 40);

QPixmap Canvas() {
    QPixmap p(kSize, kSize);
    p.fill(Qt::transparent);
    return p;
}

void Sheet(QPainter& g, const QColor& fill = kPaper) {
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    g.setPen(QPen(kInk, 1.2));
    g.setBrush(fill);
    g.drawPath(path);
    g.drawLine(QPointF(15, 2), QPointF(15, 7));
    g.drawLine(QPointF(15, 7), QPointF(20, 7));
}

void Radio(QPainter& g, const QRectF& body) {
    g.setPen(QPen(kInk, 1.2));
    g.setBrush(QColor(70, 80, 96));
    g.drawRoundedRect(body, 2, 2);
    const QPointF antenna(body.left() + body.width() * 0.25, body.top());
    g.setPen(QPen(kInk, 2));
    g.drawLine(antenna, antenna - QPointF(0, body.height() * 0.45));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(150, 210, 230));
    g.drawRect(QRectF(body.left() + 2, body.top() + 2.5, body.width() - 4, body.height() * 0.3));
    g.setBrush(QColor(210, 214, 220));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            g.drawRect(QRectF(body.left() + 2 + c * (body.width() - 4) / 2 + 0.5,
                              body.top() + body.height() * 0.5 + r * 3.2,
                              (body.width() - 4) / 2 - 1, 2.2));
}

void Arrow(QPainter& g, QPointF from, QPointF to, const QColor& color) {
    g.setPen(QPen(color, 2.4, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to + u * 2.0 << to - u * 4.0 + n * 4.0 << to - u * 4.0 - n * 4.0;
    g.setPen(Qt::NoPen);
    g.setBrush(color);
    g.drawPolygon(head);
}

void Rows(QPainter& g, int highlight, const QColor& color) {
    g.setPen(QPen(kInk, 1));
    for (int i = 0; i < 4; ++i) {
        g.setBrush(i == highlight ? color : kPaper);
        g.drawRect(QRectF(3, 3 + i * 4.5, 13, 3.5));
    }
}

QIcon Draw(const QString& key) {
    QPixmap pix = Canvas();
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("NewFile")) {
        Sheet(g);
        g.setPen(QPen(kAmber, 2));
        g.drawLine(QPointF(9, 14), QPointF(16, 14));
        g.drawLine(QPointF(12.5, 10.5), QPointF(12.5, 17.5));
    } else if (key == QLatin1String("OpenFile")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(kAmber.lighter(130));
        g.drawRect(QRectF(2, 6, 17, 14));
        g.setBrush(kAmber);
        QPolygonF flap;
        flap << QPointF(2, 20) << QPointF(6, 11) << QPointF(22, 11) << QPointF(19, 20);
        g.drawPolygon(flap);
    } else if (key == QLatin1String("SaveFile")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(kBlue);
        g.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        g.setBrush(kPaper);
        g.drawRect(QRectF(6.5, 3, 11, 7));
        g.setBrush(QColor(200, 205, 215));
        g.drawRect(QRectF(7, 14, 10, 7));
    } else if (key == QLatin1String("Print")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(kPaper);
        g.drawRect(QRectF(7, 2, 10, 8));
        g.setBrush(QColor(120, 128, 140));
        g.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
        g.setBrush(kPaper);
        g.drawRect(QRectF(7, 15, 10, 7));
    } else if (key == QLatin1String("ReadRadio")) {
        Radio(g, QRectF(2.5, 8, 8, 14));
        Arrow(g, QPointF(12, 15), QPointF(21, 15), kGreen);
    } else if (key == QLatin1String("WriteRadio")) {
        Radio(g, QRectF(13.5, 8, 8, 14));
        Arrow(g, QPointF(2, 15), QPointF(11, 15), kRed);
    } else if (key == QLatin1String("CommSet")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(QColor(90, 100, 120));
        QPolygonF plug;
        plug << QPointF(2, 7) << QPointF(22, 7) << QPointF(19, 17) << QPointF(5, 17);
        g.drawPolygon(plug);
        g.setPen(Qt::NoPen);
        g.setBrush(kAmber);
        for (int i = 0; i < 5; ++i)
            g.drawEllipse(QPointF(5.5 + i * 3.25, 10.5), 1.1, 1.1);
        for (int i = 0; i < 4; ++i)
            g.drawEllipse(QPointF(7 + i * 3.3, 14), 1.1, 1.1);
    } else if (key == QLatin1String("CHCut")) {
        g.setPen(QPen(kInk, 1.6));
        g.setBrush(Qt::NoBrush);
        g.drawEllipse(QPointF(7, 18), 3.2, 3.2);
        g.drawEllipse(QPointF(17, 18), 3.2, 3.2);
        g.drawLine(QPointF(9, 15.5), QPointF(17, 3));
        g.drawLine(QPointF(15, 15.5), QPointF(7, 3));
    } else if (key == QLatin1String("CHCopy")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(kPaper);
        g.drawRect(QRectF(3, 3, 11, 13));
        g.setBrush(QColor(220, 232, 248));
        g.drawRect(QRectF(9, 8, 11, 13));
    } else if (key == QLatin1String("CHPaste")) {
        g.setPen(QPen(kInk, 1.2));
        g.setBrush(kAmber.darker(120));
        g.drawRoundedRect(QRectF(3, 4, 15, 18), 2, 2);
        g.setBrush(QColor(200, 200, 200));
        g.drawRect(QRectF(7, 2, 7, 4));
        g.setBrush(kPaper);
        g.drawRect(QRectF(10, 10, 11, 12));
    } else if (key == QLatin1String("CHInsert")) {
        Rows(g, 2, kGreen.lighter(150));
        g.setPen(QPen(kGreen, 2.4));
        g.drawLine(QPointF(19, 8), QPointF(19, 18));
        g.drawLine(QPointF(14, 13), QPointF(24, 13));
    } else if (key == QLatin1String("CHDelete")) {
        Rows(g, 1, kRed.lighter(160));
        g.setPen(QPen(kRed, 2.4));
        g.drawLine(QPointF(15, 9), QPointF(22, 16));
        g.drawLine(QPointF(22, 9), QPointF(15, 16));
    } else if (key == QLatin1String("CHMoveUp")) {
        Rows(g, 1, kBlue.lighter(160));
        Arrow(g, QPointF(20, 20), QPointF(20, 5), kBlue);
    } else if (key == QLatin1String("CHMoveDown")) {
        Rows(g, 2, kBlue.lighter(160));
        Arrow(g, QPointF(20, 3), QPointF(20, 18), kBlue);
    } else if (key == QLatin1String("Undo") || key == QLatin1String("Redo")) {
        // A hook-shaped arrow back to the left (undo) or on to the right.
        const bool back = key == QLatin1String("Undo");
        if (!back)
            g.translate(kSize, 0), g.scale(-1, 1);
        QPainterPath hook;
        hook.moveTo(7, 10);
        hook.lineTo(15, 10);
        hook.cubicTo(23, 10, 23, 21, 15, 21);
        hook.lineTo(9, 21);
        g.setPen(QPen(kBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
        g.setBrush(Qt::NoBrush);
        g.drawPath(hook);
        QPolygonF head;
        head << QPointF(2, 10) << QPointF(9, 4.5) << QPointF(9, 15.5);
        g.setPen(Qt::NoPen);
        g.setBrush(kBlue);
        g.drawPolygon(head);
    } else if (key == QLatin1String("About")) {
        g.setPen(QPen(kBlue.darker(130), 1.2));
        g.setBrush(kBlue);
        g.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        g.setPen(Qt::NoPen);
        g.setBrush(Qt::white);
        g.drawEllipse(QPointF(12, 7.5), 1.7, 1.7);
        g.drawRoundedRect(QRectF(10.4, 10.5, 3.2, 8), 1, 1);
    } else {
        Sheet(g);
    }
    return QIcon(pix);
}

} // namespace

QIcon ToolbarIcon(const QString& key) {
    return Draw(key);
}

QIcon TreeIcon(int picture) {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    if (picture == 1) {
        g.scale(16.0 / kSize, 16.0 / kSize);
        Radio(g, QRectF(7, 8, 10, 15));
    } else {
        g.setPen(QPen(kInk, 1));
        g.setBrush(kPaper);
        g.drawRect(QRectF(2.5, 1.5, 11, 13));
        g.setPen(QPen(kBlue, 1.2));
        for (int i = 0; i < 4; ++i)
            g.drawLine(QPointF(4.5, 4.5 + i * 2.6), QPointF(11.5, 4.5 + i * 2.6));
    }
    return QIcon(pix);
}

QIcon PaneCloseIcon() {
    QPixmap pix(12, 12);
    pix.fill(Qt::transparent);
    QPainter g(&pix);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(kInk, 1.6));
    g.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
    g.drawLine(QPointF(9.5, 2.5), QPointF(2.5, 9.5));
    return QIcon(pix);
}

QIcon ProgramIcon() {
    return Draw(QStringLiteral("ReadRadio"));
}

} // namespace pmr
