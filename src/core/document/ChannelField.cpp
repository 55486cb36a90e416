#include "document/ChannelField.h"

#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "app/UserInteraction.h"
#include "document/BandClamp.h"
#include "document/ChannelName.h"
#include "document/ChannelRaster.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/OptionRefs.h"
#include "document/StepGrid.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <limits>
#include <optional>
#include <string>

namespace pmr {
namespace {

bool IsRadioChannel(int channelNo) {
    return channelNo >= 1 && channelNo < kVfoChannelNo;
}

bool IsSigned(std::string_view text) {
    const std::string_view t = StripBlanks(text);
    return !t.empty() && (t.front() == '-' || t.front() == '+');
}

/// A list index or flag as an editor passes it; nothing when it is not a number
/// that fits the 16-bit member.
std::optional<Integer> IntegerValue(std::string_view value) {
    const auto v = ParseUnits(value, 0);
    if (!v || *v < std::numeric_limits<Integer>::min() || *v > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(*v);
}

/// Columns 1 and 2 set the channel's single frequency and make it simplex; the
/// step flags are decided again so that the radio gets the frequency exactly.
std::optional<RasterMove> SetSingleFrequency(AppContext& app, ChannelRecord& e,
                                             std::string_view mhz) {
    e.RxFreq = FreqTextToStored(app, mhz);
    e.TxShiftDir = 0;
    e.TxShift = "0000000";
    return SnapChannelToGrid(app, e);
}

/// A typed frequency that is not a channel of the raster was moved to the
/// nearest one rather than refused: the user gets the channel meant, and is told.
void ReportMove(AppContext& app, UserInteraction& ui, const std::optional<RasterMove>& move) {
    if (move)
        ui.ShowMessage(RasterMovesText(app.texts, {*move}), Severity::Information);
}

void SetIntegerField(AppContext& app, ChannelRecord& e, int column, Integer v) {
    switch (column) {
    case kColRxTone: {
        if (v < 0 || v >= kToneCount)
            return;
        const bool bothOff = e.RxTone == 0 && e.TxTone == 0;
        e.RxTone = v;
        if (v == 0 && e.BusyLock == 2)
            e.BusyLock = 1;
        if (bothOff)
            e.TxTone = v;
        return;
    }
    case kColTxTone: {
        if (v < 0 || v >= kToneCount)
            return;
        const bool bothOff = e.RxTone == 0 && e.TxTone == 0;
        e.TxTone = v;
        if (bothOff)
            e.RxTone = v;
        return;
    }
    case kColScanSkip:
        if (IsRadioChannel(e.ChannelNo))
            e.ScanSkip = v;
        ReconcileOptionRefs(app);
        return;
    case kColOptSignal:
        e.OptSignal = v;
        if (e.RxTone == 0 && e.BusyLock > 1)
            e.BusyLock = 1;
        return;
    case kColPttId:
        e.PttId = v;
        return;
    case kColBusyLock:
        e.BusyLock = v;
        return;
    case kColRevTalkMode:
        e.RevTalkMode = v;
        return;
    case kColAutoDialMem:
        e.AutoDialMem = v;
        return;
    case kColScramble:
        e.Scramble = v;
        return;
    case kColTxInhibit:
        e.TxInhibit = v;
        return;
    case kColTalkaround:
        e.Talkaround = v;
        return;
    case kColReverse:
        e.Reverse = v;
        return;
    case kColWhisper:
        e.Whisper = v;
        return;
    case kColCompander:
        e.Compander = v;
        return;
    case kColSignalRelation:
        e.SignalRelation = v;
        return;
    default:
        return;
    }
}

/// Everything but the receive-frequency column on an existing channel.
void SetExistingField(AppContext& app, UserInteraction& ui, ChannelRecord& e, int column,
                      const std::string& value, bool offsetMode) {
    switch (column) {
    case kColTxFreq: {
        if (StripBlanks(value).empty())
            return; // a cleared or unreadable transmit entry changes nothing
        if (offsetMode && IsSigned(value)) {
            const auto rx = StoredFreqUnits(e.RxFreq.raw());
            const auto offset = ParseUnits(value, 5);
            if (!rx || !offset)
                return;
            // An offset cannot be moved to a channel: it is the wrong thing
            // altogether on a simplex channel, so it is refused.
            if (*offset != 0 && UsesChannelRaster(app.docState.BandText)) {
                ui.ShowMessage(FillMarker(app.texts.GetLangText(9164), "%1",
                                          std::string(StripBlanks(value))),
                               Severity::Warning);
                return;
            }
            const std::int64_t t = ClampToBand(app, ui, *offset + *rx, true);
            const std::int64_t d = t - *rx;
            const std::string signedOffset =
                std::string(1, StripBlanks(value).front()) + FormatUnits(d < 0 ? -d : d, 5);
            const ShiftValue shift =
                ShiftFromTxText(e.RxFreq.raw(), signedOffset, true, e.TxShift.raw(), e.TxShiftDir);
            e.TxShift = shift.shift;
            e.TxShiftDir = static_cast<Byte>(shift.dir);
            ReportMove(app, ui, SnapChannelToGrid(app, e));
            return;
        }
        ReportMove(app, ui, SetSingleFrequency(app, e, value));
        return;
    }
    case kColName:
        // Whatever the source (a key, a pasted or imported text), the name holds
        // only what the radio's display can show.
        if (IsRadioChannel(e.ChannelNo))
            e.Name = RadioNameText(value);
        return;
    case kColTxPower:
        e.TxPower = 0;
        return; // the radio has one power level here
    case kColChSpacing:
        e.ChSpacing = 2;
        return; // and one channel spacing
    case kColIdCode:
        e.IdCode = TrimFix(value);
        return;
    default:
        if (const auto v = IntegerValue(value))
            SetIntegerField(app, e, column, *v);
        return;
    }
}

} // namespace

void SetChannelField(AppContext& app, UserInteraction& ui, int channelNo, int column,
                     std::string_view rawValue) {
    if (channelNo < 1 || channelNo > kVfoChannelNo)
        return;
    const bool offsetMode = app.habits.UseOffsetFreq;
    std::string value(rawValue);
    const bool blank = StripBlanks(value).empty();
    // A transmit entry without a sign is a frequency even in offset mode.
    if (!blank &&
        (column == kColRxFreq || (column == kColTxFreq && !(offsetMode && IsSigned(value)))))
        value = NormalizeFreqText(app, ui, value, true);
    else if (blank)
        value.clear();

    const int index = FindChannelIndex(app.doc, channelNo);
    if (index >= 0) {
        ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(index)];
        if (column == kColRxFreq) {
            if (value.empty()) {
                if (app.doc.ChannelCount > 1)
                    DeleteChannelAt(app, index);
            } else {
                ReportMove(app, ui, SetSingleFrequency(app, e, value));
            }
        } else {
            SetExistingField(app, ui, e, column, value, offsetMode);
        }
    } else if (column == kColRxFreq && !value.empty()) {
        if (AddChannel(app, channelNo, value))
            if (ChannelRecord* added = FindChannel(app.doc, channelNo))
                ReportMove(app, ui, SnapChannelToGrid(app, *added));
    }

    app.docState.Events.Publish(DocumentChange::ChannelFields, channelNo);
}

void SetChannelField(AppContext& app, UserInteraction& ui, int channelNo, int column, int value) {
    SetChannelField(app, ui, channelNo, column, std::to_string(value));
}

} // namespace pmr
