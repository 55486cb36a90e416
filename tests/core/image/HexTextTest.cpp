#include "image/HexText.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(HexText, PadsOnTheLeftAndKeepsTheLeadingDigitsWhenTooLong) {
    EXPECT_EQ(HexPad(0x116C1, 6), "0116C1");
    EXPECT_EQ(HexPad(0, 2), "00");
    EXPECT_EQ(HexPad(0xABCDEF, 4), "ABCD");
    EXPECT_EQ(OctPad(19, 3), "023");
    EXPECT_EQ(OctPad(511, 3), "777");
    EXPECT_EQ(OctPad(01234, 3), "123");
}

TEST(HexText, BlankOrErasedTextsBecomeAllF) {
    EXPECT_EQ(HexOrBlank(""), "FFFFFFFF");
    EXPECT_EQ(HexOrBlank("        "), "FFFFFFFF");
    EXPECT_EQ(HexOrBlank("FFFFFFFF"), "FFFFFFFF");
    EXPECT_EQ(HexOrBlank(std::string("\0   ", 4)), "FFFFFFFF");
    EXPECT_EQ(HexOrBlank("44600625"), "44600625");
    EXPECT_EQ(HexOrBlank("123  "), "1230");
    EXPECT_EQ(HexOrBlank(std::string("12\0xx", 5)), "12");
}

} // namespace
} // namespace pmr
