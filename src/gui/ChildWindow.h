#pragma once
// What the main window and the channel editors ask of each other's windows.
// Editors commit their focused control before a write; the channel grid and
// the channel edit dialog are reached through these interfaces so that each
// can be replaced by a stand-in in the tests. A channel window is an editor
// window as well: all of them share one CommittingWindow (a virtual base).

namespace pmr {

class CommittingWindow {
public:
    virtual ~CommittingWindow() = default;
    /// Writes the value of the control that has the focus into the document.
    virtual void CommitFocusedEdit() = 0;
};

/// The channel grid (`frmCommChInfo`) as the main window and the row commands see it.
class ChannelGridWindow : public virtual CommittingWindow {
public:
    /// Commits the open in-place edit and hides the in-place editors.
    virtual void SetEditDisable() = 0;
    /// Rewrites one row (1..129) from the document.
    virtual void reShowGrid(int row) = 0;
    /// Rewrites rows 1..129 from the document.
    virtual void reShowAllGrid() = 0;
    /// Shows column 2 as transmit frequencies or, with `offset`, as signed shifts.
    virtual void ReShowAllTxFre(bool offset) = 0;
    /// Re-applies every text and reloads the grid.
    virtual void ReShowChInfoByLanguage() = 0;

    /// The row of the grid's cursor (1..129).
    virtual int CurrentRow() const = 0;
    /// Moves the cursor to `row`, keeping its column.
    virtual void SetCurrentRow(int row) = 0;
    /// The first data row shown at the top of the grid.
    virtual int TopRow() const = 0;
    virtual void SetTopRow(int row) = 0;
    /// The data rows fully shown below the header at the grid's height.
    virtual int ShownRowCount() const = 0;
    /// Set while the program moves the grid; scroll events are ignored then.
    virtual void SetCodeMoveTopRow(bool on) = 0;
    /// The top row the cursor keeps its distance from when the user scrolls.
    virtual void SetOLdTopRow(int row) = 0;
};

/// The channel edit dialog (`FrmCHInfoEdit`) as the grid and the row commands see it.
class ChannelEditWindow : public virtual CommittingWindow {
public:
    /// Shows a channel: with `isGridChange` the grid's edit row, else the
    /// dialog's own selector (which then becomes the edit row).
    virtual void SetGridEditData(bool isGridChange) = 0;
    /// Labels the transmit list as a shift (`offset`) or as a frequency.
    virtual void ReShowEditTxFre(bool offset) = 0;
    /// The channel number shown (1..129).
    virtual int ShownChannel() const = 0;
};

} // namespace pmr
