#include "app/InstallPaths.h"

#include "TempInstall.h"
#include "app/SetupValues.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TEST(ParentFolder, CutsTheLastComponent) {
    EXPECT_EQ(ParentFolder("/opt/pmr/V100"), "/opt/pmr");
    EXPECT_EQ(ParentFolder("pmr/V100"), "pmr");
    EXPECT_EQ(ParentFolder("/V100"), "/V100"); // the only "/" is the first character
    EXPECT_EQ(ParentFolder("V100"), "V100");   // no "/" at all
    EXPECT_EQ(ParentFolder(""), "");
}

TEST(InstallPaths, FilesLiveWhereTheProgramExpectsThem) {
    InstallPaths p = InstallPathsFor("/opt/pmr/V100/");
    EXPECT_EQ(p.ProgramFolder, "/opt/pmr/V100");
    EXPECT_EQ(p.InstallRoot, "/opt/pmr");
    EXPECT_EQ(SetupFilePath(p), "/opt/pmr/language/mysetup.ini");
    EXPECT_EQ(VersionFilePath(p), "/opt/pmr/Version.ini");
    EXPECT_EQ(ProgramFile(p, "Setting.ini"), "/opt/pmr/V100/Setting.ini");
    EXPECT_EQ(LanguageFilePath(p, "chinese.ini"), "/opt/pmr/V100/language/chinese.ini");
    EXPECT_EQ(InstallPathsFor("/").ProgramFolder, "/");
}

TEST(SetupValues, ReadAndWriteTheLanguageSection) {
    test::TempInstall dir;
    InstallPaths p = InstallPathsFor(dir.Program());
    EXPECT_EQ(ReadSetupValue(p, "comPort"), "");
    ASSERT_TRUE(WriteSetupValue(p, "comPort", 12));
    EXPECT_EQ(ReadSetupValue(p, "COMPORT"), "12");
    EXPECT_NE(test::TempInstall::Read(dir.Setup()).find("[language]"), std::string::npos);
}

TEST(SetupValues, NumbersAreWholeSixteenBitDecimals) {
    EXPECT_EQ(ParseSetupNumber(" 3 "), 3);
    EXPECT_EQ(ParseSetupNumber("-2"), -2);
    EXPECT_EQ(ParseSetupNumber("007"), 7);
    EXPECT_EQ(ParseSetupNumber("32767"), 32767);
    EXPECT_FALSE(ParseSetupNumber("32768"));
    EXPECT_FALSE(ParseSetupNumber(""));
    EXPECT_FALSE(ParseSetupNumber("COM1"));
    EXPECT_FALSE(ParseSetupNumber("1.5"));
    EXPECT_FALSE(ParseSetupNumber("99999999999999999999999"));
}

} // namespace
} // namespace pmr
