#pragma once
// Keeping windows where the user can reach them: every part of a window,
// its buttons at the bottom included, lies inside the screen's work area.

#include <QRect>
#include <QSize>

class QWidget;

namespace pmr {

/// `frame` moved into `area` and, when larger, made as large as `area` but
/// never smaller than `minimum`; a window still larger than `area` keeps its
/// top-left corner (title bar and first controls) inside.
QRect FitInside(const QRect& frame, const QRect& area, const QSize& minimum = {});

/// Moves and, when it is too large, shrinks the top-level `window` so that its
/// frame lies inside the available geometry of its screen.
void FitToScreen(QWidget& window);

} // namespace pmr
