#include "ImageTestSupport.h"
#include "image/ChannelCodec.h"
#include "image/ImageCodec.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::Bytes;
using test::MakeApp;
using test::MakeChannel;
using test::Record;
using test::Trimmed;
using test::SetTable;
using test::Trimmed;
using V = std::vector<std::uint8_t>;

TEST(ChannelFrequency, PmrChannelOneOnTheSixPointTwoFiveGrid) {
    auto app = MakeApp();
    SetTable(*app, {MakeChannel(1, "44600625", 1)});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, 0, 3), (V{0x01, 0x16, 0xC1})); // 71361 steps of 6.25 kHz
    EXPECT_EQ(Record(*app, 1)[5] & 0x40, 0x40);

    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    EXPECT_EQ(app->doc.Channels[0].RxFreq.raw(), "44600625");
    EXPECT_EQ(app->doc.Channels[0].RxStep625, 1);
}

TEST(ChannelFrequency, AFlagNamingTheWrongGridIsCorrectedNotRounded) {
    auto app = MakeApp();
    SetTable(*app, {MakeChannel(1, "44600625", 0)});
    EncodeImage(*app);
    // 5 kHz steps would give 89201 = 01 5C 71, read back as 446.00500 MHz.
    EXPECT_EQ(Bytes(*app, 0, 3), (V{0x01, 0x16, 0xC1}));
    EXPECT_EQ(app->doc.Channels[0].RxStep625, 1);
}

TEST(ChannelFrequency, OffsetStepsFollowTheirOwnGridFlag) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(1, "44600625", 1);
    c.TxShift = "0060000"; // 0.6 MHz: 120 steps of 5 kHz, 96 of 6.25 kHz
    c.TxStep625 = 1;
    c.TxShiftDir = 2;
    SetTable(*app, {c});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, 3, 2), (V{0x00, 96}));
    EXPECT_EQ(Record(*app, 1)[5] & 0x20, 0x20);
    EXPECT_EQ((Record(*app, 1)[6] >> 4) & 3, 2);
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Channels[0].TxShift.raw(), "0060000");
    EXPECT_EQ(app->doc.Channels[0].TxShiftDir, 2);
}

TEST(ChannelFrequency, BlankOrForeignOffsetTextsEncodeAsNoOffset) {
    auto app = MakeApp();
    ChannelRecord a = MakeChannel(1, "44600625");
    ChannelRecord b = MakeChannel(2, "44600625");
    ChannelRecord c = MakeChannel(3, "44600625");
    a.TxShift = "";
    b.TxShift = "FFFFFFF";
    c.TxShift = "00A0000";
    SetTable(*app, {a, b, c});
    EncodeImage(*app);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(Bytes(*app, (n - 1) * 32 + 3, 2), (V{0, 0})) << n;
}

TEST(ChannelTones, InvertedDcs023SetsTheTopBitOnly) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(1, "44600625");
    c.RxTone = 582; // D023I: DCS number 531 = 0x213
    SetTable(*app, {c});
    EncodeImage(*app);
    const std::uint8_t* r = Record(*app, 1);
    EXPECT_EQ(r[5] & 0x80, 0x80);
    EXPECT_EQ(r[8] & 0x01, 0x00);
    EXPECT_EQ(r[14], 19);
    EXPECT_EQ(r[5] & 0x03, 2);
    EXPECT_EQ(r[6] & 0x03, 0); // transmit stays off
    EXPECT_EQ(r[12], 0);
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Channels[0].RxTone, 582);
    EXPECT_EQ(app->doc.Channels[0].TxTone, 0);
}

TEST(ChannelTones, CtcssAndNinthDcsBitUseTheirOwnBytes) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(1, "44600625");
    c.RxTone = 50;         // CTCSS 254.1 Hz, byte 49
    c.TxTone = 51 + 0x1A5; // DCS 645 normal: bit 8 set, low byte A5
    SetTable(*app, {c});
    EncodeImage(*app);
    const std::uint8_t* r = Record(*app, 1);
    EXPECT_EQ(r[5] & 0x83, 0x01);
    EXPECT_EQ(r[12], 49);
    EXPECT_EQ(r[6] & 0x83, 0x02);
    EXPECT_EQ(r[9], 0x01);
    EXPECT_EQ(r[15], 0xA5);
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Channels[0].RxTone, 50);
    EXPECT_EQ(app->doc.Channels[0].TxTone, 51 + 0x1A5);
}

