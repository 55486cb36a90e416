// pmr-cli diff: two document files, or a file and a simulated radio; one line
// per difference or JSON, and the exit status diff(1) gives.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentRecord.h"
#include "CliTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace pmr;
using namespace pmr::test;
using namespace pmr::cli;

namespace {

class DiffCli : public CliTest {
protected:
    static RadioDocument Document(const std::string& path) {
        const std::string b = Slurp(path);
        return DecodeDocumentRecord(
            std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()));
    }
    static void Save(const RadioDocument& doc, const std::string& path) {
        const DocumentRecordBytes bytes = EncodeDocumentRecord(doc);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    static ChannelRecord& Ch(RadioDocument& d, int no) {
        for (int i = 0; i < d.ChannelCount; ++i)
            if (d.Channels[static_cast<std::size_t>(i)].ChannelNo == no)
                return d.Channels[static_cast<std::size_t>(i)];
        throw std::out_of_range("no channel");
    }
    /// The template with channel 1's receive frequency, the squelch level and
    /// the second message line changed.
    std::string Changed() {
        RadioDocument doc = Document(Template());
        Ch(doc, 1).RxFreq = "44604375";
        doc.Settings.Opt.SqlLevel = static_cast<Integer>(doc.Settings.Opt.SqlLevel == 5 ? 6 : 5);
        doc.Settings.EmbMsg.Line2 = "SAY \"HI\" \\ O";
        const std::string path = install_.File("changed.dat");
        Save(doc, path);
        return path;
    }
};

} // namespace

TEST_F(DiffCli, TheSameDocumentTwiceHasNoDifferenceAndExitsZero) {
    const Outcome same = Run({"diff", Template(), Template()});
    EXPECT_EQ(same.rc, kExitOk) << same.err;
    EXPECT_EQ(same.out, "");
    EXPECT_NE(same.err.find("no difference"), std::string::npos) << same.err;
    const Outcome json = Run({"diff", "--json", Template(), Template()});
    EXPECT_EQ(json.rc, kExitOk);
    EXPECT_EQ(json.out, "[]\n");
}

TEST_F(DiffCli, EachDifferenceIsOneLineInEnglishAndTheStatusIsOne) {
    const RadioDocument before = Document(Template());
    const std::string changed = Changed();
    const RadioDocument after = Document(changed);
    const Outcome diff = Run({"diff", Template(), changed});
    EXPECT_EQ(diff.rc, kExitDiffer) << diff.err;
    EXPECT_EQ(diff.out, "Channel 1, RX frequency (MHz): 446.00625 -> 446.04375\n"
                        "Optional Features, Squelch level: " +
                            std::to_string(before.Settings.Opt.SqlLevel) + " -> " +
                            std::to_string(after.Settings.Opt.SqlLevel) + "\n" +
                            "Embedded Message, Line 2: \"\" -> SAY \"HI\" \\ O\n");
    // The other way round, the values change places.
    const Outcome back = Run({"diff", "-q", changed, Template()});
    EXPECT_EQ(back.rc, kExitDiffer);
    EXPECT_EQ(back.out.substr(0, back.out.find('\n')),
              "Channel 1, RX frequency (MHz): 446.04375 -> 446.00625");
    EXPECT_EQ(back.err, "");
}

TEST_F(DiffCli, JsonHoldsEveryDifferenceWithItsTextsEscaped) {
    const Outcome json = Run({"diff", "--json", Template(), Changed()});
    EXPECT_EQ(json.rc, kExitDiffer) << json.err;
    QJsonParseError error{};
    const QJsonDocument parsed =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out;
    const QJsonArray list = parsed.array();
    ASSERT_EQ(list.size(), 3);
    const QJsonObject channel = list[0].toObject();
    EXPECT_EQ(channel["kind"].toString(), "channel-changed");
    EXPECT_EQ(channel["channel"].toInt(), 1);
    EXPECT_EQ(channel["member"].toString(), "RxFreq");
    EXPECT_EQ(channel["caption"].toString(), "Channel 1, RX frequency (MHz)");
    EXPECT_EQ(channel["old"].toString(), "446.00625");
    EXPECT_EQ(channel["new"].toString(), "446.04375");
    const QJsonObject line = list[2].toObject();
    EXPECT_EQ(line["kind"].toString(), "setting");
    EXPECT_EQ(line["window"].toString(), "Embedded Message");
    EXPECT_EQ(line["caption"].toString(), "Embedded Message, Line 2");
    EXPECT_EQ(line["new"].toString(), "SAY \"HI\" \\ O");
}

