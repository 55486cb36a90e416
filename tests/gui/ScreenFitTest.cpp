// Placing a window inside the screen's work area.

#include "ScreenFit.h"

#include <gtest/gtest.h>

using pmr::FitInside;

namespace {

TEST(ScreenFit, WindowBelowTheBottomMovesUpUntilItsButtonsShow) {
    // A dialog opened at y 413 that grew to 724 px on a 1000 px screen.
    const QRect area(0, 0, 1600, 1000);
    EXPECT_EQ(FitInside(QRect(300, 413, 500, 724), area), QRect(300, 276, 500, 724));
    // A window that fits stays where it is.
    EXPECT_EQ(FitInside(QRect(300, 100, 500, 724), area), QRect(300, 100, 500, 724));
    // A work area that does not start at 0 (a panel at the top or left).
    EXPECT_EQ(FitInside(QRect(-40, 10, 200, 100), QRect(60, 30, 800, 600)),
              QRect(60, 30, 200, 100));
}

TEST(ScreenFit, WindowLargerThanTheAreaIsShrunkToItButNotBelowItsMinimum) {
    const QRect area(0, 0, 1600, 1000);
    // 29 px wider than the screen.
    EXPECT_EQ(FitInside(QRect(67, 67, 1629, 633), area), QRect(0, 67, 1600, 633));
    // What cannot shrink keeps its title bar and first controls on the screen.
    EXPECT_EQ(FitInside(QRect(100, 500, 400, 1200), area, QSize(0, 1100)),
              QRect(100, 0, 400, 1100));
}

} // namespace
