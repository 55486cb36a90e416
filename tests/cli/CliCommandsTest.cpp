// pmr-cli's commands run in-process against simulated radios on
// pseudo-terminals: what they produce, and the exit status of every failure.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "platform/LinkTestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace pmr;
using namespace pmr::test;
using namespace pmr::cli;

namespace {

class Cli : public QtLinkTest {
protected:
    struct Outcome {
        int rc;
        std::string out, err;
    };
    Outcome Run(std::vector<std::string> args) {
        args.push_back("--program-dir");
        args.push_back(install_.ProgramFolder());
        std::ostringstream out, err;
        const int rc = RunCli(args, out, err);
        return {rc, out.str(), err.str()};
    }
    InstallCopy install_;
};

sim::RadioMemory Radio(const std::string& model = "VX210", int band = 4,
                       const std::string& version = "V100", int feature = 0) {
    sim::RadioMemory m = sim::MakeDefaultRadio();
    m.SetModel(model);
    m.SetBand(static_cast<std::uint8_t>(band));
    m.SetVersion(version);
    m.SetFeature(static_cast<std::uint8_t>(feature));
    return m;
}

} // namespace

TEST_F(Cli, ReadsARadioIntoAFileAndWritesItIntoAnother) {
    const std::string file = install_.File("radio.dat");
    sim::RadioMemory original = Radio();
    {
        SimRadioThread radio({}, original);
        const Outcome read = Run({"read", "--port", radio.Path(), file});
        ASSERT_EQ(read.rc, kExitOk) << read.err;
        EXPECT_TRUE(std::filesystem::exists(file));
        EXPECT_NE(read.err.find(file), std::string::npos);
    }
    // A second radio full of other channels gets the first one's channels.
    sim::RadioMemory blank = Radio();
    std::fill(blank.image.begin(), blank.image.begin() + 0x1000, 0xFF);
    blank.image[0x1020] = 0xFF;
    SimRadioThread radio({}, blank);
    const Outcome write = Run({"write", "-q", "--port", radio.Path(), file});
    ASSERT_EQ(write.rc, kExitOk) << write.err;
    EXPECT_TRUE(write.err.empty()) << write.err; // quiet
    radio.Stop();
    const auto& written = radio.Memory().image;
    EXPECT_TRUE(
        std::equal(original.image.begin(), original.image.begin() + 8 * 32, written.begin()));
    EXPECT_EQ(written[0x1020], original.image[0x1020]);
}

TEST_F(Cli, InfoPrintsTheInformationArea) {
    SimRadioThread radio;
    const Outcome info = Run({"info", "--port", radio.Path()});
    ASSERT_EQ(info.rc, kExitOk) << info.err;
    EXPECT_NE(info.out.find("Area code: 0595"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Serial number: SIM00000001"), std::string::npos);
    EXPECT_NE(info.out.find("Dealer code: DEMO DEALER"), std::string::npos);
    EXPECT_NE(info.out.find("Programming password: none"), std::string::npos);
}

TEST_F(Cli, EveryRefusalHasItsOwnExitStatus) {
    struct Case {
        sim::RadioMemory memory;
        std::vector<std::string> extra;
        int expected;
    };
    sim::RadioMemory locked = Radio();
    locked.SetPassword("1234");
    Case cases[] = {
        {Radio("VX999"), {"read"}, kExitOtherModel},
        {Radio("VX210", 8), {"read"}, kExitOtherBand},
        {Radio("VX210", 4, "V200"), {"read"}, kExitOtherVersion},
        {locked, {"read"}, kExitWrongPassword},
        {locked, {"read", "--password", "4321"}, kExitWrongPassword},
        {Radio("VX210", 4, "V100", 0x08), {"write"}, kExitWriteRefused},
        {Radio("VX210", 4, "V100", 0x04), {"write"}, kExitWriteRefused},
    };
    const std::string file = install_.File("x.dat");
    {
        SimRadioThread radio;
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    for (auto& c : cases) {
        SimRadioThread radio({}, c.memory);
        std::vector<std::string> args = c.extra;
        args.insert(args.end(), {"--port", radio.Path(), file});
        const Outcome o = Run(args);
        EXPECT_EQ(o.rc, c.expected) << args[0] << ": " << o.err;
        EXPECT_NE(o.err.find("failed"), std::string::npos) << o.err;
    }
    // The right password opens the locked radio.
    SimRadioThread radio({}, locked);
    EXPECT_EQ(Run({"read", "--password", "1234", "--port", radio.Path(), file}).rc, kExitOk);
}

TEST_F(Cli, PortFileAndUsageFailures) {
    const Outcome noPort = Run({"info", "--port", "/dev/pmr-no-such-device"});
    EXPECT_EQ(noPort.rc, kExitPortNotOpened);
    EXPECT_NE(noPort.err.find("No such device"), std::string::npos) << noPort.err;

    SimRadioThread radio;
    const Outcome missing = Run({"write", "--port", radio.Path(), install_.File("none.dat")});
    EXPECT_EQ(missing.rc, kExitFileError) << missing.err;
    // A read into a missing folder fails before the radio is read.
    const Outcome noFolder =
        Run({"read", "--port", radio.Path(), install_.File("no-folder/radio.dat")});
    EXPECT_EQ(noFolder.rc, kExitFileError) << noFolder.err;
    EXPECT_EQ(noFolder.err.find("Reading from the radio is complete"), std::string::npos);

    EXPECT_EQ(Run({}).rc, kExitUsage);
    EXPECT_EQ(Run({"read"}).rc, kExitUsage);
    EXPECT_EQ(Run({"read", ""}).rc, kExitUsage);
    EXPECT_EQ(Run({"format", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"info", "--port", "COM3"}).rc, kExitUsage);
    EXPECT_EQ(Run({"info", "--password", "12345"}).rc, kExitUsage);
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.rc, kExitOk);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

TEST_F(Cli, SilentRadioEndsWithoutRetryUnlessAskedAndWritesATrace) {
    sim::SimOptions silent;
    silent.answerFromHandshake = 1 << 30;
    SimRadioThread radio(silent);
    const std::string trace = install_.File("trace.txt");
    const Outcome o = Run({"info", "--port", radio.Path(), "--trace", trace});
    EXPECT_EQ(o.rc, kExitRadioSilent) << o.err;
    std::ifstream in(trace);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("TX 50 52 4F 47 52 41 4D"), std::string::npos);
    EXPECT_NE(text.str().find("TIMEOUT"), std::string::npos);
    radio.Stop();
    EXPECT_EQ(radio.Stats().handshakes, 4); // one question, answered Cancel

    SimRadioThread again(silent);
    const Outcome yes = Run({"info", "--yes", "-q", "--port", again.Path()});
    EXPECT_EQ(yes.rc, kExitRadioSilent);
    again.Stop();
    // Each Retry sends the handshake once more (the counters keep their values).
    EXPECT_EQ(again.Stats().handshakes, 4 + CliUser::kMaxRestarts);
}
