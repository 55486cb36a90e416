#include "image/RadioFit.h"

#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/TrimFix.h"
#include "image/ImageCodec.h"

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

// Radio-wide members the image holds (the document-only ones are left out).
constexpr Member<OptFeatures, Integer> kOptions[] = {
    {"FreqStep", &OptFeatures::FreqStep},         {"SqlLevel", &OptFeatures::SqlLevel},
    {"DisplayMode", &OptFeatures::DisplayMode},   {"ScreenColor", &OptFeatures::ScreenColor},
    {"Backlight", &OptFeatures::Backlight},       {"BatterySave", &OptFeatures::BatterySave},
    {"TailElimMode", &OptFeatures::TailElimMode}, {"VoicePrompt", &OptFeatures::VoicePrompt},
    {"KeyBeep", &OptFeatures::KeyBeep},           {"PromptVolume", &OptFeatures::PromptVolume},
    {"VoxTone", &OptFeatures::VoxTone},           {"PowerOnDisplay", &OptFeatures::PowerOnDisplay},
    {"NoSigTailElim", &OptFeatures::NoSigTailElim}, {"WorkMode", &OptFeatures::WorkMode},
    {"FmWorkMode", &OptFeatures::FmWorkMode},     {"FmRadio", &OptFeatures::FmRadio},
    {"ScramblerFreq", &OptFeatures::ScramblerFreq}, {"CurrentCh", &OptFeatures::CurrentCh},
    {"FmCurrentCh", &OptFeatures::FmCurrentCh},   {"Tot", &OptFeatures::Tot},
    {"ScanPause", &OptFeatures::ScanPause},       {"TotPreAlert", &OptFeatures::TotPreAlert},
    {"TotRekey", &OptFeatures::TotRekey},         {"TotReset", &OptFeatures::TotReset},
    {"Vox", &OptFeatures::Vox},                   {"VoxLevel", &OptFeatures::VoxLevel},
    {"VoxDelay", &OptFeatures::VoxDelay},         {"NoInit", &OptFeatures::NoInit},
    {"ChannelLock", &OptFeatures::ChannelLock},   {"DirectCh1", &OptFeatures::DirectCh1},
    {"DirectCh2", &OptFeatures::DirectCh2},
};
constexpr Member<DtmfSettings, Integer> kDtmf[] = {
    {"DtmfRate", &DtmfSettings::DtmfRate},           {"FirstDigitTime", &DtmfSettings::FirstDigitTime},
    {"FirstDigitDelay", &DtmfSettings::FirstDigitDelay}, {"StarHashTime", &DtmfSettings::StarHashTime},
    {"DKey", &DtmfSettings::DKey},                   {"SideTone", &DtmfSettings::SideTone},
    {"DtmfSignalling", &DtmfSettings::DtmfSignalling}, {"CallPrompt", &DtmfSettings::CallPrompt},
    {"MiddleCode", &DtmfSettings::MiddleCode},       {"GroupCode", &DtmfSettings::GroupCode},
    {"AutoResetTime", &DtmfSettings::AutoResetTime},
};
constexpr Member<KeySettings, Integer> kKeys[] = {
    {"LongPressTime", &KeySettings::LongPressTime}, {"Pf1Long", &KeySettings::Pf1Long},
    {"Pf1Short", &KeySettings::Pf1Short},           {"Pf2Long", &KeySettings::Pf2Long},
    {"Pf2Short", &KeySettings::Pf2Short},           {"Key3Long", &KeySettings::Key3Long},
    {"Key4Long", &KeySettings::Key4Long},           {"Key5Long", &KeySettings::Key5Long},
    {"Key6Long", &KeySettings::Key6Long},           {"Key3Short", &KeySettings::Key3Short},
    {"Key4Short", &KeySettings::Key4Short},         {"Key5Short", &KeySettings::Key5Short},
    {"Key6Short", &KeySettings::Key6Short},
};
constexpr Member<AlertSettings, Byte> kAlert[] = {
    {"Type", &AlertSettings::Type},           {"IdType", &AlertSettings::IdType},
    {"IdMemory", &AlertSettings::IdMemory},   {"AlarmTime", &AlertSettings::AlarmTime},
    {"TxTime", &AlertSettings::TxTime},       {"RxTime", &AlertSettings::RxTime},
    {"ChannelSel", &AlertSettings::ChannelSel}, {"EmergencyCh", &AlertSettings::EmergencyCh},
    {"Cycles", &AlertSettings::Cycles},
};
constexpr Member<ScanSettings, Byte> kScan[] = {
    {"Mode", &ScanSettings::Mode},                   {"PriorityMode", &ScanSettings::PriorityMode},
    {"RevertCh", &ScanSettings::RevertCh},           {"LookBackA", &ScanSettings::LookBackA},
    {"LookBackB", &ScanSettings::LookBackB},         {"RxResumeDelay", &ScanSettings::RxResumeDelay},
    {"TxResumeDelay", &ScanSettings::TxResumeDelay}, {"EntryTone", &ScanSettings::EntryTone},
    {"ExitTone", &ScanSettings::ExitTone},           {"PriorityCh1", &ScanSettings::PriorityCh1},
    {"PriorityCh2", &ScanSettings::PriorityCh2},     {"WaitTime", &ScanSettings::WaitTime},
};

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

    template <class S, class T, std::size_t N>
    void CompareNumbers(std::string_view area, const Member<S, T> (&members)[N], const S& sent,
                        const S& back, int channelNo = 0) {
        for (const auto& m : members)
            if (sent.*m.field != back.*m.field)
                Add(channelNo, m.labelId, std::string(area) + m.name,
                    std::to_string(static_cast<int>(sent.*m.field)));
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

void CompareSettings(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    const RadioSettings& s = sent.Settings;
    const RadioSettings& b = back.Settings;
    c.CompareNumbers("Opt.", kOptions, s.Opt, b.Opt);
    c.CompareTexts("Opt.PowerOnText", TrimFix(s.Opt.PowerOnText), TrimFix(b.Opt.PowerOnText));
    if (sent.AlarmMode != back.AlarmMode)
        c.Add(0, 0, "AlarmMode", std::to_string(sent.AlarmMode));
    c.CompareNumbers("Dtmf.", kDtmf, s.Dtmf, b.Dtmf);
    auto code = [&c](const std::string& name, const DtmfCode& sentCode, const DtmfCode& backCode) {
        if (sentCode.Len != backCode.Len || CodeDigits(sentCode) != CodeDigits(backCode))
            c.Add(0, 0, name, std::to_string(sentCode.Len) + " " + CodeDigits(sentCode));
    };
    code("Dtmf.BotCode", s.Dtmf.BotCode, b.Dtmf.BotCode);
    code("Dtmf.EotCode", s.Dtmf.EotCode, b.Dtmf.EotCode);
    code("Dtmf.StunCode", s.Dtmf.StunCode, b.Dtmf.StunCode);
    code("Dtmf.KillCode", s.Dtmf.KillCode, b.Dtmf.KillCode);
    for (std::size_t i = 0; i < s.Dtmf.DialMemory.size(); ++i)
        code("Dtmf.DialMemory " + std::to_string(i + 1), s.Dtmf.DialMemory[i],
             b.Dtmf.DialMemory[i]);
    c.CompareNumbers("Keys.", kKeys, s.Keys, b.Keys);
    c.CompareNumbers("Alert.", kAlert, s.Alert, b.Alert);
    c.CompareNumbers("Scan.", kScan, s.Scan, b.Scan);
    const FixedText<16>* sentLines[] = {&s.EmbMsg.Line1, &s.EmbMsg.Line2, &s.EmbMsg.Line3,
                                        &s.EmbMsg.Line4};
    const FixedText<16>* backLines[] = {&b.EmbMsg.Line1, &b.EmbMsg.Line2, &b.EmbMsg.Line3,
                                        &b.EmbMsg.Line4};
    for (std::size_t i = 0; i < 4; ++i)
        c.CompareTexts("EmbMsg.Line" + std::to_string(i + 1), TrimFix(*sentLines[i]),
                       TrimFix(*backLines[i]));
    for (std::size_t i = 0; i < sent.FmPresets.size(); ++i) {
        const FmPreset& p = sent.FmPresets[i];
        const FmPreset& q = back.FmPresets[i];
        const bool used = p.IsEmpty == 0;
        if (used != (q.IsEmpty == 0) ||
            (used && StoredFreqUnits(p.Freq.raw()) != StoredFreqUnits(q.Freq.raw())))
            c.Add(0, 0, "FmPresets " + std::to_string(i + 1), Shown(TrimFix(p.Freq)));
    }
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
    for (std::size_t i = 0; i < values.size() && i < maxLines; ++i) {
        const UnfitValue& v = values[i];
        message += "\r\n";
        if (v.channelNo == kVfoChannelNo)
            message += "VFO, ";
        else if (v.channelNo > 0)
            message += FillMarker(texts.GetLangText(9070), "%1", std::to_string(v.channelNo)) + ", ";
        const std::string label = v.labelId != 0 ? texts.GetLangText(v.labelId) : std::string();
        message += (label.empty() ? v.member : label) + ": " + v.value;
    }
    if (values.size() > maxLines)
        message += "\r\n" + FillMarker(texts.GetLangText(9071), "%1",
                                       std::to_string(values.size() - maxLines));
    return message;
}

} // namespace pmr
