#pragma once
// The document: everything the program knows about one radio. Member order and
// widths are those of the .dat file (packed, little-endian) and must not change:
// Integer is 16-bit signed, Byte 8-bit unsigned, FixedText<N> N single bytes.

#include "document/FixedText.h"

#include <array>
#include <cstdint>

namespace pmr {

using Integer = std::int16_t;
using Byte = std::uint8_t;

/// Channel numbers 1..128 are the radio's channels; 129 is the VFO record.
constexpr int kVfoChannelNo = 129;
constexpr int kMaxChannelEntries = 129;

struct ChannelRecord {
    Integer ChannelNo = 0;
    Integer IsEmpty = 0;
    FixedText<8> RxFreq;  // 10 Hz units, 8 digits; blank or "FFFFFFFF" = none
    Byte TxShiftDir = 0;  // 0 none, 1 minus, 2 plus
    FixedText<7> TxShift; // offset magnitude, 10 Hz units, 7 digits
    Integer RxTone = 0;   // 0 off, 1..50 CTCSS, 51..562 DCS N, 563..1074 DCS I
    Integer TxTone = 0;
    Integer RxStep625 = 0;
    Integer TxStep625 = 0;
    Integer Scramble = 0;
    Integer BusyLock = 0;
    Integer RevTalkMode = 0; // document only
    Integer TxInhibit = 0;
    Integer Talkaround = 0; // document only
    Integer Spare = 0;      // always 0
    Integer PttId = 0;
    Integer Whisper = 0;
    Integer ChSpacing = 0;
    Integer OptSignal = 0;
    Integer Compander = 0;
    Integer Reverse = 0; // document only
    Integer TxPower = 0;
    Integer AutoDialMem = 0;
    Integer ScanSkip = 0;
    FixedText<6> Name;
    FixedText<10> IdCode;
    Integer IdCodeMaxLen = 0; // 3 or 10
    Integer SignalRelation = 0;
    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

struct FmPreset {
    Integer IsEmpty = 0; // 0 = in use
    FixedText<8> Freq;   // "09050000" is 90.5 MHz
    friend bool operator==(const FmPreset&, const FmPreset&) = default;
};

struct TestFreqPair {
    FixedText<8> RxFreq;
    FixedText<8> TxFreq;
    friend bool operator==(const TestFreqPair&, const TestFreqPair&) = default;
};

struct ModelInfo {
    FixedText<7> ModelName;
    Integer BandCode = 0; // 0..14, 16 or 32
    friend bool operator==(const ModelInfo&, const ModelInfo&) = default;
};

struct OptFeatures {
    Integer FreqStep = 0;
    Integer SqlLevel = 0;
    Integer PriorityCh = 0;
    Integer DisplayMode = 0;
    Integer ScreenColor = 0;
    Integer Backlight = 0;
    Integer BatterySave = 0;
    Integer TailElimMode = 0;
    Integer VoicePrompt = 0;
    Integer KeyBeep = 0;
    Integer PromptVolume = 0;
    Integer Spare = 0;
    Integer VoxTone = 0;
    Integer PowerOnDisplay = 0;
    Integer WiredClone = 0;
    Integer FactoryTest = 0;
    Integer Whisper = 0;
    Integer NoSigTailElim = 0;
    Integer WorkMode = 0;
    Integer FmWorkMode = 0;
    Integer ScanMode = 0;
    Integer FmRadio = 0;
    Integer ScramblerFreq = 0;
    Integer CurrentCh = 0;
    Integer FmCurrentCh = 0;
    Integer Tot = 0;
    Integer ScanPause = 0;
    Integer TotPreAlert = 0;
    Integer TotRekey = 0;
    Integer TotReset = 0;
    Integer Vox = 0;
    Integer VoxLevel = 0;
    Integer VoxDelay = 0;
    Integer NoInit = 0;
    FixedText<12> PowerOnText;
    Integer ChannelLock = 0;
    Integer Alarm = 0;
    Integer DirectCh1 = 0;
    Integer DirectCh2 = 0;
    friend bool operator==(const OptFeatures&, const OptFeatures&) = default;
};

struct DtmfCode {
    Integer Len = 0; // 0..16
    FixedText<16> Digits;
    friend bool operator==(const DtmfCode&, const DtmfCode&) = default;
};

struct DtmfSettings {
    Integer DtmfRate = 0;
    Integer FirstDigitTime = 0;
    Integer FirstDigitDelay = 0;
    Integer StarHashTime = 0;
    Integer DKey = 0;
    Integer SideTone = 0;
    Integer DtmfSignalling = 0;
    Integer CallPrompt = 0;
    Integer AutoAnswer = 0; // document only
    Integer MiddleCode = 0;
    Integer GroupCode = 0;
    Integer AutoResetTime = 0;
    DtmfCode BotCode;
    DtmfCode EotCode;
    DtmfCode StunCode;
    DtmfCode KillCode;
    /// Dial memories 1..16 are DialMemory[0..15].
    std::array<DtmfCode, 16> DialMemory{};
    friend bool operator==(const DtmfSettings&, const DtmfSettings&) = default;
};

struct EmbMessage {
    FixedText<16> Line1;
    FixedText<16> Line2;
    FixedText<16> Line3;
    FixedText<16> Line4;
    friend bool operator==(const EmbMessage&, const EmbMessage&) = default;
};

struct KeySettings {
    Integer LongPressTime = 0;
    Integer Pf1Long = 0;
    Integer Pf1Short = 0;
    Integer Pf2Long = 0;
    Integer Pf2Short = 0;
    Integer Key3Long = 0;
    Integer Key4Long = 0;
    Integer Key5Long = 0;
    Integer Key6Long = 0;
    Integer Key3Short = 0;
    Integer Key4Short = 0;
    Integer Key5Short = 0;
    Integer Key6Short = 0;
    friend bool operator==(const KeySettings&, const KeySettings&) = default;
};

struct AlertSettings {
    Byte Type = 0;
    Byte IdType = 0;
    Byte IdMemory = 0;
    Byte AlarmTime = 0;
    Byte TxTime = 0;
    Byte RxTime = 0;
    Byte ChannelSel = 0;
    Byte EmergencyCh = 0;
    Byte Cycles = 0;
    friend bool operator==(const AlertSettings&, const AlertSettings&) = default;
};

struct ScanSettings {
    Byte Mode = 0;
    Byte PriorityMode = 0;
    Byte RevertCh = 0;
    Byte LookBackA = 0;
    Byte LookBackB = 0;
    Byte RxResumeDelay = 0;
    Byte TxResumeDelay = 0;
    Byte EntryTone = 0;
    Byte ExitTone = 0;
    Byte PriorityCh1 = 0;
    Byte PriorityCh2 = 0;
    Byte WaitTime = 0;
    friend bool operator==(const ScanSettings&, const ScanSettings&) = default;
};

struct RadioSettings {
    OptFeatures Opt;
    DtmfSettings Dtmf;
    EmbMessage EmbMsg;
    KeySettings Keys;
    AlertSettings Alert;
    ScanSettings Scan;
    friend bool operator==(const RadioSettings&, const RadioSettings&) = default;
};

/// A default-constructed document is all zeros (texts all NUL), as the working
/// copy is when the program starts, before the new-document defaults.
struct RadioDocument {
    FixedText<4> Version;
    Integer ChannelCount = 0; // used entries of Channels, 0..129
    std::array<ChannelRecord, kMaxChannelEntries> Channels{};
    std::array<FmPreset, 20> FmPresets{};
    std::array<TestFreqPair, 11> TestFreqs{};
    ModelInfo Model;
    RadioSettings Settings;
    Byte AlarmMode = 0;
    friend bool operator==(const RadioDocument&, const RadioDocument&) = default;
};

} // namespace pmr
