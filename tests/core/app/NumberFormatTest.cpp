#include "app/NumberFormat.h"

#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <locale>
#include <stdexcept>

namespace pmr {
namespace {

TEST(NumberFormat, ScaledIntegersRoundTrip) {
    EXPECT_EQ(FormatScaled(44600625, 5), "446.00625");
    EXPECT_EQ(FormatScaled(5, 5), "0.00005");
    EXPECT_EQ(FormatScaled(-5, 2), "-0.05");
    EXPECT_EQ(FormatScaled(0, 0), "0");
    EXPECT_EQ(FormatScaled(INT64_MIN, 0), "-9223372036854775808");
    EXPECT_EQ(ParseScaled("446.00625", 5), 44600625);
    EXPECT_EQ(ParseScaled(" 446.1 ", 5), 44610000);
    EXPECT_EQ(ParseScaled("446", 5), 44600000);
    EXPECT_EQ(ParseScaled(".5", 1), 5);
    EXPECT_EQ(ParseScaled("-1.25", 2), -125);
}

TEST(NumberFormat, ExtraDigitsRoundHalfAwayFromZero) {
    EXPECT_EQ(ParseScaled("446.006255", 5), 44600626);
    EXPECT_EQ(ParseScaled("446.006254", 5), 44600625);
    EXPECT_EQ(ParseScaled("-0.005", 2), -1);
}

TEST(NumberFormat, RejectsWhatIsNotADecimalNumber) {
    for (const char* bad :
         {"", " ", ".", "446,00625", "4.4.6", "1e3", "+-1", "abc", "12a", "--1"}) {
        EXPECT_FALSE(ParseScaled(bad, 5)) << bad;
        EXPECT_FALSE(ParseDecimal(bad)) << bad;
    }
    EXPECT_FALSE(ParseScaled("99999999999999999999", 0)); // overflow
    EXPECT_FALSE(ParseScaled("92233720368547758.08", 2));
    EXPECT_FALSE(ParseInteger("1.0"));
    EXPECT_FALSE(ParseInteger("-"));
    EXPECT_EQ(ParseInteger(" -42 "), -42);
    EXPECT_EQ(ParseInteger("+7"), 7);
}

TEST(NumberFormat, DoublesUseFixedNotation) {
    EXPECT_EQ(FormatDecimal(446.00625, 5), "446.00625");
    EXPECT_EQ(FormatDecimal(1e20, -1), "100000000000000000000");
    EXPECT_EQ(FormatDecimal(0.1, 3), "0.100");
    EXPECT_DOUBLE_EQ(*ParseDecimal("+446.00625"), 446.00625);
}

// Under a locale whose decimal separator is "," the program's numbers still use ".".
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name)) {
                try {
                    previousGlobal_ = std::locale::global(std::locale(name));
                    active_ = true;
                } catch (const std::runtime_error&) {
                }
                break;
            }
        }
        if (!active_)
            GTEST_SKIP()
                << "locale de_DE.UTF-8 is not installed (scripts/install-deps.sh makes it)";
    }
    void TearDown() override {
        if (active_)
            std::locale::global(previousGlobal_);
        std::setlocale(LC_ALL, old_.c_str());
    }
    std::string old_;
    std::locale previousGlobal_;
    bool active_ = false;
};

TEST_F(CommaLocale, DecimalPointStaysADot) {
    // The locale really is in force: the C library now writes ",".
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.5f", 446.00625);
    ASSERT_STREQ(buf, "446,00625");

    EXPECT_EQ(ParseScaled("446.00625", 5), 44600625);
    EXPECT_EQ(FormatScaled(44600625, 5), "446.00625");
    ASSERT_TRUE(ParseDecimal("446.00625"));
    EXPECT_DOUBLE_EQ(*ParseDecimal("446.00625"), 446.00625);
    EXPECT_EQ(FormatDecimal(446.00625, 5), "446.00625");
    EXPECT_FALSE(ParseDecimal("446,00625"));
}

} // namespace
} // namespace pmr
