#include "document/DocumentDefaults.h"

#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/BandDefaults.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"
#include "document/FrequencyText.h"
#include "document/RadioInfo.h"
#include "document/TrimFix.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(ResetSettings, GivesTheDefaultsAndKeepsThePttIdStunAndKillCodes) {
    RadioDocument doc;
    doc.Settings.Dtmf.BotCode = {3, FixedText<16>("123")};
    doc.Settings.Dtmf.EotCode = {2, FixedText<16>("*#")};
    doc.Settings.Dtmf.StunCode = {4, FixedText<16>("ABCD")};
    doc.Settings.Dtmf.KillCode = {1, FixedText<16>("9")};
    doc.Settings.Dtmf.DtmfSignalling = 1;
    doc.Settings.Dtmf.DialMemory[15] = {5, FixedText<16>("12345")};
    doc.Settings.Opt.Tot = 60;
    doc.Settings.Alert.Cycles = 7;
    doc.AlarmMode = 1;
    const DtmfSettings before = doc.Settings.Dtmf;

    ResetSettings(doc);
    const RadioSettings& s = doc.Settings;
    EXPECT_EQ(s.Dtmf.BotCode, before.BotCode);
    EXPECT_EQ(s.Dtmf.EotCode, before.EotCode);
    EXPECT_EQ(s.Dtmf.StunCode, before.StunCode);
    EXPECT_EQ(s.Dtmf.KillCode, before.KillCode);
    EXPECT_EQ(s.Dtmf.DtmfSignalling, 0);
    EXPECT_EQ(s.Dtmf.DialMemory[15].Len, 0);
    EXPECT_EQ(s.Dtmf.DialMemory[15].Digits.raw(), std::string(16, ' '));

    EXPECT_EQ(s.Opt.Tot, 0);
    EXPECT_EQ(s.Opt.DisplayMode, 1);
    EXPECT_EQ(s.Opt.TailElimMode, 3);
    EXPECT_EQ(s.Opt.CurrentCh, 1);
    EXPECT_EQ(s.Opt.FmCurrentCh, 1);
    EXPECT_EQ(s.Opt.DirectCh1, 1);
    EXPECT_EQ(s.Opt.DirectCh2, 1);
    EXPECT_EQ(s.Opt.PowerOnText.raw(), std::string("\0", 1) + std::string(11, ' '));
    EXPECT_EQ(s.EmbMsg.Line3.raw(), std::string("\0", 1) + std::string(15, ' '));
    EXPECT_EQ(s.Keys.LongPressTime, 20);
    EXPECT_EQ(s.Keys.Key6Short, 0);
    EXPECT_EQ(s.Alert, AlertSettings{});
    EXPECT_EQ(doc.AlarmMode, 0);
    EXPECT_EQ(s.Scan.LookBackA, 20);
    EXPECT_EQ(s.Scan.LookBackB, 30);
    EXPECT_EQ(s.Scan.RxResumeDelay, 30);
    EXPECT_EQ(s.Scan.TxResumeDelay, 30);
    EXPECT_EQ(s.Scan.WaitTime, 6);
    EXPECT_EQ(s.Scan.Mode, 0);
}

TEST(ChannelCreation, PmrBandGetsNarrowSpacingAndLowPowerOthersTheOpposite) {
    AppContext app;
    ASSERT_TRUE(AddChannel(app, 5, "446.00625"));
    const ChannelRecord& pmr = app.doc.Channels[0];
    EXPECT_EQ(pmr.ChSpacing, 2);
    EXPECT_EQ(pmr.TxPower, 0);
    EXPECT_EQ(pmr.RxFreq.raw(), "44600625");
    EXPECT_EQ(pmr.TxShift.raw(), "0000000");
    EXPECT_EQ(pmr.Name.raw(), "      ");
    EXPECT_EQ(pmr.IdCode.raw(), std::string("000\0      ", 10));
    EXPECT_EQ(pmr.IdCodeMaxLen, 10);

    app.docState.BandText = "136 - 150 MHz";
    ComputeBandLimits(app.docState);
    app.doc.Settings.Dtmf.DtmfSignalling = 1;
    ASSERT_TRUE(AddChannel(app, 6, "140"));
    const ChannelRecord& vhf = app.doc.Channels[1];
    EXPECT_EQ(vhf.ChSpacing, 0);
    EXPECT_EQ(vhf.TxPower, 2);
    EXPECT_EQ(vhf.IdCodeMaxLen, 3);
    EXPECT_EQ(app.doc.ChannelCount, 2);
}

TEST(ChannelCreation, RefusesADuplicateNumberAndAFullTable) {
    AppContext app;
    ASSERT_TRUE(AddChannel(app, 1, "446.00625"));
    EXPECT_FALSE(AddChannel(app, 1, "446.01875"));
    EXPECT_EQ(app.doc.ChannelCount, 1);
    for (int no = 2; no <= 129; ++no)
        ASSERT_TRUE(AddChannel(app, no, "446.00625"));
    EXPECT_EQ(app.doc.ChannelCount, 129);
    EXPECT_FALSE(AddChannel(app, 200, "446.00625"));
    EXPECT_EQ(app.doc.ChannelCount, 129);
}

