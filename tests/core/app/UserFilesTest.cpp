// Where the program's own files live: a portable tree keeps them, a per-user
// installation keeps them in the user's configuration folder; first starts,
// damaged setups and runs that may write nothing.

#include "app/UserFiles.h"

#include "TempInstall.h"
#include "app/AppContext.h"
#include "app/FeatureSwitches.h"
#include "app/HabitFile.h"
#include "app/IniFile.h"
#include "app/SetupValues.h"
#include "app/Startup.h"
#include "app/UserInteraction.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace pmr {
namespace {

using test::TempInstall;
namespace fs = std::filesystem;

class QuietUser : public UserInteraction {
public:
    void ShowMessage(const std::string&, Severity) override {}
    Answer Ask(const std::string&, Buttons, Severity) override { return Answer::No; }
};

// Every file below a folder with its bytes, to show that nothing changed.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] =
            entry.is_regular_file() ? TempInstall::Read(entry.path().string()) : "<folder>";
    return files;
}

constexpr const char* kShippedSetup =
    "[language]\nIsFirstRun=1\ncomPort=1\nHandshaking=0\nStopBit=1\nCurrentLanguage=1\n";

class UserFiles : public ::testing::Test {
protected:
    void SetUp() override {
        TempInstall::Write(dir.InProgram("language/english.ini"), "[Main]\n12000=PMR Programmer\n");
        TempInstall::Write(dir.InProgram("language/chinese.ini"), "[Main]\n12000=ZH\n");
        TempInstall::Write(dir.Setup(), kShippedSetup);
        user.ConfigHome = home.InRoot("config");
    }
    void MakePerUser() { TempInstall::Write(dir.InRoot("per-user"), ""); }
    std::string Own(const std::string& name) const { return user.ConfigHome + "/pmrprog/" + name; }
    InstallPaths Place(bool writeFiles = true) {
        InstallPaths paths = InstallPathsFor(dir.Program());
        PlaceUserFiles(paths, user, writeFiles);
        return paths;
    }
    AppContext Start(const std::string& locale, bool writeFiles = true) {
        AppContext app;
        StartupHooks hooks;
        hooks.newDocument = [](AppContext&, UserInteraction&) {};
        hooks.user = user;
        hooks.user.Locale = locale;
        hooks.writeFiles = writeFiles;
        RunStartup(app, dir.Program(), ui, hooks);
        return app;
    }

    TempInstall dir;  // the installation
    TempInstall home; // the user's home
    UserEnvironment user;
    QuietUser ui;
};

TEST_F(UserFiles, AnInstallationWithoutTheMarkerIsPortable) {
    EXPECT_FALSE(IsPerUserInstallation(InstallPathsFor(dir.Program())));
    const InstallPaths paths = Place();
    EXPECT_FALSE(paths.PerUser);
    EXPECT_TRUE(paths.WritesFiles);
    EXPECT_EQ(SetupFilePath(paths), dir.Setup());
    EXPECT_EQ(UserFile(paths, "Habit.ini"), dir.InProgram("Habit.ini"));
    EXPECT_FALSE(fs::exists(user.ConfigHome));
}

TEST_F(UserFiles, PerUserFilesAreSeededFromTheInstallationOnce) {
    MakePerUser();
    TempInstall::Write(dir.InProgram("BatchFun.ini"), std::string(21, '\x01'));
    fs::permissions(dir.InProgram("BatchFun.ini"), fs::perms::owner_read | fs::perms::group_read);
    const auto shipped = Snapshot(dir.Root());

    InstallPaths paths = Place();
    EXPECT_TRUE(paths.PerUser);
    EXPECT_TRUE(paths.WritesFiles);
    EXPECT_EQ(SetupFilePath(paths), Own("mysetup.ini"));
    EXPECT_EQ(UserFile(paths, "BatchFun.ini"), Own("V100/BatchFun.ini"));
    EXPECT_EQ(TempInstall::Read(Own("mysetup.ini")), kShippedSetup);
    EXPECT_EQ(TempInstall::Read(Own("V100/BatchFun.ini")), std::string(21, '\x01'));
    // A read-only default still gives the user a file of their own to change.
    EXPECT_NE(fs::status(Own("V100/BatchFun.ini")).permissions() & fs::perms::owner_write,
              fs::perms::none);
    EXPECT_FALSE(fs::exists(Own("V100/Habit.ini"))); // nothing shipped, nothing made

    // The user's own values survive the next start.
    ASSERT_TRUE(WriteSetupValue(paths, "comPort", 7));
    paths = Place();
    EXPECT_EQ(ReadSetupValue(paths, "comPort"), "7");
    EXPECT_EQ(Snapshot(dir.Root()), shipped);
}

