#include "document/StepGrid.h"

#include "app/AppContext.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"

namespace pmr {
namespace {

constexpr std::int64_t kStep5 = 500;   // 5 kHz in 10 Hz units
constexpr std::int64_t kStep625 = 625; // 6.25 kHz

/// A value on a grid stays and gets that grid's flag; any other moves down to
/// the 5 kHz grid.
std::int64_t SnapValue(std::int64_t value, Integer& step625) {
    if (const auto flag = StepFlagFor(value)) {
        step625 = *flag;
        return value;
    }
    step625 = 0;
    return value - value % kStep5;
}

} // namespace

std::optional<std::int16_t> StepFlagFor(std::int64_t value10Hz) {
    if (value10Hz % kStep5 == 0)
        return 0;
    if (value10Hz % kStep625 == 0)
        return 1;
    return std::nullopt;
}

bool AlignStepFlags(ChannelRecord& entry) {
    bool changed = false;
    // A value on the grid its flag names keeps the flag (on both grids too, so
    // that the radio's own bytes survive a read and a write).
    auto align = [&changed](std::optional<std::int64_t> value, Integer& flag) {
        if (!value || *value % (flag == 1 ? kStep625 : kStep5) == 0)
            return;
        if (const auto wanted = StepFlagFor(*value)) {
            flag = *wanted;
            changed = true;
        }
    };
    align(StoredFreqUnits(entry.RxFreq.raw()), entry.RxStep625);
    align(ShiftUnits(entry.TxShift.raw()), entry.TxStep625);
    return changed;
}

std::optional<RasterMove> SnapChannelToGrid(const AppContext& app, ChannelRecord& entry) {
    const auto rx = StoredFreqUnits(entry.RxFreq.raw());
    if (!rx)
        return std::nullopt; // nothing to put on the grid
    // Every channel of the raster lies on the 6.25 kHz grid, so what follows
    // only sets the flags of a moved channel.
    const std::optional<RasterMove> move =
        UsesChannelRaster(app.docState.BandText) ? KeepOnChannelRaster(entry) : std::nullopt;
    // The radio counts steps from 0 Hz, so the grids are too.
    const std::int64_t rxOnRaster = StoredFreqUnits(entry.RxFreq.raw()).value_or(*rx);
    entry.RxFreq = FreqTextToStored(app, FormatUnits(SnapValue(rxOnRaster, entry.RxStep625), 5));

    std::int64_t s = ShiftUnits(entry.TxShift.raw());
    if (s < 0)
        s = -s;
    s = SnapValue(s, entry.TxStep625);
    const char* sign = entry.TxShiftDir == 1 ? "-" : entry.TxShiftDir == 2 ? "+" : "";
    const ShiftValue shift = ShiftFromTxText(entry.RxFreq.raw(), sign + FormatUnits(s, 5), true,
                                             entry.TxShift.raw(), entry.TxShiftDir);
    entry.TxShift = shift.shift;
    entry.TxShiftDir = static_cast<Byte>(shift.dir);
    return move;
}

} // namespace pmr
