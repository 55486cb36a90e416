// The running number of a power-on text: the run of # takes the number with
// leading zeros, and a pattern that cannot hold it is refused with a reason.

#include "document/NumberedText.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(NumberedText, TheRunOfHashesTakesTheNumberWithLeadingZeros) {
    std::string error;
    EXPECT_EQ(NumberedText("UNIT##", 1, error), "UNIT01");
    EXPECT_EQ(NumberedText("UNIT##", 42, error), "UNIT42");
    EXPECT_EQ(NumberedText("#-A", 7, error), "7-A");
    EXPECT_EQ(NumberedText("R###X", 0, error), "R000X");
}

TEST(NumberedText, APatternThatCannotHoldTheNumberIsRefused) {
    std::string error;
    EXPECT_EQ(NumberedText("UNIT##", 100, error), std::nullopt);
    EXPECT_EQ(error, "the number 100 has more digits than the pattern \"UNIT##\" has #");
    EXPECT_EQ(NumberedText("UNIT", 1, error), std::nullopt);
    EXPECT_EQ(error, "the pattern \"UNIT\" has no # for the number");
    EXPECT_EQ(NumberedText("#A#", 1, error), std::nullopt);
    EXPECT_EQ(error, "the pattern \"#A#\" has more than one run of #");
    EXPECT_EQ(NumberedText("##", -1, error), std::nullopt);
}

} // namespace
} // namespace pmr
