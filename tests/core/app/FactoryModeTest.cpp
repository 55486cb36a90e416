#include "factory/FactoryMode.h"

#include "TempInstall.h"
#include "factory/TestData.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;
const std::string kMarker(kFactoryMarker);

TEST(FactoryMarker, TrailingSpacesOrNulAndAnythingAfterItCount) {
    EXPECT_TRUE(IsFactoryMarker(kMarker));
    EXPECT_TRUE(IsFactoryMarker(kMarker + "     "));
    EXPECT_TRUE(IsFactoryMarker(kMarker + std::string("\0garbage", 8)));
    EXPECT_TRUE(IsFactoryMarker(kMarker + std::string("\0x  ", 4)));
}

TEST(FactoryMarker, AnythingElseDoesNot) {
    EXPECT_FALSE(IsFactoryMarker(kMarker + "\n"));
    EXPECT_FALSE(IsFactoryMarker(kMarker + "\r\n"));
    EXPECT_FALSE(IsFactoryMarker("qn731_2864_station_probelinkkey"));
    EXPECT_FALSE(IsFactoryMarker(" " + kMarker));
    EXPECT_FALSE(IsFactoryMarker(kMarker.substr(0, 30)));
    EXPECT_FALSE(IsFactoryMarker(""));
    // Spaces are removed before the cut at NUL, so spaces in front of a NUL stay.
    EXPECT_FALSE(IsFactoryMarker(kMarker + std::string(" \0", 2)));
}

TEST(FactoryMarker, OnlyTheFirst128BytesAreRead) {
    EXPECT_TRUE(IsFactoryMarker(kMarker + std::string(128 - kMarker.size(), ' ') + "tail"));
    EXPECT_FALSE(IsFactoryMarker(kMarker + std::string(127 - kMarker.size(), ' ') + "tail"));
}

TEST(DetectFactoryMode, ReadsTheMarkerFile) {
    TempInstall dir;
    const std::string path = dir.InProgram("TestData.ini");
    FactoryData factory;
    factory.TestData.fill(9);
    factory.SavedTestData.fill(8);
    factory.TestDataEnabled = true;

    DetectFactoryMode(factory, path); // no file
    EXPECT_FALSE(factory.TestDataEnabled);
    EXPECT_EQ(factory.TestData, (std::array<std::uint8_t, 16>{}));
    EXPECT_EQ(factory.SavedTestData, (std::array<std::uint8_t, 16>{}));

    TempInstall::Write(path, kMarker + std::string(200, ' ') + "more");
    DetectFactoryMode(factory, path);
    EXPECT_TRUE(factory.TestDataEnabled);

    TempInstall::Write(path, kMarker + "\n");
    DetectFactoryMode(factory, path);
    EXPECT_FALSE(factory.TestDataEnabled);

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    DetectFactoryMode(factory, path);
    EXPECT_FALSE(factory.TestDataEnabled);
}

} // namespace
} // namespace pmr
