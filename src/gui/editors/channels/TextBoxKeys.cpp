#include "TextBoxKeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

namespace pmr {
namespace {

/// The clipboard and Enter come first; what is left is the typed character,
/// if any. Keys without text (arrows, Home, Delete) and control characters
/// (Backspace, Tab) pass.
TypedKey Classify(const QKeyEvent& event, bool (*allowed)(QChar&)) {
    if (IsClipboardKey(event))
        return {TypedKey::Discard, {}};
    const QString text = event.text();
    if (text.isEmpty())
        return {TypedKey::Pass, {}};
    QChar ch = text.front();
    const char16_t code = ch.unicode();
    if (code < 32 || code == 127)
        return {TypedKey::Pass, {}};
    if (code > 127 || text.size() > 1)
        return {TypedKey::Discard, {}};
    if (!allowed(ch))
        return {TypedKey::Discard, {}};
    return {TypedKey::Accept, ch};
}

bool NameChar(QChar& ch) {
    const char16_t c = ch.unicode();
    if (c >= u'a' && c <= u'z') {
        ch = QChar(char16_t(c - u'a' + u'A'));
        return true;
    }
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

bool DigitChar(QChar& ch) {
    return ch.unicode() >= u'0' && ch.unicode() <= u'9';
}

} // namespace

bool IsEnterKey(const QKeyEvent& event) {
    // Shift+Enter is still Enter; Ctrl+Enter is a line feed, not Enter.
    const bool chord =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && !chord;
}

bool IsClipboardKey(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Cut) || event.matches(QKeySequence::Copy) ||
        event.matches(QKeySequence::Paste))
        return true;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    return ctrl &&
           (event.key() == Qt::Key_X || event.key() == Qt::Key_C || event.key() == Qt::Key_V);
}

TypedKey FilterNameKey(const QKeyEvent& event) {
    return Classify(event, NameChar);
}

TypedKey FilterIdCodeKey(const QKeyEvent& event) {
    return Classify(event, DigitChar);
}

} // namespace pmr
