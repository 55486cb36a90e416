#include "ImageTestSupport.h"
#include "image/DtmfCodeCodec.h"
#include "image/ImageCodec.h"
#include "image/SettingsCodec.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace image_map;
using test::Bytes;
using test::MakeApp;
using test::Trimmed;
using V = std::vector<std::uint8_t>;

DtmfCode Code(int len, std::string_view digits) {
    DtmfCode c;
    c.Len = static_cast<Integer>(len);
    c.Digits = digits;
    return c;
}

TEST(DtmfCodeSlot, DigitsPackTwoPerByteWithTheirCount) {
    std::array<std::uint8_t, 16> slot{};
    slot.fill(0xAA);
    EncodeDtmfCode(Code(3, "123"), slot);
    EXPECT_EQ(V(slot.begin(), slot.end()),
              (V{0x12, 0x30, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0}));
    EncodeDtmfCode(Code(2, "*#"), slot);
    EXPECT_EQ(V(slot.begin(), slot.begin() + 9), (V{0xEF, 0, 0, 0, 0, 0, 0, 0, 2}));

    const DtmfCode back = DecodeDtmfCode(slot);
    EXPECT_EQ(back.Len, 2);
    EXPECT_EQ(back.Digits.raw(), std::string("*#") + '\0' + std::string(13, ' '));
}

TEST(DtmfCodeSlot, CountDecidesHowManyDigitsAreWritten) {
    std::array<std::uint8_t, 16> slot{};
    EncodeDtmfCode(Code(4, "12"), slot); // short digits are filled with 0
    EXPECT_EQ(V(slot.begin(), slot.begin() + 3), (V{0x12, 0x00, 0x00}));
    EXPECT_EQ(slot[8], 4);
    EncodeDtmfCode(Code(17, "123"), slot); // no such count: nothing is written
    EXPECT_EQ(V(slot.begin(), slot.end()), V(16, 0));
    EncodeDtmfCode(Code(16, "0123456789ABCD*#"), slot);
    EXPECT_EQ(V(slot.begin(), slot.begin() + 9),
              (V{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 16}));
    EXPECT_EQ(Trimmed(DecodeDtmfCode(slot).Digits), "0123456789ABCD*#");

    slot[8] = 200; // odd count in the radio
    const DtmfCode odd = DecodeDtmfCode(slot);
    EXPECT_EQ(odd.Len, 0);
    EXPECT_EQ(Trimmed(odd.Digits), "");
}

