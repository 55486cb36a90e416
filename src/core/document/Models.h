#pragma once
// The radio models: the name shown to the user and the code stored.

#include <string>
#include <string_view>
#include <vector>

namespace pmr {

inline constexpr std::string_view kDefaultModelCode = "VX210";
inline constexpr std::string_view kDefaultModelDisplay = "VX-T210";

/// A display name to its model code ("VX-T210" -> "VX210"); any other name comes
/// back trimmed (trailing blanks, cut at a NUL).
std::string ModelCodeFromDisplay(std::string_view display);

/// A model code to its display name ("VX210" -> "VX-T210"); any other code comes
/// back trimmed.
std::string ModelDisplayFromCode(std::string_view code);

/// The display names the model dialog offers.
std::vector<std::string> ModelDisplayNames();

} // namespace pmr