TEST_F(DiffCli, AFileThatCannotBeReadAndABadCommandLineHaveTheirOwnStatus) {
    const Outcome missing = Run({"diff", Template(), install_.File("nothing.dat")});
    EXPECT_EQ(missing.rc, kExitFileError);
    EXPECT_NE(missing.err.find("nothing.dat is not a document file this program can read"),
              std::string::npos)
        << missing.err;
    EXPECT_EQ(missing.out, "");
    std::ofstream(install_.File("short.dat")) << "not a document";
    EXPECT_EQ(Run({"diff", install_.File("short.dat"), Template()}).rc, kExitFileError);

    const Outcome one = Run({"diff", Template()});
    EXPECT_EQ(one.rc, kExitUsage);
    EXPECT_NE(one.err.find("diff needs A.dat and B.dat"), std::string::npos) << one.err;
    EXPECT_EQ(Run({"diff", "--port", "3", Template(), Template()}).rc, kExitUsage);
    EXPECT_EQ(Run({"read", "--json", install_.File("x.dat")}).rc, kExitUsage);
    EXPECT_EQ(Run({"diff", "--dry-run", Template(), Template()}).rc, kExitUsage);
    const Outcome help = Run({"--help"});
    EXPECT_NE(help.out.find("diff A.dat B.dat"), std::string::npos);
}

TEST_F(DiffCli, TheRadioIsReadIntoMemoryAndComparedWithTheFile) {
    const std::string file = install_.File("radio.dat");
    {
        SimRadioThread radio;
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    {
        SimRadioThread radio;
        const Outcome same = Run({"diff", "--port", radio.Path(), file});
        EXPECT_EQ(same.rc, kExitOk) << same.err;
        EXPECT_EQ(same.out, "");
    }
    // The file's squelch level differs from the radio's: the radio's is the new value.
    RadioDocument doc = Document(file);
    const int radioLevel = doc.Settings.Opt.SqlLevel;
    doc.Settings.Opt.SqlLevel = static_cast<Integer>(radioLevel == 2 ? 3 : 2);
    Save(doc, file);
    const std::string fileBytes = Slurp(file);
    SimRadioThread radio;
    const Outcome diff = Run({"diff", "--port", radio.Path(), file});
    EXPECT_EQ(diff.rc, kExitDiffer) << diff.err;
    EXPECT_EQ(diff.out,
              "Optional Features, Squelch level: " + std::to_string(doc.Settings.Opt.SqlLevel) +
                  " -> " + std::to_string(radioLevel) + "\n");
    EXPECT_NE(diff.err.find("the radio"), std::string::npos) << diff.err;
    EXPECT_EQ(Slurp(file), fileBytes); // the file is never written
}

TEST_F(DiffCli, ASilentRadioIsAFailureNotADifference) {
    sim::SimOptions silent;
    silent.answerFromHandshake = 1 << 30;
    SimRadioThread radio(silent);
    const Outcome diff = Run({"diff", "--port", radio.Path(), Template()});
    EXPECT_EQ(diff.rc, kExitRadioSilent) << diff.err;
    EXPECT_EQ(diff.out, "");
}

TEST_F(DiffCli, ARadioChannelBetweenThePmr446ChannelsIsShownAsTheRadioHoldsIt) {
    const std::string file = install_.File("radio.dat");
    {
        SimRadioThread radio;
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    // Channel 2 one 6.25 kHz step above its PMR446 channel, as another
    // programmer may leave it: a read into the window would move it back.
    sim::RadioMemory memory = sim::MakeDefaultRadio();
    ++memory.image[32 + 2];
    SimRadioThread radio({}, memory);
    const Outcome diff = Run({"diff", "--port", radio.Path(), file});
    EXPECT_EQ(diff.rc, kExitDiffer) << diff.err;
    EXPECT_EQ(diff.out, "Channel 2, RX frequency (MHz): 446.01875 -> 446.02500\n");
}
