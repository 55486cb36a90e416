#include "app/Startup.h"

#include "TempInstall.h"
#include "app/AppContext.h"
#include "app/FeatureSwitches.h"
#include "app/IniFile.h"
#include "app/StartupReport.h"
#include "app/UserInteraction.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;

class SilentUser : public UserInteraction {
public:
    void ShowMessage(const std::string& text, Severity) override { messages.push_back(text); }
    Answer Ask(const std::string& text, Buttons, Severity) override {
        messages.push_back(text);
        return Answer::No;
    }
    std::vector<std::string> messages;
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        TempInstall::Write(dir.InProgram("language/english.ini"), "[Main]\n12000=PMR Programmer\n");
        TempInstall::Write(dir.InProgram("language/chinese.ini"),
                           "[Main]\n12000=\xE5\xAF\xB9\xE8\xAE\xB2\xE6\x9C\xBA\n");
        TempInstall::Write(dir.InRoot("Version.ini"),
                           "[Version]\nSoftVersionCount=1\nFirmVersionCount=1\n[Soft]\n"
                           "0Version=V100\n[Firm]\n0Firm=V100V100\n");
    }
    void Setup(const std::string& text) { TempInstall::Write(dir.Setup(), text); }
    std::string SetupKey(const std::string& key) {
        return ReadProfileString(dir.Setup(), "language", key, "<missing>");
    }
    void Run() {
        StartupHooks hooks;
        hooks.newDocument = [this](AppContext&, UserInteraction&) { ++newDocuments; };
        RunStartup(app, dir.Program(), ui, hooks);
    }

    TempInstall dir;
    AppContext app;
    SilentUser ui;
    int newDocuments = 0;
};

TEST_F(Startup, FirstRunIsEnglishWhateverTheFileSays) {
    Setup("[language]\r\nIsFirstRun=1\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=1\r\n"
          "CurrentLanguage=2\r\n");
    Run();
    EXPECT_TRUE(app.config.IsFirstRun);
    EXPECT_EQ(app.config.CurrentLanguage, 1);
    EXPECT_EQ(app.config.LanguageFile, "english.ini");
    EXPECT_EQ(app.config.AppTitle, "PMR Programmer");
    EXPECT_EQ(app.config.HelpFile, dir.Program() + "/help/english");
    EXPECT_EQ(TempInstall::Read(dir.Setup()),
              "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=1\r\n"
              "CurrentLanguage=1\r\n");
    EXPECT_EQ(newDocuments, 1);
}

TEST_F(Startup, LanguageTwoIsChinese) {
    Setup("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\nStopBit=1\nCurrentLanguage=2\n");
    Run();
    EXPECT_FALSE(app.config.IsFirstRun);
    EXPECT_EQ(app.config.CurrentLanguage, 2);
    EXPECT_EQ(app.config.LanguageFile, "chinese.ini");
    EXPECT_EQ(app.config.AppTitle, "\xE5\xAF\xB9\xE8\xAE\xB2\xE6\x9C\xBA");
    EXPECT_EQ(app.config.HelpFile, dir.Program() + "/help/chinese");
    EXPECT_EQ(app.config.ShownLanguage, 1);
    EXPECT_EQ(SetupKey("CurrentLanguage"), "2");
}

TEST_F(Startup, AnyOtherLanguageNumberIsKeptWithEnglishFiles) {
    Setup("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\nStopBit=1\nCurrentLanguage=3\n");
    Run();
    EXPECT_EQ(app.config.CurrentLanguage, 3);
    EXPECT_EQ(app.config.LanguageFile, "english.ini");
    EXPECT_EQ(app.config.HelpFile, dir.Program() + "/help/english");
    EXPECT_EQ(app.config.AppTitle, "PMR Programmer");
    EXPECT_EQ(SetupKey("CurrentLanguage"), "3");
}

TEST_F(Startup, PortSettingsAreReadAndThePortWrittenBackAsPlainDecimal) {
    Setup("[Language]\nisfirstrun=0\nCOMPORT= 05 \nHandshaking=2\nStopBit=2\nCurrentLanguage=1\n");
    Run();
    EXPECT_EQ(app.config.ComPort, 5);
    EXPECT_EQ(app.config.HandshakingMode, 2);
    EXPECT_EQ(app.config.StopBits, 2);
    EXPECT_EQ(TempInstall::Read(dir.Setup()),
              "[Language]\nisfirstrun=0\nCOMPORT=5\nHandshaking=2\nStopBit=2\nCurrentLanguage=1\n");
}

