#include "ScriptedInteraction.h"

#include <QDialog>

namespace pmr {

std::vector<std::string> ScriptedInteraction::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : events_)
        if (e.kind == Event::Message)
            out.push_back(e.text);
    return out;
}

std::vector<std::string> ScriptedInteraction::Questions() const {
    std::vector<std::string> out;
    for (const auto& e : events_)
        if (e.kind == Event::Question)
            out.push_back(e.text);
    return out;
}

void ScriptedInteraction::Clear() {
    answers_.clear();
    files_.clear();
    dialogs_.clear();
    events_.clear();
    unexpected_ = 0;
}

void ScriptedInteraction::ShowMessage(const std::string& text, Severity severity) {
    events_.push_back({Event::Message, text, {}, Buttons::Ok, severity});
    if (onMessage_)
        onMessage_(text);
}

Answer ScriptedInteraction::Ask(const std::string& text, Buttons buttons, Severity severity) {
    return AskTitled({}, text, buttons, severity);
}

Answer ScriptedInteraction::AskTitled(const std::string& title, const std::string& text,
                                      Buttons buttons, Severity severity) {
    events_.push_back({Event::Question, text, title, buttons, severity});
    if (answers_.empty()) {
        ++unexpected_;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<std::string> ScriptedInteraction::AskOpenFile(const std::string&,
                                                            const std::string& startPath) {
    events_.push_back({Event::OpenFile, startPath});
    if (files_.empty()) {
        ++unexpected_;
        return std::nullopt;
    }
    auto f = files_.front();
    files_.pop_front();
    return f;
}

std::optional<std::string> ScriptedInteraction::AskSaveFile(const std::string&,
                                                            const std::string& startPath) {
    events_.push_back({Event::SaveFile, startPath});
    if (files_.empty()) {
        ++unexpected_;
        return std::nullopt;
    }
    auto f = files_.front();
    files_.pop_front();
    return f;
}

int ScriptedInteraction::RunDialog(QDialog& dialog) {
    events_.push_back({Event::Dialog, dialog.objectName().toStdString()});
    if (dialogs_.empty()) {
        ++unexpected_;
        return QDialog::Rejected;
    }
    auto script = std::move(dialogs_.front());
    dialogs_.pop_front();
    return script(dialog);
}

} // namespace pmr
