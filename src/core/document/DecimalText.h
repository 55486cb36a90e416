#pragma once
// Decimal numbers as text, always with "." as separator and never through the
// locale: the program's own rules for "is this numeric" and for the "#0.00000"
// style formats. Values are kept as integers of 10^-decimals units.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pmr {

/// The text without the spaces and tabs around it.
std::string_view StripBlanks(std::string_view text);

/// True for an optional sign followed by digits with at most one "." and at
/// least one digit, with blanks allowed around ("446.1", " 12. ", "-.5", "+3").
/// Exponents, thousands separators and "," are not numeric.
bool IsNumeric(std::string_view text);

/// The numeric text as an integer of 10^-decimals units, rounded half away from
/// zero beyond `decimals` digits: ParseUnits("446.00625", 5) == 44600625.
/// Values too large for the type saturate at +/- kUnitsSaturation. Nothing when
/// the text is not numeric. decimals is 0..9.
std::optional<std::int64_t> ParseUnits(std::string_view text, int decimals);

/// Largest magnitude ParseUnits returns.
inline constexpr std::int64_t kUnitsSaturation = 1'000'000'000'000'000'000;

/// `value` / 10^decimals with exactly `decimals` digits after "." and at least
/// `minIntDigits` digits before it: FormatUnits(44600625, 5, 1) == "446.00625"
/// ("#0.00000"), FormatUnits(60000, 5, 2) == "00.60000" ("00.00000").
std::string FormatUnits(std::int64_t value, int decimals, int minIntDigits = 1);

/// `value` / 10^decimals without trailing zeros after "." and without a
/// lone ".": FormatPlainUnits(44600000, 5) == "446", (53550000, 5) == "535.5".
std::string FormatPlainUnits(std::int64_t value, int decimals);

} // namespace pmr
