#pragma once
// The PMR446 band is not a range of frequencies but sixteen channels,
// 446.00625 MHz + n x 12.5 kHz (n = 0..15), each simplex: the radio transmits
// on the frequency it receives on. A channel of that band anywhere else is one
// the grid and the edit dialog cannot show and one the radio would transmit on
// outside the allocation, so every way a frequency enters a document of that
// band puts it back on a channel (SnapChannelToGrid, the file open, the paste)
// and says so.

#include "document/DocumentState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

class TextCatalog;
struct ChannelRecord;
struct RadioDocument;

inline constexpr int kRasterChannelCount = 16;
inline constexpr std::int64_t kFirstRasterChannel10Hz = 44600625;
inline constexpr std::int64_t kRasterSpacing10Hz = 1250; // 12.5 kHz

/// True for the band whose channels keep to the raster (the PMR446 band text).
bool UsesChannelRaster(std::string_view bandText);

/// What the band lets a frequency be: its limits and, for PMR446, the raster.
struct BandRule {
    BandLimitPair limits;
    bool channelRaster = false;
};
BandRule BandRuleOf(const DocumentState& state);

/// The number 1..16 of the channel at exactly this frequency (10 Hz units).
std::optional<int> RasterChannelAt(std::int64_t units);

/// The channel frequency nearest to `units`; halfway between two channels the
/// lower one, beyond the ends the end channel.
std::int64_t NearestRasterChannel(std::int64_t units);

/// What keeping a channel on the raster changed.
struct RasterMove {
    int channelNo = 0;
    std::int64_t fromRx = 0; // 10 Hz units, the receive frequency it had
    std::int64_t toRx = 0;   // and has now (equal when only the transmit moved)
    std::int64_t fromTx = 0; // the transmit frequency it had
    bool transmitMoved = false;
};

/// Puts the channel's receive frequency on its nearest channel and makes it
/// simplex when it transmitted elsewhere; the step flags follow. Nothing, and
/// the entry untouched, when it already is a simplex channel or has no
/// readable receive frequency.
std::optional<RasterMove> KeepOnChannelRaster(ChannelRecord& entry);

/// The same for every used entry of the table.
std::vector<RasterMove> KeepTableOnChannelRaster(RadioDocument& doc);

/// The message that names every move: which channel went from where to where.
std::string RasterMovesText(const TextCatalog& texts, const std::vector<RasterMove>& moves);

} // namespace pmr
