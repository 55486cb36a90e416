#include "GridKeyRules.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace pmr {

namespace {

bool IsClipboardKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Copy) ||
        key.matches(QKeySequence::Paste))
        return true;
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    return ctrl && (key.key() == Qt::Key_X || key.key() == Qt::Key_C || key.key() == Qt::Key_V);
}

/// The typed character, or a null character for keys that type nothing.
QChar Typed(const QKeyEvent& key) {
    const QString text = key.text();
    return text.isEmpty() ? QChar() : text.front();
}

bool IsPrintable(QChar c) {
    return c.unicode() >= 32 && c.unicode() != 127;
}

} // namespace

bool FrequencyListAccepts(const QKeyEvent& key, bool signsAllowed) {
    if (IsClipboardKey(key))
        return false;
    const QChar c = Typed(key);
    if (c.isNull() || !IsPrintable(c))
        return c.unicode() <= 127;
    if (c.unicode() > 127)
        return false;
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return true;
    return signsAllowed && (c == u'+' || c == u'-');
}

NameBoxKey NameBoxAccepts(const QKeyEvent& key) {
    if (IsClipboardKey(key))
        return {NameBoxKey::Discard, {}};
    const QChar c = Typed(key);
    if (c.isNull() || !IsPrintable(c))
        return {c.unicode() <= 127 ? NameBoxKey::Pass : NameBoxKey::Discard, {}};
    if (c.unicode() > 127)
        return {NameBoxKey::Discard, {}};
    if (c >= u'a' && c <= u'z')
        return {NameBoxKey::Insert, c.toUpper()};
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'))
        return {NameBoxKey::Pass, {}};
    return {NameBoxKey::Discard, {}};
}

} // namespace pmr
