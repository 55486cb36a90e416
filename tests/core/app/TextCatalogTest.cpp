#include "app/TextCatalog.h"

#include "TempInstall.h"
#include "app/ButtonCaptions.h"

#include <gtest/gtest.h>
#include <map>

namespace pmr {
namespace {

using test::TempInstall;

TEST(TextSections, RangesStartAtTheirLowerBound) {
    EXPECT_EQ(SectionForTextId(-1), "OTHER");
    EXPECT_EQ(SectionForTextId(8999), "OTHER");
    EXPECT_EQ(SectionForTextId(9000), "Msg");
    EXPECT_EQ(SectionForTextId(9999), "Msg");
    EXPECT_EQ(SectionForTextId(10000), "Menu");
    EXPECT_EQ(SectionForTextId(11999), "ToolBar");
    EXPECT_EQ(SectionForTextId(12000), "Main");
    EXPECT_EQ(SectionForTextId(14500), "ChannelInfo");
    EXPECT_EQ(SectionForTextId(15000), "ChannelEdit");
    EXPECT_EQ(SectionForTextId(19000), "TestFre");
    EXPECT_EQ(SectionForTextId(21000), "Local");
    EXPECT_EQ(SectionForTextId(23001), "Lang");
    EXPECT_EQ(SectionForTextId(25000), "CHEdit");
    EXPECT_EQ(SectionForTextId(28999), "ScanSet");
    EXPECT_EQ(SectionForTextId(29999), "KeySet");
    EXPECT_EQ(SectionForTextId(30000), "Others");
    EXPECT_EQ(SectionForTextId(2147483647), "Others");
}

class TextCatalogFile : public ::testing::Test {
protected:
    std::string Path() const { return dir.InProgram("language/test.ini"); }
    void Write(const std::string& text) { TempInstall::Write(Path(), text); }
    TempInstall dir;
    TextCatalog texts;
};

TEST_F(TextCatalogFile, LooksUpEachIdentifierInItsOwnSection) {
    Write("[OTHER]\r\n8999=other\r\n[msg]\r\n9000=  first message  \r\n9017=OK\r\n"
          "[KeySet]\r\n29999=last key\r\n[Others]\r\n30000=beyond\r\n"
          "[Menu]\r\n9001=misplaced\r\n");
    ASSERT_TRUE(texts.Load(Path()));
    EXPECT_EQ(texts.GetLangText(8999), "other");
    EXPECT_EQ(texts.GetLangText(9000), "first message");
    EXPECT_EQ(texts.GetLangText(29999), "last key");
    EXPECT_EQ(texts.GetLangText(30000), "beyond");
    EXPECT_EQ(texts.GetLangText(9001), ""); // in the wrong section: not found
    EXPECT_EQ(texts.GetLangText(9002), "");
    EXPECT_EQ(texts.Size(), 5u);
}

TEST_F(TextCatalogFile, KeysMustBeThePlainDecimalNumber) {
    Write("[Msg]\n09003=zero\n 9004 = spaced \n+9005=plus\n9006x=tail\n");
    ASSERT_TRUE(texts.Load(Path()));
    EXPECT_EQ(texts.GetLangText(9003), "");
    EXPECT_EQ(texts.GetLangText(9004), "spaced");
    EXPECT_EQ(texts.GetLangText(9005), "");
    EXPECT_EQ(texts.GetLangText(9006), "");
}

TEST_F(TextCatalogFile, FirstDefinitionWins) {
    Write("[Msg]\n9001=one\n9001=two\n[MSG]\n9001=three\n9002=hidden\n");
    ASSERT_TRUE(texts.Load(Path()));
    EXPECT_EQ(texts.GetLangText(9001), "one");
    EXPECT_EQ(texts.GetLangText(9002), ""); // a second section of that name is never read
}

TEST_F(TextCatalogFile, TextsAreAtMost254Characters) {
    const std::string han = "\xE9\x80\x9A"; // a three-byte character
    std::string longHan;
    for (int i = 0; i < 300; ++i)
        longHan += han;
    Write("[Msg]\n9001=" + std::string(300, 'a') + "\n9002=" + longHan + "\n");
    ASSERT_TRUE(texts.Load(Path()));
    EXPECT_EQ(texts.GetLangText(9001), std::string(254, 'a'));
    EXPECT_EQ(texts.GetLangText(9002).size(), 254u * 3u);
}

TEST_F(TextCatalogFile, MissingFileGivesEmptyTexts) {
    EXPECT_FALSE(texts.Load(dir.InProgram("language/none.ini")));
    EXPECT_FALSE(texts.IsLoaded());
    EXPECT_EQ(texts.GetLangText(9001), "");
}

TEST_F(TextCatalogFile, LoadingAnotherFileReplacesEveryText) {
    Write("[Msg]\n9001=first\n9002=only here\n");
    ASSERT_TRUE(texts.Load(Path()));
    const std::string second = dir.InProgram("language/second.ini");
    TempInstall::Write(second, "[Msg]\n9001=second\n");
    ASSERT_TRUE(texts.Load(second));
    EXPECT_EQ(texts.GetLangText(9001), "second");
    EXPECT_EQ(texts.GetLangText(9002), "");
}

TEST(ShippedTextCatalogues, HoldTheSharedButtonCaptions) {
    for (const char* file : {"english.ini", "chinese.ini"}) {
        TextCatalog texts;
        ASSERT_TRUE(texts.Load(std::string(PMR_SOURCE_DIR) + "/data/language/" + file)) << file;
        for (int id : {9017, 9018, 9023, 9025, 12000})
            EXPECT_NE(texts.GetLangText(id), "") << file << " " << id;
    }
}

class RecordingWindow : public CaptionTarget {
public:
    void SetControlCaption(std::string_view name, const std::string& caption) override {
        captions[std::string(name)] = caption;
    }
    std::map<std::string, std::string> captions;
};

TEST_F(TextCatalogFile, StandardButtonsGetTheSharedCaptions) {
    Write("[Msg]\n9017=OK\n9018=Cancel\n9023=Close\n9025=Help\n");
    ASSERT_TRUE(texts.Load(Path()));
    RecordingWindow dialog;
    SetOkCancelCaptions(dialog, texts);
    EXPECT_EQ(dialog.captions, (std::map<std::string, std::string>{{"CommandOK", "OK"},
                                                                   {"CommandCancel", "Cancel"}}));
    RecordingWindow child;
    SetCloseHelpCaptions(child, texts);
    EXPECT_EQ(child.captions, (std::map<std::string, std::string>{{"CommandClose", "Close"},
                                                                  {"CommandHelp", "Help"}}));
}

} // namespace
} // namespace pmr
