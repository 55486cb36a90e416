#pragma once
// What the channel windows and the row commands need of the main window: its
// channel commands (menu and toolbar), its navigation tree, the opening of the
// channel edit dialog, and each other. The main window implements it; the
// windows know nothing else of it.

#include "../shared/EditorContext.h"

#include <functional>

class QPoint;
class QWidget;

namespace pmr {

class ChannelGridWindow;
class ChannelEditWindow;

class ChannelWindowHost {
public:
    virtual ~ChannelWindowHost() = default;

    /// The program the row commands work on (the windows get theirs when made).
    virtual EditorContext ChannelEditorContext() = 0;
    /// Enables the row commands for the grid row `row`.
    virtual void UpdateChannelCommands(int row) = 0;
    /// Offers the row commands while the grid is the active window (`show`),
    /// or withdraws them.
    virtual void ShowCHInfo(bool show) = 0;
    /// Rebuilds the navigation tree.
    virtual void LoadTree() = 0;
    /// Opens the channel edit dialog, or gives the open one the focus.
    virtual void ShowChannelEditDialog() = 0;
    /// Shows the channel edit menu as a context menu at a screen position.
    virtual void PopupChannelEditMenu(const QPoint& globalPos) = 0;
    /// The open channel grid, or null.
    virtual ChannelGridWindow* OpenChannelGrid() const = 0;
    /// The open channel edit dialog, or null.
    virtual ChannelEditWindow* OpenChannelEditDialog() const = 0;
    /// The window the row commands' questions stand over.
    virtual QWidget* DialogParent() = 0;
    /// What runs a row command (1 cut .. 8 habits) when the command timer fires.
    virtual void SetRowCommandRunner(std::function<void(int command)> runner) = 0;
};

} // namespace pmr
