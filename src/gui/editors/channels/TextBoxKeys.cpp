#include "TextBoxKeys.h"

#include "../shared/KeyRules.h"

#include <QKeyEvent>

namespace pmr {
namespace {

TypedKey Filter(const QKeyEvent& event, CharSet set) {
    if (IsClipboardKey(event))
        return {TypedKey::Discard, {}};
    const KeyVerdict verdict = JudgeKey(event, set);
    switch (verdict.action) {
    case KeyVerdict::Pass:
        return {TypedKey::Pass, {}};
    case KeyVerdict::Discard:
        return {TypedKey::Discard, {}};
    case KeyVerdict::Type:
        break;
    }
    return {TypedKey::Accept, verdict.ch};
}

} // namespace

TypedKey FilterNameKey(const QKeyEvent& event) {
    return Filter(event, CharSet::Name);
}

TypedKey FilterIdCodeKey(const QKeyEvent& event) {
    return Filter(event, CharSet::Digits);
}

} // namespace pmr
