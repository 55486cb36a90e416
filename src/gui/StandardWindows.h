#pragma once
// The table of the program's child windows: one row a window, with its name,
// the menu entry and tree node that open it, its title text and help topic,
// and whether it commits its focused control before a write. Adding a window
// is adding its row.

#include <QString>

class QWidget;

namespace pmr {

class ChildWindowRegistry;
class frmMain;

struct WindowRow {
    const char* name;      // object name and registry key
    const char* menuEntry; // the menu entry that opens it; nullptr for none
    const char* treeKey;   // the tree node that opens it; nullptr for none
    int titleTextId;
    int helpTopic;
    bool commitsBeforeWrite;
    QWidget* (*create)(frmMain& main); // nullptr while the window is not built yet
};

/// Every child window, in menu order.
const WindowRow* WindowTable(int* count);

/// The row of a window, or nullptr.
const WindowRow* FindWindowRow(const QString& name);

/// Registers every window of the table that can be created.
void RegisterStandardWindows(ChildWindowRegistry& registry);

} // namespace pmr