TEST(ChannelOptions, EveryFlagLandsOnItsOwnBit) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(5, "44600625");
    c.Scramble = 1;
    c.BusyLock = 2;
    c.Compander = 1;
    c.TxShiftDir = 1;
    c.TxInhibit = 1;
    c.Whisper = 1;
    c.SignalRelation = 1;
    c.OptSignal = 3;
    c.PttId = 1;
    c.TxPower = 0; // stored as 2 - power
    c.ChSpacing = 2;
    c.AutoDialMem = 200;
    c.Name = "AB1";
    SetTable(*app, {c});
    EncodeImage(*app);
    const std::uint8_t* r = Record(*app, 5);
    EXPECT_EQ(r[5], 0x40 | 0x10 | 0x08);
    EXPECT_EQ(r[6], 0x40 | 0x10 | 0x08);
    EXPECT_EQ(r[7], 0x80 | 0x40 | 0x30 | 0x04 | 0x02);
    EXPECT_EQ(r[8], 0x20);
    EXPECT_EQ(r[10], 0);
    EXPECT_EQ(r[11], 200);
    EXPECT_EQ(Bytes(*app, 4 * 32 + 16, 6), (V{'A', 'B', '1', 0, 0, 0}));
    EXPECT_EQ(Bytes(*app, 4 * 32 + 28, 4), (V{0, 0, 0, 0}));

    DecodeImage(*app);
    const ChannelRecord& d = app->doc.Channels[0];
    EXPECT_EQ(d.ChannelNo, 5);
    EXPECT_EQ(d.Scramble, 1);
    EXPECT_EQ(d.BusyLock, 2);
    EXPECT_EQ(d.Compander, 1);
    EXPECT_EQ(d.TxShiftDir, 1);
    EXPECT_EQ(d.TxInhibit, 1);
    EXPECT_EQ(d.Whisper, 1);
    EXPECT_EQ(d.SignalRelation, 1);
    EXPECT_EQ(d.OptSignal, 3);
    EXPECT_EQ(d.PttId, 1);
    EXPECT_EQ(d.TxPower, 0);
    EXPECT_EQ(d.ChSpacing, 2);
    EXPECT_EQ(d.AutoDialMem, 200);
    EXPECT_EQ(d.Name.raw(), std::string("AB1") + '\0' + "  ");
}

TEST(ChannelOptions, OversizedValuesNeverSpillIntoNeighbouringBits) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(1, "44600625");
    c.BusyLock = 7;   // 2-bit field next to the tone type
    c.ChSpacing = 12; // 2-bit field above the DCS bit
    c.PttId = 5;
    c.RxTone = 2000; // not a tone code: sent as off
    c.TxTone = -4;
    c.RxStep625 = 3; // not a grid flag: the frequency's own grid is taken
    c.TxPower = 9;   // not a power level: taken as 0
    SetTable(*app, {c});
    EncodeImage(*app);
    const std::uint8_t* r = Record(*app, 1);
    EXPECT_EQ(r[5] & 0x83, 0); // tone off
    EXPECT_EQ(r[6] & 0x83, 0);
    EXPECT_EQ(r[12] | r[13] | r[14] | r[15], 0);
    EXPECT_EQ(r[5] & 0x40, 0x40);
    EXPECT_EQ(r[8], 0x00);
    EXPECT_EQ(r[7] & 0x03, 2);
    EXPECT_EQ(r[7] & 0x30, 0);
    EXPECT_EQ(app->doc.Channels[0].RxStep625, 1);
    EXPECT_EQ(app->doc.Channels[0].TxPower, 0);
}

TEST(ChannelIdCode, FiveDigitsPackTwoPerByte) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(1, "44600625");
    c.IdCode = "12345";
    SetTable(*app, {c});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, 22, 6), (V{0x12, 0x34, 0x50, 0, 0, 5}));
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Channels[0].IdCode.raw(), std::string("12345") + '\0' + "    ");
    EXPECT_EQ(app->doc.Channels[0].IdCodeMaxLen, 10);

    app->doc.Channels[0].IdCode = "7"; // short codes are filled to three digits
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, 22, 6), (V{0x70, 0x00, 0, 0, 0, 3}));
}

TEST(ChannelIdCode, DtmfSignallingCountsThreeDigitsButWritesAll) {
    auto app = MakeApp();
    app->doc.Settings.Dtmf.DtmfSignalling = 1;
    ChannelRecord c = MakeChannel(1, "44600625");
    c.IdCode = "12345";
    SetTable(*app, {c});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, 22, 6), (V{0x12, 0x34, 0x50, 0, 0, 3}));
    DecodeImage(*app);
    EXPECT_EQ(Trimmed(app->doc.Channels[0].IdCode), "123");
    EXPECT_EQ(app->doc.Channels[0].IdCodeMaxLen, 3);
}

