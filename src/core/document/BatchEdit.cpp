#include "document/BatchEdit.h"

#include "app/AppContext.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/OptionRefs.h"
#include "document/StepGrid.h"
#include "document/ToneCodes.h"

#include <algorithm>

namespace pmr {
namespace {

constexpr std::int64_t kStep5 = 500;   // 5 kHz in 10 Hz units
constexpr std::int64_t kStep625 = 625; // 6.25 kHz
/// The largest offset the 7 digits of TxShift hold (99.99999 MHz).
constexpr std::int64_t kMaxShift = 9999999;
/// No band is wider than this; a larger step only leaves the band sooner, and
/// holding it here keeps start + step x 127 far from overflowing.
constexpr std::int64_t kMaxStep = 100000000; // 1000 MHz
/// Digits a channel name and an ID code can hold.
constexpr int kNameDigits = 6;
constexpr int kIdDigits = 10;

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// A value on the 5 kHz or the 6.25 kHz grid stays; any other moves down to 5 kHz.
std::int64_t OnStepGrid(std::int64_t v) {
    if (v % kStep5 == 0 || v % kStep625 == 0)
        return v;
    return v - v % kStep5;
}

/// A count from a box that DefaultData has passed; saturates instead of overflowing.
std::int64_t CountOf(std::string_view text) {
    const auto v = ParseUnits(text, 0);
    return v && *v > 0 ? *v : 0;
}

std::int64_t PowerOfTen(int digits) {
    std::int64_t p = 1;
    for (int i = 0; i < digits; ++i)
        p *= 10;
    return p;
}

/// (base +/- step x k) brought into 0..modulus-1 by adding or subtracting the
/// modulus as often as needed. The step is reduced first, so nothing overflows.
std::int64_t Wrapped(std::int64_t base, std::int64_t step, int k, bool decrease,
                     std::int64_t modulus) {
    const std::int64_t delta = (step % modulus) * k % modulus;
    std::int64_t v = (base % modulus + (decrease ? -delta : delta)) % modulus;
    return v < 0 ? v + modulus : v;
}

std::string ZeroPadded(std::int64_t value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

/// An ID series value: start +/- step x k, kept within `digits` digits and
/// written with leading zeros to that many.
std::string IdAt(const IdSeries& s, int k, int digits) {
    digits = std::max(digits, 1);
    const std::int64_t modulus = PowerOfTen(digits);
    // Only the start's last `digits` digits count when it is longer.
    const std::string_view start = s.start;
    const auto width = static_cast<std::size_t>(digits);
    const std::string_view tail = start.size() > width ? start.substr(start.size() - width) : start;
    return ZeroPadded(Wrapped(CountOf(tail), CountOf(s.step), k, s.decrease, modulus), digits);
}

int ToneAt(const ToneSeries& s, int k, const RandomSource& random) {
    if (s.random) {
        double r = random ? random() : 0.0;
        if (!(r >= 0.0 && r < 1.0))
            r = 0.0; // a source out of its range (or NaN) must not pick past the list
        const int code = static_cast<int>(r * kToneCount);
        return std::clamp(code, 0, kToneCount - 1);
    }
    const int start = std::clamp(s.start, 0, kToneCount - 1);
    return static_cast<int>(Wrapped(start, CountOf(s.interval), k, s.decrease, kToneCount));
}

bool InBand(std::int64_t units, const BandLimitPair& band) {
    return units >= band.low10Hz && units <= band.high10Hz;
}

/// A step on the raster: the nearest whole number of channels, and a step the
/// user asked for never becomes none.
std::int64_t WholeChannels(std::int64_t step) {
    constexpr std::int64_t kChannel = kRasterSpacing10Hz; // 12.5 kHz in 0.01 kHz
    if (step <= 0)
        return 0;
    return std::max<std::int64_t>((step + kChannel / 2) / kChannel, 1) * kChannel;
}

/// start +/- step x k in 10 Hz units, from boxes NormalizeBatchInputs has passed.
std::int64_t FrequencyAt(const SteppedFrequency& f, int k) {
    const std::int64_t start = ParseUnits(f.startMhz, 5).value_or(0);
    const std::int64_t step = std::min(ParseUnits(f.stepKhz, 2).value_or(0), kMaxStep);
    return f.decrease ? start - step * k : start + step * k;
}

/// The seven offset digits: 60000 -> "0060000".
std::string ShiftDigits(std::int64_t magnitude) {
    std::string text = FormatUnits(magnitude, 5, 2);
    text.erase(text.find('.'), 1);
    return text;
}

/// A lockout on the tone needs the tone the channel listens with: the encode
/// tone when it is reversed, the decode tone otherwise.
void KeepLockoutOnATone(ChannelRecord& e) {
    if (e.BusyLock == 2 && ((e.Reverse == 0 && e.RxTone == 0) || (e.Reverse != 0 && e.TxTone == 0)))
        e.BusyLock = 1;
}

class BatchApplier {
public:
    BatchApplier(AppContext& app, const BatchInputs& in, const RandomSource& random,
                 BatchResult& result)
        : app_(app), in_(in), random_(random), result_(result), band_(BandRuleOf(app.docState)) {}

    /// Item 0 on channel n: the channel at its frequency, created when missing.
    /// Nothing (and the channel as it was) when the frequency leaves the band.
    ChannelRecord* ReceiveFrequency(int n, int k) {
        ChannelRecord* e = FindChannel(app_.doc, n);
        const std::int64_t f = FrequencyAt(in_.rx, k);
        if (!InBand(f, band_.limits)) {
            ++result_.skipped;
            return e;
        }
        const std::string mhz = FormatUnits(f, 5);
        if (!e) {
            if (!AddChannel(app_, n, mhz))
                return nullptr;
            ++result_.created;
            e = FindChannel(app_.doc, n);
        } else {
            e->RxFreq = FreqTextToStored(app_, mhz);
        }
        if (e)
            Snap(*e);
        return e;
    }

    void TransmitFrequency(ChannelRecord& e, int k) {
        const auto rx = StoredFreqUnits(e.RxFreq.raw());
        if (!rx)
            return;
        std::int64_t shift = 0; // signed: transmit = receive + shift
        switch (in_.txMode) {
        case TxMode::Default:
            break;
        case TxMode::Offset: {
            const std::int64_t o = ParseUnits(in_.offsetMhz, 5).value_or(0);
            shift = in_.offsetMinus ? -o : o;
            break;
        }
        case TxMode::StartFrequency:
            shift = FrequencyAt(in_.tx, k) - *rx;
            break;
        }
        if (shift != 0 && band_.channelRaster) {
            ++result_.splitRefused;
            return;
        }
        const std::int64_t magnitude = shift < 0 ? -shift : shift;
        if (!InBand(*rx + shift, band_.limits) || magnitude > kMaxShift) {
            ++result_.skipped;
            return;
        }
        e.TxShiftDir = static_cast<Byte>(shift < 0 ? 1 : shift > 0 ? 2 : 0);
        e.TxShift = ShiftDigits(magnitude);
        Snap(e);
    }

    void OtherItems(ChannelRecord& e, int n, int k) {
        const auto& on = in_.items;
        if (on[kBatchRxTone])
            e.RxTone = static_cast<Integer>(ToneAt(in_.rxTone, k, random_));
        if (on[kBatchTxTone])
            e.TxTone = static_cast<Integer>(
                in_.txToneSameAsDecode ? e.RxTone : ToneAt(in_.txTone, k, random_));
        if (on[kBatchName] && n <= kBatchLastChannel) {
            if (in_.nameMode == NameMode::Fixed)
                e.Name = in_.fixedName;
            else
                e.Name =
                    IdAt(in_.nameId, k,
                         std::min<int>(static_cast<int>(in_.nameId.start.size()), kNameDigits));
        }
        if (on[kBatchIdCode]) {
            // A channel whose ID is sent as three digits keeps three.
            const int room = e.IdCodeMaxLen == 3 ? 3 : kIdDigits;
            e.IdCode =
                IdAt(in_.ownId, k, std::min<int>(static_cast<int>(in_.ownId.start.size()), room));
        }
        Integer* const lists[kBatchListCount] = {&e.TxPower,     &e.OptSignal,     &e.PttId,
                                                 &e.ChSpacing,   &e.BusyLock,      &e.RevTalkMode,
                                                 &e.AutoDialMem, &e.SignalRelation};
        for (int i = 0; i < kBatchListCount; ++i)
            if (on[static_cast<std::size_t>(kBatchFirstList + i)])
                *lists[i] = static_cast<Integer>(in_.listValues[static_cast<std::size_t>(i)]);
        if (on[kBatchChSpacing])
            e.ChSpacing = 2; // the radio has one channel spacing
        Integer* const checks[kBatchCheckCount] = {&e.ScanSkip,   &e.Scramble, &e.TxInhibit,
                                                   &e.Talkaround, &e.Reverse,  &e.Whisper,
                                                   &e.Compander};
        for (int i = 0; i < kBatchCheckCount; ++i)
            if (on[static_cast<std::size_t>(kBatchFirstCheck + i)])
                *checks[i] = in_.checks[static_cast<std::size_t>(i)] != 0 ? 1 : 0;
        if (on[kBatchBusyLock] || on[kBatchRxTone] || on[kBatchTxTone] || on[kBatchReverse])
            KeepLockoutOnATone(e);
    }

private:
    /// The stepped frequencies lie on the raster already; a channel that did
    /// not (read from a radio so) is moved there and named.
    void Snap(ChannelRecord& e) {
        if (const auto move = SnapChannelToGrid(app_, e))
            result_.moved.push_back(*move);
    }

    AppContext& app_;
    const BatchInputs& in_;
    const RandomSource& random_;
    BatchResult& result_;
    BandRule band_;
};

} // namespace

std::string DefaultData(std::string_view text, std::string_view fallback) {
    const std::string_view t = StripBlanks(text);
    return IsDigits(t) ? std::string(t) : std::string(fallback);
}

std::string StepData(std::string_view text, const BandRule& band) {
    std::int64_t v = ParseUnits(text, 2).value_or(0);
    v = std::clamp<std::int64_t>(v, 0, kMaxStep);
    return FormatPlainUnits(band.channelRaster ? WholeChannels(v) : OnStepGrid(v), 2);
}

std::string StepDataFree(std::string_view text) {
    std::int64_t v = ParseUnits(text, 5).value_or(0);
    if (v < 0)
        v = -v;
    return FormatUnits(OnStepGrid(std::min(v, kMaxShift)), 5);
}

std::string StepDataFre(std::string_view text, const BandRule& band) {
    const BandLimitPair& limits = band.limits;
    std::int64_t v = ParseUnits(text, 5).value_or(limits.low10Hz);
    v = std::clamp(v, limits.low10Hz, limits.high10Hz);
    if (band.channelRaster)
        return FormatUnits(NearestRasterChannel(v), 5);
    // Moving down may pass a low limit that is itself off the grid.
    v = std::max(OnStepGrid(v), limits.low10Hz);
    return FormatUnits(v, 5);
}

std::string OwnIdStartData(std::string_view text, int maxDigits) {
    const std::string_view t = StripBlanks(text);
    if (!IsDigits(t) || t.size() < 3)
        return "000";
    return std::string(t.substr(0, static_cast<std::size_t>(std::max(maxDigits, 3))));
}

int RangeBoxValue(std::string_view text) {
    const auto v = ParseUnits(text, 0);
    if (!v || *v < 1)
        return 1;
    return static_cast<int>(std::min<std::int64_t>(*v, kBatchLastChannel));
}

BatchRange RangeOf(bool allChannels, std::string_view fromBox, std::string_view toBox) {
    if (allChannels)
        return {1, kBatchLastChannel};
    const int a = RangeBoxValue(fromBox);
    const int b = RangeBoxValue(toBox);
    return {std::min(a, b), std::max(a, b)};
}

BatchInputs InitialBatchInputs(const BandLimitPair& band) {
    BatchInputs in;
    const std::string low = FormatUnits(band.low10Hz, 5);
    in.rx.startMhz = low;
    in.tx.startMhz = low;
    return in;
}

BatchInputs NormalizeBatchInputs(const BatchInputs& raw, const BandRule& band,
                                 int ownIdMaxDigits) {
    BatchInputs in = raw;
    in.fromChannel = std::to_string(RangeBoxValue(raw.fromChannel));
    in.toChannel = std::to_string(RangeBoxValue(raw.toChannel));
    const auto& on = in.items;
    if (on[kBatchRxFreq]) {
        in.rx.startMhz = StepDataFre(raw.rx.startMhz, band);
        in.rx.stepKhz = StepData(raw.rx.stepKhz, band);
    }
    if (on[kBatchTxFreq]) {
        in.offsetMhz = StepDataFree(raw.offsetMhz);
        in.tx.startMhz = StepDataFre(raw.tx.startMhz, band);
        in.tx.stepKhz = StepData(raw.tx.stepKhz, band);
    }
    if (on[kBatchRxTone])
        in.rxTone.interval = DefaultData(raw.rxTone.interval, "0");
    if (on[kBatchTxTone])
        in.txTone.interval = DefaultData(raw.txTone.interval, "0");
    if (on[kBatchName]) {
        std::string name;
        for (char c : raw.fixedName)
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                name += c;
        in.fixedName = name.substr(0, kNameDigits);
        in.nameId.start = DefaultData(raw.nameId.start, "0");
        in.nameId.step = DefaultData(raw.nameId.step, "0");
    }
    if (on[kBatchIdCode]) {
        in.ownId.start = OwnIdStartData(raw.ownId.start, std::min(ownIdMaxDigits, kIdDigits));
        in.ownId.step = DefaultData(raw.ownId.step, "0");
    }
    return in;
}

BatchResult ApplyBatch(AppContext& app, const BatchInputs& raw, const RandomSource& random) {
    BatchResult result;
    const BatchInputs in = NormalizeBatchInputs(raw, BandRuleOf(app.docState));
    const BatchRange range = RangeOf(in.allChannels, in.fromChannel, in.toChannel);
    RadioDocument& doc = app.doc;

    if (in.clearOutside) {
        // From the end, so that the indices still to visit do not move.
        for (int i = std::min<int>(doc.ChannelCount, kMaxChannelEntries) - 1; i >= 0; --i) {
            const int no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
            if (no <= kBatchLastChannel && (no < range.first || no > range.last)) {
                DeleteChannelAt(app, i);
                ++result.deleted;
            }
        }
    }

    BatchApplier applier(app, in, random, result);
    for (int n = range.first; n <= range.last; ++n) {
        const int k = n - range.first;
        ChannelRecord* e =
            in.items[kBatchRxFreq] ? applier.ReceiveFrequency(n, k) : FindChannel(doc, n);
        if (!e)
            continue; // only the receive frequency creates channels
        if (in.items[kBatchTxFreq])
            applier.TransmitFrequency(*e, k);
        applier.OtherItems(*e, n, k);
    }

    ReconcileOptionRefs(app);
    app.docState.Events.Publish(DocumentChange::ChannelTable);
    return result;
}

} // namespace pmr
