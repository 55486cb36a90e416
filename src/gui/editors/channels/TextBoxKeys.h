#pragma once
// What the channel edit dialog's text boxes make of a typed key. The boxes take
// only the characters their field can hold; editing keys such as Backspace and
// the arrows always pass.

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

/// Return and Enter (on the keypad too), alone or with Shift.
bool IsEnterKey(const QKeyEvent& event);

/// Cut, copy and paste, by Ctrl+X/C/V and by the platform's other bindings
/// (Shift+Delete, Ctrl+Insert, Shift+Insert): the boxes never touch the clipboard.
bool IsClipboardKey(const QKeyEvent& event);

/// Name boxes: "a" to "z" become "A" to "Z"; other printable characters but
/// "0" to "9" and "A" to "Z" are discarded, as is anything above code 127.
TypedKey FilterNameKey(const QKeyEvent& event);

/// The ID code box: only the digits "0" to "9" among the printable characters.
TypedKey FilterIdCodeKey(const QKeyEvent& event);

} // namespace pmr
