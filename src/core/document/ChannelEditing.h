#pragma once
// The editing state the channel grid, the channel edit dialog and the row
// commands share: which cell is being edited and which channel windows are open.

namespace pmr {

struct GridCell {
    int col = 1;
    int row = 1; // the channel number: rows 1..128 are channels, 129 the VFO
};

struct ChannelEditing {
    /// The cell whose editor is open or was opened last.
    GridCell EditCell;
    /// The grid row last entered.
    int CurrentGridRow = 1;
    /// The channel grid is open (SetChannelField refreshes its rows only then).
    bool ChannelGridOpen = false;
    /// The channel edit dialog is open.
    bool ChannelEditOpen = false;
};

} // namespace pmr