TEST(FmPresets, UsedPresetsArePackedBcdAndTheConstantIsAlwaysWritten) {
    auto app = MakeApp();
    for (auto& p : app->doc.FmPresets) {
        p.IsEmpty = 1;
        p.Freq = "10800000"; // must not reach the image: the preset is empty
    }
    app->doc.FmPresets[0] = {0, FixedText<8>("09050000")};
    app->doc.FmPresets[9] = {0, FixedText<8>("")}; // used but blank
    app->doc.FmPresets[19] = {0, FixedText<8>("1075")};
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kFmEmptyBitmap, 4), (V{0xFE, 0xFD, 0xF7, 0xFF}));
    EXPECT_EQ(Bytes(*app, kFmPresets, 4), (V{0x09, 0x05, 0x00, 0x00}));
    EXPECT_EQ(Bytes(*app, kFmPresets + 4 * 9, 4), (V{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(*app, kFmPresets + 4 * 19, 4), (V{0x10, 0x75, 0x00, 0x00}));
    EXPECT_EQ(Bytes(*app, kFmPresets + 4, 4), (V{0, 0, 0, 0}));
    EXPECT_EQ(Bytes(*app, kFmConstant, 4), (V{0x09, 0x05, 0x00, 0x00}));

    DecodeImage(*app);
    EXPECT_EQ(app->doc.FmPresets[0].IsEmpty, 0);
    EXPECT_EQ(app->doc.FmPresets[0].Freq.raw(), "09050000");
    EXPECT_EQ(app->doc.FmPresets[1].IsEmpty, 1);
    EXPECT_EQ(app->doc.FmPresets[19].Freq.raw(), "10750000");
}

TEST(OptionBytes, EveryMemberHasItsBits) {
    auto app = MakeApp();
    OptFeatures& o = app->doc.Settings.Opt;
    o.SqlLevel = 9;
    o.FreqStep = 5;
    o.DisplayMode = 1;
    o.ScreenColor = 2;
    o.Backlight = 3;
    o.BatterySave = 1;
    o.NoInit = 1;
    app->doc.AlarmMode = 1;
    o.VoicePrompt = 2;
    o.KeyBeep = 1;
    o.PromptVolume = 3;
    o.Spare = 1;
    o.VoxTone = 1;
    o.PowerOnDisplay = 2;
    o.Vox = 1;
    o.NoSigTailElim = 1;
    o.WorkMode = 1;
    o.FmWorkMode = 1;
    o.TailElimMode = 3;
    o.FmRadio = 1;
    o.ChannelLock = 1;
    o.ScramblerFreq = 2;
    o.ScanPause = 1;
    o.TotPreAlert = 10;
    o.Tot = 180;
    o.TotRekey = 7;
    o.TotReset = 8;
    o.VoxDelay = 6;
    o.VoxLevel = 2;
    o.CurrentCh = 16;
    o.FmCurrentCh = 20;
    o.DirectCh1 = 3;
    o.DirectCh2 = 128;
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kOptionBytes, 12),
              (V{0x95, 0x6D, 0x80 | 0x40 | 0x20 | 0x08 | 0x04, 0x80 | 0x40 | 0x20 | 0x08 | 0x01,
                 0x80 | 0x40 | 0x30 | 0x08 | 0x04 | 0x02, 0x1A, 180, 7, 8, 0x62, 16, 20}));
    EXPECT_EQ(Bytes(*app, kDirectCh1, 2), (V{3, 128}));

    app->doc.AlarmMode = 0;
    DecodeImage(*app);
    EXPECT_EQ(app->doc.AlarmMode, 1);
}

TEST(OptionBytes, PromptVolumeIsStoredPlusOneAndVoxLevelIsCapped) {
    auto app = MakeApp();
    app->doc.Settings.Opt.PromptVolume = 0;
    EncodeImage(*app);
    EXPECT_EQ(app->images.ImageBuf[0x10B2] & 0x07, 1);

    app->images.ImageBuf[0x10B2] = 0x00;
    app->images.ImageBuf[0x10B9] = 0x0F;
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Settings.Opt.PromptVolume, -1);
    EXPECT_EQ(app->doc.Settings.Opt.VoxLevel, 3);
}

TEST(OptionBytes, OversizedValuesStayInsideTheirField) {
    auto app = MakeApp();
    app->doc.Settings.Opt.FreqStep = 0x1F; // 4-bit field below SqlLevel
    app->doc.Settings.Opt.BatterySave = 6;
    app->doc.Settings.Opt.PromptVolume = 8;
    EncodeImage(*app);
    EXPECT_EQ(app->images.ImageBuf[0x10B0], 0x0F);
    EXPECT_EQ(app->images.ImageBuf[0x10B1], 0x02);
    EXPECT_EQ(app->images.ImageBuf[0x10B2], 0x01);
}

TEST(PowerOnText, HelloIsSpacePaddedAcrossBothAreas) {
    auto app = MakeApp();
    app->doc.Settings.Opt.PowerOnText = "HELLO";
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kPowerOnText1, 6), (V{'H', 'E', 'L', 'L', 'O', ' '}));
    EXPECT_EQ(Bytes(*app, kPowerOnText2, 6), V(6, ' '));
    EXPECT_EQ(Bytes(*app, 0x1246, 2), (V{0, 0}));
    app->doc.Settings.Opt.PowerOnText = "";
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Settings.Opt.PowerOnText.raw(), "HELLO       ");

    app->doc.Settings.Opt.PowerOnText = "ABCDEFGHIJKL";
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kPowerOnText2, 6), (V{'G', 'H', 'I', 'J', 'K', 'L'}));
}

