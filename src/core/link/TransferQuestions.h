#pragma once
// The questions and messages of a running transfer, as its driver asks them:
// reception is off while one is open, and what the radio sent meanwhile is
// dropped afterwards. Nothing (or false) means the transfer was ended while
// the user was being asked; the caller then does nothing more.

#include "app/UserInteraction.h"

#include <optional>
#include <string>

namespace pmr {

class TransferQuestions {
public:
    virtual std::optional<Answer> Ask(const std::string& text, Buttons buttons,
                                      Severity severity) = 0;
    virtual bool Tell(const std::string& text, Severity severity) = 0;

protected:
    ~TransferQuestions() = default;
};

} // namespace pmr
