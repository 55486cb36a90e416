#pragma once
// What the channel edit dialog's text boxes make of a typed key. The boxes take
// only the characters their field can hold; editing keys such as Backspace and
// the arrows always pass.

#include "../shared/KeyRules.h"

#include <QChar>

class QKeyEvent;

namespace pmr {

struct TypedKey {
    enum Action {
        Pass,    // the box handles the key as usual
        Discard, // the key is swallowed
        Accept,  // the box takes `ch` (already converted)
    };
    Action action = Pass;
    QChar ch;
};

/// Name boxes: "a" to "z" become "A" to "Z"; other printable characters but
/// "0" to "9" and "A" to "Z" are discarded, as is anything above code 127.
TypedKey FilterNameKey(const QKeyEvent& event);

/// The ID code box: only the digits "0" to "9" among the printable characters.
TypedKey FilterIdCodeKey(const QKeyEvent& event);

} // namespace pmr
