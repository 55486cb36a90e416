#include "image/SettingsCodec.h"

#include "app/AppContext.h"
#include "document/ModelRecord.h"
#include "document/TrimFix.h"
#include "image/CodecText.h"
#include "image/DtmfCodeCodec.h"
#include "image/HexText.h"
#include "image/ImageBits.h"
#include "image/MemoryMap.h"

#include <algorithm>
#include <string>

namespace pmr {
namespace {

using namespace image_detail;
using namespace image_map;

constexpr int kFmPresetCount = 20;
constexpr int kModelNameBytes = 7;
constexpr int kPowerOnChars = 12;
constexpr int kLineBytes = 16;

std::uint8_t* At(Image& img, int address) {
    return img.data() + address;
}

std::span<std::uint8_t, 16> Slot(Image& img, int address) {
    return std::span<std::uint8_t, 16>(img.data() + address, 16);
}
std::span<const std::uint8_t, 16> Slot(const Image& img, int address) {
    return std::span<const std::uint8_t, 16>(img.data() + address, 16);
}

/// The address of every DTMF code slot, in the document's order.
template <typename Dtmf, typename Fn> void ForEachDtmfSlot(Dtmf& dtmf, Fn fn) {
    fn(dtmf.BotCode, kDtmfCodeSlots);
    fn(dtmf.EotCode, kDtmfCodeSlots + kDtmfSlotSize);
    fn(dtmf.StunCode, kDtmfCodeSlots + 2 * kDtmfSlotSize);
    fn(dtmf.KillCode, kDtmfCodeSlots + 3 * kDtmfSlotSize);
    for (int i = 0; i < 16; ++i)
        fn(dtmf.DialMemory[static_cast<std::size_t>(i)], kDialMemory + kDtmfSlotSize * i);
}

/// Key assignments: member and address; the bytes between them are not the program's.
template <typename Keys, typename Fn> void ForEachKey(Keys& k, Fn fn) {
    fn(k.LongPressTime, 0x1228);
    fn(k.Pf1Long, 0x122B);
    fn(k.Pf1Short, 0x122C);
    fn(k.Pf2Long, 0x122E);
    fn(k.Pf2Short, 0x122F);
    fn(k.Key3Long, 0x1231);
    fn(k.Key3Short, 0x1232);
    fn(k.Key4Long, 0x1234);
    fn(k.Key4Short, 0x1235);
    fn(k.Key5Long, 0x1237);
    fn(k.Key5Short, 0x1238);
    fn(k.Key6Long, 0x123A);
    fn(k.Key6Short, 0x123B);
}

template <typename Line> void EncodeLine(Image& img, int address, const Line& line) {
    const std::string text = TrimFix(line);
    for (std::size_t i = 0; i < kLineBytes; ++i)
        img[address + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

std::string DecodeLine(const Image& img, int address) {
    std::string text;
    for (int i = 0; i < kLineBytes; ++i) {
        const std::uint8_t b = img[static_cast<std::size_t>(address + i)];
        if (b == 0xFF)
            break;
        text += static_cast<char>(b);
    }
    if (TrimFix(text).size() <= 15)
        text += '\0';
    return text;
}

void EncodeFmPresets(AppContext& app) {
    Image& img = app.images.ImageBuf;
    // Only the presets' own bits: the rest of the 16 bytes is not the program's.
    for (int i = 0; i < kFmPresetCount; ++i)
        SetBitmapBit(img, kFmEmptyBitmap, i, true);
    for (int i = 0; i < kFmPresetCount; ++i) {
        const FmPreset& preset = app.doc.FmPresets[static_cast<std::size_t>(i)];
        std::uint8_t* bytes = At(img, kFmPresets + 4 * i);
        std::fill(bytes, bytes + 4, std::uint8_t{0});
        if (preset.IsEmpty != 0)
            continue;
        SetBitmapBit(img, kFmEmptyBitmap, i, false);
        std::string freq = TrimFix(preset.Freq);
        if (freq.empty())
            continue;
        freq.resize(8, '0');
        for (int k = 0; k < 4; ++k)
            bytes[k] = HexByte(freq[2 * k], freq[2 * k + 1]);
    }
    // 90.5 MHz; the radio expects these four bytes whatever the presets are.
    const std::uint8_t constant[] = {0x09, 0x05, 0x00, 0x00};
    std::copy(std::begin(constant), std::end(constant), At(img, kFmConstant));
}

void EncodeModelBlock(AppContext& app) {
    Image& img = app.images.ImageBuf;
    ModelInfo& model = app.doc.Model;
    model = StoreModelRecord(app.docState, model);
    const std::string name = TrimFix(model.ModelName);
    for (std::size_t i = 0; i < kModelNameBytes; ++i)
        img[kModelName + i] = i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0;
    img[kBandCode] = LowByte(model.BandCode);
    const char tag[] = "V100";
    std::copy(tag, tag + 4, At(img, kFormatTag));
}

void EncodeOptions(AppContext& app) {
    Image& img = app.images.ImageBuf;
    const OptFeatures& o = app.doc.Settings.Opt;
    std::uint8_t* b = At(img, kOptionBytes);
    b[0] = Field(o.SqlLevel, 4, 4) | Field(o.FreqStep, 4, 0);
    b[1] = Field(o.DisplayMode, 2, 6) | Field(o.ScreenColor, 2, 4) | Field(o.Backlight, 2, 2) |
           Field(o.BatterySave, 2, 0);
    b[2] = Flag(o.NoInit, 7) | Flag(app.doc.AlarmMode, 6) | Field(o.VoicePrompt, 2, 4) |
           Flag(o.KeyBeep, 3) | Field(o.PromptVolume + 1, 3, 0);
    b[3] = Flag(o.Spare, 7) | Flag(o.VoxTone, 6) | Field(o.PowerOnDisplay, 2, 4) | Flag(o.Vox, 3) |
           Flag(o.NoSigTailElim, 0);
    b[4] = Flag(o.WorkMode, 7) | Flag(o.FmWorkMode, 6) | Field(o.TailElimMode, 2, 4) |
           Flag(o.FmRadio, 3) | Flag(o.ChannelLock, 2) | Field(o.ScramblerFreq, 2, 0);
    b[5] = Field(o.ScanPause, 2, 4) | Field(o.TotPreAlert, 4, 0);
    b[6] = LowByte(o.Tot);
    b[7] = LowByte(o.TotRekey);
    b[8] = LowByte(o.TotReset);
    b[9] = Field(o.VoxDelay, 4, 4) | Field(o.VoxLevel, 4, 0);
    b[10] = LowByte(o.CurrentCh);
    b[11] = LowByte(o.FmCurrentCh);
    img[kDirectCh1] = LowByte(o.DirectCh1);
    img[kDirectCh2] = LowByte(o.DirectCh2);
    const std::string text = TrimFix(o.PowerOnText);
    for (std::size_t i = 0; i < kPowerOnChars; ++i) {
        const int address =
            i < 6 ? kPowerOnText1 + static_cast<int>(i) : kPowerOnText2 + static_cast<int>(i) - 6;
        img[static_cast<std::size_t>(address)] =
            i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{' '};
    }
}

void EncodeDtmf(AppContext& app) {
    Image& img = app.images.ImageBuf;
    const DtmfSettings& d = app.doc.Settings.Dtmf;
    std::uint8_t* b = At(img, kDtmfOptions);
    b[0] = Flag(d.SideTone, 7) | Flag(d.DtmfSignalling, 6) | Field(d.CallPrompt, 2, 0);
    b[1] = LowByte(d.DtmfRate);
    b[2] = LowByte(d.FirstDigitTime);
    b[3] = LowByte(d.FirstDigitDelay);
    b[4] = LowByte(d.StarHashTime);
    b[5] = LowByte(d.DKey);
    b[6] = Field(d.MiddleCode, 4, 4) | Field(d.GroupCode, 4, 0);
    b[7] = LowByte(d.AutoResetTime);
    ForEachDtmfSlot(
        d, [&](const DtmfCode& code, int address) { EncodeDtmfCode(code, Slot(img, address)); });
}

void EncodeKeysScanAlert(AppContext& app) {
    Image& img = app.images.ImageBuf;
    const RadioSettings& s = app.doc.Settings;
    ForEachKey(s.Keys, [&](const Integer& value, int address) {
        img[static_cast<std::size_t>(address)] = LowByte(value);
    });

    const ScanSettings& sc = s.Scan;
    std::uint8_t* b = At(img, kScanBytes);
    b[0] = Flag(sc.Mode, 7) | Flag(sc.EntryTone, 6) | Field(sc.PriorityMode, 2, 4) |
           Flag(sc.ExitTone, 3) | Field(sc.RevertCh, 3, 0);
    b[1] = sc.PriorityCh1;
    b[2] = sc.PriorityCh2;
    b[3] = sc.LookBackA;
    b[4] = sc.LookBackB;
    b[5] = sc.RxResumeDelay;
    b[6] = sc.TxResumeDelay;
    b[7] = sc.WaitTime;

    const AlertSettings& a = s.Alert;
    b = At(img, kAlertBytes);
    b[0] = Flag(a.ChannelSel, 3) | Flag(a.IdType, 2) | Field(a.Type, 2, 0);
    b[1] = a.IdMemory;
    b[2] = a.EmergencyCh;
    b[3] = a.AlarmTime;
    b[4] = a.TxTime;
    b[5] = a.RxTime;
    b[6] = a.Cycles;
}

Integer Int(int v) {
    return static_cast<Integer>(v);
}

void DecodeOptions(AppContext& app) {
    const Image& img = app.images.ImageBuf;
    OptFeatures& o = app.doc.Settings.Opt;
    const std::uint8_t* b = img.data() + kOptionBytes;
    o.SqlLevel = Int(Bits(b[0], 4, 4));
    o.FreqStep = Int(Bits(b[0], 4, 0));
    o.DisplayMode = Int(Bits(b[1], 2, 6));
    o.ScreenColor = Int(Bits(b[1], 2, 4));
    o.Backlight = Int(Bits(b[1], 2, 2));
    o.BatterySave = Int(Bits(b[1], 2, 0));
    o.NoInit = Int(Bits(b[2], 1, 7));
    app.doc.AlarmMode = static_cast<Byte>(Bits(b[2], 1, 6));
    o.VoicePrompt = Int(Bits(b[2], 2, 4));
    o.KeyBeep = Int(Bits(b[2], 1, 3));
    o.PromptVolume = Int(Bits(b[2], 3, 0) - 1);
    o.Spare = Int(Bits(b[3], 1, 7));
    o.VoxTone = Int(Bits(b[3], 1, 6));
    o.PowerOnDisplay = Int(Bits(b[3], 2, 4));
    o.Vox = Int(Bits(b[3], 1, 3));
    o.NoSigTailElim = Int(Bits(b[3], 1, 0));
    o.WorkMode = Int(Bits(b[4], 1, 7));
    o.FmWorkMode = Int(Bits(b[4], 1, 6));
    o.TailElimMode = Int(Bits(b[4], 2, 4));
    o.FmRadio = Int(Bits(b[4], 1, 3));
    o.ChannelLock = Int(Bits(b[4], 1, 2));
    o.ScramblerFreq = Int(Bits(b[4], 2, 0));
    o.ScanPause = Int(Bits(b[5], 2, 4));
    o.TotPreAlert = Int(Bits(b[5], 4, 0));
    o.Tot = b[6];
    o.TotRekey = b[7];
    o.TotReset = b[8];
    o.VoxDelay = Int(Bits(b[9], 4, 4));
    o.VoxLevel = Int(std::min(Bits(b[9], 4, 0), 3));
    o.CurrentCh = b[10];
    o.FmCurrentCh = b[11];
    o.DirectCh1 = img[kDirectCh1];
    o.DirectCh2 = img[kDirectCh2];
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += static_cast<char>(img[static_cast<std::size_t>(kPowerOnText1 + i)]);
    for (int i = 0; i < 6; ++i)
        text += static_cast<char>(img[static_cast<std::size_t>(kPowerOnText2 + i)]);
    o.PowerOnText = text;
}

void DecodeDtmf(AppContext& app) {
    const Image& img = app.images.ImageBuf;
    DtmfSettings& d = app.doc.Settings.Dtmf;
    const std::uint8_t* b = img.data() + kDtmfOptions;
    d.SideTone = Int(Bits(b[0], 1, 7));
    d.DtmfSignalling = Int(Bits(b[0], 1, 6));
    d.CallPrompt = Int(Bits(b[0], 2, 0));
    d.DtmfRate = b[1];
    d.FirstDigitTime = b[2];
    d.FirstDigitDelay = b[3];
    d.StarHashTime = b[4];
    d.DKey = b[5];
    d.MiddleCode = Int(Bits(b[6], 4, 4));
    d.GroupCode = Int(Bits(b[6], 4, 0));
    d.AutoResetTime = b[7];
    ForEachDtmfSlot(
        d, [&](DtmfCode& code, int address) { code = DecodeDtmfCode(Slot(img, address)); });
}

void DecodeKeysScanAlert(AppContext& app) {
    const Image& img = app.images.ImageBuf;
    RadioSettings& s = app.doc.Settings;
    ForEachKey(s.Keys, [&](Integer& value, int address) {
        value = img[static_cast<std::size_t>(address)];
    });

    ScanSettings& sc = s.Scan;
    const std::uint8_t* b = img.data() + kScanBytes;
    sc.Mode = static_cast<Byte>(Bits(b[0], 1, 7));
    sc.EntryTone = static_cast<Byte>(Bits(b[0], 1, 6));
    sc.PriorityMode = static_cast<Byte>(Bits(b[0], 2, 4));
    sc.ExitTone = static_cast<Byte>(Bits(b[0], 1, 3));
    sc.RevertCh = static_cast<Byte>(Bits(b[0], 3, 0));
    sc.PriorityCh1 = b[1];
    sc.PriorityCh2 = b[2];
    sc.LookBackA = b[3];
    sc.LookBackB = b[4];
    sc.RxResumeDelay = b[5];
    sc.TxResumeDelay = b[6];
    sc.WaitTime = b[7];

    AlertSettings& a = s.Alert;
    b = img.data() + kAlertBytes;
    a.ChannelSel = static_cast<Byte>(Bits(b[0], 1, 3));
    a.IdType = static_cast<Byte>(Bits(b[0], 1, 2));
    a.Type = static_cast<Byte>(Bits(b[0], 2, 0));
    a.IdMemory = b[1];
    a.EmergencyCh = b[2];
    a.AlarmTime = b[3];
    a.TxTime = b[4];
    a.RxTime = b[5];
    a.Cycles = b[6];
}

} // namespace

void EncodeSettings(AppContext& app) {
    EncodeFmPresets(app);
    EncodeModelBlock(app);
    EncodeOptions(app);
    EncodeDtmf(app);
    EncodeLine(app.images.ImageBuf, kEmbMessage, app.doc.Settings.EmbMsg.Line1);
    EncodeLine(app.images.ImageBuf, kEmbMessage + 16, app.doc.Settings.EmbMsg.Line2);
    EncodeLine(app.images.ImageBuf, kEmbMessage + 32, app.doc.Settings.EmbMsg.Line3);
    EncodeLine(app.images.ImageBuf, kEmbMessage + 48, app.doc.Settings.EmbMsg.Line4);
    EncodeKeysScanAlert(app);
}

void DecodeSettings(AppContext& app) {
    const Image& img = app.images.ImageBuf;
    for (int i = 0; i < kFmPresetCount; ++i) {
        FmPreset& preset = app.doc.FmPresets[static_cast<std::size_t>(i)];
        preset.IsEmpty = static_cast<Integer>(BitmapBit(img, kFmEmptyBitmap, i));
        std::string freq;
        for (int k = 0; k < 4; ++k)
            freq += HexPad(img[static_cast<std::size_t>(kFmPresets + 4 * i + k)], 2);
        preset.Freq = freq;
    }
    DecodeModelBlock(app);
    DecodeOptions(app);
    DecodeDtmf(app);
    EmbMessage& msg = app.doc.Settings.EmbMsg;
    msg.Line1 = DecodeLine(img, kEmbMessage);
    msg.Line2 = DecodeLine(img, kEmbMessage + 16);
    msg.Line3 = DecodeLine(img, kEmbMessage + 32);
    msg.Line4 = DecodeLine(img, kEmbMessage + 48);
    DecodeKeysScanAlert(app);
    DecodeFeatureFlags(app);
}

void DecodeModelBlock(AppContext& app) {
    const Image& img = app.images.ImageBuf;
    std::string name;
    for (int i = 0; i < kModelNameBytes; ++i) {
        const std::uint8_t b = img[static_cast<std::size_t>(kModelName + i)];
        if (b == 0xFF || b == 0)
            break;
        name += static_cast<char>(b);
    }
    if (name.size() < kModelNameBytes)
        name += '\0';
    ModelInfo& model = app.doc.Model;
    model.ModelName = name;
    model.BandCode = img[kBandCode];

    LoadModelRecord(app, model);
}

void DecodeFeatureFlags(AppContext& app) {
    const std::uint8_t flags = app.images.ImageBuf[kFeatureFlags];
    for (int i = 0; i < 4; ++i) {
        const auto bit = static_cast<std::uint8_t>((flags >> (3 - i)) & 1U);
        const auto k = static_cast<std::size_t>(i);
        app.config.RadioFeatures[k] = bit;
        if (app.config.ConfiguredFeatures[k] == 0)
            app.config.ConfiguredFeatures[k] = bit;
    }
}

} // namespace pmr
