// Reading a document file only to compare it: the document it holds, and
// each way a file is refused, said in the user's words.

#include "files/ComparedDocumentFile.h"

#include "FilesTestSupport.h"
#include "app/TextCatalog.h"
#include "files/DocumentRecord.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

RadioDocument StoredDocument(const char* tag) {
    RadioDocument d;
    d.Version = tag;
    d.ChannelCount = 2;
    d.Channels[0].ChannelNo = 129;
    d.Channels[0].RxFreq = "44600625";
    d.Channels[1].ChannelNo = 3;
    d.Channels[1].RxFreq = "44603125";
    d.Channels[1].Name = "HUT";
    d.Settings.Scan.WaitTime = 6;
    return d;
}

std::vector<std::uint8_t> BytesOf(const RadioDocument& d) {
    const DocumentRecordBytes r = EncodeDocumentRecord(d);
    return {r.begin(), r.end()};
}

TEST(ComparedDocumentFile, ReadsTheStoredDocumentAsAListedVersionWithoutTouchingTheApp) {
    ScratchFolder folder;
    VersionTable versions;
    versions.VersionPairs = {"V100", "V100", "V100", "V101"};
    for (const char* tag : {"V100", "V101"}) {
        SCOPED_TRACE(tag);
        const std::string path = folder.File("other.dat");
        const RadioDocument stored = StoredDocument(tag);
        WriteBytes(path, BytesOf(stored));
        const ComparedDocumentFile file = ReadComparedDocumentFile(path, versions);
        ASSERT_EQ(file.fault, ComparedFileFault::None);
        RadioDocument expected = stored;
        expected.Version = "V100"; // read as this program's own, as opening does
        EXPECT_EQ(file.doc, expected);
        EXPECT_EQ(file.size, kDocumentRecordSize);
        EXPECT_EQ(file.tag, tag);
    }
}

TEST(ComparedDocumentFile, EachRefusedFileNamesItsFaultAndHoldsNoDocument) {
    ScratchFolder folder;
    VersionTable versions;
    versions.VersionPairs = {"V100", "V100"};
    RadioDocument broken = StoredDocument("V100");
    broken.Channels[1].ChannelNo = 129; // two VFOs
    std::vector<std::uint8_t> cut = BytesOf(StoredDocument("V100"));
    cut.resize(4000);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        ComparedFileFault fault;
    };
    const Case cases[] = {
        {"text", {'h', 'e', 'l', 'l', 'o'}, ComparedFileFault::NotADocument},
        {"empty", {}, ComparedFileFault::NotADocument},
        {"other version", BytesOf(StoredDocument("V200")), ComparedFileFault::OtherVersion},
        {"cut short", cut, ComparedFileFault::CutShort},
        {"broken table", BytesOf(broken), ComparedFileFault::BrokenTable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.File("bad.dat");
        WriteBytes(path, c.bytes);
        const ComparedDocumentFile file = ReadComparedDocumentFile(path, versions);
        EXPECT_EQ(file.fault, c.fault);
        EXPECT_EQ(file.doc, RadioDocument{});
    }
    EXPECT_EQ(ReadComparedDocumentFile(folder.File("gone.dat"), versions).fault,
              ComparedFileFault::CannotRead);
}

TEST(ComparedDocumentFile, FaultTextsSayWhatIsWrongWithTheFile) {
    TextCatalog texts;
    ASSERT_TRUE(texts.Load(PMR_SOURCE_DIR "/data/language/english.ini"));
    ComparedDocumentFile file;
    EXPECT_EQ(ComparedFileFaultText(texts, file, "a.dat"), "");
    file.fault = ComparedFileFault::CannotRead;
    EXPECT_EQ(ComparedFileFaultText(texts, file, "/x/a.dat"),
              "The file /x/a.dat could not be read.");
    file.fault = ComparedFileFault::NotADocument;
    EXPECT_EQ(ComparedFileFaultText(texts, file, "a.dat"), texts.GetLangText(9065));
    file.fault = ComparedFileFault::OtherVersion;
    file.tag = "V200";
    EXPECT_NE(ComparedFileFaultText(texts, file, "a.dat").find("V200"), std::string::npos);
    file.fault = ComparedFileFault::CutShort;
    file.size = 4000;
    EXPECT_NE(ComparedFileFaultText(texts, file, "a.dat").find("(4000 bytes)"), std::string::npos);
    file.fault = ComparedFileFault::BrokenTable;
    EXPECT_EQ(ComparedFileFaultText(texts, file, "a.dat"), texts.GetLangText(9067));
}

} // namespace
} // namespace pmr
