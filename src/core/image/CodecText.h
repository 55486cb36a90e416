#pragma once
// Digit and nibble helpers private to the image codec.

#include <cstdint>
#include <string_view>

namespace pmr::image_detail {

/// True for a non-empty text of the decimal digits 0-9 only.
bool IsDecimalDigits(std::string_view text);

/// The value of a text of at most 18 decimal digits (IsDecimalDigits holds).
std::uint64_t DecimalValue(std::string_view digits);

/// value / step rounded to the nearest integer, a tie going to the even one.
std::uint64_t RoundHalfEven(std::uint64_t value, std::uint64_t step);

/// 0..15 for 0-9, A-F, a-f; any other character counts as 0 so that a stray
/// character can never spill into the neighbouring nibble.
int HexNibble(char c);

/// The byte of two hexadecimal digit characters, high nibble first.
std::uint8_t HexByte(char high, char low);

} // namespace pmr::image_detail
