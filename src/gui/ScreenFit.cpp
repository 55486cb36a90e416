#include "ScreenFit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace pmr {

namespace {

// One side: the length no more than the area's (nor less than `minimum`),
// the start moved so the end is inside, then the start inside.
void FitSpan(int& start, int& length, int areaStart, int areaLength, int minimum) {
    length = std::max(std::min(length, areaLength), minimum);
    start = std::min(start, areaStart + areaLength - length);
    start = std::max(start, areaStart);
}

} // namespace

QRect FitInside(const QRect& frame, const QRect& area, const QSize& minimum) {
    int x = frame.x(), y = frame.y(), w = frame.width(), h = frame.height();
    FitSpan(x, w, area.x(), area.width(), std::max(0, minimum.width()));
    FitSpan(y, h, area.y(), area.height(), std::max(0, minimum.height()));
    return {x, y, w, h};
}

void FitToScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen || window.isMaximized() || window.isFullScreen())
        return;
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    // What the window system adds around the window (nothing before it is mapped).
    const QSize margins = frame.size() - inner.size();
    const QSize minimum = window.minimumSize().expandedTo(window.minimumSizeHint()) + margins;
    const QRect fitted = FitInside(frame, screen->availableGeometry(), minimum);
    if (fitted == frame)
        return;
    if (fitted.size() != frame.size())
        window.resize(fitted.size() - margins);
    window.move(fitted.topLeft());
}

} // namespace pmr
