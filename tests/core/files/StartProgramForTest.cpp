// Starting the sibling program version: only a well-formed program tag may name
// the folder, so a crafted version table cannot start anything elsewhere.

#include "FilesTestSupport.h"
#include "files/SiblingProgram.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

class StartProgramForTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareApp(app, folder);
        app.paths.InstallRoot = "/opt/pmr";
    }
    bool Start(const char* dataTag) { return StartProgramFor(app, user, launcher, dataTag); }

    ScratchFolder folder;
    AppContext app;
    ScriptedUser user;
    RecordingLauncher launcher;
};

TEST_F(StartProgramForTest, TheFirstListedProgramInItsSiblingFolderIsStarted) {
    app.versions.VersionPairs = {"V100", "V100", "V101", "V105", "V102", "V105"};
    EXPECT_TRUE(Start("V105"));
    EXPECT_EQ(launcher.started, std::vector<std::string>{"/opt/pmr/V101/pmrprog"});
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(StartProgramForTest, AnUnlistedDataVersionShows9063) {
    app.versions.VersionPairs = {"V100", "V100"};
    EXPECT_FALSE(Start("V105"));
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(user.messages, std::vector<std::string>{"No program for this version"});
}

TEST_F(StartProgramForTest, AMalformedProgramTagShows9063AndStartsNothing) {
    for (const char* crafted :
         {"..", "../x", "/bin", "V1/.", "V10", "V10 ", " V10", "V1.0", "v101", "V1000", ""}) {
        SCOPED_TRACE(crafted);
        user.messages.clear();
        app.versions.VersionPairs = {crafted, "V105", "V101", "V105"};
        EXPECT_FALSE(Start("V105"));
        EXPECT_TRUE(launcher.started.empty());
        EXPECT_EQ(user.messages, std::vector<std::string>{"No program for this version"});
    }
}

TEST_F(StartProgramForTest, AProgramThatCannotBeStartedShows9063) {
    app.versions.VersionPairs = {"V101", "V105"};
    launcher.startSucceeds = false;
    EXPECT_FALSE(Start("V105"));
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(user.messages, std::vector<std::string>{"No program for this version"});
}

TEST(SiblingProgramPath, IsBuiltOnlyFromAPlainTagAndExecutableName) {
    EXPECT_EQ(SiblingProgramPath("/opt/pmr", "V101", "pmrprog"), "/opt/pmr/V101/pmrprog");
    EXPECT_FALSE(SiblingProgramPath("/opt/pmr", "V1.1", "pmrprog"));
    EXPECT_FALSE(SiblingProgramPath("/opt/pmr", "V101", "../evil"));
    EXPECT_FALSE(SiblingProgramPath("/opt/pmr", "V101", ""));
}

} // namespace
} // namespace pmr
