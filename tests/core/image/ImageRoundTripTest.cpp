#include "ImageTestSupport.h"
#include "files/DocumentRecord.h"
#include "image/ImageCodec.h"
#include "image/RadioFit.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace pmr {
namespace {

using namespace image_map;
using test::MakeApp;
using test::MakeChannel;
using test::Trimmed;

/// A document in which every member the image holds has a value of its own.
void FillDocument(AppContext& app) {
    RadioDocument& doc = app.doc;
    doc.ChannelCount = 0;
    for (int n : {1, 2, 17, 64, 100, 128, kVfoChannelNo}) {
        ChannelRecord c = MakeChannel(n, n % 2 ? "44600625" : "43512500", n % 2);
        c.RxFreq = n % 2 ? "44600625" : "43512500";
        c.TxShiftDir = static_cast<Byte>(n % 3);
        c.TxShift = n % 2 ? "0060000" : "0500000";
        c.TxStep625 = n % 2;
        c.RxTone = static_cast<Integer>((n * 37) % 1075);
        c.TxTone = static_cast<Integer>((n * 53 + 9) % 1075);
        c.Scramble = n % 2;
        c.BusyLock = n % 4;
        c.TxInhibit = (n / 2) % 2;
        c.PttId = (n + 1) % 4;
        c.Whisper = (n / 4) % 2;
        c.ChSpacing = (n + 2) % 4;
        c.OptSignal = (n + 3) % 4;
        c.Compander = (n / 8) % 2;
        c.TxPower = n % 3;
        c.AutoDialMem = static_cast<Integer>(n + 100);
        c.ScanSkip = n == kVfoChannelNo ? 0 : (n / 16) % 2;
        c.Name = n == kVfoChannelNo ? "" : "CH" + std::to_string(n);
        c.IdCode = std::to_string(1000 + n * 7);
        c.SignalRelation = (n / 32) % 2;
        doc.Channels[static_cast<std::size_t>(doc.ChannelCount++)] = c;
    }
    for (int i = 0; i < 20; ++i) {
        doc.FmPresets[static_cast<std::size_t>(i)].IsEmpty = i % 3 == 0;
        doc.FmPresets[static_cast<std::size_t>(i)].Freq = "0" + std::to_string(8750000 + i * 10000);
    }
    OptFeatures& o = doc.Settings.Opt;
    o = {3,  7,  0,  2, 1,  3, 2,
         1,  2,  1,  4, 1,  1, 3,
         0,  0,  0,  1, 1,  1, 0,
         1,  3,  17, 5, 90, 2, 6,
         11, 12, 1,  2, 9,  1, FixedText<12>("POWER ON"),
         1,  0,  4,  5};
    doc.AlarmMode = 1;
    DtmfSettings& d = doc.Settings.Dtmf;
    d.DtmfRate = 3, d.FirstDigitTime = 4, d.FirstDigitDelay = 5, d.StarHashTime = 6, d.DKey = 7;
    d.SideTone = 1, d.CallPrompt = 2, d.MiddleCode = 11, d.GroupCode = 14, d.AutoResetTime = 40;
    d.BotCode = {5, FixedText<16>("1A*#9")};
    d.EotCode = {16, FixedText<16>("0123456789ABCD*#")};
    d.StunCode = {1, FixedText<16>("7")};
    d.KillCode = {0, FixedText<16>("")};
    for (int i = 0; i < 16; ++i)
        d.DialMemory[static_cast<std::size_t>(i)] = {
            static_cast<Integer>(i % 9), FixedText<16>(std::string("98765432").substr(0, i % 9))};
    doc.Settings.EmbMsg = {FixedText<16>("LINE ONE"), FixedText<16>("0123456789ABCDEF"),
                           FixedText<16>(""), FixedText<16>("4")};
    doc.Settings.Keys = {25, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    doc.Settings.Alert = {2, 1, 7, 15, 20, 25, 1, 33, 4};
    doc.Settings.Scan = {1, 2, 3, 21, 31, 41, 51, 1, 1, 12, 13, 9};
    app.docState.ModelNameText = "VX210";
    app.docState.BandText = "430 - 440 MHz";
}

void ExpectSameChannel(const ChannelRecord& a, const ChannelRecord& b) {
    SCOPED_TRACE(a.ChannelNo);
    EXPECT_EQ(a.ChannelNo, b.ChannelNo);
    EXPECT_EQ(a.RxFreq.raw(), b.RxFreq.raw());
    EXPECT_EQ(a.TxShiftDir, b.TxShiftDir);
    EXPECT_EQ(a.TxShift.raw(), b.TxShift.raw());
    EXPECT_EQ(a.RxTone, b.RxTone);
    EXPECT_EQ(a.TxTone, b.TxTone);
    EXPECT_EQ(a.RxStep625, b.RxStep625);
    EXPECT_EQ(a.TxStep625, b.TxStep625);
    EXPECT_EQ(a.Scramble, b.Scramble);
    EXPECT_EQ(a.BusyLock, b.BusyLock);
    EXPECT_EQ(a.TxInhibit, b.TxInhibit);
    EXPECT_EQ(a.PttId, b.PttId);
    EXPECT_EQ(a.Whisper, b.Whisper);
    EXPECT_EQ(a.ChSpacing, b.ChSpacing);
    EXPECT_EQ(a.OptSignal, b.OptSignal);
    EXPECT_EQ(a.Compander, b.Compander);
    EXPECT_EQ(a.TxPower, b.TxPower);
    EXPECT_EQ(a.AutoDialMem, b.AutoDialMem);
    EXPECT_EQ(a.ScanSkip, b.ScanSkip);
    EXPECT_EQ(a.SignalRelation, b.SignalRelation);
    EXPECT_EQ(a.IsEmpty, b.IsEmpty);
    EXPECT_EQ(Trimmed(a.Name), Trimmed(b.Name));
    EXPECT_EQ(Trimmed(a.IdCode), Trimmed(b.IdCode));
}

TEST(ImageRoundTrip, DocumentComesBackWithEveryMemberTheImageHolds) {
    auto app = MakeApp();
    FillDocument(*app);
    EncodeImage(*app);
    const RadioDocument written = app->doc;

    auto reader = MakeApp();
    reader->images = app->images;
    DecodeImage(*reader);
    const RadioDocument& read = reader->doc;

    ASSERT_EQ(read.ChannelCount, written.ChannelCount);
    for (int i = 0; i < read.ChannelCount; ++i)
        ExpectSameChannel(read.Channels[static_cast<std::size_t>(i)],
                          written.Channels[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 20; ++i) {
        const auto& r = read.FmPresets[static_cast<std::size_t>(i)];
        const auto& w = written.FmPresets[static_cast<std::size_t>(i)];
        EXPECT_EQ(r.IsEmpty != 0, w.IsEmpty != 0) << i;
        if (w.IsEmpty == 0) {
            EXPECT_EQ(r.Freq.raw(), w.Freq.raw()) << i;
        }
    }
    OptFeatures ro = read.Settings.Opt;
    OptFeatures wo = written.Settings.Opt;
    EXPECT_EQ(Trimmed(ro.PowerOnText), Trimmed(wo.PowerOnText));
    // Kept in the document only: not in the image.
    for (OptFeatures* o : {&ro, &wo}) {
        o->PowerOnText = "";
        o->PriorityCh = o->WiredClone = o->FactoryTest = o->Whisper = o->ScanMode = o->Alarm = 0;
    }
    EXPECT_EQ(ro, wo);
    EXPECT_EQ(read.AlarmMode, written.AlarmMode);

    DtmfSettings rd = read.Settings.Dtmf;
    DtmfSettings wd = written.Settings.Dtmf;
    rd.AutoAnswer = wd.AutoAnswer = 0;
    auto sameCode = [](const DtmfCode& r, const DtmfCode& w) {
        EXPECT_EQ(r.Len, w.Len);
        EXPECT_EQ(Trimmed(r.Digits), Trimmed(w.Digits).substr(0, static_cast<std::size_t>(w.Len)));
    };
    sameCode(rd.BotCode, wd.BotCode);
    sameCode(rd.EotCode, wd.EotCode);
    sameCode(rd.StunCode, wd.StunCode);
    sameCode(rd.KillCode, wd.KillCode);
    for (int i = 0; i < 16; ++i)
        sameCode(rd.DialMemory[static_cast<std::size_t>(i)],
                 wd.DialMemory[static_cast<std::size_t>(i)]);
    rd.BotCode = rd.EotCode = rd.StunCode = rd.KillCode = wd.BotCode = wd.EotCode = wd.StunCode =
        wd.KillCode = DtmfCode{};
    rd.DialMemory = wd.DialMemory = {};
    EXPECT_EQ(rd, wd);

    for (auto [r, w] : {std::pair{&read.Settings.EmbMsg.Line1, &written.Settings.EmbMsg.Line1},
                        std::pair{&read.Settings.EmbMsg.Line2, &written.Settings.EmbMsg.Line2},
                        std::pair{&read.Settings.EmbMsg.Line3, &written.Settings.EmbMsg.Line3},
                        std::pair{&read.Settings.EmbMsg.Line4, &written.Settings.EmbMsg.Line4}})
        EXPECT_EQ(Trimmed(*r), Trimmed(*w));
    EXPECT_EQ(read.Settings.Keys, written.Settings.Keys);
    EXPECT_EQ(read.Settings.Alert, written.Settings.Alert);
    EXPECT_EQ(read.Settings.Scan, written.Settings.Scan);
    EXPECT_EQ(Trimmed(read.Model.ModelName), "VX210");
    EXPECT_EQ(read.Model.BandCode, 6);
    EXPECT_EQ(reader->docState.BandText, "430 - 440 MHz");
}

TEST(ImageRoundTrip, EncoderLeavesTheUninterpretedBytesAlone) {
    auto app = MakeApp();
    for (int i = 0; i < kImageSize; ++i)
        app->images.ImageBuf[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
    const auto before = app->images.ImageBuf;
    FillDocument(*app);
    EncodeImage(*app);
    const auto& after = app->images.ImageBuf;
    for (int a = kKeptAreaBegin; a < kKeptAreaEnd; ++a)
        EXPECT_EQ(after[a], before[a]) << std::hex << a;
    for (int a = kKeptTailBegin; a < kKeptTailEnd; ++a)
        EXPECT_EQ(after[a], before[a]) << std::hex << a;
    // Everything else is the encoder's: cleared gaps read 0.
    EXPECT_EQ(after[0x1054], 0);
    EXPECT_EQ(after[0x1229], 0);
    EXPECT_EQ(after[0x12FF], 0);
    EXPECT_EQ(after[0x1030 + 14], 0xFF); // scan bits of channels 113-120 (none used)
}

// A read replaces the document whole: whatever was open before, the same radio
// gives the same .dat file, and writing it back gives the radio its own bytes.
TEST(ImageRoundTrip, ReadingTheSameRadioTwiceGivesTheSameFileAndWritingItBackChangesNothing) {
    auto radio = MakeApp();
    FillDocument(*radio);
    EncodeImage(*radio);

    auto fresh = MakeApp();
    fresh->images = radio->images;
    DecodeImage(*fresh);

    auto used = MakeApp();
    FillDocument(*used); // leftovers in every slot, document-only members included
    for (ChannelRecord& c : used->doc.Channels) {
        c.RevTalkMode = 2, c.Talkaround = 1, c.Reverse = 1, c.Spare = 7, c.IdCodeMaxLen = 3;
        c.Name = "OLD";
    }
    used->doc.Settings.Dtmf.AutoAnswer = 1;
    used->doc.Settings.Opt.ScanMode = 1;
    used->doc.TestFreqs[5].RxFreq = "43000000";
    used->images = radio->images;
    DecodeImage(*used);
    EXPECT_EQ(EncodeDocumentRecord(used->doc), EncodeDocumentRecord(fresh->doc));

    EncodeImage(*used);
    EXPECT_EQ(used->images.ImageBuf, radio->images.ImageBuf);
}

TEST(ImageRoundTrip, EncodingTwiceGivesTheSameImage) {
    auto app = MakeApp();
    FillDocument(*app);
    EncodeImage(*app);
    const auto first = app->images.ImageBuf;
    EncodeImage(*app);
    EXPECT_EQ(app->images.ImageBuf, first);
}

TEST(ClearImage, ErasesExceptWhileReadingTheRadioInformation) {
    ImageBuffers images;
    images.ImageBuf.fill(0x12);
    images.InfoBuf.fill(0x34);
    ClearImage(images, kLinkModeRadioInfo);
    EXPECT_EQ(images.ImageBuf[100], 0x12);
    ClearImage(images, 1);
    for (auto b : images.ImageBuf)
        ASSERT_EQ(b, 0xFF);
    EXPECT_EQ(images.InfoBuf[0], 0x34);
    images.ImageBuf.fill(0);
    ClearImage(images, 2);
    EXPECT_EQ(images.ImageBuf[kImageSize - 1], 0xFF);
}

void ExpectDocumentInvariants(const RadioDocument& doc) {
    ASSERT_GE(doc.ChannelCount, 0);
    ASSERT_LE(doc.ChannelCount, kMaxChannelEntries);
    std::set<int> seen;
    for (int i = 0; i < doc.ChannelCount; ++i) {
        const ChannelRecord& c = doc.Channels[static_cast<std::size_t>(i)];
        EXPECT_GE(c.ChannelNo, 1);
        EXPECT_LE(c.ChannelNo, kVfoChannelNo);
        EXPECT_TRUE(seen.insert(c.ChannelNo).second) << c.ChannelNo;
        const std::string rx = Trimmed(c.RxFreq);
        EXPECT_EQ(rx.size(), 8u);
        EXPECT_EQ(rx.find_first_not_of("0123456789"), std::string::npos) << rx;
        EXPECT_GE(c.RxTone, 0);
        EXPECT_LE(c.RxTone, 1074);
        EXPECT_LE(c.TxShiftDir, 2);
        EXPECT_LE(c.TxPower, 2);
    }
}

TEST(ImageDecode, ArbitraryBytesGiveAValidDocumentAndAStableImage) {
    std::mt19937 rng(446);
    for (int round = 0; round < 200; ++round) {
        auto app = MakeApp();
        for (auto& b : app->images.ImageBuf)
            b = static_cast<std::uint8_t>(rng());
        if (round % 2 == 0) // mostly-present channels with plausible frequencies
            for (int n = 0; n < 129; ++n)
                app->images.ImageBuf[static_cast<std::size_t>(n * 32)] &= 0x01;
        if (round % 4 == 0)
            std::fill_n(app->images.ImageBuf.begin() + kEmptyBitmap, 16, std::uint8_t{0});
        DecodeImage(*app);
        ExpectDocumentInvariants(app->doc);
        // Whatever channels a radio holds, what was read can be written back;
        // a radio-wide setting no window would store is named with its window,
        // where opening it puts the value right.
        for (const UnfitValue& v : FindValuesTheRadioCannotHold(*app)) {
            EXPECT_EQ(v.channelNo, 0) << "round " << round << ": " << v.member << " " << v.value;
            EXPECT_NE(v.windowId, 0) << "round " << round << ": " << v.member << " " << v.value;
        }
        EncodeImage(*app);
        const auto once = app->images.ImageBuf;
        auto again = MakeApp();
        again->images = app->images;
        DecodeImage(*again);
        ExpectDocumentInvariants(again->doc);
        EXPECT_EQ(again->doc.ChannelCount, app->doc.ChannelCount);
        EncodeImage(*again);
        ASSERT_EQ(again->images.ImageBuf, once) << "round " << round;
    }
}

} // namespace
} // namespace pmr
