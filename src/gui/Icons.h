#pragma once
// The program's own toolbar and tree pictures, drawn by code.

#include <QIcon>
#include <QString>

namespace pmr {

/// The picture of the toolbar button with key `key` ("NewFile", "ReadRadio", ...).
QIcon ToolbarIcon(const QString& key);
/// Picture 1 (the radio, tree root) or 2 (a settings page) of the tree's list.
QIcon TreeIcon(int picture);
/// The close cross of the tree pane's own toolbar.
QIcon PaneCloseIcon();
/// The program's window icon.
QIcon ProgramIcon();

} // namespace pmr