TEST_F(Startup, MissingOrNonNumericKeysKeepTheDefaults) {
    Setup("[language]\nIsFirstRun=0\ncomPort=COM3\nHandshaking=two\nCurrentLanguage=chinese\n");
    Run();
    EXPECT_EQ(app.config.ComPort, 1);
    EXPECT_EQ(app.config.HandshakingMode, 0);
    EXPECT_EQ(app.config.StopBits, 1);
    EXPECT_EQ(app.config.CurrentLanguage, 1);
    EXPECT_EQ(app.config.LanguageFile, "english.ini");
    EXPECT_EQ(SetupKey("comPort"), "1");
    EXPECT_EQ(SetupKey("Handshaking"), "two"); // not ours to rewrite
    EXPECT_EQ(SetupKey("CurrentLanguage"), "1");
}

TEST_F(Startup, PortValuesTheLinkCannotUseKeepTheDefaults) {
    Setup("[language]\nIsFirstRun=0\ncomPort=0\nHandshaking=4\nStopBit=3\nCurrentLanguage=2\n");
    Run();
    EXPECT_EQ(app.config.ComPort, 1);
    EXPECT_EQ(app.config.HandshakingMode, 0);
    EXPECT_EQ(app.config.StopBits, 1);
    EXPECT_EQ(app.config.CurrentLanguage, 2);
}

TEST_F(Startup, WithoutMarkerTheFilesLanguageCounts) {
    Setup("[language]\ncomPort=2\nCurrentLanguage=2\n");
    Run();
    EXPECT_FALSE(app.config.IsFirstRun);
    EXPECT_EQ(app.config.CurrentLanguage, 2);
    EXPECT_EQ(SetupKey("IsFirstRun"), "<missing>");
}

TEST_F(Startup, MissingSetupFileIsCreatedWithTheDefaults) {
    Run();
    EXPECT_EQ(app.config.ComPort, 1);
    EXPECT_EQ(app.config.CurrentLanguage, 1);
    EXPECT_EQ(SetupKey("comPort"), "1");
    EXPECT_EQ(SetupKey("CurrentLanguage"), "1");
}

