#pragma once
// The radio stores frequencies as counts of 5 kHz or 6.25 kHz steps; a channel's
// frequencies must lie on one of the two grids before they are encoded.

namespace pmr {

struct AppContext;
struct ChannelRecord;

/// Puts the receive frequency (counted from the band's low limit) and the offset
/// on the step grid and sets RxStep625 / TxStep625: a value on the 5 kHz grid
/// keeps 5 kHz (also when it is on both), one only on the 6.25 kHz grid keeps
/// 6.25 kHz, any other is moved down to the 5 kHz grid.
void SnapChannelToGrid(const AppContext& app, ChannelRecord& entry);

} // namespace pmr
