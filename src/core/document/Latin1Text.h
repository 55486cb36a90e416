#pragma once
// The document keeps its texts (names, ID codes, the power-on text, message
// lines) one byte a character in the Latin-1 range; what the program shows and
// writes out as text is UTF-8.

#include <string>
#include <string_view>

namespace pmr {

/// The Latin-1 bytes as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

} // namespace pmr
