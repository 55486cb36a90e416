#include "image/RadioFit.h"

#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/MemberCaption.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"
#include "image/CodecText.h"
#include "image/ImageCodec.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace pmr {
namespace {

constexpr std::uint32_t Bit(int v) {
    return std::uint32_t{1} << v;
}

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

    void Add(int channelNo, const MemberName& name, std::string value) {
        out_.push_back({channelNo, name.labelId, name.key, std::move(value)});
    }

    void AddSetting(const SettingMember& m, std::string value) {
        out_.push_back({0, m.name.labelId, m.name.key, std::move(value), m.name.windowId, m.mend,
                        m.name.number, m.name.partId});
    }

    /// Blanks at the end of a shown text are never seen, and the radio pads its
    /// texts with them: they do not count.
    void CompareTexts(int channelNo, const MemberName& name, const std::string& sent,
                      const std::string& back) {
        if (WithoutTrailingBlanks(sent) != WithoutTrailingBlanks(back))
            Add(channelNo, name, sent);
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
    const MemberName& rxName = ChannelMemberNamed("RxFreq").name;
    if (!back) {
        // The image had no place for the channel: its frequency is not one.
        c.Add(no, rxName, Shown(rx));
        return;
    }
    for (const ChannelMember& m : ChannelMembers()) {
        const std::string& key = m.name.key;
        if (key == "RxFreq") {
            if (StoredFreqUnits(sent.RxFreq.raw()) != StoredFreqUnits(back->RxFreq.raw()))
                c.Add(no, m.name, Shown(rx));
        } else if (key == "TxShift") {
            if (ShiftUnits(sent.TxShift.raw()) != ShiftUnits(back->TxShift.raw()) ||
                sent.TxShiftDir != back->TxShiftDir)
                c.Add(no, m.name, ShiftStoredToText(sent.TxShift.raw(), sent.TxShiftDir));
        } else if (key == "IdCode") {
            c.CompareTexts(no, m.name, SentIdCode(TrimFix(sent.IdCode), threeDigitIds),
                           TrimFix(back->IdCode));
        } else if (no == kVfoChannelNo) {
            // The VFO record has no name and no scan skip flag.
        } else if (key == "Name") {
            c.CompareTexts(no, m.name, TrimFix(sent.Name), TrimFix(back->Name));
        } else if (key == "ScanSkip") {
            // The radio keeps the flag as one bit.
            if ((sent.ScanSkip != 0) != (back->ScanSkip != 0))
                c.Add(no, m.name, std::to_string(sent.ScanSkip));
        }
        if (m.field && m.checked && sent.*m.field != back->*m.field)
            c.Add(no, m.name, std::to_string(sent.*m.field));
    }
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
    auto code = [&c](const std::string& key, const DtmfCode& sentCode, const DtmfCode& backCode) {
        const std::string digits = CodeDigits(sentCode);
        const bool fits = sentCode.Len >= 0 && sentCode.Len <= 16 &&
                          digits.size() == static_cast<std::size_t>(sentCode.Len) &&
                          AllOf(digits, IsDtmfSymbol);
        if (!fits || sentCode.Len != backCode.Len || digits != CodeDigits(backCode))
            c.AddSetting(SettingMemberNamed(key),
                         Shown(std::string(WithoutTrailingBlanks(digits))));
    };
    code("Dtmf.BotCode", s.BotCode, b.BotCode);
    code("Dtmf.EotCode", s.EotCode, b.EotCode);
    code("Dtmf.StunCode", s.StunCode, b.StunCode);
    code("Dtmf.KillCode", s.KillCode, b.KillCode);
    for (std::size_t i = 0; i < s.DialMemory.size(); ++i)
        code("Dtmf.DialMemory " + std::to_string(i + 1), s.DialMemory[i], b.DialMemory[i]);
}

void CheckTexts(Collector& c, const RadioSettings& s, const RadioSettings& b) {
    // The power-on boxes take letters and digits; a blank box is a space.
    const std::string powerOn = TrimFix(s.Opt.PowerOnText);
    if (!AllOf(powerOn, [](char ch) { return IsLetterOrDigit(ch) || ch == ' '; }) ||
        WithoutTrailingBlanks(powerOn) != WithoutTrailingBlanks(TrimFix(b.Opt.PowerOnText)))
        c.AddSetting(SettingMemberNamed("Opt.PowerOnText"), Shown(powerOn));

    const FixedText<16>* sentLines[] = {&s.EmbMsg.Line1, &s.EmbMsg.Line2, &s.EmbMsg.Line3,
                                        &s.EmbMsg.Line4};
    const FixedText<16>* backLines[] = {&b.EmbMsg.Line1, &b.EmbMsg.Line2, &b.EmbMsg.Line3,
                                        &b.EmbMsg.Line4};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string line = TrimFix(*sentLines[i]);
        if (!AllOf(line, IsPrintable) ||
            WithoutTrailingBlanks(line) != WithoutTrailingBlanks(TrimFix(*backLines[i])))
            c.AddSetting(SettingMemberNamed("EmbMsg.Line" + std::to_string(i + 1)), Shown(line));
    }
}

void CheckFmPresets(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    for (std::size_t i = 0; i < sent.FmPresets.size(); ++i) {
        const FmPreset& p = sent.FmPresets[i];
        const FmPreset& q = back.FmPresets[i];
        const bool used = p.IsEmpty == 0;
        const std::string freq = TrimFix(p.Freq);
        if (used != (q.IsEmpty == 0) || (used && !IsFmFrequency(freq)))
            c.AddSetting(SettingMemberNamed("FmPresets " + std::to_string(i + 1)), Shown(freq));
    }
}

/// A radio-wide number is named when the image would not give it back or
/// when its window would never store it.
void CheckNumbers(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    for (const SettingMember& m : SettingMembers()) {
        if (!m.get || !m.checked)
            continue;
        const int value = m.get(sent);
        if (value != m.get(back) || !Holds(m.allowed, value))
            c.AddSetting(m, std::to_string(value));
    }
    // The revert channels on offer depend on the priority mode.
    const ScanSettings& s = sent.Settings.Scan;
    if (s.RevertCh != back.Settings.Scan.RevertCh ||
        !Holds(RevertChannels(s.PriorityMode), s.RevertCh))
        c.AddSetting(SettingMemberNamed("Scan.RevertCh"), std::to_string(s.RevertCh));
}

void CompareSettings(Collector& c, const RadioDocument& sent, const RadioDocument& back) {
    CheckNumbers(c, sent, back);
    CheckCodes(c, sent.Settings.Dtmf, back.Settings.Dtmf);
    CheckTexts(c, sent.Settings, back.Settings);
    CheckFmPresets(c, sent, back);
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
    const MemberName name{v.member, v.windowId, v.labelId, v.number, v.partId};
    int textId = 9184;
    if (v.channelNo == 0)
        textId = v.mend == Mend::Tick ? 9182 : v.mend == Mend::Retype ? 9183 : 9181;
    std::string line =
        FillEvery(texts.GetLangText(textId), "%1", MemberPlace(texts, v.channelNo, name));
    line = FillEvery(line, "%2", MemberCaption(texts, name));
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
