#include "document/ChannelRaster.h"

#include "app/TextCatalog.h"
#include "document/Bands.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/RadioDocument.h"
#include "document/StepGrid.h"

#include <algorithm>

namespace pmr {
namespace {

constexpr std::int64_t kLastRasterChannel10Hz =
    kFirstRasterChannel10Hz + (kRasterChannelCount - 1) * kRasterSpacing10Hz;
/// A message box taller than this many lines no longer fits the screen.
constexpr std::size_t kMaxListedMoves = 16;

std::string ChannelName(const TextCatalog& texts, int channelNo) {
    return channelNo == kVfoChannelNo
               ? std::string("VFO")
               : FillMarker(texts.GetLangText(9070), "%1", std::to_string(channelNo));
}

std::string Mhz(std::int64_t units) {
    return FormatUnits(units, 5);
}

} // namespace

bool UsesChannelRaster(std::string_view bandText) {
    return bandText == kPmr446BandText;
}

BandRule BandRuleOf(const DocumentState& state) {
    return {state.BandLimits, UsesChannelRaster(state.BandText)};
}

std::optional<int> RasterChannelAt(std::int64_t units) {
    const std::int64_t d = units - kFirstRasterChannel10Hz;
    if (d < 0 || d % kRasterSpacing10Hz != 0 || units > kLastRasterChannel10Hz)
        return std::nullopt;
    return static_cast<int>(d / kRasterSpacing10Hz) + 1;
}

std::int64_t NearestRasterChannel(std::int64_t units) {
    const std::int64_t clamped = std::clamp(units, kFirstRasterChannel10Hz, kLastRasterChannel10Hz);
    const std::int64_t d = clamped - kFirstRasterChannel10Hz;
    // Rounded half down: of two channels equally near the lower one.
    const std::int64_t n = (d + kRasterSpacing10Hz / 2 - 1) / kRasterSpacing10Hz;
    return kFirstRasterChannel10Hz + n * kRasterSpacing10Hz;
}

std::optional<RasterMove> KeepOnChannelRaster(ChannelRecord& entry) {
    const auto rx = StoredFreqUnits(entry.RxFreq.raw());
    if (!rx)
        return std::nullopt;
    const std::int64_t shift = ShiftUnits(entry.TxShift.raw());
    // A direction with a zero offset transmits on the receive frequency too.
    const bool split = entry.TxShiftDir != 0 && shift != 0;
    const std::int64_t to = NearestRasterChannel(*rx);
    if (to == *rx && !split)
        return std::nullopt;

    RasterMove move;
    move.channelNo = entry.ChannelNo;
    move.fromRx = *rx;
    move.toRx = to;
    move.fromTx = entry.TxShiftDir == 1 ? *rx - shift : *rx + shift;
    move.transmitMoved = split;
    entry.RxFreq = std::to_string(to); // eight digits: every channel lies above 100 MHz
    entry.RxStep625 = StepFlagFor(to).value_or(1);
    if (split) {
        entry.TxShiftDir = 0;
        entry.TxShift = "0000000";
        entry.TxStep625 = 0;
    }
    return move;
}

std::vector<RasterMove> KeepTableOnChannelRaster(RadioDocument& doc) {
    std::vector<RasterMove> moves;
    const int count = std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
    for (int i = 0; i < count; ++i)
        if (const auto move = KeepOnChannelRaster(doc.Channels[static_cast<std::size_t>(i)]))
            moves.push_back(*move);
    return moves;
}

std::string RasterMovesText(const TextCatalog& texts, const std::vector<RasterMove>& moves) {
    std::string text = texts.GetLangText(9161);
    const std::size_t listed = std::min(moves.size(), kMaxListedMoves);
    for (std::size_t i = 0; i < listed; ++i) {
        const RasterMove& m = moves[i];
        std::string line;
        if (m.fromRx != m.toRx) {
            line = FillMarker(texts.GetLangText(9162), "%1", ChannelName(texts, m.channelNo));
            line = FillMarker(line, "%2", Mhz(m.fromRx));
            line = FillMarker(line, "%3", Mhz(m.toRx));
            line = FillMarker(line, "%4", std::to_string(RasterChannelAt(m.toRx).value_or(0)));
            text += "\r\n" + line;
        }
        if (m.transmitMoved) {
            line = FillMarker(texts.GetLangText(9163), "%1", ChannelName(texts, m.channelNo));
            line = FillMarker(line, "%2", Mhz(m.fromTx));
            line = FillMarker(line, "%3", Mhz(m.toRx));
            text += "\r\n" + line;
        }
    }
    if (moves.size() > listed)
        text += "\r\n" +
                FillMarker(texts.GetLangText(9071), "%1", std::to_string(moves.size() - listed));
    return text;
}

} // namespace pmr