TEST(DtmfBlock, OptionsAndAllTwentySlots) {
    auto app = MakeApp();
    DtmfSettings& d = app->doc.Settings.Dtmf;
    d.SideTone = 1;
    d.DtmfSignalling = 1;
    d.CallPrompt = 3;
    d.DtmfRate = 4;
    d.FirstDigitTime = 5;
    d.FirstDigitDelay = 6;
    d.StarHashTime = 7;
    d.DKey = 8;
    d.MiddleCode = 0xC;
    d.GroupCode = 0x3;
    d.AutoResetTime = 9;
    d.BotCode = Code(3, "123");
    d.EotCode = Code(2, "*#");
    d.StunCode = Code(1, "9");
    d.KillCode = Code(4, "ABCD");
    for (int i = 0; i < 16; ++i)
        d.DialMemory[static_cast<std::size_t>(i)] = Code(2, std::to_string(10 + i));
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kDtmfOptions, 8), (V{0xC3, 4, 5, 6, 7, 8, 0xC3, 9}));
    EXPECT_EQ(Bytes(*app, 0x10C0, 1), (V{0x12}));
    EXPECT_EQ(Bytes(*app, 0x10D0, 1), (V{0xEF}));
    EXPECT_EQ(Bytes(*app, 0x10E0, 1), (V{0x90}));
    EXPECT_EQ(Bytes(*app, 0x10F0, 2), (V{0xAB, 0xCD}));
    EXPECT_EQ(Bytes(*app, 0x1100, 1), (V{0x10}));
    EXPECT_EQ(Bytes(*app, 0x11F0, 1), (V{0x25}));
    EXPECT_EQ(app->images.ImageBuf[0x11F8], 2);

    d = DtmfSettings{};
    DecodeImage(*app);
    EXPECT_EQ(d.MiddleCode, 0xC);
    EXPECT_EQ(d.GroupCode, 3);
    EXPECT_EQ(Trimmed(d.KillCode.Digits), "ABCD");
}

TEST(KeysScanAlert, ByteAddressesAndBitFields) {
    auto app = MakeApp();
    KeySettings& k = app->doc.Settings.Keys;
    Integer v = 1;
    for (Integer* m : {&k.LongPressTime, &k.Pf1Long, &k.Pf1Short, &k.Pf2Long, &k.Pf2Short,
                       &k.Key3Long, &k.Key4Long, &k.Key5Long, &k.Key6Long, &k.Key3Short,
                       &k.Key4Short, &k.Key5Short, &k.Key6Short})
        *m = v++;
    ScanSettings& s = app->doc.Settings.Scan;
    s = {1, 2, 5, 20, 30, 31, 32, 1, 1, 7, 8, 6};
    AlertSettings& a = app->doc.Settings.Alert;
    a = {2, 1, 3, 4, 5, 6, 1, 9, 10};
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kKeyBytes, 20),
              (V{1, 0, 0, 2, 3, 0, 4, 5, 0, 6, 10, 0, 7, 11, 0, 8, 12, 0, 9, 13}));
    EXPECT_EQ(Bytes(*app, kScanBytes, 8),
              (V{0x80 | 0x40 | 0x20 | 0x08 | 5, 7, 8, 20, 30, 31, 32, 6}));
    EXPECT_EQ(Bytes(*app, kAlertBytes, 7), (V{0x08 | 0x04 | 2, 3, 9, 4, 5, 6, 10}));

    const RadioSettings written = app->doc.Settings;
    k = KeySettings{};
    s = ScanSettings{};
    a = AlertSettings{};
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Settings.Keys, written.Keys);
    EXPECT_EQ(app->doc.Settings.Scan, written.Scan);
    EXPECT_EQ(app->doc.Settings.Alert, written.Alert);
}

