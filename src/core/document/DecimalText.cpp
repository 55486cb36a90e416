#include "document/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace pmr {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct DecimalParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

bool SplitDecimal(std::string_view text, DecimalParts& parts) {
    text = StripBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t dot = text.find('.');
    parts.whole = text.substr(0, dot);
    parts.fraction = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    for (char c : parts.whole)
        if (!IsDigit(c))
            return false;
    for (char c : parts.fraction)
        if (!IsDigit(c))
            return false;
    return !parts.whole.empty() || !parts.fraction.empty();
}

constexpr std::int64_t Pow10(int n) {
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

} // namespace

std::string_view StripBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsNumeric(std::string_view text) {
    DecimalParts parts;
    return SplitDecimal(text, parts);
}

std::optional<std::int64_t> ParseUnits(std::string_view text, int decimals) {
    DecimalParts parts;
    if (decimals < 0 || decimals > 9 || !SplitDecimal(text, parts))
        return std::nullopt;
    const std::int64_t scale = Pow10(decimals);
    const std::int64_t wholeLimit = kUnitsSaturation / scale;
    std::int64_t whole = 0;
    bool saturated = false;
    for (char c : parts.whole) {
        // Saturates when the next digit would pass the limit, before the
        // multiplication could pass what the type holds.
        const int digit = c - '0';
        if (whole > (wholeLimit - digit) / 10) {
            saturated = true;
            break;
        }
        whole = whole * 10 + digit;
    }
    std::int64_t value = kUnitsSaturation;
    if (!saturated) {
        std::int64_t frac = 0;
        for (int i = 0; i < decimals; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            frac = frac * 10 + (k < parts.fraction.size() ? parts.fraction[k] - '0' : 0);
        }
        value = whole * scale + frac;
        const std::size_t next = static_cast<std::size_t>(decimals);
        if (next < parts.fraction.size() && parts.fraction[next] >= '5')
            ++value; // half away from zero: the sign is applied afterwards
        if (value > kUnitsSaturation)
            value = kUnitsSaturation;
    }
    return parts.negative ? -value : value;
}

std::string FormatUnits(std::int64_t value, int decimals, int minIntDigits) {
    const bool negative = value < 0;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    const std::size_t need =
        static_cast<std::size_t>(decimals + (minIntDigits < 1 ? 1 : minIntDigits));
    if (digits.size() < need)
        digits.insert(0, need - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    if (negative)
        digits.insert(0, 1, '-');
    return digits;
}

std::string FormatPlainUnits(std::int64_t value, int decimals) {
    std::string text = FormatUnits(value, decimals);
    if (text.find('.') == std::string::npos)
        return text;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace pmr