TEST(BandDefaults, TheFirstTestPairLiesInsideEveryBand) {
    // Where 435.1 or 155.1 MHz lies in the band it stays the default; the
    // other bands start at their middle channel.
    const std::pair<std::string_view, const char*> expected[] = {
        {"400 - 470 MHz", "43510000"}, {"430 - 450 MHz", "43510000"},
        {"136 - 174 MHz", "15510000"}, {"150 - 174 MHz", "15510000"},
        {"446.00625 - 446.19375 MHz", "44609375"}, {"136 - 150 MHz", "14300000"},
        {"144 - 146 MHz", "14500000"}, {"350 - 390 MHz", "37000000"},
    };
    for (const auto& [band, first] : expected) {
        SCOPED_TRACE(std::string(band));
        RadioDocument doc;
        ApplyTestFreqDefaults(doc, band);
        EXPECT_EQ(doc.TestFreqs[0].RxFreq.raw(), first);
        EXPECT_EQ(doc.TestFreqs[0].TxFreq.raw(), first);
    }
    for (const BandRow& band : BandTable()) {
        SCOPED_TRACE(std::string(band.text));
        RadioDocument doc;
        ApplyTestFreqDefaults(doc, band.text);
        const auto limits = BandLimitsFromText(band.text);
        ASSERT_TRUE(limits);
        for (const auto* field : {&doc.TestFreqs[0].RxFreq, &doc.TestFreqs[0].TxFreq}) {
            const auto f = StoredFreqUnits(field->raw());
            ASSERT_TRUE(f);
            EXPECT_GE(*f, limits->low10Hz);
            EXPECT_LE(*f, limits->high10Hz);
        }
        for (std::size_t i = 1; i < 11; ++i) {
            EXPECT_EQ(doc.TestFreqs[i].RxFreq.raw(), std::string("\0       ", 8));
            EXPECT_EQ(TrimFix(doc.TestFreqs[i].TxFreq), "");
        }
    }
}

TEST(BandDefaults, FivePointTablesLieAtEdgesQuartersAndMiddle) {
    const TuningTable uhf = MakeTuningTable(kPmr446BandText);
    const char* uhfExpected[5][2] = {{"40000000", "40010000"},
                                     {"41750000", "41760000"},
                                     {"43500000", "43510000"},
                                     {"45250000", "45260000"},
                                     {"47000000", "46990000"}};
    const TuningTable vhf = MakeTuningTable("136 - 174 MHz");
    const char* vhfExpected[5][2] = {{"13600000", "13610000"},
                                     {"14550000", "14560000"},
                                     {"15500000", "15510000"},
                                     {"16450000", "16460000"},
                                     {"17400000", "17390000"}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(uhf[i].first.raw(), uhfExpected[i][0]);
        EXPECT_EQ(uhf[i].second.raw(), uhfExpected[i][1]);
        EXPECT_EQ(vhf[i].first.raw(), vhfExpected[i][0]);
        EXPECT_EQ(vhf[i].second.raw(), vhfExpected[i][1]);
    }
    EXPECT_EQ(MakeTuningTable("144 - 148 MHz"), uhf);
}

TEST(RadioInfoDefaults, DatesAreTodayAndTheBatchCarriesTheMonth) {
    RadioInfo info;
    ModelInfo model;
    model.ModelName = std::string("VX210") + std::string(1, '\0');
    model.BandCode = 4;
    ResetRadioInfo(info, model, CalendarDate{2026, 12, 9});
    const std::string dated = std::string("2026-12-09") + std::string(1, '\0') + "     ";
    EXPECT_EQ(info.FactoryDate.raw(), dated);
    EXPECT_EQ(info.RepairDate.raw(), dated);
    EXPECT_EQ(info.StockInDate.raw(), dated);
    EXPECT_EQ(info.SaleDate.raw(), dated);
    EXPECT_EQ(info.BatchNo.raw(), "12-1-E-1");
    EXPECT_EQ(info.BandCodeCopy, 4);
    EXPECT_EQ(info.InfoModelName, std::string("VX210\0 ", 7));
    EXPECT_EQ(info.VersionText, "V1.00");
    EXPECT_EQ(info.AreaCode, "0595");
    EXPECT_EQ(info.CustomerCode.raw(), "001A");
    const std::string nulText = std::string(1, '\0') + std::string(15, ' ');
    EXPECT_EQ(info.SerialNo.raw(), nulText);
    EXPECT_EQ(info.Spare.raw(), nulText);
    EXPECT_EQ(info.DealerCode.raw(), nulText);
    EXPECT_EQ(info.HandledBy.raw(), nulText);
    EXPECT_EQ(info.RepairReason.raw(), std::string(1, '\0') + std::string(95, ' '));

    ResetRadioInfo(info, model, CalendarDate{2027, 3, 1});
    EXPECT_EQ(info.BatchNo.raw(), "03-1-E-1");
    EXPECT_EQ(TrimFix(info.SaleDate), "2027-03-01");
}

TEST(RadioInfoDefaults, ShortDateIsTheSameEverywhere) {
    EXPECT_EQ(FormatShortDate({2026, 1, 2}), "2026-01-02");
    EXPECT_EQ(FormatShortDate({999, 10, 31}), "0999-10-31");
    const CalendarDate today = SystemToday();
    EXPECT_GE(today.year, 2024);
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
}

} // namespace
} // namespace pmr
