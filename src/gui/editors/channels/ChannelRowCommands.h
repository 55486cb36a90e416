#pragma once
// What the main window's command timer runs for a channel row command
// (1 cut, 2 copy, 3 paste, 4 insert, 5 delete, 6 move up, 7 move down,
// 8 habits): the row operations on the channel grid's current row, the two
// questions, the refresh of the open channel windows and the grid's scrolling.

#include "../shared/EditorContext.h"
#include "document/ChannelRowOperations.h"

namespace pmr {

class ChannelGridWindow;
class ChannelEditWindow;
class ChannelWindowHost;

class ChannelRowCommands : public ChannelRowWindows {
public:
    ChannelRowCommands(const EditorContext& context, ChannelWindowHost& host)
        : context_(context), host_(host) {}

    /// Runs one command; row commands need the channel grid open.
    void Run(int command);

    // The open channel windows as the row operations see them.
    void RefreshChannelRow(int row) override;
    void RefreshAllChannels() override;
    void AskPasteMode() override;
    void AskDeleteMode() override;

private:
    ChannelGridWindow* Grid() const;
    ChannelEditWindow* EditDialog() const;
    /// Runs a command on `row`; false when it did not touch the table.
    bool RunOnRow(int command, int row);
    void ScrollAfterMove(int command, int target);
    void ShowHabits();

    EditorContext context_;
    ChannelWindowHost& host_;
};

/// Makes `host` run the row commands through a ChannelRowCommands of its own.
void InstallChannelRowCommands(ChannelWindowHost& host);

} // namespace pmr
