#pragma once
// The radio stores a channel's frequency and offset as counts of 5 kHz or
// 6.25 kHz steps from 0 Hz, with one flag each that says which. A value the
// radio can hold exactly lies on one of the two grids, and its flag must name
// that grid: otherwise the radio is put on another frequency than the one shown.

#include "document/ChannelRaster.h"

#include <cstdint>
#include <optional>

namespace pmr {

struct AppContext;
struct ChannelRecord;

/// The step flag a value in 10 Hz units needs: 0 on the 5 kHz grid (also when it
/// lies on both), 1 only on the 6.25 kHz grid; nothing when it is on neither.
std::optional<std::int16_t> StepFlagFor(std::int64_t value10Hz);

/// Makes RxStep625 and TxStep625 name a grid their receive frequency and offset
/// lie on: a flag whose grid misses the value is switched to the other grid. A
/// value on both grids keeps its flag; one on neither keeps it too (a write
/// refuses such a channel). Returns true when a flag changed.
bool AlignStepFlags(ChannelRecord& entry);

/// Puts the receive frequency and the offset on the step grid and sets the
/// flags: a value on the 5 kHz grid keeps 5 kHz (also when it is on both), one
/// only on the 6.25 kHz grid keeps 6.25 kHz, any other is moved down to 5 kHz.
/// In the PMR446 band the grid is the channel raster: the channel goes to its
/// nearest channel and becomes simplex; the move is returned for the caller
/// to report.
std::optional<RasterMove> SnapChannelToGrid(const AppContext& app, ChannelRecord& entry);

} // namespace pmr
