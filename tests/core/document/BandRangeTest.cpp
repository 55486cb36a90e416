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

TEST(BandLimits, AreReadFromFixedCharacterPositions) {
    AppContext app = AppWithBand("400 - 470 MHz");
    EXPECT_EQ(app.docState.BandLimits.low, 400);
    EXPECT_EQ(app.docState.BandLimits.high, 470);
    // Documents and the channel lists rely on 446 and 625 for the PMR446 text.
    app = AppWithBand(kPmr446BandText);
    EXPECT_EQ(app.docState.BandLimits.low, 446);
    EXPECT_EQ(app.docState.BandLimits.high, 625);
    for (const BandRow& row : BandTable()) {
        app = AppWithBand(row.text);
        EXPECT_GE(app.docState.BandLimits.low, 136) << row.text;
        EXPECT_GT(app.docState.BandLimits.high, app.docState.BandLimits.low) << row.text;
    }
}

TEST(BandLimits, AStartUpContextAlreadyHoldsThePmrLimits) {
    AppContext app;
    EXPECT_EQ(app.docState.BandText, kPmr446BandText);
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandLimits.low, 446);
    EXPECT_EQ(app.docState.BandLimits.high, 625);
}

TEST(BandLimits, AnEmptyBandTextKeepsThePreviousLimits) {
    AppContext app = AppWithBand("136 - 174 MHz");
    app.docState.BandText = "";
    EXPECT_FALSE(ComputeBandLimits(app.docState));
    EXPECT_EQ(app.docState.BandLimits.low, 136);
    EXPECT_EQ(app.docState.BandLimits.high, 174);
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

TEST(BandClamp, PmrTextLetsEverythingUpTo625Through) {
    AppContext app = AppWithBand(kPmr446BandText);
    RecordingInteraction ui;
    EXPECT_EQ(NormalizeFreqText(app, ui, "535.5", true), "535.50000");
    EXPECT_EQ(NormalizeFreqText(app, ui, "625", true), "625.00000");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(NormalizeFreqText(app, ui, "446.0000", true), "446.00000");
    EXPECT_EQ(NormalizeFreqText(app, ui, "445.99999", true), "446.00000");
    EXPECT_EQ(ui.messages.size(), 1u);
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
    EXPECT_EQ(app.docState.BandLimits.low, 136);
    EXPECT_EQ(app.docState.BandLimits.high, 174);
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
    EXPECT_EQ(app.docState.BandLimits.low, 446);
    EXPECT_EQ(app.docState.BandLimits.high, 625);
}

TEST(ModelRecord, StoringPadsTheNameAndCodesTheBand) {
    DocumentState state;
    state.ModelNameText = "VX210";
    state.BandText = "450 - 520 MHz";
    ModelInfo model = StoreModelRecord(state);
    EXPECT_EQ(model.ModelName.raw(), "VX210  ");
    EXPECT_EQ(model.BandCode, 32);
    state.BandText = "nothing like a band";
    EXPECT_EQ(StoreModelRecord(state).BandCode, 0);
}

} // namespace
} // namespace pmr
