#pragma once
// Numbers as text with "." as decimal separator, whatever the user's locale:
// nothing here consults or changes the locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pmr {

/// `value` / 10^decimals written with exactly `decimals` digits after ".":
/// FormatScaled(44600625, 5) == "446.00625", FormatScaled(-5, 2) == "-0.05".
/// decimals is 0..18.
std::string FormatScaled(std::int64_t value, int decimals);

/// The decimal text as an integer of 10^-decimals units, rounded half away from
/// zero when the text has more digits: ParseScaled("446.00625", 5) == 44600625.
/// Accepts blanks around, a sign, digits with at most one ".". Nothing for any
/// other text or on overflow.
std::optional<std::int64_t> ParseScaled(std::string_view text, int decimals);

/// A double written with `decimals` digits after "." (shortest round trip when
/// decimals < 0).
std::string FormatDecimal(double value, int decimals);

/// A decimal number with "." (blanks around allowed, no exponent, no ",").
std::optional<double> ParseDecimal(std::string_view text);

/// A decimal integer (blanks around and a sign allowed).
std::optional<std::int64_t> ParseInteger(std::string_view text);

} // namespace pmr
