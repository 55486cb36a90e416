#pragma once
// The editing state the channel grid, the channel edit dialog and the row
// commands share: which cell is being edited.

namespace pmr {

struct GridCell {
    int col = 1;
    int row = 1; // the channel number: rows 1..128 are channels, 129 the VFO
};

struct ChannelEditing {
    /// The cell whose editor is open or was opened last.
    GridCell EditCell;
};

} // namespace pmr
