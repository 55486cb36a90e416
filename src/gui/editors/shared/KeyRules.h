#pragma once
// The key rules every editor shares. Enter in a list, a check box or a tab
// strip moves the focus on as Tab does; a text box takes only the characters
// its field can hold, never touches the clipboard, drops every code above 127
// and lets control keys such as Backspace through; Enter in it moves on too
// (its text is committed already, as every change is). The same character
// rule holds text that arrives without a key: the selection pasted by the
// middle button, a drop, an input method.

#include <QChar>
#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace pmr {

/// The printable characters a text box takes.
enum class CharSet {
    Printable,     // every character from 32 to 126
    AlphaNumeric,  // 0-9, A-Z, a-z
    Name,          // 0-9, A-Z; a-z are typed as A-Z
    Digits,        // 0-9
    Dtmf,          // 0-9, A-D, * and #; a-d are typed as A-D
    Decimal,       // 0-9 and "."
    SignedDecimal, // 0-9, ".", "+" and "-"
};

/// The character a box of `set` enters for the printable character `c`, or
/// nothing when the set refuses it (a-d enter a DTMF box as A-D, a-z a name
/// box as A-Z).
std::optional<QChar> AcceptedChar(QChar c, CharSet set);

/// Return and Enter (the keypad's too), alone or with Shift.
bool IsEnterKey(const QKeyEvent& event);
/// Cut, copy and paste by Ctrl+X/C/V and by the platform's other bindings
/// (Shift+Delete, Ctrl+Insert, Shift+Insert).
bool IsClipboardKey(const QKeyEvent& event);

struct KeyVerdict {
    enum Action { Pass, Discard, Type } action = Pass;
    QChar ch; // for Type: the character to enter
};

/// What a text box of `set` makes of a typed key (Enter and clipboard keys
/// aside): keys that type nothing and control characters pass, codes above 127
/// and characters outside the set are discarded.
KeyVerdict JudgeKey(const QKeyEvent& event, CharSet set);

/// Moves the focus from `from` to the next control of its own window that
/// takes it by Tab; after the window's last control it comes round to the
/// first. A child window's controls share the focus chain of the main
/// window, and Enter must not carry the focus off into another window.
void MoveFocusOn(QWidget* from);

/// Enter moves the focus on from `control` (a list, check box or tab strip).
void EnterMovesOn(QWidget* control);

/// What Enter does in a text box.
enum class EnterKey {
    MovesOn,     // to the next control
    LeftToOwner, // a grid's cell editor: the grid commits and moves down
};

/// Installs the text-box rules on `box`: the keys, and a validator that holds
/// whatever else enters the box to the same characters. `typed` runs after an
/// accepted character was typed into the box (the one-character boxes move on
/// with it).
void ApplyTextRules(QLineEdit* box, CharSet set, std::function<void()> typed = {},
                    EnterKey enter = EnterKey::MovesOn);

/// Shows a stored text in a box with the text rules as it stands: the rules
/// hold what the user enters, and showing must not change the document.
void ShowStoredText(QLineEdit* box, const QString& text);

} // namespace pmr
