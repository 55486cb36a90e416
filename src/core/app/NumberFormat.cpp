#include "app/NumberFormat.h"

#include "app/IniFile.h"

#include <charconv>
#include <limits>

namespace pmr {

namespace {

constexpr std::uint64_t kMaxMagnitude =
    static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());

bool MulAdd(std::uint64_t& acc, unsigned digit) {
    if (acc > (kMaxMagnitude - digit) / 10)
        return false;
    acc = acc * 10 + digit;
    return true;
}

struct DecimalParts {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
};

// Sign, digits, at most one "."; at least one digit somewhere.
std::optional<DecimalParts> SplitDecimal(std::string_view t) {
    DecimalParts p;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        p.negative = t.front() == '-';
        t.remove_prefix(1);
    }
    const std::size_t dot = t.find('.');
    p.intDigits = t.substr(0, dot);
    if (dot != std::string_view::npos)
        p.fracDigits = t.substr(dot + 1);
    auto allDigits = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!allDigits(p.intDigits) || !allDigits(p.fracDigits) ||
        (p.intDigits.empty() && p.fracDigits.empty()))
        return std::nullopt;
    return p;
}

} // namespace

std::string FormatScaled(std::int64_t value, int decimals) {
    if (decimals < 0)
        decimals = 0;
    if (decimals > 18)
        decimals = 18;
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return negative ? "-" + digits : digits;
}

std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals) {
    if (decimals < 0 || decimals > 18)
        return std::nullopt;
    const std::string trimmed = TrimBlanks(text);
    auto parts = SplitDecimal(trimmed);
    if (!parts)
        return std::nullopt;
    std::uint64_t acc = 0;
    for (char c : parts->intDigits)
        if (!MulAdd(acc, static_cast<unsigned>(c - '0')))
            return std::nullopt;
    for (int i = 0; i < decimals; ++i) {
        const auto digit = static_cast<std::size_t>(i) < parts->fracDigits.size()
                               ? static_cast<unsigned>(parts->fracDigits[i] - '0')
                               : 0u;
        if (!MulAdd(acc, digit))
            return std::nullopt;
    }
    const auto next = static_cast<std::size_t>(decimals);
    if (next < parts->fracDigits.size() && parts->fracDigits[next] >= '5') {
        if (acc == kMaxMagnitude)
            return std::nullopt;
        ++acc;
    }
    const auto value = static_cast<std::int64_t>(acc);
    return parts->negative ? -value : value;
}

std::string FormatDecimal(double value, int decimals) {
    char buf[512];
    std::to_chars_result r =
        decimals < 0
            ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
            : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return {};
    return std::string(buf, r.ptr);
}

std::optional<double> ParseDecimal(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    if (!SplitDecimal(trimmed))
        return std::nullopt;
    std::string_view t = trimmed;
    if (t.front() == '+')
        t.remove_prefix(1);
    double value = 0;
    auto [end, ec] =
        std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    std::string_view t = trimmed;
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    std::string_view digits = (!t.empty() && t.front() == '-') ? t.substr(1) : t;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

} // namespace pmr
