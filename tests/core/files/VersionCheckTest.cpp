// Version tags, the version table look-up, the version question and the model
// compatibility rule of the radio identity check.

#include "files/VersionCheck.h"

#include "FilesTestSupport.h"
#include "files/VersionTag.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

TEST(VersionTag, WellFormedIsVAndThreeDigitsAfterTrimming) {
    EXPECT_TRUE(IsWellFormedVersionTag("V100"));
    EXPECT_TRUE(IsWellFormedVersionTag("V101"));
    EXPECT_TRUE(IsWellFormedVersionTag("V000"));
    EXPECT_TRUE(IsWellFormedVersionTag(std::string("V105\0", 5)));
    EXPECT_FALSE(IsWellFormedVersionTag("V1A0"));
    EXPECT_FALSE(IsWellFormedVersionTag("v100"));
    EXPECT_FALSE(IsWellFormedVersionTag("V10"));
    EXPECT_FALSE(IsWellFormedVersionTag("V10 "));
    EXPECT_FALSE(IsWellFormedVersionTag("V1000"));
    EXPECT_FALSE(IsWellFormedVersionTag(""));
    EXPECT_FALSE(IsWellFormedVersionTag(std::string("V1\0\0", 4)));
    EXPECT_FALSE(IsWellFormedVersionTag("V1.0"));
    EXPECT_FALSE(IsWellFormedVersionTag("V+10"));
    EXPECT_FALSE(IsWellFormedVersionTag("V/.."));
}

TEST(VersionTag, DottedFormShowsFirstTwoDotLastTwo) {
    EXPECT_EQ(DottedVersionTag("V100"), "V1.00");
    EXPECT_EQ(DottedVersionTag("V105"), "V1.05");
    EXPECT_EQ(DottedVersionTag("V2"), "V2.V2");
}

TEST(VersionPairs, OnlyListedPairsCountEvenForEqualTags) {
    VersionTable table;
    EXPECT_FALSE(IsVersionPairListed(table, "V100", "V100"));
    table.VersionPairs = {"V100", "V100", "V101", "V105"};
    EXPECT_TRUE(IsVersionPairListed(table, "V100", "V100"));
    EXPECT_TRUE(IsVersionPairListed(table, "V101", "V105"));
    EXPECT_FALSE(IsVersionPairListed(table, "V100", "V105"));
    EXPECT_FALSE(IsVersionPairListed(table, "V100", "V101")); // pairs do not straddle
    table.VersionPairs.push_back("V100"); // an odd entry left over has no partner
    EXPECT_FALSE(IsVersionPairListed(table, "V100", ""));
}

class VersionQuestionTest : public ::testing::Test {
protected:
    void SetUp() override { LoadTestTexts(app, folder); }
    ScratchFolder folder;
    AppContext app;
};

TEST_F(VersionQuestionTest, NamesTheDataKindAndBothDottedTags) {
    EXPECT_EQ(VersionQuestion(app.texts, "V100", "V105", DataKind::DocumentFile),
              "Start the other program?\r\nFile data version V1.05\r\nProgram version V1.00");
    EXPECT_EQ(VersionQuestion(app.texts, "V100", "V203", DataKind::Radio),
              "Start the other program?\r\nRadio data version V2.03\r\nProgram version V1.00");
}

TEST(ModelCompatibility, VX210IsAcceptedForAnyModelOnlyWhenNotWriting) {
    constexpr int kRead = 1, kWrite = 2;
    EXPECT_TRUE(IsModelCompatible("VX210", "VX210", kWrite));
    EXPECT_TRUE(IsModelCompatible("ABC", "ABC", kWrite));
    EXPECT_TRUE(IsModelCompatible(std::string("VX210\0 ", 7), "VX210", kWrite));
    EXPECT_TRUE(IsModelCompatible("ABC", "VX210", kRead));
    EXPECT_FALSE(IsModelCompatible("ABC", "VX210", kWrite));
    EXPECT_FALSE(IsModelCompatible("ABC", "XYZ", kRead));
    EXPECT_FALSE(IsModelCompatible("VX210", "XYZ", 3));
    EXPECT_FALSE(IsModelCompatible("ABC", "VX210", LinkMode::Write));
    EXPECT_TRUE(IsModelCompatible("ABC", "VX210", LinkMode::Read));
}

} // namespace
} // namespace pmr
