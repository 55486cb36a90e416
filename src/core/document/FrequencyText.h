#pragma once
// Conversions between the stored frequency digit texts (10 Hz units) and the
// megahertz texts the editors show and accept.
//
// Stored receive/FM frequencies are 8 digits (3 whole MHz + 5 fraction), stored
// offsets 7 digits (2 + 5); blank or "FFFFFFFF" means none. Display texts use
// "#0.00000", offsets carry "-" (direction 1) or "+" (direction 2) in front.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pmr {

struct AppContext;
class UserInteraction;

/// 10 Hz units per MHz.
inline constexpr std::int64_t kUnitsPerMhz = 100000;

/// The stored frequency in 10 Hz units: its first three characters, ".", the
/// rest, read as a number (so the digits 44600625 give 44600625). Nothing when
/// the text (trimmed) is blank, "FFFFFFFF" or not numeric.
std::optional<std::int64_t> StoredFreqUnits(std::string_view stored);

/// True when the trimmed stored text is blank or "FFFFFFFF".
bool IsStoredFreqEmpty(std::string_view stored);

/// Blank for a blank or "FFFFFFFF" text, else the frequency in "#0.00000".
/// A text that is not numeric shows the message "Not IsNumeric" and gives the
/// low band limit as text ("446").
std::string FreqStoredToText(const AppContext& app, UserInteraction& ui, std::string_view stored);

/// A megahertz text to the 8-digit stored form: "446.1" -> "44610000",
/// "446" -> "44600000"; blank stays blank; a text that is not numeric stands for
/// the low band limit. Fraction digits beyond the fifth are cut off. Assumes
/// three whole-MHz digits, as all frequencies of the bands have.
std::string FreqTextToStored(const AppContext& app, std::string_view text);

/// The stored offset in 10 Hz units, its first two characters being the whole
/// MHz and its last five the fraction; 0 when blank or not numeric.
std::int64_t ShiftUnits(std::string_view shift);

/// The offset for display: sign of `dir` ("-" 1, "+" 2, nothing else) and
/// "#0.00000" of the offset, e.g. "-0.60000".
std::string ShiftStoredToText(std::string_view shift, int dir);

/// The transmit column: the signed offset itself when `showOffset`, else the
/// transmit frequency (receive plus the signed offset for directions 1 and 2,
/// the receive frequency otherwise) in "#0.00000", as an absolute value.
/// Blank when the receive frequency is blank or not numeric.
std::string TxFreqText(std::string_view rxStored, std::string_view shift, int dir, bool showOffset);

struct ShiftValue {
    std::string shift; // 7 digits, 10 Hz units
    int dir = 0;       // 0 none, 1 minus, 2 plus
};

/// A new offset from a transmit text. With `signedInput` the text is a signed
/// offset ("-0.6": minus 0.6 MHz; no sign: direction 0); otherwise it is the
/// transmit frequency and the offset is its distance from the receive frequency.
/// When the receive frequency or the text is blank or not numeric (and when the
/// frequencies are equal) the direction becomes 0 and the old magnitude stays.
/// A magnitude that does not fit the 7 digits is held at 99.99999 MHz.
ShiftValue ShiftFromTxText(std::string_view rxStored, std::string_view txText, bool signedInput,
                           std::string_view shift, int dir);

} // namespace pmr
