#include "image/RadioFit.h"

#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"
#include "image/CodecText.h"
#include "image/ImageCodec.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace pmr {
namespace {

// Labels of the channel edit dialog.
constexpr int kRxFreqLabel = 15002;
constexpr int kTxFreqLabel = 15003;
constexpr int kNameLabel = 15004;
constexpr int kIdCodeLabel = 15021;

template <class S, class T> struct Member {
    const char* name;
    T S::*field;
    int labelId = 0;
};

constexpr Member<ChannelRecord, Integer> kChannelNumbers[] = {
    {"RxTone", &ChannelRecord::RxTone, 15005},       {"TxTone", &ChannelRecord::TxTone, 15006},
    {"TxPower", &ChannelRecord::TxPower, 15007},     {"OptSignal", &ChannelRecord::OptSignal, 15008},
    {"PttId", &ChannelRecord::PttId, 15009},         {"ChSpacing", &ChannelRecord::ChSpacing, 15010},
    {"BusyLock", &ChannelRecord::BusyLock, 15011},   {"AutoDialMem", &ChannelRecord::AutoDialMem, 15013},
    {"Scramble", &ChannelRecord::Scramble, 15015},   {"TxInhibit", &ChannelRecord::TxInhibit, 15016},
    {"Whisper", &ChannelRecord::Whisper, 15019},     {"Compander", &ChannelRecord::Compander, 15020},
    {"SignalRelation", &ChannelRecord::SignalRelation, 15022},
};

// Window captions of the radio-wide settings.
constexpr int kOptWindow = 12002;
constexpr int kFmWindow = 12003;
constexpr int kDtmfWindow = 12004;
constexpr int kMessageWindow = 12006;
constexpr int kAlertWindow = 27000;
constexpr int kScanWindow = 28000;
constexpr int kKeyWindow = 29000;

/// The values a radio-wide member may hold: what its window stores, and what a
/// new document holds before the window was ever opened (a DTMF rate of 0,
/// say). A value outside reaches the radio as a setting it has no meaning for.
struct Allowed {
    int low = 0;
    int high = 255;
    int step = 1;
    std::uint32_t except = 0; // bit v set: the value v (below 32) is not one
};

bool Holds(const Allowed& a, int v) {
    return v >= a.low && v <= a.high && (v - a.low) % a.step == 0 &&
           !(v >= 0 && v < 32 && ((a.except >> v) & 1U) != 0);
}

constexpr std::uint32_t Bit(int v) {
    return std::uint32_t{1} << v;
}

constexpr Allowed kFlag{0, 1};
constexpr Allowed kAnyByte{0, 255};

template <class S, class T> struct Setting {
    const char* name;
    T S::*field;
    int labelId;
    Allowed allowed;
    Mend mend = Mend::Choose;
    int partId = 0;
};

// Hidden members (no caption) are normalised by their window when it opens.
// A channel or preset reference may be 0: a radio without channels or presets
// in use holds it, and its window keeps it while its list is empty.
constexpr Setting<OptFeatures, Integer> kOptions[] = {
    {"FreqStep", &OptFeatures::FreqStep, 16001, {0, 8}},
    {"SqlLevel", &OptFeatures::SqlLevel, 16002, {0, 9}},
    {"DisplayMode", &OptFeatures::DisplayMode, 16004, {0, 2}},
    {"ScreenColor", &OptFeatures::ScreenColor, 16005, {0, 2}},
    {"Backlight", &OptFeatures::Backlight, 16006, {0, 2}},
    {"BatterySave", &OptFeatures::BatterySave, 16007, {0, 3}},
    {"TailElimMode", &OptFeatures::TailElimMode, 16009, {0, 3}},
    {"VoicePrompt", &OptFeatures::VoicePrompt, 16010, {0, 2, 2}},
    {"KeyBeep", &OptFeatures::KeyBeep, 16011, kFlag},
    {"PromptVolume", &OptFeatures::PromptVolume, 16012, {0, 4}},
    {"VoxTone", &OptFeatures::VoxTone, 16030, kFlag, Mend::Tick},
    {"PowerOnDisplay", &OptFeatures::PowerOnDisplay, 16013, {0, 2}},
    {"NoSigTailElim", &OptFeatures::NoSigTailElim, 16034, kFlag, Mend::Tick},
    {"WorkMode", &OptFeatures::WorkMode, 16014, kFlag},
    {"FmWorkMode", &OptFeatures::FmWorkMode, 0, kFlag},
    {"FmRadio", &OptFeatures::FmRadio, 16035, kFlag},
    {"ScramblerFreq", &OptFeatures::ScramblerFreq, 16017, {0, 3}},
    {"CurrentCh", &OptFeatures::CurrentCh, 16018, {0, 128}},
    {"FmCurrentCh", &OptFeatures::FmCurrentCh, 16019, {0, 20}},
    {"Tot", &OptFeatures::Tot, 16020, {0, 240, 15}},
    {"ScanPause", &OptFeatures::ScanPause, 0, {0, 2}},
    {"TotPreAlert", &OptFeatures::TotPreAlert, 16022, {0, 15}},
    {"TotRekey", &OptFeatures::TotRekey, 16023, {0, 60}},
    {"TotReset", &OptFeatures::TotReset, 16024, {0, 30}},
    {"Vox", &OptFeatures::Vox, 0, kFlag},
    {"VoxLevel", &OptFeatures::VoxLevel, 16025, {0, 3}},
    {"VoxDelay", &OptFeatures::VoxDelay, 16026, {0, 9}},
    {"NoInit", &OptFeatures::NoInit, 16036, kFlag, Mend::Tick},
    {"ChannelLock", &OptFeatures::ChannelLock, 0, kFlag},
    {"DirectCh1", &OptFeatures::DirectCh1, 16501, {0, 128}},
    {"DirectCh2", &OptFeatures::DirectCh2, 16502, {0, 128}},
    {"Spare", &OptFeatures::Spare, 0, kFlag},
};
constexpr Setting<DtmfSettings, Integer> kDtmf[] = {
    {"DtmfRate", &DtmfSettings::DtmfRate, 18005, {0, 10}},
    {"FirstDigitTime", &DtmfSettings::FirstDigitTime, 18006, {0, 20, 2}},
    {"FirstDigitDelay", &DtmfSettings::FirstDigitDelay, 18007, {0, 50, 2}},
    {"StarHashTime", &DtmfSettings::StarHashTime, 18008,
     {0, 20, 2, Bit(4) | Bit(6) | Bit(8) | Bit(12) | Bit(14) | Bit(16) | Bit(18)}},
    {"DKey", &DtmfSettings::DKey, 18009, {0, 16}},
    {"SideTone", &DtmfSettings::SideTone, 18030, kFlag, Mend::Tick},
    {"DtmfSignalling", &DtmfSettings::DtmfSignalling, 18010, kFlag},
    {"CallPrompt", &DtmfSettings::CallPrompt, 18011, {0, 2}},
    {"MiddleCode", &DtmfSettings::MiddleCode, 18013, {0, 15}},
    {"GroupCode", &DtmfSettings::GroupCode, 18014, {0, 6}},
    {"AutoResetTime", &DtmfSettings::AutoResetTime, 18015, {0, 15}},
};
// Key functions 0..26; function 10 is never offered, 11 only for a long press.
constexpr Allowed kLongPress{0, 26, 1, Bit(10)};
constexpr Allowed kShortPress{0, 26, 1, Bit(10) | Bit(11)};
constexpr int kLong = 29005;
constexpr int kShort = 29006;
constexpr Setting<KeySettings, Integer> kKeys[] = {
    {"LongPressTime", &KeySettings::LongPressTime, 29001, {10, 25}},
    {"Pf1Long", &KeySettings::Pf1Long, 29003, kLongPress, Mend::Choose, kLong},
    {"Pf1Short", &KeySettings::Pf1Short, 29003, kShortPress, Mend::Choose, kShort},
    {"Pf2Long", &KeySettings::Pf2Long, 29004, kLongPress, Mend::Choose, kLong},
    {"Pf2Short", &KeySettings::Pf2Short, 29004, kShortPress, Mend::Choose, kShort},
    {"Key3Long", &KeySettings::Key3Long, 29007, kLongPress, Mend::Choose, kLong},
    {"Key4Long", &KeySettings::Key4Long, 29008, kLongPress, Mend::Choose, kLong},
    {"Key5Long", &KeySettings::Key5Long, 29009, kLongPress, Mend::Choose, kLong},
    {"Key6Long", &KeySettings::Key6Long, 29010, kLongPress, Mend::Choose, kLong},
    {"Key3Short", &KeySettings::Key3Short, 29007, kShortPress, Mend::Choose, kShort},
    {"Key4Short", &KeySettings::Key4Short, 29008, kShortPress, Mend::Choose, kShort},
    {"Key5Short", &KeySettings::Key5Short, 29009, kShortPress, Mend::Choose, kShort},
    {"Key6Short", &KeySettings::Key6Short, 29010, kShortPress, Mend::Choose, kShort},
};
constexpr Setting<AlertSettings, Byte> kAlert[] = {
    {"Type", &AlertSettings::Type, 27001, {0, 3, 1, Bit(1)}},
    {"IdType", &AlertSettings::IdType, 27002, kFlag},
    {"IdMemory", &AlertSettings::IdMemory, 27003, {0, 16}},
    {"AlarmTime", &AlertSettings::AlarmTime, 27004, kAnyByte},
    {"TxTime", &AlertSettings::TxTime, 27005, kAnyByte},
    {"RxTime", &AlertSettings::RxTime, 27006, kAnyByte},
    {"ChannelSel", &AlertSettings::ChannelSel, 27007, kFlag},
    {"EmergencyCh", &AlertSettings::EmergencyCh, 27009, {0, 129}},
    {"Cycles", &AlertSettings::Cycles, 27010, kAnyByte},
};
constexpr Setting<ScanSettings, Byte> kScan[] = {
    {"Mode", &ScanSettings::Mode, 28001, kFlag},
    {"PriorityMode", &ScanSettings::PriorityMode, 28002, {0, 3}},
    {"LookBackA", &ScanSettings::LookBackA, 28006, {5, 50}},
    {"LookBackB", &ScanSettings::LookBackB, 28007, {5, 50}},
    {"RxResumeDelay", &ScanSettings::RxResumeDelay, 28008, {10, 50}},
    {"TxResumeDelay", &ScanSettings::TxResumeDelay, 28009, {10, 50}},
    {"EntryTone", &ScanSettings::EntryTone, 28010, kFlag, Mend::Tick},
    {"ExitTone", &ScanSettings::ExitTone, 28011, kFlag, Mend::Tick},
    {"PriorityCh1", &ScanSettings::PriorityCh1, 28003, {0, 129}},
    {"PriorityCh2", &ScanSettings::PriorityCh2, 28004, {0, 129}},
    {"WaitTime", &ScanSettings::WaitTime, 0, {4, 255}},
};

/// The revert channels each priority mode offers (entries of the full list).
Allowed RevertChannels(int priorityMode) {
    constexpr std::uint32_t kOffered[] = {
        Bit(0) | Bit(1) | Bit(4) | Bit(5), Bit(0) | Bit(1) | Bit(2) | Bit(4) | Bit(5) | Bit(6),
        Bit(0) | Bit(1) | Bit(3) | Bit(4) | Bit(5) | Bit(7), 0xFFU};
    const std::uint32_t offered = kOffered[priorityMode >= 0 && priorityMode <= 3 ? priorityMode : 0];
    return {0, 7, 1, ~offered & 0xFFU};
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

class Collector {
public:
    explicit Collector(std::vector<UnfitValue>& out) : out_(out) {}

    void Add(int channelNo, int labelId, std::string member, std::string value) {
        out_.push_back({channelNo, labelId, std::move(member), std::move(value)});
    }

    void AddSetting(int windowId, int labelId, std::string member, std::string value, Mend mend,
                    int number = 0, int partId = 0) {
        out_.push_back({0, labelId, std::move(member), std::move(value), windowId, mend, number,
                        partId});
    }

    template <class S, class T, std::size_t N>
    void CompareNumbers(std::string_view area, const Member<S, T> (&members)[N], const S& sent,
                        const S& back, int channelNo = 0) {
        for (const auto& m : members)
            if (sent.*m.field != back.*m.field)
                Add(channelNo, m.labelId, std::string(area) + m.name,
                    std::to_string(static_cast<int>(sent.*m.field)));
    }

    /// A radio-wide setting is named when the image would not give it back or
    /// when its window would never store it.
    template <class S, class T, std::size_t N>
    void CheckSettings(int windowId, std::string_view area, const Setting<S, T> (&settings)[N],
                       const S& sent, const S& back) {
        for (const auto& m : settings) {
            const int value = static_cast<int>(sent.*m.field);
            if (value != static_cast<int>(back.*m.field) || !Holds(m.allowed, value))
                AddSetting(windowId, m.labelId, std::string(area) + m.name,
                           std::to_string(value), m.mend, 0, m.partId);
        }
    }

    /// Blanks at the end of a shown text are never seen, and the radio pads its
    /// texts with them: they do not count.
    void CompareTexts(std::string member, const std::string& sent, const std::string& back,
                      int channelNo = 0, int labelId = 0) {
        if (WithoutTrailingBlanks(sent) != WithoutTrailingBlanks(back))
            Add(channelNo, labelId, std::move(member), sent);
    }

private:
    std::vector<UnfitValue>& out_;
};

std::string Shown(const std::string& value) {
    return value.empty() ? "\"\"" : value;
}

/// The ID digits the radio keeps: with DTMF signalling it sends three.
std::string SentIdCode(const std::string& id, bool threeDigits) {
    return threeDigits && id.size() > 3 ? id.substr(0, 3) : id;
}

void CompareChannel(Collector& c, const ChannelRecord& sent, const ChannelRecord* back,
                    bool threeDigitIds) {
    const int no = sent.ChannelNo;
    const std::string rx = TrimFix(sent.RxFreq);
    if (!back) {
        // The image had no place for the channel: its frequency is not one.
        c.Add(no, kRxFreqLabel, "RxFreq", Shown(rx));
        return;
    }
    if (StoredFreqUnits(sent.RxFreq.raw()) != StoredFreqUnits(back->RxFreq.raw()))
        c.Add(no, kRxFreqLabel, "RxFreq", Shown(rx));
    if (ShiftUnits(sent.TxShift.raw()) != ShiftUnits(back->TxShift.raw()) ||
        sent.TxShiftDir != back->TxShiftDir)
        c.Add(no, kTxFreqLabel, "TxShift",
              ShiftStoredToText(sent.TxShift.raw(), sent.TxShiftDir));
    c.CompareNumbers("", kChannelNumbers, sent, *back, no);
    if (no < kVfoChannelNo) {
        if ((sent.ScanSkip != 0) != (back->ScanSkip != 0))
            c.Add(no, 15014, "ScanSkip", std::to_string(sent.ScanSkip));
        c.CompareTexts("Name", TrimFix(sent.Name), TrimFix(back->Name), no, kNameLabel);
    }
    c.CompareTexts("IdCode", SentIdCode(TrimFix(sent.IdCode), threeDigitIds),
                   TrimFix(back->IdCode), no, kIdCodeLabel);
}

std::string CodeDigits(const DtmfCode& code) {
    const std::string digits = code.Digits.raw();
    return digits.substr(0, std::min<std::size_t>(digits.size(), code.Len < 0 ? 0 : code.Len));
}

bool IsDtmfSymbol(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || c == '*' || c == '#';
}

bool IsLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsPrintable(char c) {
    return c >= 32 && c <= 126;
}

template <class Pred> bool AllOf(std::string_view text, Pred pred) {
    return std::all_of(text.begin(), text.end(), pred);
}

/// An FM preset in use holds 8 digits (fewer are padded with 0 on the right)
/// of a frequency from 76 to 108 MHz on the 50 kHz grid, as its window stores it.
bool IsFmFrequency(const std::string& freq) {
    if (freq.size() > 8 || !image_detail::IsDecimalDigits(freq))
        return false;
    std::string digits = freq;
    digits.resize(8, '0');
    const auto value = static_cast<std::int64_t>(image_detail::DecimalValue(digits));
    constexpr std::int64_t kFmGrid10Hz = 5000;
    return value >= kFmLow10Hz && value <= kFmHigh10Hz && value % kFmGrid10Hz == 0;
}

void CheckCodes(Collector& c, const DtmfSettings& s, const DtmfSettings& b) {
    constexpr int kMemoriesLabel = 9096; // "DTMF memory %1"
    auto code = [&c](const std::string& name, int labelId, int number, const DtmfCode& sentCode,
                     const DtmfCode& backCode) {
        const std::string digits = CodeDigits(sentCode);
        const bool fits = sentCode.Len >= 0 && sentCode.Len <= 16 &&
                          digits.size() == static_cast<std::size_t>(sentCode.Len) &&
                          AllOf(digits, IsDtmfSymbol);
        if (!fits || sentCode.Len != backCode.Len || digits != CodeDigits(backCode))
            c.AddSetting(kDtmfWindow, labelId, name,
                         Shown(std::string(WithoutTrailingBlanks(digits))), Mend::Retype, number);
    };
    code("Dtmf.BotCode", 18016, 0, s.BotCode, b.BotCode);
    code("Dtmf.EotCode", 18017, 0, s.EotCode, b.EotCode);
    code("Dtmf.StunCode", 18018, 0, s.StunCode, b.StunCode);
    code("Dtmf.KillCode", 18019, 0, s.KillCode, b.KillCode);
    for (std::size_t i = 0; i < s.DialMemory.size(); ++i)
        code("Dtmf.DialMemory " + std::to_string(i + 1), kMemoriesLabel, static_cast<int>(i + 1),
             s.DialMemory[i], b.DialMemory[i]);
}

void CheckTexts(Collector& c, const RadioSettings& s, const RadioSettings& b) {
    // The power-on boxes take letters and digits; a blank box is a space.
    const std::string powerOn = TrimFix(s.Opt.PowerOnText);
    if (!AllOf(powerOn, [](char ch) { return IsLetterOrDigit(ch) || ch == ' '; }) ||
        WithoutTrailingBlanks(powerOn) != WithoutTrailingBlanks(TrimFix(b.Opt.PowerOnText)))
        c.AddSetting(kOptWindow, 16039, "Opt.PowerOnText", Shown(powerOn), Mend::Retype);

    constexpr int kLineLabel = 9185; // "Line %1"
    const FixedText<16>* sentLines[] = {&s.EmbMsg.Line1, &s.EmbMsg.Line2, &s.EmbMsg.Line3,
                                        &s.EmbMsg.Line4};
    const FixedText<16>* backLines[] = {&b.EmbMsg.Line1, &b.EmbMsg.Line2, &b.EmbMsg.Line3,
                                        &b.EmbMsg.Line4};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string line = TrimFix(*sentLines[i]);
        if (!AllOf(line, IsPrintable) ||
            WithoutTrailingBlanks(line) != WithoutTrailingBlanks(TrimFix(*backLines[i])))
            c.AddSetting(kMessageWindow, kLineLabel, "EmbMsg.Line" + std::to_string(i + 1),
                         Shown(line), Mend::Retype, static_cast<int>(i + 1));
    }
}

void CheckFmPresets(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    constexpr int kPresetLabel = 17001;
    for (std::size_t i = 0; i < sent.FmPresets.size(); ++i) {
        const FmPreset& p = sent.FmPresets[i];
        const FmPreset& q = back.FmPresets[i];
        const bool used = p.IsEmpty == 0;
        const std::string freq = TrimFix(p.Freq);
        if (used != (q.IsEmpty == 0) || (used && !IsFmFrequency(freq)))
            c.AddSetting(kFmWindow, kPresetLabel, "FmPresets " + std::to_string(i + 1),
                         Shown(freq), Mend::Retype, static_cast<int>(i + 1));
    }
}

void CompareSettings(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    const RadioSettings& s = sent.Settings;
    const RadioSettings& b = back.Settings;
    c.CheckSettings(kOptWindow, "Opt.", kOptions, s.Opt, b.Opt);
    if (sent.AlarmMode != back.AlarmMode || !Holds(kFlag, sent.AlarmMode))
        c.AddSetting(kAlertWindow, 27011, "AlarmMode", std::to_string(sent.AlarmMode),
                     Mend::Choose);
    c.CheckSettings(kDtmfWindow, "Dtmf.", kDtmf, s.Dtmf, b.Dtmf);
    CheckCodes(c, s.Dtmf, b.Dtmf);
    c.CheckSettings(kKeyWindow, "Keys.", kKeys, s.Keys, b.Keys);
    c.CheckSettings(kAlertWindow, "Alert.", kAlert, s.Alert, b.Alert);
    c.CheckSettings(kScanWindow, "Scan.", kScan, s.Scan, b.Scan);
    // The revert channels on offer depend on the priority mode.
    if (s.Scan.RevertCh != b.Scan.RevertCh ||
        !Holds(RevertChannels(s.Scan.PriorityMode), s.Scan.RevertCh))
        c.AddSetting(kScanWindow, 28005, "Scan.RevertCh", std::to_string(s.Scan.RevertCh),
                     Mend::Choose);
    CheckTexts(c, s, b);
    CheckFmPresets(c, sent, back);
}

std::string LabelOf(const TextCatalog& texts, const UnfitValue& v) {
    std::string label = v.labelId != 0 ? texts.GetLangText(v.labelId) : std::string();
    if (label.empty())
        return v.member;
    if (v.number > 0)
        label = label.find("%1") != std::string::npos
                    ? FillMarker(label, "%1", std::to_string(v.number))
                    : label + " " + std::to_string(v.number);
    if (v.partId != 0)
        label += ", " + texts.GetLangText(v.partId);
    return label;
}

/// The text with every `marker` replaced (the window is named twice).
std::string FillEvery(std::string text, std::string_view marker, const std::string& value) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size()))
        text.replace(at, marker.size(), value);
    return text;
}

