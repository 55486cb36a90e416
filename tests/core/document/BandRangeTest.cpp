#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/BandClamp.h"
#include "document/Bands.h"
#include "document/ModelRecord.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using testing::RecordingInteraction;

AppContext AppWithBand(std::string_view bandText) {
    AppContext app;
    app.docState.BandText = std::string(bandText);
    ComputeBandLimits(app.docState);
    return app;
}

// Every band's limits are the two numbers of its text, and a new table's first
// channel lies on the band's 12.5 kHz channel raster, inside the band.
TEST(BandLimits, ComeFromTheNumbersOfEachBandTextAndHoldTheMiddleChannel) {
    struct Row {
        int code;
        std::int64_t low, high, middle;
    };
    const Row rows[] = {
        {0, 40000000, 47000000, 43500000},  {1, 43000000, 45000000, 44000000},
        {2, 40000000, 44000000, 42000000},  {3, 44000000, 47000000, 45500000},
        {4, 44600625, 44619375, 44609375},  {5, 43000000, 43200000, 43100000},
        {6, 43000000, 44000000, 43500000},  {7, 43000000, 47000000, 45000000},
        {8, 13600000, 17400000, 15500000},  {9, 13600000, 15000000, 14300000},
        {10, 15000000, 17400000, 16200000}, {11, 13600000, 14500000, 14050000},
        {12, 14500000, 17400000, 15950000}, {13, 14400000, 14600000, 14500000},
        {14, 14400000, 14800000, 14600000}, {16, 35000000, 39000000, 37000000},
        {32, 45000000, 52000000, 48500000},
    };
    ASSERT_EQ(std::size(rows), BandTable().size());
    for (const Row& row : rows) {
        const AppContext app = AppWithBand(BandTextFromCode(row.code));
        EXPECT_EQ(app.docState.BandLimits.low10Hz, row.low) << row.code;
        EXPECT_EQ(app.docState.BandLimits.high10Hz, row.high) << row.code;
        EXPECT_EQ(MiddleChannel10Hz(app.docState.BandLimits), row.middle) << row.code;
    }
    EXPECT_FALSE(BandLimitsFromText("446 MHz"));
    EXPECT_FALSE(BandLimitsFromText("470 - 400 MHz"));
}

TEST(BandLimits, AStartUpContextAlreadyHoldsThePmrLimits) {
    AppContext app;
    EXPECT_EQ(app.docState.BandText, kPmr446BandText);
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 44600625);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 44619375);
}

TEST(BandLimits, AnEmptyBandTextKeepsThePreviousLimits) {
    AppContext app = AppWithBand("136 - 174 MHz");
    app.docState.BandText = "";
    EXPECT_FALSE(ComputeBandLimits(app.docState));
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 13600000);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 17400000);
}

TEST(BandTable, CodesAndTextsConvertBothWays) {
    EXPECT_EQ(BandCodeFromText(kPmr446BandText), 4);
    EXPECT_EQ(BandCodeFromText("450 - 520 MHz"), 32);
    EXPECT_EQ(BandCodeFromText("350 - 390 MHz"), 16);
    EXPECT_EQ(BandCodeFromText("350 - 390 mhz"), 0); // exact comparison
    EXPECT_EQ(BandCodeFromText("136 - 174 MHz "), 0);
    EXPECT_EQ(BandTextFromCode(8), "136 - 174 MHz");
    EXPECT_EQ(BandTextFromCode(15), "");
    EXPECT_EQ(BandTextFromCode(33), "");
    const auto texts = BandTextsInListOrder();
    ASSERT_EQ(texts.size(), 17u);
    EXPECT_EQ(texts.front(), "400 - 470 MHz");
    EXPECT_EQ(texts[4], kPmr446BandText);
    EXPECT_EQ(texts[15], "350 - 390 MHz");
    EXPECT_EQ(texts.back(), "450 - 520 MHz");
    for (const BandRow& row : BandTable())
        EXPECT_EQ(BandCodeFromText(BandTextFromCode(row.code)), row.code);
}

