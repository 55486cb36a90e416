#include "app/IniFile.h"

#include "TempInstall.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;

TEST(IniLookup, SectionsAndKeysMatchWithoutRegardToCase) {
    auto doc = IniDocument::Parse("[Language]\r\nComPort=3\r\n[MSG]\r\n9001=Files\r\n");
    EXPECT_EQ(doc.Get("language", "comport"), "3");
    EXPECT_EQ(doc.Get("LANGUAGE", "COMPORT"), "3");
    EXPECT_EQ(doc.Get("msg", "9001"), "Files");
    EXPECT_FALSE(doc.Get("language", "9001")); // keys belong to their own section
}

TEST(IniLookup, ValuesAndNamesAreTrimmedOfBlanks) {
    auto doc = IniDocument::Parse("  [ language ]  \n\t comPort \t=  \t 7 \t \nx=a b  c\n");
    EXPECT_EQ(doc.Get("language", "comPort"), "7");
    EXPECT_EQ(doc.Get("language", "x"), "a b  c"); // inner blanks stay
}

TEST(IniLookup, FirstSectionAndFirstKeyWin) {
    auto doc = IniDocument::Parse("[a]\nk=1\nk=2\n[A]\nk=3\nj=4\n");
    EXPECT_EQ(doc.Get("a", "k"), "1");
    EXPECT_FALSE(doc.Get("a", "j"));
}

TEST(IniLookup, CommentsBlankLinesAndStrayTextNeverMatch) {
    auto doc = IniDocument::Parse(";k=1\n[s]\n; k=2\n#k=3\nno equals here\n=orphan\n\nk2=\n");
    EXPECT_FALSE(doc.Get("s", "k"));
    EXPECT_FALSE(doc.Get("s", ";k"));
    EXPECT_EQ(doc.Get("s", "k2"), ""); // present but empty is not missing
    EXPECT_EQ(doc.Keys("s"), (std::vector<std::string>{"k2"}));
}

TEST(IniLookup, KeysBeforeAnySectionBelongToNone) {
    auto doc = IniDocument::Parse("k=1\n[s]\nk=2\n");
    EXPECT_EQ(doc.Get("s", "k"), "2");
}

TEST(IniLookup, ByteOrderMarkIsNotPartOfTheFirstSection) {
    auto doc = IniDocument::Parse("\xEF\xBB\xBF[Msg]\n9001=x\n");
    EXPECT_EQ(doc.Get("Msg", "9001"), "x");
    EXPECT_EQ(doc.Serialize(), "\xEF\xBB\xBF[Msg]\n9001=x\n");
}

TEST(IniWrite, ReplacingAKeyKeepsEveryOtherByte) {
    const std::string text = "; setup of the programmer\r\n[language]\r\nIsFirstRun=1\r\n"
                             "  comPort = 1 \r\n\r\n; port above\r\n[other]\r\ncomPort=9\r\n";
    auto doc = IniDocument::Parse(text);
    ASSERT_TRUE(doc.Set("LANGUAGE", "comport", "4"));
    EXPECT_EQ(doc.Serialize(), "; setup of the programmer\r\n[language]\r\nIsFirstRun=1\r\n"
                               "  comPort=4\r\n\r\n; port above\r\n[other]\r\ncomPort=9\r\n");
    EXPECT_EQ(doc.Get("other", "comPort"), "9");
}

TEST(IniWrite, MissingKeyGoesAfterTheSectionsLastEntry) {
    auto doc = IniDocument::Parse("[a]\nx=1\n\n; about b\n[b]\ny=2\n");
    ASSERT_TRUE(doc.Set("a", "z", "3"));
    EXPECT_EQ(doc.Serialize(), "[a]\nx=1\nz=3\n\n; about b\n[b]\ny=2\n");
}