TEST(EmbeddedMessage, LinesEndAtTheirTextAndReadBackTrimmed) {
    auto app = MakeApp();
    app->doc.Settings.EmbMsg.Line1 = "HELLO WORLD";
    app->doc.Settings.EmbMsg.Line4 = "0123456789ABCDEF";
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kEmbMessage, 12),
              (V{'H', 'E', 'L', 'L', 'O', ' ', 'W', 'O', 'R', 'L', 'D', 0}));
    EXPECT_EQ(Bytes(*app, kEmbMessage + 16, 16), V(16, 0));
    DecodeImage(*app);
    EXPECT_EQ(Trimmed(app->doc.Settings.EmbMsg.Line1), "HELLO WORLD");
    EXPECT_EQ(app->doc.Settings.EmbMsg.Line4.raw(), "0123456789ABCDEF");

    std::fill(app->images.ImageBuf.begin() + kEmbMessage + 32,
              app->images.ImageBuf.begin() + kEmbMessage + 48, std::uint8_t{0xFF});
    app->images.ImageBuf[kEmbMessage + 32] = 'Q';
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Settings.EmbMsg.Line3.raw(), std::string("Q") + '\0' + std::string(14, ' '));
}

TEST(ModelBlock, SevenCharacterNameHasNoTerminator) {
    auto app = MakeApp();
    app->docState.ModelNameText = "ABCDEFG";
    app->docState.BandText = "136 - 174 MHz";
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kModelName, 12),
              (V{'A', 'B', 'C', 'D', 'E', 'F', 'G', 8, 'V', '1', '0', '0'}));
    EXPECT_EQ(app->doc.Model.BandCode, 8);

    app->docState = DocumentState{};
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Model.ModelName.raw(), "ABCDEFG");
    EXPECT_EQ(app->docState.ModelNameText, "ABCDEFG");
    EXPECT_EQ(app->docState.BandText, "136 - 174 MHz");
    EXPECT_EQ(app->docState.BandLimits.low10Hz, 13600000);
    EXPECT_EQ(app->docState.BandLimits.high10Hz, 17400000);
    EXPECT_EQ(app->radioInfo.InfoModelName, "ABCDEFG");
    EXPECT_EQ(app->radioInfo.BandCodeCopy, 8);
}

TEST(ModelBlock, ShortNameGetsATerminatorAndPmrBandLimitsFollowTheText) {
    auto app = MakeApp();
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, kModelName, 8), (V{'V', 'X', '2', '1', '0', 0, 0, 4}));
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Model.ModelName.raw(), std::string("VX210") + '\0' + ' ');
    EXPECT_EQ(app->docState.ModelNameText, "VX210");
    EXPECT_EQ(app->docState.BandLimits.low10Hz, 44600625);
    EXPECT_EQ(app->docState.BandLimits.high10Hz, 44619375);
}

TEST(ModelBlock, UnknownBandCodeGivesBlankTextAndKeepsLimits) {
    auto app = MakeApp();
    app->docState.BandLimits = {40000000, 47000000};
    app->images.ImageBuf[kBandCode] = 15;
    DecodeModelBlock(*app);
    EXPECT_EQ(app->docState.BandText, "");
    EXPECT_EQ(app->doc.Model.BandCode, 15);
    EXPECT_EQ(app->docState.BandLimits.low10Hz, 40000000);
    EXPECT_EQ(app->docState.BandLimits.high10Hz, 47000000);
    EXPECT_EQ(app->doc.Model.ModelName.raw(), std::string(1, '\0') + std::string(6, ' '));
}

TEST(FeatureFlags, RadioBitsFillTheUnsetConfiguredSwitches) {
    auto app = MakeApp();
    app->config.ConfiguredFeatures = {0, 1, 0, 0};
    app->config.RadioFeatures = {1, 1, 1, 1};
    app->images.ImageBuf[kFeatureFlags] = 0xF9; // bits 3..0 = 1 0 0 1
    DecodeFeatureFlags(*app);
    EXPECT_EQ(app->config.RadioFeatures, (std::array<std::uint8_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(app->config.ConfiguredFeatures, (std::array<std::uint8_t, 4>{1, 1, 0, 1}));
}

} // namespace
} // namespace pmr
