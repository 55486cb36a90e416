#pragma once
// The range check of every typed frequency against the band limits.

#include <cstdint>
#include <string>
#include <string_view>

namespace pmr {

struct AppContext;
class UserInteraction;

/// A frequency in 10 Hz units held within the band limits. Below the low limit
/// gives the low limit, above the high limit the high limit, each after the
/// warning text 9021 when `warn`; a value equal to a limit passes.
std::int64_t ClampToBand(const AppContext& app, UserInteraction& ui, std::int64_t units, bool warn);

/// A typed megahertz value, rounded to 10 Hz, clamped to the band and written
/// "#0.00000"; anything not numeric gives the blank text.
std::string NormalizeFreqText(const AppContext& app, UserInteraction& ui, std::string_view value,
                              bool warn);

} // namespace pmr
