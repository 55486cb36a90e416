#pragma once
// DTMF digits: the radio keeps each as a 4-bit value, 0-9 and A-D as their hex
// characters, "*" as E and "#" as F. The document keeps the display characters.

#include <string>
#include <string_view>

namespace pmr {

/// Hex characters to display digits: E -> "*", F -> "#", all others unchanged.
std::string DtmfHexToDigits(std::string_view hex);

/// Display digits to hex characters: "*" -> E, "#" -> F, all others unchanged.
std::string DtmfDigitsToHex(std::string_view digits);

} // namespace pmr
