#include "document/StepGrid.h"

#include "app/AppContext.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"

#include <cmath>

namespace pmr {
namespace {

constexpr std::int64_t kStep5 = 500;   // 5 kHz in 10 Hz units
constexpr std::int64_t kStep625 = 625; // 6.25 kHz

/// A value on the 5 kHz grid stays (also when it is on both grids), one only on
/// the 6.25 kHz grid stays and is flagged, any other moves down to 5 kHz.
std::int64_t SnapOffset(std::int64_t fromBase, Integer& step625) {
    const std::int64_t r5 = fromBase % kStep5;
    const std::int64_t r6 = fromBase % kStep625;
    step625 = 0;
    if (r5 == 0)
        return fromBase;
    if (r6 != 0)
        return fromBase - r5;
    step625 = 1;
    return fromBase;
}

} // namespace

void SnapChannelToGrid(const AppContext& app, ChannelRecord& entry) {
    const auto rx = StoredFreqUnits(entry.RxFreq.raw());
    if (!rx)
        return; // nothing to put on the grid
    const std::int64_t low =
        std::llround(app.docState.BandLimits.low * static_cast<double>(kUnitsPerMhz));
    const std::int64_t f = low + SnapOffset(*rx - low, entry.RxStep625);
    entry.RxFreq = FreqTextToStored(app, FormatUnits(f, 5));

    std::int64_t s = ShiftUnits(entry.TxShift.raw());
    if (s < 0)
        s = -s;
    s = SnapOffset(s, entry.TxStep625);
    const char* sign = entry.TxShiftDir == 1 ? "-" : entry.TxShiftDir == 2 ? "+" : "";
    const ShiftValue shift = ShiftFromTxText(entry.RxFreq.raw(), sign + FormatUnits(s, 5), true,
                                             entry.TxShift.raw(), entry.TxShiftDir);
    entry.TxShift = shift.shift;
    entry.TxShiftDir = static_cast<Byte>(shift.dir);
}

} // namespace pmr
