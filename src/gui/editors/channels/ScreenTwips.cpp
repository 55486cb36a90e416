#include "ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace pmr {

int TwipsToPixels(int twips) {
    double dpi = 96.0;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInchX();
    const double twipsPerPixel = dpi > 0 ? 1440.0 / dpi : 15.0;
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace pmr