TEST_F(UserFiles, ADamagedSetupIsSetAsideAndTheDefaultsReturn) {
    MakePerUser();
    struct Case {
        const char* what;
        std::string text;
        bool damaged;
    };
    const Case cases[] = {
        {"zeros left by a crash", std::string(64, '\0'), true},
        {"an empty file", "", true},
        {"no section at all", "comPort=3\nrubbish\n", true},
        {"a NUL inside good lines", std::string("[language]\ncomPort=3\n\0\0", 24), true},
        {"ports only", "[ports]\n3=/dev/ttyUSB0\n", false},
        {"a good setup", "[language]\ncomPort=3\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(IsDamagedSetup(c.text), c.damaged);
        fs::remove_all(user.ConfigHome);
        fs::create_directories(Own("V100"));
        TempInstall::Write(Own("mysetup.ini"), c.text);
        TempInstall::Write(Own("V100/Habit.ini"), std::string(10, '\xFF'));

        const InstallPaths paths = Place();
        EXPECT_EQ(TempInstall::Read(Own("V100/Habit.ini")), std::string(10, '\xFF'));
        if (c.damaged) {
            EXPECT_EQ(TempInstall::Read(Own("mysetup.ini")), kShippedSetup);
            EXPECT_EQ(TempInstall::Read(Own("mysetup.ini.damaged")), c.text);
            EXPECT_EQ(paths.DamagedSetupKept, Own("mysetup.ini.damaged"));
        } else {
            EXPECT_EQ(TempInstall::Read(Own("mysetup.ini")), c.text);
            EXPECT_FALSE(fs::exists(Own("mysetup.ini.damaged")));
        }
    }
}

TEST_F(UserFiles, TheFirstStartSpeaksTheLocaleThenTheSetupDecides) {
    MakePerUser();
    const auto shipped = Snapshot(dir.Root());
    AppContext first = Start("zh_CN.UTF-8");
    EXPECT_EQ(first.config.CurrentLanguage, 2);
    EXPECT_EQ(first.config.LanguageFile, "chinese.ini");
    EXPECT_EQ(first.config.AppTitle, "ZH");
    EXPECT_EQ(ReadProfileString(Own("mysetup.ini"), "language", "IsFirstRun", ""), "0");
    EXPECT_EQ(ReadProfileString(Own("mysetup.ini"), "language", "CurrentLanguage", ""), "2");
    EXPECT_TRUE(fs::exists(Own("V100/Setting.ini")));

    AppContext second = Start("en_GB.UTF-8");
    EXPECT_EQ(second.config.CurrentLanguage, 2);
    EXPECT_EQ(Snapshot(dir.Root()), shipped);
}

TEST_F(UserFiles, ARunThatMayNotWriteLeavesEveryFileAsItWas) {
    // Portable tree on its first start, then a per-user one with and without
    // the user's files: the demo reads them and changes nothing.
    TempInstall::Write(dir.InProgram("Habit.ini"), std::string(10, '\xFF'));
    for (bool perUser : {false, true}) {
        SCOPED_TRACE(perUser ? "per-user" : "portable");
        if (perUser)
            MakePerUser();
        const auto tree = Snapshot(dir.Root());
        AppContext app = Start("zh_CN", /*writeFiles=*/false);
        EXPECT_TRUE(app.config.IsFirstRun);
        EXPECT_TRUE(app.habits.PasteNoPrompt);
        app.config.ConfiguredFeatures[3] = 1;
        EndProgram(app);
        EXPECT_FALSE(SaveHabits(app));
        EXPECT_FALSE(SaveBatchSwitches(app));
        EXPECT_EQ(Snapshot(dir.Root()), tree);
        EXPECT_FALSE(fs::exists(user.ConfigHome));
    }
    Start("en");
    TempInstall::Write(Own("V100/Habit.ini"), std::string(10, '\0'));
    const auto own = Snapshot(user.ConfigHome);
    AppContext app = Start("en", /*writeFiles=*/false);
    EXPECT_EQ(app.paths.SetupFolder, user.ConfigHome + "/pmrprog");
    EXPECT_FALSE(app.config.IsFirstRun);
    EXPECT_FALSE(app.habits.PasteNoPrompt);
    EndProgram(app);
    EXPECT_EQ(Snapshot(user.ConfigHome), own);
}

TEST_F(UserFiles, WithoutAHomeAPerUserInstallationWritesNothing) {
    MakePerUser();
    user.ConfigHome.clear();
    const auto tree = Snapshot(dir.Root());
    AppContext app = Start("");
    EXPECT_TRUE(app.paths.PerUser);
    EXPECT_FALSE(app.paths.WritesFiles);
    EXPECT_EQ(app.config.ComPort, 1);
    EndProgram(app);
    EXPECT_EQ(Snapshot(dir.Root()), tree);
}

TEST(UserEnvironment, ConfigFolderAndLocaleFollowTheUsualVariables) {
    struct Case {
        const char *xdg, *home, *lcAll, *lcMessages, *lang;
        const char *configHome, *locale;
    };
    const Case cases[] = {
        {"/x/cfg", "/home/a", nullptr, nullptr, "zh_CN.UTF-8", "/x/cfg", "zh_CN.UTF-8"},
        {"relative", "/home/a/", "", "zh_TW", "en_US", "/home/a/.config", "zh_TW"},
        {nullptr, "/home/a", "C", "zh_CN", "zh_CN", "/home/a/.config", "C"},
        {"", "", nullptr, nullptr, nullptr, "", ""},
    };
    const char* names[] = {"XDG_CONFIG_HOME", "HOME", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::string> saved;
    for (const char* n : names)
        if (const char* v = std::getenv(n))
            saved[n] = v;
    for (const Case& c : cases) {
        const char* values[] = {c.xdg, c.home, c.lcAll, c.lcMessages, c.lang};
        for (int i = 0; i < 5; ++i)
            values[i] ? setenv(names[i], values[i], 1) : unsetenv(names[i]);
        const UserEnvironment user = UserEnvironment::FromProcess();
        EXPECT_EQ(user.ConfigHome, c.configHome) << c.xdg;
        EXPECT_EQ(user.Locale, c.locale) << c.lang;
    }
    for (const char* n : names)
        saved.count(n) ? setenv(n, saved[n].c_str(), 1) : unsetenv(n);
}

TEST(UserEnvironment, ChineseLocalesGiveTheChineseTexts) {
    for (const char* zh : {"zh", "zh_CN", "zh_CN.UTF-8", "zh_TW.Big5", "zh-Hans", "zh@pinyin"})
        EXPECT_EQ(LanguageForLocale(zh), 2) << zh;
    for (const char* other : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "de_DE", "zhx", "z"})
        EXPECT_EQ(LanguageForLocale(other), 1) << other;
}

} // namespace
} // namespace pmr
