// Every member of the document lands at its own offset of the 11037-byte record,
// little-endian, with nothing between members. The expected bytes are laid down
// here from the file layout table, independently of the encoder.

#include "files/DocumentRecord.h"

#include <bitset>
#include <gtest/gtest.h>
#include <vector>

namespace pmr {
namespace {

// Gives each member a value no other member has and writes the bytes it must
// become at the tabled offset into `expected`, marking them as covered.
class DistinctFiller {
public:
    DocumentRecordBytes expected{};
    std::bitset<kDocumentRecordSize> covered;

    void integer(Integer& member, std::size_t offset) {
        // Both bytes change from member to member; half the values are negative.
        const auto u = static_cast<std::uint16_t>(0x8123 + 0x0107 * next_++);
        member = static_cast<Integer>(u);
        put(offset, static_cast<std::uint8_t>(u & 0xFF));
        put(offset + 1, static_cast<std::uint8_t>(u >> 8));
    }
    void byte(Byte& member, std::size_t offset) {
        member = static_cast<Byte>(0x11 + 3 * next_++);
        put(offset, member);
    }
    template <std::size_t N> void text(FixedText<N>& member, std::size_t offset) {
        const int start = next_++;
        for (std::size_t i = 0; i < N; ++i) {
            const char c = static_cast<char>(0x21 + (start * 7 + static_cast<int>(i)) % 0x5E);
            member[i] = c;
            put(offset + i, static_cast<std::uint8_t>(c));
        }
    }

private:
    void put(std::size_t offset, std::uint8_t value) {
        ASSERT_LT(offset, kDocumentRecordSize);
        ASSERT_FALSE(covered.test(offset)) << "two members share offset " << offset;
        covered.set(offset);
        expected[offset] = value;
    }
    int next_ = 1;
};

void FillChannel(DistinctFiller& f, ChannelRecord& c, std::size_t at) {
    f.integer(c.ChannelNo, at + 0);
    f.integer(c.IsEmpty, at + 2);
    f.text(c.RxFreq, at + 4);
    f.byte(c.TxShiftDir, at + 12);
    f.text(c.TxShift, at + 13);
    f.integer(c.RxTone, at + 20);
    f.integer(c.TxTone, at + 22);
    f.integer(c.RxStep625, at + 24);
    f.integer(c.TxStep625, at + 26);
    f.integer(c.Scramble, at + 28);
    f.integer(c.BusyLock, at + 30);
    f.integer(c.RevTalkMode, at + 32);
    f.integer(c.TxInhibit, at + 34);
    f.integer(c.Talkaround, at + 36);
    f.integer(c.Spare, at + 38);
    f.integer(c.PttId, at + 40);
    f.integer(c.Whisper, at + 42);
    f.integer(c.ChSpacing, at + 44);
    f.integer(c.OptSignal, at + 46);
    f.integer(c.Compander, at + 48);
    f.integer(c.Reverse, at + 50);
    f.integer(c.TxPower, at + 52);
    f.integer(c.AutoDialMem, at + 54);
    f.integer(c.ScanSkip, at + 56);
    f.text(c.Name, at + 58);
    f.text(c.IdCode, at + 64);
    f.integer(c.IdCodeMaxLen, at + 74);
    f.integer(c.SignalRelation, at + 76);
}

void FillOpt(DistinctFiller& f, OptFeatures& o) {
    constexpr std::size_t at = 10453;
    Integer* first34[] = {
        &o.FreqStep,     &o.SqlLevel,    &o.PriorityCh,    &o.DisplayMode,    &o.ScreenColor,
        &o.Backlight,    &o.BatterySave, &o.TailElimMode,  &o.VoicePrompt,    &o.KeyBeep,
        &o.PromptVolume, &o.Spare,       &o.VoxTone,       &o.PowerOnDisplay, &o.WiredClone,
        &o.FactoryTest,  &o.Whisper,     &o.NoSigTailElim, &o.WorkMode,       &o.FmWorkMode,
        &o.ScanMode,     &o.FmRadio,     &o.ScramblerFreq, &o.CurrentCh,      &o.FmCurrentCh,
        &o.Tot,          &o.ScanPause,   &o.TotPreAlert,   &o.TotRekey,       &o.TotReset,
        &o.Vox,          &o.VoxLevel,    &o.VoxDelay,      &o.NoInit};
    for (std::size_t i = 0; i < 34; ++i)
        f.integer(*first34[i], at + 2 * i);
    f.text(o.PowerOnText, at + 68);
    f.integer(o.ChannelLock, at + 80);
    f.integer(o.Alarm, at + 82);
    f.integer(o.DirectCh1, at + 84);
    f.integer(o.DirectCh2, at + 86);
}

void FillDtmfCode(DistinctFiller& f, DtmfCode& c, std::size_t at) {
    f.integer(c.Len, at);
    f.text(c.Digits, at + 2);
}

void FillDtmf(DistinctFiller& f, DtmfSettings& d) {
    constexpr std::size_t at = 10541;
    Integer* options[] = {&d.DtmfRate,   &d.FirstDigitTime, &d.FirstDigitDelay, &d.StarHashTime,
                          &d.DKey,       &d.SideTone,       &d.DtmfSignalling,  &d.CallPrompt,
                          &d.AutoAnswer, &d.MiddleCode,     &d.GroupCode,       &d.AutoResetTime};
    for (std::size_t i = 0; i < 12; ++i)
        f.integer(*options[i], at + 2 * i);
    FillDtmfCode(f, d.BotCode, at + 24);
    FillDtmfCode(f, d.EotCode, at + 42);
    FillDtmfCode(f, d.StunCode, at + 60);
    FillDtmfCode(f, d.KillCode, at + 78);
    for (std::size_t i = 1; i <= 16; ++i)
        FillDtmfCode(f, d.DialMemory[i - 1], at + 96 + 18 * (i - 1));
}

RadioDocument FillEveryMember(DistinctFiller& f) {
    RadioDocument doc;
    f.text(doc.Version, 0);
    f.integer(doc.ChannelCount, 4);
    for (std::size_t i = 0; i < 129; ++i)
        FillChannel(f, doc.Channels[i], 6 + 78 * i);
    for (std::size_t i = 0; i < 20; ++i) {
        f.integer(doc.FmPresets[i].IsEmpty, 10068 + 10 * i);
        f.text(doc.FmPresets[i].Freq, 10068 + 10 * i + 2);
    }
    for (std::size_t i = 0; i < 11; ++i) {
        f.text(doc.TestFreqs[i].RxFreq, 10268 + 16 * i);
        f.text(doc.TestFreqs[i].TxFreq, 10268 + 16 * i + 8);
    }
    f.text(doc.Model.ModelName, 10444);
    f.integer(doc.Model.BandCode, 10451);
    FillOpt(f, doc.Settings.Opt);
    FillDtmf(f, doc.Settings.Dtmf);
    f.text(doc.Settings.EmbMsg.Line1, 10925);
    f.text(doc.Settings.EmbMsg.Line2, 10941);
    f.text(doc.Settings.EmbMsg.Line3, 10957);
    f.text(doc.Settings.EmbMsg.Line4, 10973);
    KeySettings& k = doc.Settings.Keys;
    Integer* keys[] = {&k.LongPressTime, &k.Pf1Long,   &k.Pf1Short, &k.Pf2Long,  &k.Pf2Short,
                       &k.Key3Long,      &k.Key4Long,  &k.Key5Long, &k.Key6Long, &k.Key3Short,
                       &k.Key4Short,     &k.Key5Short, &k.Key6Short};
    for (std::size_t i = 0; i < 13; ++i)
        f.integer(*keys[i], 10989 + 2 * i);
    AlertSettings& a = doc.Settings.Alert;
    Byte* alert[] = {&a.Type,   &a.IdType,     &a.IdMemory,    &a.AlarmTime, &a.TxTime,
                     &a.RxTime, &a.ChannelSel, &a.EmergencyCh, &a.Cycles};
    for (std::size_t i = 0; i < 9; ++i)
        f.byte(*alert[i], 11015 + i);
    ScanSettings& s = doc.Settings.Scan;
    Byte* scan[] = {&s.Mode,      &s.PriorityMode,  &s.RevertCh,      &s.LookBackA,
                    &s.LookBackB, &s.RxResumeDelay, &s.TxResumeDelay, &s.EntryTone,
                    &s.ExitTone,  &s.PriorityCh1,   &s.PriorityCh2,   &s.WaitTime};
    for (std::size_t i = 0; i < 12; ++i)
        f.byte(*scan[i], 11024 + i);
    f.byte(doc.AlarmMode, 11036);
    return doc;
}

TEST(DocumentRecordLayout, EveryMemberIsWrittenAtItsTabledOffset) {
    DistinctFiller filler;
    const RadioDocument doc = FillEveryMember(filler);
    ASSERT_TRUE(filler.covered.all()) << "the layout table leaves bytes without a member";

    const DocumentRecordBytes written = EncodeDocumentRecord(doc);
    for (std::size_t i = 0; i < kDocumentRecordSize; ++i)
        ASSERT_EQ(written[i], filler.expected[i]) << "at offset " << i;
}

TEST(DocumentRecordLayout, ReadingTheTabledBytesGivesEveryMemberBack) {
    DistinctFiller filler;
    const RadioDocument doc = FillEveryMember(filler);
    EXPECT_EQ(DecodeDocumentRecord(filler.expected), doc);
}

TEST(DocumentRecordLayout, IntegersAreLittleEndianAndSigned) {
    RadioDocument doc;
    doc.ChannelCount = 0x0102;
    doc.Channels[0].RxTone = -2; // 0xFFFE
    doc.Model.BandCode = 32;
    const DocumentRecordBytes bytes = EncodeDocumentRecord(doc);
    EXPECT_EQ(bytes[4], 0x02);
    EXPECT_EQ(bytes[5], 0x01);
    EXPECT_EQ(bytes[6 + 20], 0xFE);
    EXPECT_EQ(bytes[6 + 21], 0xFF);
    EXPECT_EQ(bytes[10451], 32);
    EXPECT_EQ(bytes[10452], 0);
    EXPECT_EQ(DecodeDocumentRecord(bytes).Channels[0].RxTone, -2);
}

TEST(DocumentRecordLayout, AShortBufferReadsAsZerosAndExtraBytesAreIgnored) {
    DistinctFiller filler;
    const RadioDocument doc = FillEveryMember(filler);
    const DocumentRecordBytes full = EncodeDocumentRecord(doc);

    // Cut inside the Model record: ModelName complete, BandCode missing.
    std::vector<std::uint8_t> cut(full.begin(), full.begin() + 10451);
    const RadioDocument shortDoc = DecodeDocumentRecord(cut);
    EXPECT_EQ(shortDoc.Model.ModelName, doc.Model.ModelName);
    EXPECT_EQ(shortDoc.Model.BandCode, 0);
    EXPECT_EQ(shortDoc.Settings.Opt, OptFeatures{});
    EXPECT_EQ(shortDoc.AlarmMode, 0);
    EXPECT_EQ(shortDoc.Channels, doc.Channels);

    std::vector<std::uint8_t> longer(full.begin(), full.end());
    longer.resize(longer.size() + 500, 0xAB);
    EXPECT_EQ(DecodeDocumentRecord(longer), doc);

    EXPECT_EQ(DecodeDocumentRecord({}), RadioDocument{});
}

} // namespace
} // namespace pmr
