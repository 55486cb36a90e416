// pmr-cli csv-export and csv-import: the files they write, the report on
// stderr, and the exit status of a clean, a partial and a refused import.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentRecord.h"
#include "CliTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace pmr;
using namespace pmr::test;
using namespace pmr::cli;

namespace {

class CsvCli : public CliTest {
protected:
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static RadioDocument Document(const std::string& path) {
        const std::string b = Slurp(path);
        return DecodeDocumentRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()));
    }
    static const ChannelRecord* Ch(const RadioDocument& d, int no) {
        for (int i = 0; i < d.ChannelCount; ++i)
            if (d.Channels[static_cast<std::size_t>(i)].ChannelNo == no)
                return &d.Channels[static_cast<std::size_t>(i)];
        return nullptr;
    }
};

TEST_F(CsvCli, ExportThenImportGivesTheSameChannels) {
    const std::string csv = install_.File("list.csv"), dat = install_.File("back.dat");
    const Outcome exported = Run({"csv-export", Template(), csv});
    ASSERT_EQ(exported.rc, kExitOk) << exported.err;
    const std::string text = Slurp(csv);
    EXPECT_EQ(text.rfind("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
                         "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
                         "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,",
                         0),
              0u);
    EXPECT_NE(text.find("\r\n1,"), std::string::npos);
    EXPECT_NE(text.find(",446.006250,"), std::string::npos);
    EXPECT_EQ(text.find("\r\n129,"), std::string::npos); // the VFO is no channel of the list

    const Outcome imported = Run({"csv-import", csv, dat, "--into", Template()});
    ASSERT_EQ(imported.rc, kExitOk) << imported.err;
    const RadioDocument a = Document(Template()), b = Document(dat);
    ASSERT_EQ(a.ChannelCount, b.ChannelCount);
    for (int i = 0; i < a.ChannelCount; ++i) {
        const ChannelRecord& x = a.Channels[static_cast<std::size_t>(i)];
        const ChannelRecord* y = Ch(b, x.ChannelNo);
        ASSERT_NE(y, nullptr);
        EXPECT_EQ(x.RxFreq, y->RxFreq);
        EXPECT_EQ(x.TxTone, y->TxTone);
        EXPECT_EQ(x.RxTone, y->RxTone);
    }
    // Without --into the channels go into a new document from the template.
    const Outcome fresh = Run({"csv-import", csv, install_.File("new.dat")});
    EXPECT_EQ(fresh.rc, kExitOk) << fresh.err;
    EXPECT_EQ(Document(install_.File("new.dat")).ChannelCount, a.ChannelCount);
}

TEST_F(CsvCli, RefusedOrChangedRowsAreReportedAndExitFifteen) {
    const std::string csv = install_.File("in.csv"), dat = install_.File("out.dat");
    Put(csv, "Location,Name,Frequency\r\n"
             "1,ok,446.006250\r\n"
             "2,FAR,145.500000\r\n"
             "300,X,446.018750\r\n");
    const Outcome r = Run({"csv-import", "-q", csv, dat});
    EXPECT_EQ(r.rc, kExitRowsNotTaken);
    EXPECT_NE(r.err.find("line 2, Name \"ok\": changed to \"OK\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 3, Frequency 145.500000: outside the band"), std::string::npos);
    EXPECT_NE(r.err.find("line 4, Location 300: no such channel"), std::string::npos);
    EXPECT_NE(r.err.find("1 rows will be imported, 2 refused"), std::string::npos);
    // The row it could take is in the file; the others are not.
    const RadioDocument d = Document(dat);
    ASSERT_NE(Ch(d, 1), nullptr);
    EXPECT_EQ(Ch(d, 2), nullptr);
}

TEST_F(CsvCli, FillKeepsTheOtherChannels) {
    const std::string csv = install_.File("in.csv"), dat = install_.File("out.dat");
    Put(csv, "Location,Name,Frequency\r\n3,NEW,446.031250\r\n");
    const Outcome r = Run({"csv-import", csv, dat, "--into", Template(), "--fill"});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    const RadioDocument d = Document(dat);
    EXPECT_EQ(d.ChannelCount, Document(Template()).ChannelCount);
    EXPECT_EQ(std::string(Ch(d, 3)->Name.raw()), "NEW   ");
    // Replacing leaves only channel 3 and the VFO.
    ASSERT_EQ(Run({"csv-import", csv, dat, "--into", Template()}).rc, kExitOk);
    EXPECT_EQ(Document(dat).ChannelCount, 2);
}

TEST_F(CsvCli, AFileThatIsNoChannelListWritesNothing) {
    const std::string dat = install_.File("out.dat");
    // A document file given as the list.
    const Outcome r = Run({"csv-import", Template(), dat});
    EXPECT_EQ(r.rc, kExitFileError);
    EXPECT_NE(r.err.find("holds NUL bytes"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dat));
    const std::string none = install_.File("none.csv");
    Put(none, "Location,Frequency\r\n0,446.00625\r\n");
    EXPECT_EQ(Run({"csv-import", none, dat}).rc, kExitRowsNotTaken);
    EXPECT_FALSE(std::filesystem::exists(dat));
    EXPECT_EQ(Run({"csv-import", install_.File("missing.csv"), dat}).rc, kExitFileError);
    EXPECT_EQ(Run({"csv-export", install_.File("missing.dat"), install_.File("x.csv")}).rc,
              kExitFileError);
}

TEST_F(CsvCli, CommandLineOfTheCsvCommands) {
    EXPECT_EQ(Run({"csv-export", Template()}).rc, kExitUsage);
    EXPECT_EQ(Run({"csv-import", "a.csv", "b.dat", "--fill"}).rc,
              kExitUsage); // --fill needs --into
    EXPECT_EQ(Run({"read", "x.dat", "--into", "y.dat"}).rc, kExitUsage);
    const Outcome help = Run({"--help"});
    EXPECT_NE(help.out.find("csv-import IN.csv OUT.dat"), std::string::npos);
    EXPECT_NE(help.out.find("15 csv-import: rows refused or changed"), std::string::npos);
}

} // namespace