TEST(IniWrite, MissingSectionIsAppendedWithTheFilesLineEnding) {
    auto doc = IniDocument::Parse("[a]\r\nx=1"); // last line without ending
    ASSERT_TRUE(doc.Set("b", "y", "2"));
    EXPECT_EQ(doc.Serialize(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");

    auto lf = IniDocument::Parse("[a]\nx=1\n");
    ASSERT_TRUE(lf.Set("a", "x", "5"));
    ASSERT_TRUE(lf.Set("c", "q", "6"));
    EXPECT_EQ(lf.Serialize(), "[a]\nx=5\n[c]\nq=6\n");
}

TEST(IniWrite, CarriageReturnAtTheEndStaysALineEnding) {
    auto doc = IniDocument::Parse("\n[Msg\r");
    EXPECT_EQ(doc.Sections(), (std::vector<std::string>{"Msg"}));
    ASSERT_TRUE(doc.Set("Msg", "9001", "x"));
    EXPECT_EQ(doc.Serialize(), "\n[Msg\r\n9001=x\n");
    EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get("msg", "9001"), "x");
}

TEST(IniWrite, RefusesTextThatWouldBreakTheLines) {
    auto doc = IniDocument::Parse("[a]\nx=1\n");
    EXPECT_FALSE(doc.Set("a", "x", "1\r\n[evil]"));
    EXPECT_FALSE(doc.Set("a", "k=v", "1"));
    EXPECT_FALSE(doc.Set("a]", "k", "1"));
    EXPECT_FALSE(doc.Set("", "k", "1"));
    EXPECT_FALSE(doc.Set("a", " ", "1"));
    EXPECT_FALSE(doc.Set("a", "k", std::string_view("a\0b", 3)));
    EXPECT_EQ(doc.Serialize(), "[a]\nx=1\n");
}

TEST(IniFile, MissingFileSectionOrKeyGivesTheDefault) {
    TempInstall dir;
    const std::string path = dir.InRoot("t.ini");
    EXPECT_EQ(ReadProfileString(path, "s", "k", "dflt"), "dflt");
    TempInstall::Write(path, "[s]\nk= v \n");
    EXPECT_EQ(ReadProfileString(path, "S", "K", "dflt"), "v");
    EXPECT_EQ(ReadProfileString(path, "s", "other", "dflt"), "dflt");
    EXPECT_EQ(ReadProfileString(path, "t", "k", "dflt"), "dflt");
    EXPECT_EQ(ReadProfileString(dir.Root(), "s", "k", "dflt"), "dflt"); // a folder
}

TEST(IniFile, ValuesAreCutToTheBuffer) {
    TempInstall dir;
    const std::string path = dir.InRoot("t.ini");
    TempInstall::Write(path, "[s]\nlong=" + std::string(600, 'x') + "\nedge=" +
                                 std::string(253, 'y') + " z\n" + std::string("nul=ab\0cd\n", 10));
    EXPECT_EQ(ReadProfileString(path, "s", "long", "", kSetupValueBuffer).size(), 511u);
    EXPECT_EQ(ReadProfileString(path, "s", "long", "", kLangTextBuffer).size(), 254u);
    // Cut after the blank: the blank is trimmed as well.
    EXPECT_EQ(ReadProfileString(path, "s", "edge", "", kLangTextBuffer), std::string(253, 'y'));
    EXPECT_EQ(ReadProfileString(path, "s", "nul", ""), "ab");
}

TEST(IniFile, LimitCountsCharactersAndNeverSplitsOne) {
    const std::string han = "\xE4\xB8\xAD"; // one character, three bytes
    EXPECT_EQ(LimitChars(han + han + han, 2), han + han);
    EXPECT_EQ(LimitChars("abc", 5), "abc");
    EXPECT_EQ(LimitChars("abc", 0), "");
}

TEST(IniFile, WritingCreatesTheFileAndKeepsOtherLines) {
    TempInstall dir;
    const std::string path = dir.InRoot("new.ini");
    ASSERT_TRUE(WriteProfileString(path, "language", "comPort", "2"));
    EXPECT_EQ(ReadProfileString(path, "language", "comPort", ""), "2");

    TempInstall::Write(path, "[language]\r\n; keep me\r\nIsFirstRun=1\r\ncomPort=1\r\n");
    ASSERT_TRUE(WriteProfileString(path, "language", "IsFirstRun", "0"));
    ASSERT_TRUE(WriteProfileString(path, "language", "CurrentLanguage", "2"));
    EXPECT_EQ(TempInstall::Read(path), "[language]\r\n; keep me\r\nIsFirstRun=0\r\ncomPort=1\r\n"
                                       "CurrentLanguage=2\r\n");
    EXPECT_FALSE(TempInstall::Exists(path + ".new~"));
}

TEST(IniFile, WritingIntoAMissingFolderOrOverAFolderFails) {
    TempInstall dir;
    EXPECT_FALSE(WriteProfileString(dir.InRoot("nowhere/x.ini"), "s", "k", "v"));
    EXPECT_FALSE(WriteProfileString(dir.Root() + "/language", "s", "k", "v"));
}

} // namespace
} // namespace pmr
