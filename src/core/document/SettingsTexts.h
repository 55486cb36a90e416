#pragma once
// The texts of the radio-wide settings as their windows show and store them:
// the power-on text, the embedded message lines, DTMF codes and FM preset
// frequencies.

#include "document/RadioDocument.h"

#include <string>
#include <string_view>

namespace pmr {

/// The power-on text as its 12 boxes show it: trailing spaces removed, cut at
/// the first NUL, padded with spaces to 12.
std::string PowerOnTextShown(const FixedText<12>& stored);

/// An embedded message line to store: a 16-character text unchanged, a shorter
/// one followed by a NUL and spaces.
std::string StoredMessageLine(std::string_view text);

/// A DTMF code box's text: the first Len symbols, empty for a Len above 16.
std::string DtmfCodeShown(const DtmfCode& code);
/// The code a box's text stores: trailing spaces removed and cut at a NUL;
/// Len is its length (at most 16).
DtmfCode DtmfCodeFromText(std::string_view text);

/// FM presets lie from 76 to 108 MHz on a 50 kHz grid.
inline constexpr std::int64_t kFmLow10Hz = 7600000;
inline constexpr std::int64_t kFmHigh10Hz = 10800000;

/// `value` (10 Hz units) to the nearest 50 kHz step: 10 kHz steps rounded half
/// to even, then down when the remainder is 1 or 2 steps, up when 3 or 4.
std::int64_t StepRadio(std::int64_t value10Hz);
/// A typed FM frequency as "000.00000": blank stays blank, a number is held
/// within 76 to 108 MHz and put on the grid, anything else gives 76.
std::string CheckRadioFre(std::string_view text);
/// A text of CheckRadioFre to the stored 8 digits ("090.50000" -> "09050000").
std::string GetSaveRadioFreData(std::string_view text);

} // namespace pmr
