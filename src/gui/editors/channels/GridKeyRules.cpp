#include "GridKeyRules.h"

#include "../shared/KeyRules.h"

#include <QKeyEvent>

namespace pmr {

bool FrequencyListAccepts(const QKeyEvent& key, bool signsAllowed) {
    if (IsClipboardKey(key))
        return false;
    return JudgeKey(key, signsAllowed ? CharSet::SignedDecimal : CharSet::Decimal).action !=
           KeyVerdict::Discard;
}

NameBoxKey NameBoxAccepts(const QKeyEvent& key) {
    if (IsClipboardKey(key))
        return {NameBoxKey::Discard, {}};
    const KeyVerdict verdict = JudgeKey(key, CharSet::Name);
    switch (verdict.action) {
    case KeyVerdict::Pass:
        return {NameBoxKey::Pass, {}};
    case KeyVerdict::Discard:
        return {NameBoxKey::Discard, {}};
    case KeyVerdict::Type:
        break;
    }
    // A character the box takes as typed passes; "a" is typed as "A".
    if (verdict.ch == key.text().front())
        return {NameBoxKey::Pass, {}};
    return {NameBoxKey::Insert, verdict.ch};
}

} // namespace pmr
