// Opening a .dat file: the tag and version checks, the checks of the channel
// table, and that every refusal leaves the document exactly as it was.

#include "FilesTestSupport.h"
#include "files/DocumentFiles.h"
#include "files/DocumentRecord.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

ChannelRecord Channel(int no, const char* rx) {
    ChannelRecord c;
    c.ChannelNo = static_cast<Integer>(no);
    c.RxFreq = rx;
    c.TxShift = "0000000";
    c.Name = "CH";
    c.IdCode = "000";
    c.IdCodeMaxLen = 10;
    c.ChSpacing = 2;
    c.RxStep625 = 1; // the PMR446 channels lie on the 6.25 kHz grid only
    return c;
}

// A document as this program writes it: VFO, channels 1 and 7.
RadioDocument StoredDocument() {
    RadioDocument d;
    d.Version = "V100";
    d.ChannelCount = 3;
    d.Channels[0] = Channel(129, "44600625");
    d.Channels[1] = Channel(1, "44601875");
    d.Channels[2] = Channel(7, "44608125");
    d.Model.ModelName = "VX210";
    d.Model.BandCode = 4;
    d.Settings.Keys.LongPressTime = 20;
    d.Settings.Scan.WaitTime = 6;
    d.FmPresets[3].Freq = "09050000";
    return d;
}

std::vector<std::uint8_t> FileBytesOf(const RadioDocument& d) {
    const DocumentRecordBytes r = EncodeDocumentRecord(d);
    return {r.begin(), r.end()};
}

class OpenDocumentFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareApp(app, folder);
        // A working copy that differs from everything the files hold.
        app.doc.ChannelCount = 1;
        app.doc.Channels[0] = Channel(129, "44610000");
        app.doc.Model.ModelName = "VX210";
        app.doc.Model.BandCode = 4;
        app.fileBuffer = app.doc;
        app.fileBuffer.Settings.Opt.Tot = 30; // buffer and copy differ on purpose
        app.docState.CurrentFileName = folder.File("radio.dat");
        docBefore = app.doc;
        bufferBefore = app.fileBuffer;
    }

    FileOutcome Open(const std::vector<std::uint8_t>& bytes) {
        WriteBytes(app.docState.CurrentFileName, bytes);
        DocumentFiles files(app, user, launcher, &windows);
        return files.OpenDocumentFile();
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(app.doc, docBefore);
        EXPECT_EQ(app.fileBuffer, bufferBefore);
        EXPECT_TRUE(windows.calls.empty());
    }

    ScratchFolder folder;
    AppContext app;
    ScriptedUser user;
    RecordingLauncher launcher;
    RecordingWindows windows;
    RadioDocument docBefore;
    RadioDocument bufferBefore;
};

TEST_F(OpenDocumentFileTest, AWellFormedListedFileBecomesWorkingCopyAndFileBuffer) {
    RadioDocument stored = StoredDocument();
    stored.Model.BandCode = 0;
    stored.Model.ModelName = std::string("VX210\0", 6);
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);

    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(app.doc, stored);
    EXPECT_EQ(app.fileBuffer, stored);
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandText, "400 - 470 MHz");
    EXPECT_EQ(app.docState.BandLimits.low10Hz, 40000000);
    EXPECT_EQ(app.docState.BandLimits.high10Hz, 47000000);
    EXPECT_EQ(app.radioInfo.BandCodeCopy, 0);
    EXPECT_EQ(windows.calls,
              (std::vector<std::string>{"OpenChannelWindow", "ShowMainTxt", "ChangeLanguage",
                                        "ArrangeChildWindows", "Titled"}));
}

TEST_F(OpenDocumentFileTest, ThePairIsLookedUpWithTheFileTagAndTheTagBecomesV100) {
    app.versions.VersionPairs = {"V100", "V101"};
    RadioDocument stored = StoredDocument();
    stored.Version = "V101";
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(app.doc.Version, FixedText<4>("V100"));
    EXPECT_EQ(app.fileBuffer.Version, FixedText<4>("V100"));
}

TEST_F(OpenDocumentFileTest, AMalformedTagShows9065AndChangesNothing) {
    for (const std::vector<std::uint8_t>& bytes :
         {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{'V', '1', '0'},
          std::vector<std::uint8_t>{'V', '1', 'A', '0', 3, 0},
          std::vector<std::uint8_t>{'v', '1', '0', '0'},
          std::vector<std::uint8_t>{'V', '1', '0', ' '}}) {
        user.messages.clear();
        EXPECT_EQ(Open(bytes), FileOutcome::BadTag);
        EXPECT_EQ(user.messages, std::vector<std::string>{"Not a document file"});
        EXPECT_TRUE(user.questions.empty());
        ExpectUnchanged();
    }
}

