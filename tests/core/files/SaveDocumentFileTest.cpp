// Saving: the file is replaced whole or not at all, a longer file keeps its
// tail, and a failed save reports 9002 and leaves the old file and the record
// of the last save alone.

#include "FilesTestSupport.h"
#include "files/DocumentFiles.h"
#include "files/DocumentModified.h"
#include "files/DocumentRecord.h"
#include "files/FileBytes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

class SaveDocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareApp(app, folder);
        app.doc.ChannelCount = 2;
        app.doc.Channels[0].ChannelNo = 129;
        app.doc.Channels[0].RxFreq = "44600625";
        app.doc.Channels[1].ChannelNo = 1;
        app.doc.Channels[1].RxFreq = "44601875";
        app.doc.Channels[1].Name = "BASE";
        // As every channel this program creates: already under the ID-length rule.
        app.doc.Channels[0].IdCodeMaxLen = app.doc.Channels[1].IdCodeMaxLen = 10;
        app.doc.Channels[0].RxStep625 = app.doc.Channels[1].RxStep625 = 1;
        app.doc.Settings.Opt.Tot = 60;
        app.docState.CurrentFileName = folder.File("radio.dat");
    }

    FileOutcome Save() { return DocumentFiles(app, user, launcher, &windows).SaveDocumentFile(); }

    ScratchFolder folder;
    AppContext app;
    ScriptedUser user;
    RecordingLauncher launcher;
    RecordingWindows windows;
};

TEST_F(SaveDocumentFileTest, ANewFileIsExactlyOneRecordTaggedV100WithTheCurrentModel) {
    app.doc.Version = "XXXX";
    app.docState.ModelNameText = "VX210";
    app.docState.BandText = "136 - 174 MHz";
    ASSERT_EQ(Save(), FileOutcome::Done);

    const auto bytes = ReadBytes(app.docState.CurrentFileName);
    ASSERT_EQ(bytes.size(), kDocumentRecordSize);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "V100");
    EXPECT_EQ(std::string(bytes.begin() + 10444, bytes.begin() + 10451), "VX210  ");
    EXPECT_EQ(bytes[10451], 8); // band code of "136 - 174 MHz"
    EXPECT_EQ(DecodeDocumentRecord(bytes), app.doc);
    EXPECT_EQ(app.fileBuffer, app.doc);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"Titled", "ShowMainTxt"}));
    EXPECT_FALSE(std::filesystem::exists(TemporaryFileBeside(app.docState.CurrentFileName)));
}

TEST_F(SaveDocumentFileTest, SavingAndOpeningAgainLeavesNothingModified) {
    ASSERT_EQ(Save(), FileOutcome::Done);
    app.doc.Settings.Opt.Tot = 90;
    ASSERT_TRUE(IsDocumentModified(app));
    ASSERT_EQ(DocumentFiles(app, user, launcher, &windows).OpenDocumentFile(), FileOutcome::Done);
    EXPECT_EQ(app.doc.Settings.Opt.Tot, 60);
    EXPECT_FALSE(IsDocumentModified(app));
}

TEST_F(SaveDocumentFileTest, ALongerFileKeepsItsBytesBeyondTheRecord) {
    std::vector<std::uint8_t> old(kDocumentRecordSize + 300, 0x00);
    for (std::size_t i = 0; i < old.size(); ++i)
        old[i] = static_cast<std::uint8_t>(i * 13 + 5);
    WriteBytes(app.docState.CurrentFileName, old);

    ASSERT_EQ(Save(), FileOutcome::Done);
    const auto bytes = ReadBytes(app.docState.CurrentFileName);
    ASSERT_EQ(bytes.size(), old.size());
    const DocumentRecordBytes record = EncodeDocumentRecord(app.doc);
    EXPECT_TRUE(std::equal(record.begin(), record.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(old.begin() + kDocumentRecordSize, old.end(),
                           bytes.begin() + kDocumentRecordSize));
}

TEST_F(SaveDocumentFileTest, AShorterOldFileIsReplacedWhole) {
    WriteBytes(app.docState.CurrentFileName, std::vector<std::uint8_t>(100, 0xEE));
    ASSERT_EQ(Save(), FileOutcome::Done);
    EXPECT_EQ(ReadBytes(app.docState.CurrentFileName).size(), kDocumentRecordSize);
}

TEST_F(SaveDocumentFileTest, AFolderThatCannotBeMadeShows9002) {
    // Tests run as root, so a read-only folder would not stop the write; a path
    // whose parent is a plain file does.
    WriteBytes(folder.File("plain"), {1, 2, 3});
    app.docState.CurrentFileName = folder.File("plain") + "/radio.dat";
    const RadioDocument bufferBefore = app.fileBuffer;
    EXPECT_EQ(Save(), FileOutcome::FileError);
    EXPECT_EQ(user.messages, std::vector<std::string>{"File error"});
    EXPECT_EQ(app.fileBuffer, bufferBefore);
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_EQ(ReadBytes(folder.File("plain")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(SaveDocumentFileTest, AFailedSaveLeavesTheOldFileAndCountsAsUnsaved) {
    const std::vector<std::uint8_t> old(kDocumentRecordSize + 40, 0x42);
    WriteBytes(app.docState.CurrentFileName, old);
    // The temporary file cannot be created: a folder stands in its place.
    std::filesystem::create_directory(TemporaryFileBeside(app.docState.CurrentFileName));
    app.factory.TestDataEnabled = true;
    app.factory.TestData[0] = 9;

    EXPECT_EQ(Save(), FileOutcome::FileError);
    EXPECT_EQ(user.messages, std::vector<std::string>{"File error"});
    EXPECT_EQ(ReadBytes(app.docState.CurrentFileName), old);
    EXPECT_EQ(app.factory.SavedTestData[0], 0);
    EXPECT_FALSE(std::filesystem::exists(folder.File("radio.ted")));
    EXPECT_TRUE(IsDocumentModified(app));
    EXPECT_TRUE(std::filesystem::is_directory(TemporaryFileBeside(app.docState.CurrentFileName)));
}

TEST_F(SaveDocumentFileTest, AFolderInPlaceOfTheFileIsNotReplaced) {
    std::filesystem::create_directory(app.docState.CurrentFileName);
    EXPECT_EQ(Save(), FileOutcome::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(app.docState.CurrentFileName));
}

TEST_F(SaveDocumentFileTest, TheFactoryModeSavesTheTestDataBeside) {
    app.factory.TestDataEnabled = true;
    for (std::size_t i = 0; i < 16; ++i)
        app.factory.TestData[i] = static_cast<std::uint8_t>(0xA0 + i);
    ASSERT_EQ(Save(), FileOutcome::Done);
    EXPECT_EQ(app.factory.SavedTestData, app.factory.TestData);
    const auto side = ReadBytes(folder.File("radio.ted"));
    EXPECT_EQ(side,
              std::vector<std::uint8_t>(app.factory.TestData.begin(), app.factory.TestData.end()));
}

TEST_F(SaveDocumentFileTest, WithoutTheFactoryModeNoSideFileIsWritten) {
    app.factory.TestData[0] = 1;
    ASSERT_EQ(Save(), FileOutcome::Done);
    EXPECT_FALSE(std::filesystem::exists(folder.File("radio.ted")));
}

} // namespace
} // namespace pmr