TEST(BandClamp, ValuesOnTheLimitsPassAndOthersTakeTheNearestAfterOneWarning) {
    AppContext app = AppWithBand("400 - 470 MHz");
    RecordingInteraction ui;
    EXPECT_EQ(NormalizeFreqText(app, ui, "400", true), "400.00000");
    EXPECT_EQ(NormalizeFreqText(app, ui, "470", true), "470.00000");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(NormalizeFreqText(app, ui, "399.99999", true), "400.00000");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, app.texts.GetLangText(9021));
    EXPECT_EQ(ui.messages[0].severity, Severity::Warning);

    EXPECT_EQ(NormalizeFreqText(app, ui, "470.00001", true), "470.00000");
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(BandClamp, WithoutWarningClampsSilently) {
    AppContext app = AppWithBand("136 - 174 MHz");
    RecordingInteraction ui;
    EXPECT_EQ(ClampToBand(app, ui, 10000000, false), 13600000);
    EXPECT_EQ(ClampToBand(app, ui, 99900000, false), 17400000);
    EXPECT_EQ(ClampToBand(app, ui, 15000000, true), 15000000);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(BandClamp, PmrBandEndsAtItsLastChannel) {
    AppContext app = AppWithBand(kPmr446BandText);
    RecordingInteraction ui;
    EXPECT_EQ(NormalizeFreqText(app, ui, "446.19375", true), "446.19375");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(NormalizeFreqText(app, ui, "600", true), "446.19375");
    EXPECT_EQ(NormalizeFreqText(app, ui, "446", true), "446.00625");
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST(BandClamp, UnreadableInputBecomesBlankWithoutWarning) {
    AppContext app;
    RecordingInteraction ui;
    EXPECT_EQ(NormalizeFreqText(app, ui, "NONE", true), "");
    EXPECT_EQ(NormalizeFreqText(app, ui, "", true), "");
    EXPECT_EQ(NormalizeFreqText(app, ui, "446,5", true), "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ModelRecord, LoadingSetsTheGlobalsAndTheRadioInformation) {
    AppContext app;
    ModelInfo model;
    model.ModelName = std::string("VX210") + std::string(1, '\0');
    model.BandCode = 8;
    EXPECT_TRUE(LoadModelRecord(app, model));
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandText, "136 - 174 MHz");
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 13600000);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 17400000);
    EXPECT_EQ(app.radioInfo.InfoModelName, "VX210");
    EXPECT_EQ(app.radioInfo.BandCodeCopy, 8);
    // The stored field keeps its seven characters.
    EXPECT_EQ(model.ModelName.raw(), std::string("VX210\0 ", 7));
}

TEST(ModelRecord, AnUnknownBandCodeGivesAnEmptyBandTextAndKeepsTheLimits) {
    AppContext app;
    ModelInfo model;
    model.ModelName = "VX210";
    model.BandCode = 15;
    EXPECT_FALSE(LoadModelRecord(app, model));
    EXPECT_EQ(app.docState.BandText, "");
    EXPECT_EQ(app.radioInfo.BandCodeCopy, 15);
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 44600625);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 44619375);
}

TEST(ModelRecord, StoringPadsTheNameAndCodesTheBand) {
    DocumentState state;
    state.ModelNameText = "VX210";
    state.BandText = "450 - 520 MHz";
    ModelInfo model = StoreModelRecord(state, ModelInfo{});
    EXPECT_EQ(model.ModelName.raw(), "VX210  ");
    EXPECT_EQ(model.BandCode, 32);
    state.BandText = "nothing like a band";
    EXPECT_EQ(StoreModelRecord(state, model).BandCode, 0);
    // A band code the program has no text for is kept, never changed.
    state.BandText = "";
    model.BandCode = 15;
    EXPECT_EQ(StoreModelRecord(state, model).BandCode, 15);
}

} // namespace
} // namespace pmr
