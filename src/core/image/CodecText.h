#pragma once
// Small text and number helpers private to the image codec: trimming of fixed
// texts, digit tests, nibble values, the DTMF digit coding, the band table
// lookups and the ID-length rule the decoder applies at its end.

#include "document/DocumentState.h"
#include "document/FixedText.h"
#include "document/RadioDocument.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pmr::image_detail {

/// Trailing spaces removed, then everything from the first character code 0 on.
std::string TrimFix(std::string_view text);

template <std::size_t N> std::string TrimFix(const FixedText<N>& text) {
    return TrimFix(std::string_view(text.chars.data(), N));
}

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

/// "*" to E and "#" to F, and back; other characters are kept.
std::string DtmfDigitsToHex(std::string_view text);
std::string DtmfHexToDigits(std::string_view text);

/// The band table: code to text (empty when unknown) and text to code (0 when unknown).
std::string BandTextFromCode(int code);
int BandCodeFromText(std::string_view text);

/// Band limits from the band text's fixed character positions; a text that
/// yields no limits (blank or unknown band) keeps the limits as they were.
void ComputeBandLimits(DocumentState& state);

/// Brings every used entry's ID code in line with the DTMF signalling option.
void ApplyIdLengthRule(RadioDocument& doc);

} // namespace pmr::image_detail
