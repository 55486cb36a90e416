#pragma once
// The one way the windows reach the user: every message box, question, file
// dialog and modal dialog passes through here. The program uses real Qt
// dialogs (QtInteraction); the widget tests answer by script
// (ScriptedInteraction).

#include "app/UserInteraction.h"

#include <optional>
#include <string>

class QDialog;

namespace pmr {

class Interaction : public UserInteraction {
public:
    /// A question with a title of its own instead of the application title.
    virtual Answer AskTitled(const std::string& title, const std::string& text, Buttons buttons,
                             Severity severity) = 0;
    /// The open dialog; `filter` is "name (*.dat)|*.dat". Empty when cancelled.
    virtual std::optional<std::string> AskOpenFile(const std::string& filter,
                                                   const std::string& startPath) = 0;
    /// The save dialog, starting with `startPath`. Empty when cancelled.
    virtual std::optional<std::string> AskSaveFile(const std::string& filter,
                                                   const std::string& startPath) = 0;
    /// Runs a modal dialog to its end; returns QDialog's result code.
    virtual int RunDialog(QDialog& dialog) = 0;
};

} // namespace pmr
