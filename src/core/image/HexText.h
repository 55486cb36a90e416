#pragma once
// Hexadecimal and octal digit texts as the image codec uses them.

#include <cstdint>
#include <string>
#include <string_view>

namespace pmr {

/// Upper-case hexadecimal digits of value, "0"-padded on the left to n digits;
/// when there are more than n digits, the first n.
std::string HexPad(std::uint64_t value, int n);

/// The same with octal digits.
std::string OctPad(std::uint64_t value, int n);

/// "FFFFFFFF" for a blank text or "FFFFFFFF" itself; otherwise the trimmed text
/// with one "0" appended when its length is odd.
std::string HexOrBlank(std::string_view text);

} // namespace pmr
