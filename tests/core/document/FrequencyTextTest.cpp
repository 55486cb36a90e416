#include "document/FrequencyText.h"

#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/DecimalText.h"

#include <clocale>
#include <gtest/gtest.h>

namespace pmr {
namespace {

using testing::RecordingInteraction;

TEST(FrequencyText, TypedMegahertzBecomeEightStoredDigits) {
    AppContext app;
    EXPECT_EQ(FreqTextToStored(app, "446.00625"), "44600625");
    EXPECT_EQ(FreqTextToStored(app, "446.1"), "44610000");
    EXPECT_EQ(FreqTextToStored(app, "446"), "44600000");
    EXPECT_EQ(FreqTextToStored(app, "446."), "44600000");
    // Digits beyond 10 Hz are cut, not rounded.
    EXPECT_EQ(FreqTextToStored(app, "446.123456"), "44612345");
    EXPECT_EQ(FreqTextToStored(app, ""), "");
    EXPECT_EQ(FreqTextToStored(app, "   "), "   ");
}

TEST(FrequencyText, UnreadableTypedTextStandsForTheLowBandLimit) {
    AppContext app;
    app.docState.BandLimits = {13600000, 17400000};
    EXPECT_EQ(FreqTextToStored(app, "abc"), "13600000");
    EXPECT_EQ(FreqTextToStored(app, "4.4.6"), "13600000");
}

TEST(FrequencyText, StoredDigitsShowAsMegahertzWithFiveDecimals) {
    AppContext app;
    RecordingInteraction ui;
    EXPECT_EQ(FreqStoredToText(app, ui, "44600625"), "446.00625");
    EXPECT_EQ(FreqStoredToText(app, ui, "53550000"), "535.50000");
    EXPECT_EQ(FreqStoredToText(app, ui, "4460062 "), "446.00620");
    EXPECT_EQ(FreqStoredToText(app, ui, "FFFFFFFF"), "");
    EXPECT_EQ(FreqStoredToText(app, ui, "        "), "");
    EXPECT_EQ(FreqStoredToText(app, ui, std::string("\0       ", 8)), "");
    EXPECT_TRUE(ui.messages.empty());
}

TEST(FrequencyText, UnreadableStoredDigitsSayNotIsNumericAndShowTheLowLimit) {
    AppContext app;
    RecordingInteraction ui;
    EXPECT_EQ(FreqStoredToText(app, ui, "44A00625"), "446.00625");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Not IsNumeric");
    app.docState.BandLimits = {13600000, 17400000};
    EXPECT_EQ(FreqStoredToText(app, ui, "x"), "136");
}

TEST(FrequencyText, RoundTripKeepsEveryPmrChannel) {
    AppContext app;
    RecordingInteraction ui;
    for (int k = 0; k < 16; ++k) {
        const std::int64_t units = 44600625 + 1250 * k;
        const std::string text = FormatUnits(units, 5);
        const std::string stored = FreqTextToStored(app, text);
        EXPECT_EQ(stored, std::to_string(units));
        EXPECT_EQ(FreqStoredToText(app, ui, stored), text);
    }
}

TEST(FrequencyText, OffsetsShowWithTheirDirection) {
    EXPECT_EQ(ShiftStoredToText("0060000", 1), "-0.60000");
    EXPECT_EQ(ShiftStoredToText("0060000", 2), "+0.60000");
    EXPECT_EQ(ShiftStoredToText("0060000", 0), "0.60000");
    EXPECT_EQ(ShiftStoredToText("1234567", 2), "+12.34567");
    // Blank or unreadable offsets read as zero.
    EXPECT_EQ(ShiftStoredToText("       ", 1), "-0.00000");
    EXPECT_EQ(ShiftStoredToText("12x4567", 2), "+0.00000");
    EXPECT_EQ(ShiftStoredToText("1.5", 0), "0.00000");
}

TEST(FrequencyText, TransmitColumnAddsTheSignedOffsetOrShowsIt) {
    EXPECT_EQ(TxFreqText("43500000", "0060000", 1, false), "434.40000");
    EXPECT_EQ(TxFreqText("43500000", "0060000", 2, false), "435.60000");
    EXPECT_EQ(TxFreqText("43500000", "0060000", 0, false), "435.00000");
    EXPECT_EQ(TxFreqText("43500000", "0060000", 3, false), "435.00000");
    EXPECT_EQ(TxFreqText("43500000", "0060000", 1, true), "-0.60000");
    EXPECT_EQ(TxFreqText("FFFFFFFF", "0060000", 1, false), "");
}

TEST(FrequencyText, OffsetFromTransmitFrequencyTakesDirectionFromTheDifference) {
    ShiftValue up = ShiftFromTxText("43500000", "435.6", false, "0000000", 0);
    EXPECT_EQ(up.shift, "0060000");
    EXPECT_EQ(up.dir, 2);
    ShiftValue down = ShiftFromTxText("43500000", "425.00000", false, "0000000", 0);
    EXPECT_EQ(down.shift, "1000000");
    EXPECT_EQ(down.dir, 1);
    // Equal frequencies and unreadable input keep the old magnitude, simplex.
    ShiftValue same = ShiftFromTxText("43500000", "435", false, "0050000", 2);
    EXPECT_EQ(same.shift, "0050000");
    EXPECT_EQ(same.dir, 0);
    ShiftValue bad = ShiftFromTxText("43500000", "", false, "0050000", 1);
    EXPECT_EQ(bad.shift, "0050000");
    EXPECT_EQ(bad.dir, 0);
    ShiftValue noRx = ShiftFromTxText("FFFFFFFF", "435.6", false, "0050000", 1);
    EXPECT_EQ(noRx.dir, 0);
}

TEST(FrequencyText, SignedOffsetInputKeepsItsSign) {
    ShiftValue minus = ShiftFromTxText("43500000", "-0.6", true, "0000000", 0);
    EXPECT_EQ(minus.shift, "0060000");
    EXPECT_EQ(minus.dir, 1);
    ShiftValue plus = ShiftFromTxText("43500000", "+5", true, "0000000", 0);
    EXPECT_EQ(plus.shift, "0500000");
    EXPECT_EQ(plus.dir, 2);
    ShiftValue none = ShiftFromTxText("43500000", "0.6", true, "0000000", 1);
    EXPECT_EQ(none.shift, "0060000");
    EXPECT_EQ(none.dir, 0);
}

TEST(FrequencyText, OffsetBeyondSevenDigitsIsHeldAtTheLargestOffset) {
    // 170 MHz would otherwise be stored as the digits of 17 MHz.
    ShiftValue far = ShiftFromTxText("44600625", "+170", true, "0000000", 0);
    EXPECT_EQ(far.shift, "9999999");
    EXPECT_EQ(far.dir, 2);
}

TEST(DecimalText, RoundsHalfAwayFromZeroAtTenHertz) {
    EXPECT_EQ(ParseUnits("446.000005", 5), 44600001);
    EXPECT_EQ(ParseUnits("446.0000049", 5), 44600000);
    EXPECT_EQ(ParseUnits("-0.000005", 5), -1);
    EXPECT_EQ(ParseUnits(" 435 ", 5), 43500000);
    EXPECT_EQ(ParseUnits(".5", 5), 50000);
    EXPECT_FALSE(ParseUnits("", 5));
    EXPECT_FALSE(ParseUnits(".", 5));
    EXPECT_FALSE(ParseUnits("446,1", 5));
    EXPECT_FALSE(ParseUnits("1e3", 5));
    EXPECT_FALSE(ParseUnits("--1", 5));
    EXPECT_EQ(ParseUnits("99999999999999999999999", 5), kUnitsSaturation);
}

TEST(DecimalText, FormatsWithMinimumWholeDigits) {
    EXPECT_EQ(FormatUnits(5, 5), "0.00005");
    EXPECT_EQ(FormatUnits(-5, 5), "-0.00005");
    EXPECT_EQ(FormatUnits(60000, 5, 2), "00.60000");
    EXPECT_EQ(FormatUnits(0, 5), "0.00000");
    EXPECT_EQ(FormatPlainUnits(44600000, 5), "446");
    EXPECT_EQ(FormatPlainUnits(53550000, 5), "535.5");
    EXPECT_EQ(FormatPlainUnits(0, 5), "0");
}

TEST(DecimalText, CommaLocaleDoesNotChangeNumbers) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_EQ(ParseUnits("446.00625", 5), 44600625);
    EXPECT_EQ(FormatUnits(44600625, 5), "446.00625");
    EXPECT_EQ(FormatPlainUnits(53550000, 5), "535.5");
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
} // namespace pmr