TEST(ChannelTable, VfoHasNoNameNoBitmapBitsAndDecodesLast) {
    auto app = MakeApp();
    ChannelRecord vfo = MakeChannel(kVfoChannelNo, "44610000", 0);
    vfo.Name = "VFO";
    vfo.ScanSkip = 0;
    SetTable(*app, {vfo, MakeChannel(3, "44603125"), MakeChannel(1, "44600625")});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, image_map::kVfoRecord + 16, 6), (V(6, 0)));
    EXPECT_EQ(Bytes(*app, image_map::kEmptyBitmap, 16),
              (V{0xFA, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(*app, image_map::kScanSkipBitmap, 1), (V{0xFA}));

    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 3);
    EXPECT_EQ(app->doc.Channels[0].ChannelNo, 1);
    EXPECT_EQ(app->doc.Channels[1].ChannelNo, 3);
    EXPECT_EQ(app->doc.Channels[2].ChannelNo, kVfoChannelNo);
    EXPECT_EQ(app->doc.Channels[2].RxFreq.raw(), "44610000");
    EXPECT_EQ(app->doc.Channels[2].ScanSkip, 0);
}

TEST(ChannelTable, ScanSkipIsKeptInItsBitmap) {
    auto app = MakeApp();
    ChannelRecord c = MakeChannel(9, "44600625");
    c.ScanSkip = 1;
    SetTable(*app, {c, MakeChannel(10, "44601875")});
    EncodeImage(*app);
    EXPECT_FALSE(test::EmptyBit(*app, 9));
    EXPECT_TRUE(test::ScanSkipBit(*app, 9));
    EXPECT_FALSE(test::ScanSkipBit(*app, 10));
    DecodeImage(*app);
    EXPECT_EQ(app->doc.Channels[0].ScanSkip, 1);
    EXPECT_EQ(app->doc.Channels[1].ScanSkip, 0);
}

TEST(ChannelTable, EntriesWithoutReceiveFrequencyStayEmpty) {
    auto app = MakeApp();
    ChannelRecord blank = MakeChannel(2, "");
    ChannelRecord erased = MakeChannel(3, "FFFFFFFF");
    ChannelRecord garbled = MakeChannel(4, "44A00625"); // no number to send
    SetTable(*app, {MakeChannel(1, "44600625"), blank, erased, garbled});
    EncodeImage(*app);
    EXPECT_EQ(app->doc.Channels[1].IsEmpty, 1);
    EXPECT_EQ(app->doc.Channels[2].IsEmpty, 1);
    EXPECT_EQ(app->doc.Channels[0].IsEmpty, 0);
    EXPECT_TRUE(test::EmptyBit(*app, 2));
    EXPECT_TRUE(test::EmptyBit(*app, 3));
    EXPECT_TRUE(test::EmptyBit(*app, 4));
    // No VFO in the table: its record is erased, not a VFO at 0 MHz.
    EXPECT_EQ(Bytes(*app, image_map::kVfoRecord, 32), (V(32, 0xFF)));
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    EXPECT_EQ(app->doc.Channels[0].ChannelNo, 1);
}

TEST(ChannelTable, RepeatedChannelNumberKeepsTheChannelPresent) {
    auto app = MakeApp();
    ChannelRecord second = MakeChannel(4, "44601875");
    second.ScanSkip = 1;
    SetTable(*app, {MakeChannel(4, "44600625"), second});
    EncodeImage(*app);
    EXPECT_FALSE(test::EmptyBit(*app, 4));
    EXPECT_TRUE(test::ScanSkipBit(*app, 4));
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    EXPECT_EQ(app->doc.Channels[0].RxFreq.raw(), "44601875"); // the later entry wins
}

TEST(ChannelTable, ChannelNumbersOutsideTheRadioAreNotWritten) {
    auto app = MakeApp();
    SetTable(*app, {MakeChannel(0, "44600625"), MakeChannel(-5, "44600625"),
                    MakeChannel(300, "44600625")});
    EncodeImage(*app);
    EXPECT_EQ(Bytes(*app, image_map::kVfoRecord, 32), (V(32, 0xFF)));
    EXPECT_EQ(Bytes(*app, 0, 32), (V(32, 0)));
    app->doc.ChannelCount = 500; // a table count no document may have
    EncodeImage(*app);
    app->doc.ChannelCount = -3;
    EncodeImage(*app);
}

