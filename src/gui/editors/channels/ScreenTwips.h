#pragma once
// The channel windows keep some of their measures in twips (1/1440 inch): the
// grid's column widths, header height and window size, and the gap between a
// label and its control. The screen's logical resolution turns them into pixels.

namespace pmr {

/// `twips` in pixels of the primary screen, rounded.
int TwipsToPixels(int twips);

} // namespace pmr