TEST_F(OpenDocumentFileTest, AnUnlistedTagAsksAndNoKeepsTheDocument) {
    app.versions.VersionPairs.clear(); // even V100 files must be listed
    EXPECT_EQ(Open(FileBytesOf(StoredDocument())), FileOutcome::VersionDeclined);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0], "Start the other program?\r\nFile data version V1.00\r\n"
                                 "Program version V1.00");
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(launcher.endCalls, 0);
    ExpectUnchanged();
}

TEST_F(OpenDocumentFileTest, YesStartsTheSiblingVersionAndEndsThisProgram) {
    app.versions.VersionPairs = {"V100", "V100", "V101", "V105"};
    user.answers = {Answer::Yes};
    RadioDocument stored = StoredDocument();
    stored.Version = "V105";
    EXPECT_EQ(Open(FileBytesOf(stored)), FileOutcome::ProgramEnds);
    EXPECT_EQ(launcher.started, std::vector<std::string>{folder.File("V101") + "/pmrprog"});
    EXPECT_EQ(launcher.endCalls, 1);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_NE(user.questions.at(0).find("V1.05"), std::string::npos);
    ExpectUnchanged();
}

TEST_F(OpenDocumentFileTest, YesWithoutAProgramToHandOverToKeepsThisProgramAndTheDocument) {
    app.versions.VersionPairs = {"V100", "V100"};
    user.answers = {Answer::Yes};
    RadioDocument stored = StoredDocument();
    stored.Version = "V105";
    EXPECT_EQ(Open(FileBytesOf(stored)), FileOutcome::VersionDeclined);
    EXPECT_EQ(launcher.endCalls, 0);
    EXPECT_EQ(user.messages, (std::vector<std::string>{"No program for this version", "Staying"}));
    ExpectUnchanged();
}

TEST_F(OpenDocumentFileTest, StepFlagsThatMissTheFrequencyAreCorrectedAndTheChannelsNamed) {
    RadioDocument stored = StoredDocument();
    stored.Channels[0].RxStep625 = 0; // VFO at 446.00625 MHz on the 5 kHz grid
    stored.Channels[2].RxStep625 = 0;
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_EQ(user.messages, std::vector<std::string>{"Steps corrected:\r\nVFO, 7"});
    EXPECT_EQ(app.doc, StoredDocument());
    // The file still holds the old flags: the correction is a change to save.
    EXPECT_EQ(app.fileBuffer, stored);
}

TEST_F(OpenDocumentFileTest, PmrChannelsOffTheRasterAreMovedToTheNearestChannelAndNamed) {
    RadioDocument stored = StoredDocument();
    stored.Channels[2].RxFreq = "44601000"; // channel 7 on a 5 kHz step
    stored.Channels[2].RxStep625 = 0;
    stored.Channels[0].TxShiftDir = 2; // the VFO transmitting on the next channel
    stored.Channels[0].TxShift = "0001250";
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_EQ(user.messages, std::vector<std::string>{"Moved to channels:\r\n"
                                                      "VFO: transmit 446.01875 to 446.00625\r\n"
                                                      "Channel 7: 446.01000 to 446.00625 (PMR 1)"});
    RadioDocument want = StoredDocument();
    want.Channels[2].RxFreq = "44600625";
    EXPECT_EQ(app.doc, want);
    // The file is the user's until saved: the move is a change to save.
    EXPECT_EQ(app.fileBuffer, stored);
}

TEST_F(OpenDocumentFileTest, OtherBandsKeepEveryStepOfTheirGrid) {
    RadioDocument stored = StoredDocument();
    stored.Model.BandCode = 0; // 400 - 470 MHz
    stored.Channels[2].RxFreq = "43501000";
    stored.Channels[2].RxStep625 = 0;
    stored.Channels[0].TxShiftDir = 2;
    stored.Channels[0].TxShift = "0500000";
    stored.Channels[0].RxStep625 = 1;
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(app.doc, stored);
}