std::string RefusedLine(const TextCatalog& texts, const UnfitValue& v) {
    // Texts 9181-9184: "%1, %2: %3", then how to mend it.
    std::string where;
    int textId = 9184;
    if (v.channelNo > 0) {
        where = v.channelNo == kVfoChannelNo
                    ? std::string("VFO")
                    : FillMarker(texts.GetLangText(9070), "%1", std::to_string(v.channelNo));
    } else {
        where = texts.GetLangText(v.windowId);
        textId = v.mend == Mend::Tick ? 9182 : v.mend == Mend::Retype ? 9183 : 9181;
    }
    std::string line = FillEvery(texts.GetLangText(textId), "%1", where);
    line = FillEvery(line, "%2", LabelOf(texts, v));
    return FillEvery(line, "%3", v.value);
}

} // namespace

std::vector<UnfitValue> FindValuesTheRadioCannotHold(const AppContext& app) {
    AppContext scratch = app;
    scratch.docState.Hooks = {}; // no window hears of the scratch document
    scratch.docState.Events = {};
    EncodeImage(scratch);
    DecodeImage(scratch);

    std::vector<UnfitValue> found;
    Collector c(found);
    const RadioDocument& sent = app.doc;
    const bool threeDigitIds = sent.Settings.Dtmf.DtmfSignalling == 1;
    const int count = std::min<int>(sent.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& entry = sent.Channels[static_cast<std::size_t>(i)];
        CompareChannel(c, entry, FindChannel(scratch.doc, entry.ChannelNo), threeDigitIds);
    }
    CompareSettings(c, sent, scratch.doc);
    return found;
}

std::string RefusedWriteMessage(const TextCatalog& texts, const std::vector<UnfitValue>& values,
                                std::size_t maxLines) {
    std::string message = texts.GetLangText(9069);
    for (std::size_t i = 0; i < values.size() && i < maxLines; ++i)
        message += "\r\n" + RefusedLine(texts, values[i]);
    if (values.size() > maxLines)
        message += "\r\n" + FillMarker(texts.GetLangText(9071), "%1",
                                       std::to_string(values.size() - maxLines));
    return message;
}

} // namespace pmr
