// The settings windows' texts: FM preset frequencies on their 50 kHz grid
// within 76 to 108 MHz, message lines, DTMF codes and the power-on text.

#include "document/SettingsTexts.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(FmPresetText, TypedFrequenciesAreHeldInTheBandOnTheGridAndStoredAsDigits) {
    struct Case {
        const char* typed;
        const char* checked;
        const char* stored;
    };
    const Case cases[] = {
        {"88.88", "088.90000", "08890000"},  {"90.53", "090.55000", "09055000"},
        {"90.52", "090.50000", "09050000"},  {"90.525", "090.50000", "09050000"}, // 9052.5 -> 9052
        {"120", "108.00000", "10800000"},    {"50", "076.00000", "07600000"},
        {"-3", "076.00000", "07600000"},     {"abc", "076.00000", "07600000"},
        {"", "", ""},                        {"108", "108.00000", "10800000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(CheckRadioFre(c.typed), c.checked);
        EXPECT_EQ(GetSaveRadioFreData(CheckRadioFre(c.typed)), c.stored);
    }
}

TEST(SettingsTexts, LinesCodesAndThePowerOnTextKeepTheirStoredShape) {
    EXPECT_EQ(StoredMessageLine("0123456789ABCDEF"), "0123456789ABCDEF");
    EXPECT_EQ(StoredMessageLine("0123456789ABCDE"), std::string("0123456789ABCDE\0", 16));
    EXPECT_EQ(StoredMessageLine(""), std::string("\0               ", 16));

    DtmfCode code = DtmfCodeFromText("12AB*#");
    EXPECT_EQ(code.Len, 6);
    EXPECT_EQ(code.Digits.raw(), "12AB*#          ");
    EXPECT_EQ(DtmfCodeShown(code), "12AB*#");
    code.Len = 17;
    EXPECT_EQ(DtmfCodeShown(code), "");

    EXPECT_EQ(PowerOnTextShown(FixedText<12>(std::string("\0           ", 12))), std::string(12, ' '));
    EXPECT_EQ(PowerOnTextShown(FixedText<12>(std::string("HI\0XX", 5))), "HI          ");
}

} // namespace
} // namespace pmr
