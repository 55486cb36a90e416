#pragma once
// Holds a text box to the characters of its field whatever way the text
// arrives: typed keys have their own rule (KeyRules), but the selection pasted
// by the middle button, a drop and an input method's text reach the box
// without a key. Each character is judged as the same key would be: a refused
// one is dropped and the others enter, a-d in a DTMF box as A-D.

#include "KeyRules.h"

#include <QValidator>

namespace pmr {

class CharSetValidator : public QValidator {
public:
    CharSetValidator(CharSet set, QObject* parent) : QValidator(parent), set_(set) {}

    State validate(QString& input, int& pos) const override;

private:
    CharSet set_;
};

} // namespace pmr