TEST_F(Startup, FixedDefaultsOfThisPlatform) {
    Setup("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\nStopBit=1\nCurrentLanguage=1\n");
    app.config.UseFixedPortList = true;
    app.link.EchoExpected = false;
    app.link.EnteredPassword = "1234";
    Run();
    EXPECT_FALSE(app.config.UseFixedPortList);
    EXPECT_FALSE(app.config.PrintEnabled);
    EXPECT_TRUE(app.config.HelpEnabled);
    EXPECT_TRUE(app.link.EchoExpected);
    EXPECT_EQ(app.link.EnteredPassword, "");
    EXPECT_EQ(app.paths.InstallRoot, dir.Root());
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandText, "446.00625 - 446.19375 MHz");
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 44600625);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 44619375);
    EXPECT_EQ(app.doc.Version.raw(), "V100");
    EXPECT_EQ(app.versions.VersionPairs, (std::vector<std::string>{"V100", "V100"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Startup, MissingSwitchFilesAreCreatedAndReadAsZeros) {
    app.config.BatchSwitches.fill(7);
    Run();
    EXPECT_TRUE(TempInstall::Exists(dir.InProgram("Setting.ini")));
    EXPECT_TRUE(TempInstall::Exists(dir.InProgram("BatchFun.ini")));
    EXPECT_EQ(TempInstall::Read(dir.InProgram("Setting.ini")), "");
    EXPECT_EQ(app.config.ConfiguredFeatures, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(app.config.BatchSwitches, (std::array<std::uint8_t, 21>{}));
}

TEST_F(Startup, SwitchFilesReadAsFarAsTheyGo) {
    TempInstall::Write(dir.InProgram("Setting.ini"), std::string("\x01\x00\x01", 3));
    std::string batch(30, '\x01');
    batch[20] = '\x00';
    TempInstall::Write(dir.InProgram("BatchFun.ini"), batch);
    Run();
    EXPECT_EQ(app.config.ConfiguredFeatures, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    std::array<std::uint8_t, 21> expected{};
    expected.fill(1);
    expected[20] = 0;
    EXPECT_EQ(app.config.BatchSwitches, expected);
}

TEST_F(Startup, UnreadableSettingFileClearsFeaturesAndSetsEveryBatchSwitch) {
    std::filesystem::create_directory(dir.InProgram("Setting.ini"));
    TempInstall::Write(dir.InProgram("BatchFun.ini"), std::string(21, '\0'));
    Run();
    EXPECT_EQ(app.config.ConfiguredFeatures, (std::array<std::uint8_t, 4>{}));
    for (std::uint8_t b : app.config.BatchSwitches)
        EXPECT_EQ(b, 1);
}

TEST_F(Startup, UnreadableBatchFileAlsoClearsTheFeatures) {
    TempInstall::Write(dir.InProgram("Setting.ini"), "\x01\x01\x01\x01");
    std::filesystem::create_directory(dir.InProgram("BatchFun.ini"));
    Run();
    EXPECT_EQ(app.config.ConfiguredFeatures, (std::array<std::uint8_t, 4>{}));
    for (std::uint8_t b : app.config.BatchSwitches)
        EXPECT_EQ(b, 1);
}

TEST_F(Startup, EndOfProgramSavesTheFeatureSwitchesInPlace) {
    TempInstall::Write(dir.InProgram("Setting.ini"), std::string("\x00\x00\x00\x00\x09\x09", 6));
    Run();
    app.config.ConfiguredFeatures = {0, 1, 0, 1};
    EndProgram(app);
    EXPECT_EQ(TempInstall::Read(dir.InProgram("Setting.ini")),
              std::string("\x00\x01\x00\x01\x09\x09", 6));
}

TEST_F(Startup, MissingSettingFileIsWrittenWholeAtTheEnd) {
    Run();
    app.config.ConfiguredFeatures[3] = 1;
    EXPECT_TRUE(SaveFeatureSwitches(app));
    EXPECT_EQ(TempInstall::Read(dir.InProgram("Setting.ini")), std::string("\0\0\0\x01", 4));
}

TEST_F(Startup, HabitsComeFromTheHabitFile) {
    TempInstall::Write(dir.InProgram("Habit.ini"), std::string(10, '\xFF'));
    app.habits.ClipboardValid = true;
    Run();
    EXPECT_TRUE(app.habits.PasteNoPrompt);
    EXPECT_TRUE(app.habits.PasteInserts);
    EXPECT_TRUE(app.habits.DeleteNoPrompt);
    EXPECT_TRUE(app.habits.DeleteRemovesRow);
    EXPECT_TRUE(app.habits.UseOffsetFreq);
    EXPECT_FALSE(app.habits.ClipboardValid);
}

TEST_F(Startup, FactoryMarkerSwitchesOnTheFactoryMode) {
    TempInstall::Write(dir.InProgram("TestData.ini"), "QN731_2864_Station_ProbeLinkKey   ");
    app.factory.TestData.fill(3);
    Run();
    EXPECT_TRUE(app.factory.TestDataEnabled);
    EXPECT_EQ(app.factory.TestData, (std::array<std::uint8_t, 16>{}));
}

TEST_F(Startup, WorksWithoutAnyFileAtAll) {
    std::filesystem::remove_all(dir.InProgram("language"));
    std::filesystem::remove(dir.InRoot("Version.ini"));
    std::filesystem::remove_all(dir.InRoot("language"));
    Run();
    EXPECT_EQ(app.config.CurrentLanguage, 1);
    EXPECT_EQ(app.config.AppTitle, "");
    EXPECT_FALSE(app.texts.IsLoaded());
    EXPECT_TRUE(app.versions.VersionPairs.empty());
    const std::string report = DescribeStartup(app);
    EXPECT_NE(report.find("Version.ini (missing)"), std::string::npos) << report;
    EXPECT_NE(report.find("texts empty"), std::string::npos) << report;
}

TEST_F(Startup, ReportSaysWhereTheInstallationLivesAndWhatItLoaded) {
    Setup("[language]\nIsFirstRun=0\ncomPort=3\nHandshaking=1\nStopBit=2\nCurrentLanguage=2\n");
    Run();
    const std::string report = DescribeStartup(app);
    for (const std::string& part :
         {"Program folder: " + dir.Program() + "\n", "Installation root: " + dir.Root() + "\n",
          std::string("V100 reads V100"), std::string("Serial port: 3, handshaking 1, stop bits 2"),
          std::string("2 (chinese.ini)"), std::string("(1 texts)"),
          std::string("Factory mode: off")})
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
}

TEST_F(Startup, TheRealNewDocumentRuns) {
    RunStartup(app, dir.Program(), ui);
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.doc.Version.raw(), "V100");
}

} // namespace
} // namespace pmr
