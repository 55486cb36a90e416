#pragma once
// What an editor window needs of the program: the document and its texts, the
// way to the user, the help pages and the document's change route. Windows
// depend on this, not on the main window.

#include <functional>

namespace pmr {

struct AppContext;
class Interaction;

struct EditorContext {
    AppContext& app;
    Interaction& ui;
    /// Opens the help page of a topic number.
    std::function<void(int topic)> showHelp;
};

} // namespace pmr
