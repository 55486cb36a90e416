#pragma once
// Tone codes of decode and encode tones: 0 off, 1..50 CTCSS, 51..562 DCS with
// normal polarity, 563..1074 DCS inverted. A tone list's index is the code.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

class TextCatalog;

inline constexpr int kToneCount = 1075;
inline constexpr int kFirstDcsNormal = 51;
inline constexpr int kFirstDcsInverted = 563;

/// The CTCSS tones 1..50 as shown, "67.0" to "254.1".
const std::array<std::string_view, 50>& CtcssToneTexts();

/// The display name of a tone code: `offText` for 0, "67.0" for 1, "D023N" for
/// 70, "D023I" for 582. Empty for codes outside 0..1074.
std::string ToneName(int code, std::string_view offText);

/// All 1075 names in code order.
std::vector<std::string> ToneNames(std::string_view offText);

/// All 1075 names with the off entry from the text catalogue (text 14013).
std::vector<std::string> ToneNames(const TextCatalog& texts);

} // namespace pmr
