// The ".ted" side files: their names, files of odd sizes, and that a save
// keeps what an existing longer file holds beyond the 16 bytes.

#include "../files/FilesTestSupport.h"
#include "factory/TestDataFile.h"
#include "files/DocumentFiles.h"
#include "files/DocumentRecord.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

TestDataBytes Counting(std::uint8_t from) {
    TestDataBytes b{};
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<std::uint8_t>(from + i);
    return b;
}

TEST(TestDataSideFileName, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(TestDataSideFileName("/data/radio.dat"), "/data/radio.ted");
    EXPECT_EQ(TestDataSideFileName("new.dat"), "new.ted");
    EXPECT_EQ(TestDataSideFileName("/x/noext"), "/x/n.ted");
    EXPECT_EQ(TestDataSideFileName("a.da"), ".ted");
    EXPECT_FALSE(TestDataSideFileName("abc"));
    EXPECT_FALSE(TestDataSideFileName(""));
}

TEST(TestDataFile, FilesOfOddSizesNeverReadBeyondTheirEnd) {
    ScratchFolder folder;
    const std::string path = folder.File("t.ted");
    struct Case {
        std::size_t size;
        std::size_t kept; // bytes taken from the file; the rest read as 0
    };
    for (const Case c :
         {Case{0, 0}, Case{1, 1}, Case{15, 15}, Case{16, 16}, Case{17, 16}, Case{4096, 16}}) {
        SCOPED_TRACE(c.size);
        std::vector<std::uint8_t> bytes(c.size);
        for (std::size_t i = 0; i < c.size; ++i)
            bytes[i] = static_cast<std::uint8_t>(0x80 + i);
        WriteBytes(path, bytes);
        TestDataBytes buffer = Counting(1);
        ASSERT_TRUE(LoadTestDataFile(path, buffer));
        for (std::size_t i = 0; i < kTestDataSize; ++i)
            EXPECT_EQ(buffer[i], i < c.kept ? 0x80 + i : 0) << "byte " << i;
    }
}

TEST(TestDataFile, AMissingOrUnreadableFileLeavesTheBuffer) {
    ScratchFolder folder;
    TestDataBytes buffer = Counting(7);
    EXPECT_FALSE(LoadTestDataFile(folder.File("none.ted"), buffer));
    std::filesystem::create_directory(folder.File("dir.ted"));
    EXPECT_FALSE(LoadTestDataFile(folder.File("dir.ted"), buffer));
    EXPECT_EQ(buffer, Counting(7));
}

TEST(TestDataFile, SavingKeepsTheBytesBeyondTheSixteenth) {
    ScratchFolder folder;
    const std::string path = folder.File("t.ted");
    ASSERT_TRUE(SaveTestDataFile(path, Counting(10)));
    EXPECT_EQ(ReadBytes(path).size(), 16u);

    std::vector<std::uint8_t> longer(40, 0xEE);
    WriteBytes(path, longer);
    ASSERT_TRUE(SaveTestDataFile(path, Counting(50)));
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 40u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 16, Counting(50).begin()));
    EXPECT_TRUE(std::all_of(bytes.begin() + 16, bytes.end(), [](auto b) { return b == 0xEE; }));

    WriteBytes(folder.File("plain"), {1});
    EXPECT_FALSE(SaveTestDataFile(folder.File("plain") + "/t.ted", Counting(1)));
}

TEST(TestDataBeside, LoadsAndSavesTheDocumentsSideFile) {
    ScratchFolder folder;
    AppContext app;
    app.factory.SavedTestData = Counting(20);
    SaveTestDataBeside(app, folder.File("radio.dat"));
    const TestDataBytes saved = Counting(20);
    EXPECT_EQ(ReadBytes(folder.File("radio.ted")),
              std::vector<std::uint8_t>(saved.begin(), saved.end()));

    app.factory.SavedTestData = {};
    LoadTestDataBeside(app, folder.File("radio.dat"));
    EXPECT_EQ(app.factory.SavedTestData, Counting(20));

    LoadTestDataBeside(app, "abc"); // too short a name to have a side file
    EXPECT_EQ(app.factory.SavedTestData, Counting(20));
}

TEST(TestDataBeside, OpeningADocumentInFactoryModeTakesItsSideFile) {
    ScratchFolder folder;
    AppContext app;
    PrepareApp(app, folder);
    RadioDocument d;
    d.Version = "V100";
    const DocumentRecordBytes r = EncodeDocumentRecord(d);
    WriteBytes(folder.File("radio.dat"), {r.begin(), r.end()});
    WriteBytes(folder.File("radio.ted"), {1, 2, 3}); // short: the rest reads as 0
    app.docState.CurrentFileName = folder.File("radio.dat");
    app.factory.TestDataEnabled = true;
    app.factory.TestData = Counting(100);
    app.factory.SavedTestData = Counting(100);

    ScriptedUser user;
    RecordingLauncher launcher;
    ASSERT_EQ(DocumentFiles(app, user, launcher).OpenDocumentFile(), FileOutcome::Done);
    const TestDataBytes expected{1, 2, 3};
    EXPECT_EQ(app.factory.SavedTestData, expected);
    EXPECT_EQ(app.factory.TestData, expected);
}

} // namespace
} // namespace pmr