TEST_F(OpenDocumentFileTest, AMissingFileShows9002) {
    DocumentFiles files(app, user, launcher, &windows);
    app.docState.CurrentFileName = folder.File("absent.dat");
    EXPECT_EQ(files.OpenDocumentFile(), FileOutcome::FileError);
    EXPECT_EQ(user.messages, std::vector<std::string>{"File error"});
    ExpectUnchanged();
}

TEST_F(OpenDocumentFileTest, AFolderInPlaceOfTheFileShows9002) {
    std::filesystem::create_directory(app.docState.CurrentFileName);
    DocumentFiles files(app, user, launcher, &windows);
    EXPECT_EQ(files.OpenDocumentFile(), FileOutcome::FileError);
    ExpectUnchanged();
}

TEST_F(OpenDocumentFileTest, ABrokenChannelTableIsRefusedAsDamaged) {
    struct Case {
        const char* what;
        void (*breakIt)(RadioDocument&);
    };
    const Case cases[] = {
        {"count above 129", [](RadioDocument& d) { d.ChannelCount = 130; }},
        {"negative count", [](RadioDocument& d) { d.ChannelCount = -1; }},
        {"huge count", [](RadioDocument& d) { d.ChannelCount = 32767; }},
        {"channel number 0", [](RadioDocument& d) { d.Channels[1].ChannelNo = 0; }},
        {"channel number 130", [](RadioDocument& d) { d.Channels[2].ChannelNo = 130; }},
        {"negative channel number", [](RadioDocument& d) { d.Channels[2].ChannelNo = -129; }},
        {"duplicate channel", [](RadioDocument& d) { d.Channels[2].ChannelNo = 1; }},
        {"two VFOs", [](RadioDocument& d) { d.Channels[1].ChannelNo = 129; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        user.messages.clear();
        RadioDocument stored = StoredDocument();
        c.breakIt(stored);
        EXPECT_EQ(Open(FileBytesOf(stored)), FileOutcome::FileError);
        EXPECT_EQ(user.messages, std::vector<std::string>{"Broken table"});
        ExpectUnchanged();
    }
}

TEST_F(OpenDocumentFileTest, EntriesBeyondTheCountAreNotChecked) {
    RadioDocument stored = StoredDocument();
    stored.Channels[3].ChannelNo = 1; // a leftover duplicate beyond the used entries
    stored.Channels[100].ChannelNo = -5;
    stored.Channels[128].ChannelNo = 999;
    EXPECT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_EQ(app.doc.Channels[128].ChannelNo, 999);
}

TEST_F(OpenDocumentFileTest, AShortFileIsRefusedAsDamagedAndALongerOneIsCut) {
    for (const std::size_t size : {std::size_t{4}, std::size_t{10444}, kDocumentRecordSize - 1}) {
        SCOPED_TRACE(size);
        user.messages.clear();
        std::vector<std::uint8_t> bytes = FileBytesOf(StoredDocument());
        bytes.resize(size);
        EXPECT_EQ(Open(bytes), FileOutcome::FileError);
        EXPECT_EQ(user.messages, std::vector<std::string>{"Short file " + std::to_string(size)});
        ExpectUnchanged();
    }

    std::vector<std::uint8_t> longer = FileBytesOf(StoredDocument());
    longer.resize(longer.size() + 100, 0x55);
    ASSERT_EQ(Open(longer), FileOutcome::Done);
    EXPECT_EQ(app.doc, StoredDocument());
}

TEST_F(OpenDocumentFileTest, TheIdLengthRuleIsAppliedAfterLoading) {
    RadioDocument stored = StoredDocument();
    stored.Settings.Dtmf.DtmfSignalling = 1;
    stored.Channels[1].IdCode = "12345";
    ASSERT_EQ(Open(FileBytesOf(stored)), FileOutcome::Done);
    EXPECT_EQ(app.doc.Channels[1].IdCodeMaxLen, 3);
    EXPECT_EQ(app.doc.Channels[1].IdCode, FixedText<10>("000"));
    // The file buffer keeps what the file holds, so the document counts as changed.
    EXPECT_EQ(app.fileBuffer.Channels[1].IdCode, FixedText<10>("12345"));
}

TEST_F(OpenDocumentFileTest, OpeningBytesInMemoryWorksWithoutWindows) {
    DocumentFiles files(app, user, launcher);
    const auto bytes = FileBytesOf(StoredDocument());
    EXPECT_EQ(files.OpenDocumentBytes(bytes), FileOutcome::Done);
    EXPECT_EQ(app.doc, StoredDocument());
}

} // namespace
} // namespace pmr
