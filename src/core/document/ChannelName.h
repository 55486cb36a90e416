#pragma once
// The characters a channel name can have: the radio's display shows 0-9 and A-Z.

#include <string>
#include <string_view>

namespace pmr {

/// The name as the radio can show it: a-z become A-Z, a blank stays (an empty
/// character box), every other character (punctuation, bytes of letters
/// outside A-Z) is left out.
std::string RadioNameText(std::string_view name);

} // namespace pmr
