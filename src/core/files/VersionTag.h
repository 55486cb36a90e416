#pragma once
// The 4-character version tags of program versions and data versions ("V100").

#include <string>
#include <string_view>

namespace pmr {

/// This program's own version tag; every document it writes carries it.
inline constexpr std::string_view kProgramVersionTag = "V100";

/// True when the trimmed tag (TrimFix) is "V" followed by three decimal digits.
/// Only such a tag may name a program folder or be looked up in the version table.
bool IsWellFormedVersionTag(std::string_view tag);

/// The tag as shown in messages: first 2 characters, ".", last 2 ("V100" -> "V1.00").
std::string DottedVersionTag(std::string_view tag);

} // namespace pmr
