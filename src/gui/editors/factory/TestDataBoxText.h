#pragma once
// What a test-data box shows after any change of its text: the byte it
// stands for, written plainly.

#include <string>
#include <string_view>

namespace pmr {

/// A number ("007", " 12", "-3", "4.9") as its whole part held within 0 to
/// 255 and written in decimal ("7", "12", "0", "4"); any other text, the empty
/// one included, as "0".
std::string TestDataBoxText(std::string_view text);

} // namespace pmr
