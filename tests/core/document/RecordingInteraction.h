#pragma once
// A user who reads every message and answers nothing: the tests look at what
// the program said.

#include "app/UserInteraction.h"

#include <string>
#include <vector>

namespace pmr::testing {

class RecordingInteraction : public UserInteraction {
public:
    struct Message {
        std::string text;
        Severity severity;
    };
    std::vector<Message> messages;

    void ShowMessage(const std::string& text, Severity severity) override {
        messages.push_back({text, severity});
    }
    Answer Ask(const std::string&, Buttons, Severity) override { return Answer::Ok; }
};

} // namespace pmr::testing
