#pragma once
// How the core speaks to the user: message boxes and questions. The GUI answers
// with real dialogs (all carrying the application title), the command-line
// programmer with its options, and the tests by script.

#include <string>

namespace pmr {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };
enum class Severity { Information, Warning, Critical, Question };

class UserInteraction {
public:
    virtual ~UserInteraction() = default;
    /// A message box with an OK button.
    virtual void ShowMessage(const std::string& text, Severity severity = Severity::Information) = 0;
    /// A question; returns the button pressed.
    virtual Answer Ask(const std::string& text, Buttons buttons,
                       Severity severity = Severity::Question) = 0;
};

} // namespace pmr
