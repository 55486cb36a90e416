#pragma once
// What the main window asks of its child windows. Editors commit their
// focused control before a write; the channel grid additionally runs the
// deferred row commands and leaves in-place editing on request.

namespace pmr {

class CommittingWindow {
public:
    virtual ~CommittingWindow() = default;
    /// Writes the value of the control that has the focus into the document.
    virtual void CommitFocusedEdit() = 0;
};

/// The channel grid (`frmCommChInfo`) as the main window sees it.
class ChannelGridWindow : public CommittingWindow {
public:
    /// Commits the open in-place edit and leaves in-place editing (`SetEditDisable`).
    virtual void SetEditDisable() = 0;
    /// Runs row command 1 cut, 2 copy, 3 paste, 4 insert, 5 delete, 6 move up,
    /// 7 move down, 8 editing habits on the current row.
    virtual void RunRowCommand(int command) = 0;
};

} // namespace pmr

namespace pmr {

/// A window that shows transmit frequencies and redisplays them when the
/// transmit-offset habit changes (`ReShowAllTxFre`, `ReShowEditTxFre`).
class TransmitFrequencyView {
public:
    virtual ~TransmitFrequencyView() = default;
    virtual void ReShowTxFre() = 0;
};

} // namespace pmr
