#pragma once
// Which channel row commands a grid row allows: the rule behind the enabled
// state of the channel edit menu and its toolbar buttons.

namespace pmr {

struct AppContext;
struct RadioDocument;

struct ChannelCommandStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool insert = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;
    friend bool operator==(const ChannelCommandStates&, const ChannelCommandStates&) = default;
};

/// The row's channel exists, has a receive frequency (neither blank nor
/// "FFFFFFFF") and is not marked empty.
bool RowHasData(const RadioDocument& doc, int row);

/// Cut needs a data row among 1..128, copy any data row (the VFO too), paste a
/// filled clipboard; insert, delete and the moves need a row among 1..128.
ChannelCommandStates ChannelCommandsForRow(const AppContext& app, int row);

} // namespace pmr
