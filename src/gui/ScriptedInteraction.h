#pragma once
// The interaction layer of the widget tests: every message, question, file
// dialog and modal dialog is recorded and answered from a script. A question
// or file dialog without a scripted answer is recorded as unexpected and
// answered with the most cautious choice (Cancel, No, or no file).

#include "Interaction.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace pmr {

class ScriptedInteraction : public Interaction {
public:
    struct Event {
        enum Kind { Message, Question, OpenFile, SaveFile, Dialog } kind;
        std::string text;  // message or question text, start path, or dialog object name
        std::string title; // a question's own title (empty: the application title)
        Buttons buttons = Buttons::Ok;
        Severity severity = Severity::Information;
    };
    /// Fills in a modal dialog and returns the result code it ends with.
    using DialogScript = std::function<int(QDialog&)>;

    void AnswerNext(Answer answer) { answers_.push_back(answer); }
    void ChooseFileNext(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void HandleDialogNext(DialogScript script) { dialogs_.push_back(std::move(script)); }
    /// Called for every message box as it is shown (lets a test act mid-transfer).
    void OnMessage(std::function<void(const std::string&)> hook) { onMessage_ = std::move(hook); }

    const std::vector<Event>& Events() const { return events_; }
    std::vector<std::string> Messages() const;
    std::vector<std::string> Questions() const;
    int Unexpected() const { return unexpected_; }
    bool ScriptUsedUp() const { return answers_.empty() && files_.empty() && dialogs_.empty(); }
    void Clear();

    void ShowMessage(const std::string& text, Severity severity) override;
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    Answer AskTitled(const std::string& title, const std::string& text, Buttons buttons,
                     Severity severity) override;
    std::optional<std::string> AskOpenFile(const std::string& filter,
                                           const std::string& startPath) override;
    std::optional<std::string> AskSaveFile(const std::string& filter,
                                           const std::string& startPath) override;
    int RunDialog(QDialog& dialog) override;

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<DialogScript> dialogs_;
    std::vector<Event> events_;
    std::function<void(const std::string&)> onMessage_;
    int unexpected_ = 0;
};

} // namespace pmr
