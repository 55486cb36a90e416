#pragma once
// The channel row commands on whole channels at a grid row: cut, copy, paste,
// insert, delete, move up and move down. A grid row is a channel number (1..128,
// 129 the VFO); the order of the records inside the table does not matter.
// The option references are not reconciled here: the caller does that once the
// command has finished, so a command never reconciles a half-renumbered table.

namespace pmr {

struct AppContext;
class UserInteraction;

/// What the row commands need from the windows around them.
class ChannelRowWindows {
public:
    virtual ~ChannelRowWindows() = default;
    /// Shows one row again in the open channel windows.
    virtual void RefreshChannelRow(int row) = 0;
    /// Shows every row again in the open channel windows.
    virtual void RefreshAllChannels() = 0;
    /// The paste question; its answer sets PasteInserts and PasteNoPrompt.
    virtual void AskPasteMode() = 0;
    /// The delete question; its answer sets DeleteRemovesRow and DeleteNoPrompt.
    virtual void AskDeleteMode() = 0;
};

/// Channel numbers the row commands act on (the VFO is not one of them).
constexpr int kFirstRowChannel = 1;
constexpr int kLastRowChannel = 128;
bool IsRowChannel(int row);

/// Copies the channel of `row` (the VFO too) into the clipboard; false, with
/// the clipboard unchanged, when the row has no record.
bool CopyChannelRow(AppContext& app, int row);

/// Copy, then delete.
void CutChannelRow(AppContext& app, ChannelRowWindows& windows, int row);

/// Removes the channel of `row` (asking how, unless DeleteNoPrompt); with
/// DeleteRemovesRow the following channels up to 128 move up one row.
void DeleteChannelRow(AppContext& app, ChannelRowWindows& windows, int row);

/// Moves the channels from `row` to 127 down one row; channel 128 falls off the
/// end and `row` is left empty.
void InsertChannelRow(AppContext& app, ChannelRowWindows& windows, int row);

/// Puts the clipboard channel into `row` (asking how, unless PasteNoPrompt),
/// inserting first with PasteInserts. False, with no effect, when refused:
/// outside the channel rows, or nothing copied yet. A channel copied from a
/// document of another band that lands off the PMR446 raster is moved to its
/// nearest channel (keeping the rest of what was copied), with a message.
bool PasteChannelRow(AppContext& app, UserInteraction& ui, ChannelRowWindows& windows, int row);

/// Swaps the channel of `row` with the one above it (row 1 with 128) and returns
/// the row the channel moved to; 0, with no effect, outside the channel rows.
int MoveChannelRowUp(AppContext& app, ChannelRowWindows& windows, int row);

/// Swaps the channel of `row` with the one below it (row 128 with 1) and returns
/// the row the channel moved to; 0, with no effect, outside the channel rows.
int MoveChannelRowDown(AppContext& app, ChannelRowWindows& windows, int row);

/// The grid's top row after a move up to `target`, or 0 when it stays: the
/// target shows at the top when it is above the top row or below the last fully
/// shown row (top + shownRows - 1).
int TopRowAfterMoveUp(int target, int topRow, int shownRows);

/// The grid's top row after a move down to `target`: 1 when the move wrapped
/// above the top row, else the lowest top row that still shows the target.
int TopRowAfterMoveDown(int target, int topRow, int shownRows);

} // namespace pmr
