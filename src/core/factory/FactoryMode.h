#pragma once
// The hidden factory mode: on only when TestData.ini in the program folder holds
// the marker text (trailing spaces removed, then cut at the first NUL; compared
// exactly, with case). At most the first 128 bytes of the file count.

#include <cstddef>
#include <string>
#include <string_view>

namespace pmr {

struct AppContext;
struct FactoryData;

constexpr std::string_view kFactoryMarker = "QN731_2864_Station_ProbeLinkKey";
constexpr std::size_t kFactoryMarkerReadLimit = 128;

/// Whether the marker file's first bytes (as read, at most 128) turn the mode on.
bool IsFactoryMarker(std::string_view fileStart);

/// Clears TestData and SavedTestData, then sets TestDataEnabled from the marker
/// file at `markerPath`; a missing or unreadable file leaves the mode off.
void DetectFactoryMode(FactoryData& factory, const std::string& markerPath);
/// The same for <ProgramFolder>/TestData.ini.
void DetectFactoryMode(AppContext& app);

} // namespace pmr