TEST(ChannelDecode, OddRecordsReadAsSafeValues) {
    auto app = MakeApp();
    test::MarkPresent(*app, 1);
    std::uint8_t* r = Record(*app, 1);
    std::fill(r, r + 32, std::uint8_t{0});
    r[2] = 100;
    r[5] = 0x03;  // receive tone type 3
    r[6] = 0x31;  // TxShiftDir 3, CTCSS
    r[13] = 77;   // CTCSS number 78 does not exist
    r[7] = 0x03;  // power field 3
    r[27] = 11;   // ID length beyond 10
    r[22] = 0xAB; // not decimal
    r[16] = 'X';
    r[17] = 0xFF;
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    const ChannelRecord& d = app->doc.Channels[0];
    EXPECT_EQ(d.RxTone, 0);
    EXPECT_EQ(d.TxTone, 0);
    EXPECT_EQ(d.TxShiftDir, 0);
    EXPECT_EQ(d.TxPower, 0);
    EXPECT_EQ(d.IdCode.raw(), std::string("000") + '\0' + "      ");
    EXPECT_EQ(d.Name.raw(), std::string("X") + '\0' + "    ");
    EXPECT_EQ(d.RxFreq.raw(), "00050000");
}

TEST(ChannelDecode, ErasedAndUnrepresentableRecordsAreDropped) {
    auto app = MakeApp(); // all FF: every bit empty, VFO erased
    DecodeImage(*app);
    EXPECT_EQ(app->doc.ChannelCount, 0);

    // Present in the bitmap but 200000 steps; and 199999 steps of 6.25 kHz, which
    // would need nine digits.
    test::MarkPresent(*app, 1);
    test::MarkPresent(*app, 2);
    std::uint8_t* r1 = Record(*app, 1);
    r1[0] = 0x03, r1[1] = 0x0D, r1[2] = 0x40;
    std::uint8_t* r2 = Record(*app, 2);
    r2[0] = 0x03, r2[1] = 0x0D, r2[2] = 0x3F, r2[5] = 0x40;
    test::MarkPresent(*app, 3);
    std::uint8_t* r3 = Record(*app, 3);
    r3[0] = 0x03, r3[1] = 0x0D, r3[2] = 0x3F, r3[5] = 0x00; // 999.99500 MHz still fits
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    EXPECT_EQ(app->doc.Channels[0].ChannelNo, 3);
    EXPECT_EQ(app->doc.Channels[0].RxFreq.raw(), "99999500");
}

TEST(ChannelDecode, OversizedOffsetReadsAsNoOffset) {
    auto app = MakeApp();
    test::MarkPresent(*app, 1);
    std::uint8_t* r = Record(*app, 1);
    std::fill(r, r + 32, std::uint8_t{0});
    r[3] = 0xFF;
    r[4] = 0xFF;
    r[6] = 0x20; // plus
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 1);
    EXPECT_EQ(app->doc.Channels[0].TxShift.raw(), "0000000");
    EXPECT_EQ(app->doc.Channels[0].TxShiftDir, 0);
}

TEST(ChannelDecode, MembersTheImageLacksGetANewChannelsValues) {
    auto app = MakeApp();
    SetTable(*app, {MakeChannel(1, "44600625"), MakeChannel(kVfoChannelNo, "44600625")});
    app->doc.Settings.Dtmf.DtmfSignalling = 1;
    app->doc.Channels[0].IdCode = "12345";
    EncodeImage(*app);
    for (ChannelRecord& slot : app->doc.Channels) {
        slot.RevTalkMode = 2, slot.Talkaround = 1, slot.Reverse = 1, slot.Spare = 7;
        slot.IdCodeMaxLen = 10, slot.Name = "OLD";
    }
    DecodeImage(*app);
    ASSERT_EQ(app->doc.ChannelCount, 2);
    for (const ChannelRecord& c : {app->doc.Channels[0], app->doc.Channels[1]}) {
        EXPECT_EQ(c.RevTalkMode, 0);
        EXPECT_EQ(c.Talkaround, 0);
        EXPECT_EQ(c.Reverse, 0);
        EXPECT_EQ(c.Spare, 0);
        EXPECT_EQ(c.IdCodeMaxLen, 3); // the radio's own DTMF signalling rule
    }
    EXPECT_EQ(Trimmed(app->doc.Channels[0].IdCode), "123"); // the three digits it sends
    EXPECT_EQ(Trimmed(app->doc.Channels[1].Name), "");       // the VFO has no name
}

TEST(ChannelDecode, DirectCallsGuardTheTable) {
    auto app = MakeApp();
    SetTable(*app, {MakeChannel(1, "44600625")});
    EncodeImage(*app);
    app->doc.ChannelCount = 0;
    EXPECT_TRUE(DecodeChannel(*app, 0));
    EXPECT_FALSE(DecodeChannel(*app, 0)); // already in the table
    EXPECT_FALSE(DecodeChannel(*app, -1));
    EXPECT_FALSE(DecodeChannel(*app, 129));
    EXPECT_EQ(app->doc.ChannelCount, 1);
}

} // namespace
} // namespace pmr
