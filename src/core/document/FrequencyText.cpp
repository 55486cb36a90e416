#include "document/FrequencyText.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "document/DecimalText.h"
#include "document/TrimFix.h"

#include <algorithm>

namespace pmr {
namespace {

/// Largest offset the 7 stored digits hold: 99.99999 MHz.
constexpr std::int64_t kMaxShiftUnits = 9999999;

std::string ShiftDigits(std::int64_t magnitude) {
    magnitude = std::clamp<std::int64_t>(magnitude, 0, kMaxShiftUnits);
    std::string text = FormatUnits(magnitude, 5, 2); // "00.00000"
    text.erase(2, 1);
    return text;
}

const char* SignOf(int dir) {
    return dir == 1 ? "-" : dir == 2 ? "+" : "";
}

} // namespace

bool IsStoredFreqEmpty(std::string_view stored) {
    const std::string s = TrimFix(stored);
    return StripBlanks(s).empty() || s == "FFFFFFFF";
}

std::optional<std::int64_t> StoredFreqUnits(std::string_view stored) {
    if (IsStoredFreqEmpty(stored))
        return std::nullopt;
    const std::string trimmed = TrimFix(stored);
    const std::string_view s = StripBlanks(trimmed);
    if (!IsNumeric(s))
        return std::nullopt;
    // Three whole-MHz digits, then the fraction.
    const std::string mhz = std::string(s.substr(0, 3)) + "." +
                            std::string(s.substr(std::min<std::size_t>(3, s.size())));
    return ParseUnits(mhz, 5);
}

std::string FreqStoredToText(const AppContext& app, UserInteraction& ui, std::string_view stored) {
    if (IsStoredFreqEmpty(stored))
        return {};
    if (const auto units = StoredFreqUnits(stored))
        return FormatUnits(*units, 5);
    ui.ShowMessage("Not IsNumeric");
    return FormatPlainUnits(app.docState.BandLimits.low10Hz, 5);
}

std::string FreqTextToStored(const AppContext& app, std::string_view text) {
    if (StripBlanks(text).empty())
        return std::string(text);
    const std::string s = IsNumeric(text) ? std::string(StripBlanks(text))
                                          : FormatPlainUnits(app.docState.BandLimits.low10Hz, 5);
    std::string result;
    const std::size_t dot = s.find('.');
    if (dot == std::string::npos)
        result = s;
    else
        result = s.substr(0, 3) + s.substr(dot + 1);
    if (result.size() > 8)
        result.resize(8);
    result.append(8 - result.size(), '0');
    return result;
}

std::int64_t ShiftUnits(std::string_view shift) {
    const std::string trimmed = TrimFix(shift);
    std::string_view s = StripBlanks(trimmed);
    if (s.empty() || !IsNumeric(s))
        s = "0000000";
    const std::size_t lastFrom = s.size() > 5 ? s.size() - 5 : 0;
    const std::string mhz = std::string(s.substr(0, 2)) + "." + std::string(s.substr(lastFrom));
    const auto units = ParseUnits(mhz, 5);
    return units ? *units : 0;
}

std::string ShiftStoredToText(std::string_view shift, int dir) {
    const std::int64_t units = ShiftUnits(shift);
    return SignOf(dir) + FormatUnits(units < 0 ? -units : units, 5);
}

std::string TxFreqText(std::string_view rxStored, std::string_view shift, int dir,
                       bool showOffset) {
    if (showOffset)
        return ShiftStoredToText(shift, dir);
    const auto rx = StoredFreqUnits(rxStored);
    if (!rx)
        return {};
    std::int64_t tx = *rx;
    if (dir == 1)
        tx -= std::abs(ShiftUnits(shift));
    else if (dir == 2)
        tx += std::abs(ShiftUnits(shift));
    return FormatUnits(tx < 0 ? -tx : tx, 5);
}

ShiftValue ShiftFromTxText(std::string_view rxStored, std::string_view txText, bool signedInput,
                           std::string_view shift, int dir) {
    std::int64_t oldMagnitude = ShiftUnits(shift);
    if (oldMagnitude < 0)
        oldMagnitude = -oldMagnitude;
    (void)dir; // the old direction only gives the old offset its sign
    const auto rx = StoredFreqUnits(rxStored);
    const auto tx = ParseUnits(txText, 5);
    if (!rx || !tx)
        return {ShiftDigits(oldMagnitude), 0};
    if (signedInput) {
        const std::string_view t = StripBlanks(txText);
        const int newDir = t.front() == '-' ? 1 : t.front() == '+' ? 2 : 0;
        return {ShiftDigits(*tx < 0 ? -*tx : *tx), newDir};
    }
    const std::int64_t d = *tx - *rx;
    if (d > 0)
        return {ShiftDigits(d), 2};
    if (d < 0)
        return {ShiftDigits(-d), 1};
    return {ShiftDigits(oldMagnitude), 0};
}

} // namespace pmr
