#include "ChannelRowCommands.h"

#include "ChannelWindowHost.h"
#include "ChildWindow.h"
#include "Interaction.h"
#include "app/AppContext.h"
#include "dialogs/FrmHabits.h"
#include "dialogs/FrmMsgConfirm.h"
#include "document/OptionRefs.h"

#include <memory>

namespace pmr {
namespace {

enum Command { Cut = 1, Copy, Paste, Insert, Delete, MoveUp, MoveDown, HabitsDialog };

} // namespace

ChannelGridWindow* ChannelRowCommands::Grid() const {
    return host_.OpenChannelGrid();
}

ChannelEditWindow* ChannelRowCommands::EditDialog() const {
    return host_.OpenChannelEditDialog();
}

void ChannelRowCommands::Run(int command) {
    ChannelGridWindow* grid = Grid();
    // The habits need no grid; every other command acts on its current row.
    if (!grid && command != HabitsDialog)
        return;
    // The grid is moved by program now: its scroll handler must not move the cursor.
    if (grid)
        grid->SetCodeMoveTopRow(true);
    if (command == HabitsDialog)
        ShowHabits();
    else if (RunOnRow(command, grid->CurrentRow()))
        ReconcileOptionRefs(context_.app);
    // A dialog has run an event loop meanwhile: the grid is looked up again.
    if ((grid = Grid())) {
        grid->SetCodeMoveTopRow(false);
        // A copy rewrites no row, yet paste must be offered from now on.
        host_.UpdateChannelCommands(grid->CurrentRow());
    }
}

bool ChannelRowCommands::RunOnRow(int command, int row) {
    AppContext& app = context_.app;
    switch (command) {
    case Cut:
        CutChannelRow(app, *this, row);
        return true;
    case Copy:
        CopyChannelRow(app, row);
        return false;
    case Paste:
        return PasteChannelRow(app, context_.ui, *this, row);
    case Insert:
        InsertChannelRow(app, *this, row);
        return true;
    case Delete:
        DeleteChannelRow(app, *this, row);
        return true;
    case MoveUp:
    case MoveDown: {
        const int target = command == MoveUp ? MoveChannelRowUp(app, *this, row)
                                             : MoveChannelRowDown(app, *this, row);
        if (target != 0)
            ScrollAfterMove(command, target);
        return true;
    }
    default:
        return false;
    }
}

void ChannelRowCommands::ScrollAfterMove(int command, int target) {
    ChannelGridWindow* grid = Grid();
    if (!grid)
        return;
    grid->SetCurrentRow(target);
    const int top = grid->TopRow();
    const int shown = grid->ShownRowCount();
    const int newTop = command == MoveUp ? TopRowAfterMoveUp(target, top, shown)
                                         : TopRowAfterMoveDown(target, top, shown);
    if (newTop == 0)
        return;
    if (newTop != top)
        grid->SetTopRow(newTop);
    // The grid may not scroll as far as asked near the end of the table.
    grid->SetOLdTopRow(grid->TopRow());
}

void ChannelRowCommands::RefreshChannelRow(int row) {
    if (ChannelGridWindow* grid = Grid())
        grid->reShowGrid(row);
    if (ChannelEditWindow* dialog = EditDialog(); dialog && dialog->ShownChannel() == row)
        dialog->SetGridEditData(false);
}

void ChannelRowCommands::RefreshAllChannels() {
    if (ChannelGridWindow* grid = Grid())
        grid->reShowAllGrid();
    if (ChannelEditWindow* dialog = EditDialog())
        dialog->SetGridEditData(true);
}

void ChannelRowCommands::AskPasteMode() {
    FrmMsgConfirm dialog(context_.app, FrmMsgConfirm::Mode::Paste, host_.DialogParent());
    context_.ui.RunDialog(dialog);
}

void ChannelRowCommands::AskDeleteMode() {
    FrmMsgConfirm dialog(context_.app, FrmMsgConfirm::Mode::Delete, host_.DialogParent());
    context_.ui.RunDialog(dialog);
}

void ChannelRowCommands::ShowHabits() {
    const bool offset = context_.app.habits.UseOffsetFreq;
    {
        FrmHabits dialog(context_.app, host_.DialogParent());
        context_.ui.RunDialog(dialog);
    }
    const bool now = context_.app.habits.UseOffsetFreq;
    if (now == offset)
        return;
    if (ChannelGridWindow* grid = Grid())
        grid->ReShowAllTxFre(now);
    if (ChannelEditWindow* dialog = EditDialog())
        dialog->ReShowEditTxFre(now);
}

void InstallChannelRowCommands(ChannelWindowHost& host) {
    auto commands = std::make_shared<ChannelRowCommands>(host.ChannelEditorContext(), host);
    host.SetRowCommandRunner([commands](int command) { commands->Run(command); });
}

} // namespace pmr
