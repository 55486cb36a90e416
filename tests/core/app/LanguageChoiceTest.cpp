#include "app/LanguageChoice.h"

#include "TempInstall.h"
#include "app/AppContext.h"
#include "app/HelpPages.h"
#include "app/IniFile.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;

class LanguageChoice : public ::testing::Test {
protected:
    void SetUp() override {
        app.paths = InstallPathsFor(dir.Program());
        TempInstall::Write(dir.InProgram("language/english.ini"), "[Lang]\n23000=Language\n");
        TempInstall::Write(dir.InProgram("language/chinese.ini"),
                           "[Lang]\n23000=\xE8\xAF\xAD\xE8\xA8\x80\n");
        TempInstall::Write(dir.Setup(), "[language]\nIsFirstRun=0\nCurrentLanguage=1\n");
        app.texts.Load(LanguageFilePath(app.paths, "english.ini"));
        app.config.HelpFile = HelpFileFor(app.paths, 1);
    }
    std::string SavedLanguage() {
        return ReadProfileString(dir.Setup(), "language", "CurrentLanguage", "");
    }
    TempInstall dir;
    AppContext app;
};

TEST_F(LanguageChoice, SwitchingToChineseChangesTextsHelpAndSetup) {
    EXPECT_TRUE(ApplyLanguageChoice(app, 1));
    EXPECT_EQ(app.config.ShownLanguage, 1);
    EXPECT_EQ(app.config.CurrentLanguage, 2);
    EXPECT_EQ(app.config.LanguageFile, "chinese.ini");
    EXPECT_EQ(app.config.HelpFile, dir.Program() + "/help/chinese");
    EXPECT_EQ(app.texts.GetLangText(23000), "\xE8\xAF\xAD\xE8\xA8\x80");
    EXPECT_EQ(SavedLanguage(), "2");
}

TEST_F(LanguageChoice, ChoosingTheCurrentLanguageOnlyWritesTheSetup) {
    TempInstall::Write(dir.Setup(), "[language]\nCurrentLanguage=7\n");
    app.config.ShownLanguage = 1;
    EXPECT_FALSE(ApplyLanguageChoice(app, 0));
    EXPECT_EQ(app.config.ShownLanguage, 1);
    EXPECT_EQ(app.config.LanguageFile, "english.ini");
    EXPECT_EQ(SavedLanguage(), "1");
}

TEST(HelpPages, PagesAreNamedAfterTheirTopic) {
    Config c;
    c.HelpFile = "/p/help/english";
    EXPECT_EQ(HelpTopicPage(c, 12), "/p/help/english/12.html");
    EXPECT_EQ(HelpTopicPage(c, 0), "/p/help/english/index.html");
    EXPECT_FALSE(IsHelpAvailable(c)); // no such folder

    TempInstall dir;
    std::filesystem::create_directories(dir.InProgram("help/english"));
    c.HelpFile = HelpFileFor(InstallPathsFor(dir.Program()), 3);
    EXPECT_TRUE(IsHelpAvailable(c));
    c.HelpEnabled = false;
    EXPECT_FALSE(IsHelpAvailable(c));
}

} // namespace
} // namespace pmr
