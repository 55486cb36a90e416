#include "document/DocumentMembers.h"

#include "app/TextCatalog.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/Latin1Text.h"
#include "document/SettingsTexts.h"
#include "document/TrimFix.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>

namespace pmr {

bool Holds(const Allowed& a, int v) {
    return v >= a.low && v <= a.high && (v - a.low) % a.step == 0 &&
           !(v >= 0 && v < 32 && ((a.except >> v) & 1U) != 0);
}

namespace {

constexpr std::uint32_t Bit(int v) {
    return std::uint32_t{1} << v;
}

constexpr Allowed kFlag{0, 1};
constexpr Allowed kAnyByte{0, 255};

// Window captions of the radio-wide settings.
constexpr int kOptWindow = 12002;
constexpr int kFmWindow = 12003;
constexpr int kDtmfWindow = 12004;
constexpr int kMessageWindow = 12006;
constexpr int kAlertWindow = 27000;
constexpr int kScanWindow = 28000;
constexpr int kKeyWindow = 29000;

// Entry texts shared by several lists.
constexpr int kOptOff = 16046;
constexpr int kOptOn = 16047;
constexpr int kChannelOff = 15030;

NumberShape Entries(std::initializer_list<int> ids) {
    NumberShape s;
    std::copy(ids.begin(), ids.end(), s.texts.begin());
    return s;
}

NumberShape Shape(ShownAs as) {
    NumberShape s;
    s.as = as;
    return s;
}

NumberShape Tenths() {
    NumberShape s;
    s.tenths = true;
    return s;
}

NumberShape Scaled(int times, std::string_view suffix = {}) {
    NumberShape s;
    s.times = times;
    s.suffix = suffix;
    return s;
}

// ---- channel members ----

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string RxShown(const ChannelRecord& c) {
    if (IsStoredFreqEmpty(c.RxFreq.raw()))
        return {};
    if (const auto units = StoredFreqUnits(c.RxFreq.raw()))
        return FormatUnits(*units, 5);
    return Latin1ToUtf8(TrimFix(c.RxFreq)); // the stored text, as it is
}

ChannelMember Number(const char* key, int labelId, Integer ChannelRecord::*field, NumberShape shape,
                     bool checked = true) {
    ChannelMember m;
    m.name = {key, 0, labelId};
    m.shape = shape;
    m.field = field;
    m.checked = checked;
    return m;
}

std::vector<ChannelMember> MakeChannelMembers() {
    std::vector<ChannelMember> t;
    ChannelMember rx;
    rx.name = {"RxFreq", 0, 15002};
    rx.text = RxShown;
    rx.take = [](ChannelRecord& to, const ChannelRecord& from) {
        to.RxFreq = from.RxFreq;
        to.RxStep625 = from.RxStep625;
    };
    t.push_back(rx);
    // The offset as the grid's offset column shows it: the transmit frequency
    // follows from it and the receive frequency.
    ChannelMember tx;
    tx.name = {"TxShift", 0, 15100};
    tx.text = [](const ChannelRecord& c) {
        return ShiftStoredToText(c.TxShift.raw(), c.TxShiftDir);
    };
    tx.take = [](ChannelRecord& to, const ChannelRecord& from) {
        to.TxShift = from.TxShift;
        to.TxShiftDir = from.TxShiftDir;
        to.TxStep625 = from.TxStep625;
    };
    t.push_back(tx);
    ChannelMember name;
    name.name = {"Name", 0, 15004};
    name.text = [](const ChannelRecord& c) {
        return Latin1ToUtf8(WithoutTrailingBlanks(TrimFix(c.Name)));
    };
    name.take = [](ChannelRecord& to, const ChannelRecord& from) { to.Name = from.Name; };
    t.push_back(name);

    t.push_back(Number("RxTone", 15005, &ChannelRecord::RxTone, Shape(ShownAs::Tone)));
    t.push_back(Number("TxTone", 15006, &ChannelRecord::TxTone, Shape(ShownAs::Tone)));
    t.push_back(Number("TxPower", 15007, &ChannelRecord::TxPower, Entries({15044})));
    t.push_back(
        Number("OptSignal", 15008, &ChannelRecord::OptSignal, Entries({kChannelOff, 15043})));
    t.push_back(
        Number("PttId", 15009, &ChannelRecord::PttId, Entries({kChannelOff, 15037, 15038, 15039})));
    t.push_back(Number("ChSpacing", 15010, &ChannelRecord::ChSpacing, Entries({15042})));
    t.push_back(Number("BusyLock", 15011, &ChannelRecord::BusyLock,
                       Entries({kChannelOff, 15031, 15032, 15033})));
    // Kept in the document only: the radio has no place for it.
    t.push_back(
        Number("RevTalkMode", 15012, &ChannelRecord::RevTalkMode, Entries({15034, 15035}), false));
    t.push_back(Number("AutoDialMem", 15013, &ChannelRecord::AutoDialMem, Entries({14013})));
    t.push_back(
        Number("SignalRelation", 15022, &ChannelRecord::SignalRelation, Entries({15050, 15051})));
    // Compared as a flag by the write check: the radio keeps one bit.
    t.push_back(Number("ScanSkip", 15014, &ChannelRecord::ScanSkip, Shape(ShownAs::Flag), false));
    t.push_back(Number("Scramble", 15015, &ChannelRecord::Scramble, Shape(ShownAs::Flag)));
    t.push_back(Number("TxInhibit", 15016, &ChannelRecord::TxInhibit, Shape(ShownAs::Flag)));
    t.push_back(
        Number("Talkaround", 15017, &ChannelRecord::Talkaround, Shape(ShownAs::Flag), false));
    t.push_back(Number("Reverse", 15018, &ChannelRecord::Reverse, Shape(ShownAs::Flag), false));
    t.push_back(Number("Whisper", 15019, &ChannelRecord::Whisper, Shape(ShownAs::Flag)));
    t.push_back(Number("Compander", 15020, &ChannelRecord::Compander, Shape(ShownAs::Flag)));

    ChannelMember id;
    id.name = {"IdCode", 0, 15021};
    id.text = [](const ChannelRecord& c) {
        return Latin1ToUtf8(WithoutTrailingBlanks(TrimFix(c.IdCode)));
    };
    id.take = [](ChannelRecord& to, const ChannelRecord& from) {
        to.IdCode = from.IdCode;
        to.IdCodeMaxLen = from.IdCodeMaxLen;
    };
    t.push_back(id);
    return t;
}

// ---- radio-wide members ----

template <class S, class T>
SettingMember Setting(std::string key, int windowId, int labelId, S RadioSettings::*area,
                      T S::*field, NumberShape shape) {
    SettingMember m;
    m.name = {std::move(key), windowId, labelId};
    m.shape = shape;
    m.get = [area, field](const RadioDocument& d) {
        return static_cast<int>(d.Settings.*area.*field);
    };
    m.set = [area, field](RadioDocument& d, int v) { d.Settings.*area.*field = static_cast<T>(v); };
    m.take = [area, field](RadioDocument& to, const RadioDocument& from) {
        to.Settings.*area.*field = from.Settings.*area.*field;
    };
    return m;
}

/// The member as the write check compares it: through the image, and with the
/// values its window stores.
SettingMember Checked(SettingMember m, Allowed allowed, Mend mend = Mend::Choose, int partId = 0) {
    m.checked = true;
    m.allowed = allowed;
    m.mend = mend;
    m.name.partId = partId;
    return m;
}

SettingMember Flag(SettingMember m) {
    return Checked(std::move(m), kFlag, Mend::Tick);
}

std::string DtmfShown(const DtmfCode& code) {
    return Latin1ToUtf8(WithoutTrailingBlanks(DtmfCodeShown(code)));
}

SettingMember TextSetting(std::string key, int windowId, int labelId, int number,
                          std::function<std::string(const RadioDocument&)> text,
                          std::function<void(RadioDocument&, const RadioDocument&)> take) {
    SettingMember m;
    m.name = {std::move(key), windowId, labelId, number};
    m.mend = Mend::Retype;
    m.text = std::move(text);
    m.take = std::move(take);
    return m;
}

SettingMember Code(const char* key, int labelId, int number, DtmfCode DtmfSettings::*code) {
    return TextSetting(
        key, kDtmfWindow, labelId, number,
        [code](const RadioDocument& d) { return DtmfShown(d.Settings.Dtmf.*code); },
        [code](RadioDocument& to, const RadioDocument& from) {
            to.Settings.Dtmf.*code = from.Settings.Dtmf.*code;
        });
}

std::string FmPresetShown(const FmPreset& p) {
    if (p.IsEmpty != 0)
        return {};
    const std::string freq = TrimFix(p.Freq);
    if (freq.empty() || freq.size() > 8 ||
        !std::all_of(freq.begin(), freq.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Latin1ToUtf8(freq);
    std::string digits = freq;
    digits.resize(8, '0'); // the window pads fewer digits with 0 on the right
    return FormatUnits(std::stoll(digits), 5);
}

std::string PriorityModeShown(const TextCatalog& texts, int value) {
    const std::string p = texts.GetLangText(28002);
    switch (value) {
    case 0:
        return texts.GetLangText(28030);
    case 1:
        return p + "1";
    case 2:
        return p + "2";
    case 3:
        return p + "1 + " + p + "2";
    default:
        return std::to_string(value);
    }
}

std::string RevertShown(const TextCatalog& texts, int value) {
    const std::string p = texts.GetLangText(28002);
    const std::string talkback = " + " + texts.GetLangText(28033);
    const std::string selected = texts.GetLangText(28032);
    switch (value) {
    case 0:
        return selected;
    case 1:
        return selected + talkback;
    case 2:
        return p + "1";
    case 3:
        return p + "2";
    case 4:
        return texts.GetLangText(28034);
    case 5:
        return texts.GetLangText(28035);
    case 6:
        return p + "1" + talkback;
    case 7:
        return p + "2" + talkback;
    default:
        return std::to_string(value);
    }
}

constexpr std::string_view kFreqSteps[] = {"5K",  "6.25K", "10K", "12.5K", "15K",
                                           "20K", "25K",   "30K", "50K"};
constexpr std::string_view kMiddleCodes[] = {"0", "1", "2", "3", "4", "5", "6", "7",
                                             "8", "9", "A", "B", "C", "D", "*", "#"};
constexpr std::string_view kGroupCodes[] = {"", "A", "B", "C", "D", "*", "#"};

void AddOptions(std::vector<SettingMember>& t) {
    using O = OptFeatures;
    const auto opt = &RadioSettings::Opt;
    auto add = [&](const char* name, Integer O::*field, int labelId, NumberShape shape) {
        return Setting(std::string("Opt.") + name, kOptWindow, labelId, opt, field, shape);
    };
    NumberShape steps;
    steps.symbols = kFreqSteps;
    NumberShape offOrNumber = Entries({kOptOff});
    NumberShape promptVolume;
    promptVolume.add = 1;
    NumberShape voxDelay = Tenths();
    voxDelay.add = 1;
    voxDelay.times = 5;
    const NumberShape onOff = Entries({kOptOff, kOptOn});
    t.push_back(Checked(add("FreqStep", &O::FreqStep, 16001, steps), {0, 8}));
    t.push_back(Checked(add("SqlLevel", &O::SqlLevel, 16002, {}), {0, 9}));
    t.push_back(Checked(add("DisplayMode", &O::DisplayMode, 16004, Entries({16040, 16041, 16042})),
                        {0, 2}));
    t.push_back(Checked(add("ScreenColor", &O::ScreenColor, 16005, Entries({16043, 16044, 16045})),
                        {0, 2}));
    t.push_back(
        Checked(add("Backlight", &O::Backlight, 16006, Entries({kOptOff, kOptOn, 16048})), {0, 2}));
    t.push_back(
        Checked(add("BatterySave", &O::BatterySave, 16007, Entries({kOptOff, 16049, 16050, 16051})),
                {0, 3}));
    t.push_back(
        Checked(add("TailElimMode", &O::TailElimMode, 16009, Entries({16300, 16301, 16054, 16055})),
                {0, 3}));
    t.push_back(
        Checked(add("VoicePrompt", &O::VoicePrompt, 16010, Entries({16056, 0, 16058})), {0, 2, 2}));
    t.push_back(Checked(add("KeyBeep", &O::KeyBeep, 16011, onOff), kFlag));
    t.push_back(Checked(add("PromptVolume", &O::PromptVolume, 16012, promptVolume), {0, 4}));
    t.push_back(Flag(add("VoxTone", &O::VoxTone, 16030, Shape(ShownAs::Flag))));
    t.push_back(Checked(
        add("PowerOnDisplay", &O::PowerOnDisplay, 16013, Entries({16059, 16060, 16061})), {0, 2}));
    t.push_back(Flag(add("NoSigTailElim", &O::NoSigTailElim, 16034, Shape(ShownAs::Flag))));
    t.push_back(Checked(add("WorkMode", &O::WorkMode, 16014, Entries({16062, 16063})), kFlag));
    // Members the window keeps without showing them have no caption.
    t.push_back(Checked(add("FmWorkMode", &O::FmWorkMode, 0, Entries({16064, 16065})), kFlag));
    t.push_back(Checked(add("FmRadio", &O::FmRadio, 16035, onOff), kFlag));
    t.push_back(Checked(
        add("ScramblerFreq", &O::ScramblerFreq, 16017, Entries({16069, 16070, 16071, 16072})),
        {0, 3}));
    // A channel or preset reference may be 0: a radio without channels or
    // presets in use holds it, and its window keeps it while its list is empty.
    t.push_back(Checked(add("CurrentCh", &O::CurrentCh, 16018, {}), {0, 128}));
    t.push_back(Checked(add("FmCurrentCh", &O::FmCurrentCh, 16019, {}), {0, 20}));
    t.push_back(Checked(add("Tot", &O::Tot, 16020, offOrNumber), {0, 240, 15}));
    t.push_back(
        Checked(add("ScanPause", &O::ScanPause, 0, Entries({16073, 16074, 16075})), {0, 2}));
    t.push_back(Checked(add("TotPreAlert", &O::TotPreAlert, 16022, offOrNumber), {0, 15}));
    t.push_back(Checked(add("TotRekey", &O::TotRekey, 16023, {}), {0, 60}));
    t.push_back(Checked(add("TotReset", &O::TotReset, 16024, {}), {0, 30}));
    t.push_back(Checked(add("Vox", &O::Vox, 0, Shape(ShownAs::Flag)), kFlag));
    t.push_back(Checked(add("VoxLevel", &O::VoxLevel, 16025, offOrNumber), {0, 3}));
    t.push_back(Checked(add("VoxDelay", &O::VoxDelay, 16026, voxDelay), {0, 9}));
    t.push_back(Flag(add("NoInit", &O::NoInit, 16036, Shape(ShownAs::Flag))));
    t.push_back(Checked(add("ChannelLock", &O::ChannelLock, 0, Entries({16200, 16201})), kFlag));
    t.push_back(Checked(add("DirectCh1", &O::DirectCh1, 16501, {}), {0, 128}));
    t.push_back(Checked(add("DirectCh2", &O::DirectCh2, 16502, {}), {0, 128}));
    t.push_back(Checked(add("Spare", &O::Spare, 0, Shape(ShownAs::Flag)), kFlag));
    t.push_back(add("ScanMode", &O::ScanMode, 0, Entries({16066, 16067, 16068})));
    t.push_back(add("WiredClone", &O::WiredClone, 0, Shape(ShownAs::Flag)));
    t.push_back(add("FactoryTest", &O::FactoryTest, 0, Shape(ShownAs::Flag)));
    t.push_back(add("Whisper", &O::Whisper, 0, Shape(ShownAs::Flag)));
    t.push_back(add("Alarm", &O::Alarm, 0, Shape(ShownAs::Flag)));
    // The power-on boxes show the text without the blanks at its end.
    t.push_back(TextSetting(
        "Opt.PowerOnText", kOptWindow, 16039, 0,
        [](const RadioDocument& d) {
            return Latin1ToUtf8(
                WithoutTrailingBlanks(PowerOnTextShown(d.Settings.Opt.PowerOnText)));
        },
        [](RadioDocument& to, const RadioDocument& from) {
            to.Settings.Opt.PowerOnText = from.Settings.Opt.PowerOnText;
        }));
}

void AddFmPresets(std::vector<SettingMember>& t) {
    for (int i = 0; i < 20; ++i) {
        const auto at = static_cast<std::size_t>(i);
        t.push_back(TextSetting(
            "FmPresets " + std::to_string(i + 1), kFmWindow, 17001, i + 1,
            [at](const RadioDocument& d) { return FmPresetShown(d.FmPresets[at]); },
            [at](RadioDocument& to, const RadioDocument& from) {
                to.FmPresets[at] = from.FmPresets[at];
            }));
    }
}

void AddDtmf(std::vector<SettingMember>& t) {
    using D = DtmfSettings;
    const auto dtmf = &RadioSettings::Dtmf;
    auto add = [&](const char* name, Integer D::*field, int labelId, NumberShape shape) {
        return Setting(std::string("Dtmf.") + name, kDtmfWindow, labelId, dtmf, field, shape);
    };
    NumberShape dKey = Entries({18040});
    dKey.suffix = "s";
    NumberShape groupCodes = Entries({18043});
    groupCodes.symbols = kGroupCodes;
    NumberShape middle;
    middle.symbols = kMiddleCodes;
    NumberShape autoReset = Entries({18043});
    autoReset.suffix = "s";
    // The timing lists show milliseconds, stored in units of 50 ms.
    t.push_back(Checked(add("DtmfRate", &D::DtmfRate, 18005, Scaled(50)), {0, 10}));
    t.push_back(Checked(add("FirstDigitTime", &D::FirstDigitTime, 18006, Scaled(50)), {0, 20, 2}));
    t.push_back(
        Checked(add("FirstDigitDelay", &D::FirstDigitDelay, 18007, Scaled(50)), {0, 50, 2}));
    t.push_back(
        Checked(add("StarHashTime", &D::StarHashTime, 18008, Scaled(50)),
                {0, 20, 2, Bit(4) | Bit(6) | Bit(8) | Bit(12) | Bit(14) | Bit(16) | Bit(18)}));
    t.push_back(Checked(add("DKey", &D::DKey, 18009, dKey), {0, 16}));
    t.push_back(Flag(add("SideTone", &D::SideTone, 18030, Shape(ShownAs::Flag))));
    t.push_back(
        Checked(add("DtmfSignalling", &D::DtmfSignalling, 18010, Entries({18041, 18042})), kFlag));
    t.push_back(
        Checked(add("CallPrompt", &D::CallPrompt, 18011, Entries({18043, 18044, 18045})), {0, 2}));
    t.push_back(Checked(add("MiddleCode", &D::MiddleCode, 18013, middle), {0, 15}));
    t.push_back(Checked(add("GroupCode", &D::GroupCode, 18014, groupCodes), {0, 6}));
    t.push_back(Checked(add("AutoResetTime", &D::AutoResetTime, 18015, autoReset), {0, 15}));
    t.push_back(Code("Dtmf.BotCode", 18016, 0, &D::BotCode));
    t.push_back(Code("Dtmf.EotCode", 18017, 0, &D::EotCode));
    t.push_back(Code("Dtmf.StunCode", 18018, 0, &D::StunCode));
    t.push_back(Code("Dtmf.KillCode", 18019, 0, &D::KillCode));
    constexpr int kMemoryLabel = 9096; // "DTMF memory %1"
    for (int i = 0; i < 16; ++i) {
        const auto at = static_cast<std::size_t>(i);
        t.push_back(TextSetting(
            "Dtmf.DialMemory " + std::to_string(i + 1), kDtmfWindow, kMemoryLabel, i + 1,
            [at](const RadioDocument& d) { return DtmfShown(d.Settings.Dtmf.DialMemory[at]); },
            [at](RadioDocument& to, const RadioDocument& from) {
                to.Settings.Dtmf.DialMemory[at] = from.Settings.Dtmf.DialMemory[at];
            }));
    }
}

void AddAlert(std::vector<SettingMember>& t) {
    using A = AlertSettings;
    const auto alert = &RadioSettings::Alert;
    auto add = [&](const char* name, Byte A::*field, int labelId, NumberShape shape) {
        return Setting(std::string("Alert.") + name, kAlertWindow, labelId, alert, field, shape);
    };
    SettingMember mode;
    mode.name = {"AlarmMode", kAlertWindow, 27011};
    mode.shape = Entries({kOptOff, kOptOn});
    mode.get = [](const RadioDocument& d) { return static_cast<int>(d.AlarmMode); };
    mode.set = [](RadioDocument& d, int v) { d.AlarmMode = static_cast<Byte>(v); };
    mode.take = [](RadioDocument& to, const RadioDocument& from) { to.AlarmMode = from.AlarmMode; };
    t.push_back(Checked(mode, kFlag));
    // The window offers the types 0, 2 and 3.
    t.push_back(Checked(add("Type", &A::Type, 27001, Entries({27030, 27031, 27032, 27033})),
                        {0, 3, 1, Bit(1)}));
    t.push_back(Checked(add("IdType", &A::IdType, 27002, Entries({27037, 27038})), kFlag));
    NumberShape memory = Entries({27037});
    memory.prefix = "M";
    t.push_back(Checked(add("IdMemory", &A::IdMemory, 27003, memory), {0, 16}));
    t.push_back(Checked(add("AlarmTime", &A::AlarmTime, 27004, {}), kAnyByte));
    t.push_back(Checked(add("TxTime", &A::TxTime, 27005, {}), kAnyByte));
    t.push_back(Checked(add("RxTime", &A::RxTime, 27006, {}), kAnyByte));
    t.push_back(Checked(add("ChannelSel", &A::ChannelSel, 27007, Entries({27034, 27035})), kFlag));
    t.push_back(Checked(add("EmergencyCh", &A::EmergencyCh, 27009, NumberShape{}), {0, 129}));
    t.push_back(Checked(add("Cycles", &A::Cycles, 27010, Entries({27036})), kAnyByte));
}

void AddScan(std::vector<SettingMember>& t) {
    using S = ScanSettings;
    const auto scan = &RadioSettings::Scan;
    auto add = [&](const char* name, Byte S::*field, int labelId, NumberShape shape) {
        return Setting(std::string("Scan.") + name, kScanWindow, labelId, scan, field, shape);
    };
    NumberShape priority = Shape(ShownAs::Custom);
    priority.custom = PriorityModeShown;
    NumberShape revert = Shape(ShownAs::Custom);
    revert.custom = RevertShown;
    t.push_back(Checked(add("Mode", &S::Mode, 28001, Entries({28030, 28031})), kFlag));
    t.push_back(Checked(add("PriorityMode", &S::PriorityMode, 28002, priority), {0, 3}));
    t.push_back(Checked(add("PriorityCh1", &S::PriorityCh1, 28003, {}), {0, 129}));
    t.push_back(Checked(add("PriorityCh2", &S::PriorityCh2, 28004, {}), {0, 129}));
    // The revert channels on offer depend on the priority mode: the write
    // check tests it on its own.
    t.push_back(add("RevertCh", &S::RevertCh, 28005, revert));
    t.push_back(Checked(add("LookBackA", &S::LookBackA, 28006, Tenths()), {5, 50}));
    t.push_back(Checked(add("LookBackB", &S::LookBackB, 28007, Tenths()), {5, 50}));
    t.push_back(Checked(add("RxResumeDelay", &S::RxResumeDelay, 28008, Tenths()), {10, 50}));
    t.push_back(Checked(add("TxResumeDelay", &S::TxResumeDelay, 28009, Tenths()), {10, 50}));
    t.push_back(Flag(add("EntryTone", &S::EntryTone, 28010, Shape(ShownAs::Flag))));
    t.push_back(Flag(add("ExitTone", &S::ExitTone, 28011, Shape(ShownAs::Flag))));
    t.push_back(Checked(add("WaitTime", &S::WaitTime, 0, Scaled(15)), {4, 255}));
}

void AddKeys(std::vector<SettingMember>& t) {
    using K = KeySettings;
    const auto keys = &RadioSettings::Keys;
    // Key functions 0..26 (texts 29040..29066); function 10 is never offered,
    // 11 only for a long press.
    constexpr Allowed kLongPress{0, 26, 1, Bit(10)};
    constexpr Allowed kShortPress{0, 26, 1, Bit(10) | Bit(11)};
    constexpr int kLong = 29005;
    constexpr int kShort = 29006;
    NumberShape function;
    function.textBase = 29040;
    function.textCount = 27;
    t.push_back(
        Checked(Setting("Keys.LongPressTime", kKeyWindow, 29001, keys, &K::LongPressTime, Tenths()),
                {10, 25}));
    struct Press {
        const char* name;
        Integer K::*field;
        int labelId;
        bool longPress;
    };
    const Press presses[] = {
        {"Pf1Long", &K::Pf1Long, 29003, true},   {"Pf1Short", &K::Pf1Short, 29003, false},
        {"Pf2Long", &K::Pf2Long, 29004, true},   {"Pf2Short", &K::Pf2Short, 29004, false},
        {"Key3Long", &K::Key3Long, 29007, true}, {"Key3Short", &K::Key3Short, 29007, false},
        {"Key4Long", &K::Key4Long, 29008, true}, {"Key4Short", &K::Key4Short, 29008, false},
        {"Key5Long", &K::Key5Long, 29009, true}, {"Key5Short", &K::Key5Short, 29009, false},
        {"Key6Long", &K::Key6Long, 29010, true}, {"Key6Short", &K::Key6Short, 29010, false},
    };
    for (const Press& p : presses)
        t.push_back(Checked(
            Setting(std::string("Keys.") + p.name, kKeyWindow, p.labelId, keys, p.field, function),
            p.longPress ? kLongPress : kShortPress, Mend::Choose, p.longPress ? kLong : kShort));
}

void AddMessage(std::vector<SettingMember>& t) {
    constexpr int kLineLabel = 9185; // "Line %1"
    using Line = FixedText<16> EmbMessage::*;
    const Line lines[] = {&EmbMessage::Line1, &EmbMessage::Line2, &EmbMessage::Line3,
                          &EmbMessage::Line4};
    for (int i = 0; i < 4; ++i) {
        const Line line = lines[i];
        t.push_back(TextSetting(
            "EmbMsg.Line" + std::to_string(i + 1), kMessageWindow, kLineLabel, i + 1,
            [line](const RadioDocument& d) {
                return Latin1ToUtf8(WithoutTrailingBlanks(TrimFix(d.Settings.EmbMsg.*line)));
            },
            [line](RadioDocument& to, const RadioDocument& from) {
                to.Settings.EmbMsg.*line = from.Settings.EmbMsg.*line;
            }));
    }
}

std::vector<SettingMember> MakeSettingMembers() {
    std::vector<SettingMember> t;
    AddOptions(t);
    AddFmPresets(t);
    AddDtmf(t);
    AddAlert(t);
    AddScan(t);
    AddKeys(t);
    AddMessage(t);
    return t;
}

} // namespace

const std::vector<ChannelMember>& ChannelMembers() {
    static const std::vector<ChannelMember> table = MakeChannelMembers();
    return table;
}

const std::vector<SettingMember>& SettingMembers() {
    static const std::vector<SettingMember> table = MakeSettingMembers();
    return table;
}

void TakeMember(const ChannelMember& m, ChannelRecord& to, const ChannelRecord& from) {
    if (m.field)
        to.*m.field = from.*m.field;
    else
        m.take(to, from);
}

const ChannelMember& ChannelMemberNamed(std::string_view key) {
    for (const ChannelMember& m : ChannelMembers())
        if (m.name.key == key)
            return m;
    throw std::out_of_range("no channel member " + std::string(key));
}

const SettingMember& SettingMemberNamed(std::string_view key) {
    for (const SettingMember& m : SettingMembers())
        if (m.name.key == key)
            return m;
    throw std::out_of_range("no radio-wide member " + std::string(key));
}

} // namespace pmr
