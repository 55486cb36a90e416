// Whether a radio's password block lets a transfer go on.

#include "link/RadioPassword.h"

#include "link/LinkFrames.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

Bytes PasswordBlock(std::initializer_list<std::uint8_t> password) {
    Bytes r{0x57, 0x14, 0x20, 0x10};
    for (int i = 0; i < 12; ++i)
        r.push_back(0x30);
    for (auto b : password)
        r.push_back(b);
    while (r.size() < 20)
        r.push_back(0xFF);
    r.push_back(FrameChecksum(r, 1, r.size() - 1));
    r.push_back(0x06);
    return r;
}

TEST(RadioPassword, NoPasswordWhenFirstByteIsFFOr00) {
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({0xFF, 0xFF, 0xFF, 0xFF}), "anything"));
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({0x00, 'A', 'B', 'C'}), ""));
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({0xFF, 'A', 'B', 'C'}), "ABC"));
}

TEST(RadioPassword, TwoCharactersEndedBy00) {
    const Bytes block = PasswordBlock({'A', 'B', 0x00, 'C'});
    EXPECT_EQ(RadioPasswordOf(block), "AB");
    EXPECT_TRUE(CheckRadioPassword(block, "AB"));
    EXPECT_FALSE(CheckRadioPassword(block, "ABC"));
    EXPECT_FALSE(CheckRadioPassword(block, ""));
}

TEST(RadioPassword, ComparisonIsCaseSensitive) {
    const Bytes block = PasswordBlock({'Q', 'X', 'Z', 0xFF});
    EXPECT_TRUE(CheckRadioPassword(block, "QXZ"));
    EXPECT_FALSE(CheckRadioPassword(block, "qxz"));
}

TEST(RadioPassword, FourCharactersWithoutEndByte) {
    const Bytes block = PasswordBlock({'1', '2', '3', '4'});
    EXPECT_EQ(RadioPasswordOf(block), "1234");
    EXPECT_FALSE(CheckRadioPassword(block, "123"));
    EXPECT_TRUE(CheckRadioPassword(block, "1234"));
}

TEST(RadioPassword, TrailingBlanksOfTheRadioPasswordDoNotCount) {
    const Bytes block = PasswordBlock({'A', 'B', ' ', ' '});
    EXPECT_TRUE(CheckRadioPassword(block, "AB"));
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({'A', 'B', 0x00}), "AB ")); // nor of the entered one
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({' ', ' ', ' ', ' '}), "x")); // all blank: none
}

TEST(RadioPassword, AUtf8PasswordReachesTheRadioInItsSingleByteCodePage) {
    const auto e1 = PasswordFromUtf8("\xC3\xA9" "1"); // "é1"
    ASSERT_TRUE(e1);
    EXPECT_TRUE(CheckRadioPassword(PasswordBlock({0xE9, '1', 0x00}), *e1));
    EXPECT_EQ(PasswordFromUtf8("caf\xC3\xA9")->size(), 4u);
    EXPECT_FALSE(PasswordFromUtf8("\xE2\x82\xAC")); // the euro sign has no Latin-1 byte
    EXPECT_FALSE(PasswordFromUtf8("\xC3"));          // cut-off UTF-8
    EXPECT_FALSE(PasswordFromUtf8("\xE9"));          // not UTF-8 at all
}

} // namespace
} // namespace pmr
