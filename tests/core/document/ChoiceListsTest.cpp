#include "document/ChoiceLists.h"

#include "app/AppContext.h"
#include "document/DtmfDigits.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

RadioDocument TableOf(std::initializer_list<int> numbers) {
    RadioDocument doc;
    for (int no : numbers)
        doc.Channels[static_cast<std::size_t>(doc.ChannelCount++)].ChannelNo =
            static_cast<Integer>(no);
    return doc;
}

TEST(ChannelNumberList, LeavesOutTheVfoAndSortsFromTheSecondEntryOn) {
    EXPECT_EQ(ChannelNumberList(TableOf({129, 1, 5, 3})), (std::vector<int>{1, 3, 5}));
    // The first entry keeps its place, as the editors always showed it.
    EXPECT_EQ(ChannelNumberList(TableOf({9, 4, 128, 2})), (std::vector<int>{9, 2, 4, 128}));
    EXPECT_EQ(ChannelNumberList(TableOf({9, 4})), (std::vector<int>{9, 4}));
    EXPECT_TRUE(ChannelNumberList(TableOf({129})).empty());
}

TEST(ChannelNumberTexts, EveryRecordTheVfoIncludedInNumericOrder) {
    // Numeric, not text order: "9" comes before "10" and "129".
    EXPECT_EQ(ChannelNumberTexts(TableOf({129, 10, 1, 128, 9})),
              (std::vector<std::string>{"1", "9", "10", "128", "129"}));
    EXPECT_EQ(ChannelNumberTexts(TableOf({129})), (std::vector<std::string>{"129"}));
    EXPECT_TRUE(ChannelNumberTexts(TableOf({})).empty());
}

TEST(FmPresetNumberList, NamesThePresetsInUse) {
    RadioDocument doc;
    for (FmPreset& p : doc.FmPresets)
        p.IsEmpty = 1;
    doc.FmPresets[0].IsEmpty = 0;
    doc.FmPresets[19].IsEmpty = 0;
    EXPECT_EQ(FmPresetNumberList(doc), (std::vector<int>{1, 20}));
}

TEST(DtmfGroupList, StartsWithNoneThenTheFilledMemories) {
    AppContext app;
    app.doc.Settings.Dtmf.DialMemory[1].Len = 3;
    app.doc.Settings.Dtmf.DialMemory[15].Len = 16;
    const auto list = DtmfGroupList(app);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], app.texts.GetLangText(14013));
    EXPECT_EQ(list[1], "2");
    EXPECT_EQ(list[2], "16");
}

TEST(ToneNames, HoldAllCodesInOrder) {
    const auto names = ToneNames("OFF");
    ASSERT_EQ(names.size(), 1075u);
    EXPECT_EQ(names[0], "OFF");
    EXPECT_EQ(names[1], "67.0");
    EXPECT_EQ(names[13], "100.0");
    EXPECT_EQ(names[50], "254.1");
    EXPECT_EQ(names[51], "D000N");
    EXPECT_EQ(names[70], "D023N");
    EXPECT_EQ(names[562], "D777N");
    EXPECT_EQ(names[563], "D000I");
    EXPECT_EQ(names[582], "D023I");
    EXPECT_EQ(names[1074], "D777I");
    EXPECT_EQ(ToneName(1075, "OFF"), "");
    EXPECT_EQ(ToneName(-1, "OFF"), "");
    EXPECT_EQ(ToneNames(AppContext{}.texts)[0], AppContext{}.texts.GetLangText(14013));
}

TEST(DtmfDigits, StarAndHashAreTheLastTwoNibbles) {
    EXPECT_EQ(DtmfHexToDigits("12EF0ABCD"), "12*#0ABCD");
    EXPECT_EQ(DtmfDigitsToHex("12*#0ABCD"), "12EF0ABCD");
    EXPECT_EQ(DtmfDigitsToHex(DtmfHexToDigits("0123456789ABCDEF")), "0123456789ABCDEF");
    EXPECT_EQ(DtmfHexToDigits(""), "");
}

TEST(TrimFix, RemovesTrailingSpacesThenCutsAtTheFirstNul) {
    EXPECT_EQ(TrimFix("ABC   "), "ABC");
    EXPECT_EQ(TrimFix(std::string("AB\0CD  ", 7)), "AB");
    EXPECT_EQ(TrimFix(std::string("\0           ", 12)), "");
    EXPECT_EQ(TrimFix("  AB"), "  AB");
    // Spaces before the NUL are not trailing, so they stay.
    EXPECT_EQ(TrimFix(std::string("AB \0  ", 6)), "AB ");
    FixedText<10> id(std::string_view("000\0", 4));
    EXPECT_EQ(TrimFix(id), "000");
}

} // namespace
} // namespace pmr
