#pragma once
// Which typed keys the channel grid's in-place editors accept. Clipboard keys
// and characters above 127 never reach them; control characters such as
// Backspace always pass.

#include <QChar>

class QKeyEvent;

namespace pmr {

/// A frequency list takes digits and "." (and "+" / "-" when `signsAllowed`,
/// the transmit column in offset mode); they move its selection as list
/// controls do. Returns false for a key to discard.
bool FrequencyListAccepts(const QKeyEvent& key, bool signsAllowed);

/// What the name box does with a key.
struct NameBoxKey {
    enum Kind { Pass, Discard, Insert } kind = Pass;
    QChar insert; // for Insert: the character to type instead ("a" -> "A")
};

/// The name box keeps "0".."9" and "A".."Z"; "a".."z" are typed as capitals.
NameBoxKey NameBoxAccepts(const QKeyEvent& key);

} // namespace pmr
