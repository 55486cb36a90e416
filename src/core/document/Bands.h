#pragma once
// The frequency bands the radio comes in: band code (kept in the document and
// the radio), band text (compared exactly) and the order the model dialog
// offers them.

#include "document/DocumentState.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

struct BandRow {
    int code;
    std::string_view text;
    int listPosition; // 1..17
};

/// The PMR446 band, the start-up band.
inline constexpr std::string_view kPmr446BandText = "446.00625 - 446.19375 MHz";
/// The one band that takes the VHF test frequencies.
inline constexpr std::string_view kVhfTestBandText = "136 - 174 MHz";

/// The seventeen bands in list-position order (codes 0..14, 16, 32).
const std::array<BandRow, 17>& BandTable();

/// The code of the band with exactly this text; 0 when none has it.
int BandCodeFromText(std::string_view text);

/// The text of the band with this code; empty when no band has it.
std::string BandTextFromCode(int code);

/// The band texts in list-position order.
std::vector<std::string> BandTextsInListOrder();

/// The two limits of a band text "<low> - <high> MHz" in 10 Hz units; nothing
/// when the text does not have that shape (empty, as for an unknown band code).
std::optional<BandLimitPair> BandLimitsFromText(std::string_view text);

/// Sets BandLimits from BandText. A BandText from which no limits can be read
/// keeps the previous limits and returns false.
bool ComputeBandLimits(DocumentState& state);

/// Channels of every band lie 12.5 kHz apart from its low limit.
inline constexpr std::int64_t kChannelRaster10Hz = 1250;

/// The channel a new table starts with: the middle of the band, moved down onto
/// the band's channel raster (446.09375 MHz for PMR446, 435 MHz for 400-470 MHz).
std::int64_t MiddleChannel10Hz(const BandLimitPair& limits);

} // namespace pmr
