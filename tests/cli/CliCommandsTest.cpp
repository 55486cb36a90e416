// pmr-cli's commands run in-process against simulated radios on
// pseudo-terminals: what they produce, and the exit status of every failure.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "backup/BackupStore.h"
#include "csv/CsvText.h"
#include "image/MemoryMap.h"
#include "link/TransferDriver.h"
#include "link/TransferResultWords.h"
#include "CliTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace pmr;
using namespace pmr::test;
using namespace pmr::cli;

namespace {

class Cli : public CliTest {
protected:
    // Backups go into the test's own data folder, never the user's.
    void SetUp() override {
        QtLinkTest::SetUp();
        ::setenv("XDG_DATA_HOME", install_.File("data").c_str(), 1);
    }
    std::string Backups() { return install_.File("data") + "/pmrprog/backups"; }
    std::vector<std::string> BackupImages() {
        std::vector<std::string> found;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(Backups(), ec))
            if (e.path().extension() == ".img")
                found.push_back(e.path().string());
        return found;
    }
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

TEST_F(Cli, AValueTheRadioCannotHoldAndABlockItRefusesAreNamed) {
    const std::string file = install_.File("odd.dat");
    {
        // A radio whose first FM preset is in use with no frequency (its bytes
        // 0A 00 00 00) and whose power-on text holds an erased byte.
        sim::RadioMemory odd = Radio();
        odd.image[0x1040] &= 0xFE;
        const std::uint8_t notBcd[] = {0x0A, 0x00, 0x00, 0x00};
        std::copy(std::begin(notBcd), std::end(notBcd), odd.image.begin() + 0x1060);
        odd.image[0x1241] = 0xFF;
        SimRadioThread radio({}, odd);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
        const Outcome o = Run({"write", "--plain", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitDocumentUnfit) << o.err;
        EXPECT_NE(o.err.find("FM Radio, Preset 1: 0A000000"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("Power-on message"), std::string::npos) << o.err;
        radio.Stop();
        EXPECT_EQ(radio.Stats().blocksWritten, 0);
    }
    const std::string sound = install_.File("sound.dat");
    {
        SimRadioThread radio;
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), sound}).rc, kExitOk);
    }
    sim::SimOptions refusing;
    refusing.resendBlocks[0x02E0] = 1000000;
    SimRadioThread radio(refusing);
    const Outcome o = Run({"write", "--plain", "--port", radio.Path(), sound});
    EXPECT_EQ(o.rc, kExitWriteRefused) << o.err;
    EXPECT_NE(o.err.find("refused the block at 0x02E0 " + std::to_string(1 + kResendsPerBlock) +
                         " times"),
              std::string::npos)
        << o.err;
    EXPECT_EQ(o.err.find("did not answer"), std::string::npos) << o.err;
}

TEST_F(Cli, APlainWriteStoresTheBlockRefusedAfterADuplicateAck) {
    const std::string file = install_.File("radio.dat");
    // What the plain write leaves in a radio that takes every block.
    sim::RadioMemory reference = Radio();
    {
        SimRadioThread radio({}, reference);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
        ASSERT_EQ(Run({"write", "--plain", "-q", "--port", radio.Path(), file}).rc, kExitOk);
        radio.Stop();
        reference = radio.Memory();
    }
    // At the line's own speed the ACK of 0x02D0 comes twice, the second while
    // 0x02E0 is still on its way; the radio then refuses 0x02E0 once.
    sim::SimOptions doubling;
    doubling.pace = true;
    doubling.duplicateAcks = {0x02E0};
    sim::RadioMemory spoilt = Radio();
    std::fill(spoilt.image.begin() + 0x02E0, spoilt.image.begin() + 0x02F0, 0x5A);
    SimRadioThread radio(doubling, spoilt);
    const Outcome o = Run({"write", "--plain", "-q", "--port", radio.Path(), file});
    radio.Stop();
    ASSERT_EQ(o.rc, kExitOk) << o.err;
    EXPECT_EQ(radio.Stats().resendsSent, 1);
    const auto& written = radio.Memory().image;
    EXPECT_NE(reference.image[0x02E0], 0x5A);
    EXPECT_TRUE(std::equal(written.begin() + 0x02E0, written.begin() + 0x02F0,
                           reference.image.begin() + 0x02E0));
    EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x1400, reference.image.begin()));
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

// The write that keeps the radio's memory, against radios with faults.
TEST_F(Cli, SafeWriteKeepsABackupAndSendsOnlyWhatDiffers) {
    const std::string file = install_.File("radio.dat");
    sim::RadioMemory original = Radio();
    // Memory the program does not interpret holds the radio's own values.
    for (int a = 0x1340; a < 0x13F0; ++a)
        original.image[a] = static_cast<std::uint8_t>(a * 5);
    {
        SimRadioThread radio({}, original);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    struct Case {
        const char* name;
        int changedChannel; // 0: the radio holds the file
        std::vector<std::string> extra;
        int blocksWritten;
        const char* says;
    };
    const Case cases[] = {
        {"unchanged", 0, {}, 0, "no change"},
        {"one channel", 2, {}, 1, "1 blocks, read back and checked"},
        {"plain", 2, {"--plain"}, 320, "wrote"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::RadioMemory memory = original;
        if (c.changedChannel > 0)
            memory.image[(c.changedChannel - 1) * 32 + 1] ^= 0x01;
        const auto backupsBefore = BackupImages().size();
        SimRadioThread radio({}, memory);
        std::vector<std::string> args{"write", "--port", radio.Path(), file};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const Outcome o = Run(args);
        radio.Stop();
        EXPECT_EQ(o.rc, kExitOk) << o.err;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << o.err;
        EXPECT_EQ(radio.Stats().blocksWritten, c.blocksWritten);
        const bool safe = c.extra.empty();
        EXPECT_EQ(BackupImages().size(), backupsBefore + (safe ? 1 : 0));
        if (safe) {
            EXPECT_EQ(radio.Memory().image, original.image);
        }
    }
}

TEST_F(Cli, ALostBlockOrADroppedCableIsReportedAndTheBackupGoesBack) {
    const std::string file = install_.File("radio.dat");
    sim::RadioMemory original = Radio();
    {
        SimRadioThread radio({}, original);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    // The radio differs from the file in channels 1 to 4: four blocks to write.
    sim::RadioMemory before = original;
    for (int ch = 0; ch < 4; ++ch)
        before.image[ch * 32 + 1] ^= 0x01;
    {
        sim::SimOptions lossy;
        lossy.ignoreWrites = {0x0020};
        SimRadioThread radio(lossy, before);
        const Outcome o = Run({"write", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitVerifyFailed) << o.err;
        EXPECT_NE(o.err.find("Channel 2"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("pmr-cli restore"), std::string::npos) << o.err;
    }
    {
        // With --yes the backup goes back at once: the radio is as it was.
        sim::SimOptions lossy;
        lossy.ignoreWrites = {0x0020};
        SimRadioThread radio(lossy, before);
        const Outcome o = Run({"write", "--yes", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitVerifyFailed) << o.err;
        radio.Stop();
        EXPECT_EQ(radio.Memory().image, before.image);
        EXPECT_EQ(radio.Stats().blocksWritten, 4 + 320);
    }
    {
        sim::SimOptions dropping;
        dropping.silentAfterBlock = 320 + 2; // the whole read, then two blocks written
        SimRadioThread radio(dropping, before);
        const Outcome o = Run({"write", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitRadioSilent) << o.err;
        radio.Stop();
        EXPECT_NE(radio.Memory().image, before.image); // half written
        before = radio.Memory();
    }
    // The newest backup is the memory before the dropped write; back it goes.
    ASSERT_EQ(BackupImages().size(), 4u); // two writes, a restore, the dropped write
    sim::RadioMemory previous;
    {
        std::string error;
        const std::string first = BackupStore(Backups()).List().front().imagePath;
        const auto image = LoadBackupImage(first, error);
        ASSERT_TRUE(image) << error;
        previous = before;
        std::copy(image->begin(), image->end(), previous.image.begin());
        SimRadioThread radio({}, before);
        const Outcome o = Run({"restore", "--port", radio.Path(), first});
        EXPECT_EQ(o.rc, kExitOk) << o.err;
        radio.Stop();
        EXPECT_EQ(radio.Memory().image, previous.image);
        EXPECT_EQ(radio.Stats().blocksWritten, 320); // written whole
    }
}

TEST_F(Cli, DryRunBackupFolderAndDamagedBackup) {
    const std::string file = install_.File("radio.dat");
    sim::RadioMemory original = Radio();
    {
        SimRadioThread radio({}, original);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    sim::RadioMemory changed = original;
    changed.image[0x10B6] ^= 0x01; // an optional feature
    {
        SimRadioThread radio({}, changed);
        const Outcome o = Run({"write", "--dry-run", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitOk) << o.err;
        EXPECT_NE(o.out.find("10B0  optional features"), std::string::npos) << o.out;
        radio.Stop();
        EXPECT_EQ(radio.Stats().blocksWritten, 0);
    }
    {
        // A data folder below a plain file cannot be made: nothing is sent.
        std::ofstream(install_.File("plain-file")) << "x";
        ::setenv("XDG_DATA_HOME", install_.File("plain-file").c_str(), 1);
        SimRadioThread radio({}, changed);
        const Outcome o = Run({"write", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitBackupFailed) << o.err;
        EXPECT_NE(o.err.find("plain-file/pmrprog/backups"), std::string::npos) << o.err;
        radio.Stop();
        EXPECT_EQ(radio.Stats().handshakes, 0);
        ::setenv("XDG_DATA_HOME", install_.File("data").c_str(), 1);
    }
    const std::string kept = BackupImages().at(0);
    std::filesystem::resize_file(kept, 100);
    SimRadioThread radio({}, changed);
    const Outcome o = Run({"restore", "--port", radio.Path(), kept});
    EXPECT_EQ(o.rc, kExitFileError) << o.err;
    EXPECT_NE(o.err.find("cannot be restored"), std::string::npos) << o.err;
    EXPECT_EQ(Run({"read", "--plain", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"restore"}).rc, kExitUsage);
}

TEST_F(Cli, EveryWriteAddsOneLineToTheLogOfWritesOrToTheFileLogNames) {
    const std::string file = install_.File("fleet, radio.dat");
    const std::string log = install_.File("data") + "/pmrprog/writes.csv";
    sim::RadioMemory memory = Radio();
    {
        SimRadioThread radio({}, memory);
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    auto records = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return ReadCsv(text.str()).records;
    };
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(Crc32(bytes)));

    memory.image[1] ^= 0x01; // channel 1 differs: one block to write
    {
        SimRadioThread radio({}, memory);
        const Outcome o = Run({"write", "--port", radio.Path(), file});
        ASSERT_EQ(o.rc, kExitOk) << o.err;
        const auto rows = records(log);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].fields.at(0), "time");
        const auto& f = rows[1].fields;
        ASSERT_EQ(f.size(), 10u);
        EXPECT_EQ(f[0].size(), 20u) << f[0]; // 2026-12-11T00:41:05Z
        EXPECT_EQ(f[0].back(), 'Z');
        EXPECT_EQ(f[1], radio.Path());
        EXPECT_EQ(f[2], "VX210");
        EXPECT_EQ(f[3], "446.00625 - 446.19375 MHz");
        EXPECT_EQ(f[4], "SIM00000001");
        EXPECT_EQ(f[5], file);
        EXPECT_EQ(f[6], crc);
        EXPECT_EQ(f[7], "done");
        EXPECT_EQ(f[8], "1");
        EXPECT_EQ(f[9], BackupImages().at(0));
    }
    {
        // --log puts the line elsewhere; a dry run writes nothing and logs nothing.
        const std::string other = install_.File("other/log.csv");
        SimRadioThread radio({}, Radio());
        EXPECT_EQ(Run({"write", "--log", other, "--port", radio.Path(), file}).rc, kExitOk);
        EXPECT_EQ(Run({"write", "--dry-run", "--port", radio.Path(), file}).rc, kExitOk);
        EXPECT_EQ(records(log).size(), 2u);
        ASSERT_EQ(records(other).size(), 2u);
        EXPECT_EQ(records(other)[1].fields.at(7), "done");
    }
    {
        // A restore is a write too: its line names the backup it wrote back.
        const std::string kept = BackupImages().at(0);
        const std::string restores = install_.File("restores.csv");
        SimRadioThread radio({}, Radio());
        const Outcome o = Run({"restore", "--log", restores, "--port", radio.Path(), kept});
        ASSERT_EQ(o.rc, kExitOk) << o.err;
        const auto rows = records(restores);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[1].fields.at(2), "VX210");
        EXPECT_EQ(rows[1].fields.at(5), kept);
        EXPECT_EQ(rows[1].fields.at(7), "done");
        EXPECT_EQ(rows[1].fields.at(8), std::to_string(kImageBlocks));
    }
    {
        // A write the radio refuses is logged with the reason pmr-cli gives.
        SimRadioThread radio({}, Radio("VX210", 4, "V100", 0x08));
        const Outcome o = Run({"write", "--port", radio.Path(), file});
        EXPECT_EQ(o.rc, kExitWriteRefused);
        const auto rows = records(log);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[2].fields.at(7), DescribeResult(TransferResult::WriteRefused));
        EXPECT_NE(o.err.find(rows[2].fields.at(7)), std::string::npos) << o.err;
        EXPECT_EQ(rows[2].fields.at(8), "0");
    }
    {
        // A log that cannot be written is a warning; the write stands.
        std::ofstream(install_.File("plain-file")) << "x";
        SimRadioThread radio({}, Radio());
        const Outcome o = Run({"write", "--log", install_.File("plain-file") + "/log.csv", "--port",
                               radio.Path(), file});
        EXPECT_EQ(o.rc, kExitOk) << o.err;
        EXPECT_NE(o.err.find("warning: the write is not in the log of writes"), std::string::npos)
            << o.err;
    }
    EXPECT_EQ(Run({"read", "--log", "x.csv", "--port", "3", file}).rc, kExitUsage);
    EXPECT_NE(Run({"--help"}).out.find("~/.local/share/pmrprog/writes.csv"), std::string::npos);
}

TEST_F(Cli, SeveralRadiosAreWrittenAtOnceAndOneFailingLeavesTheOthersWritten) {
    const std::string file = install_.File("fleet.dat");
    {
        SimRadioThread radio({}, Radio());
        ASSERT_EQ(Run({"read", "-q", "--port", radio.Path(), file}).rc, kExitOk);
    }
    // Two radios full of other channels and one of another band.
    sim::RadioMemory blank = Radio();
    std::fill(blank.image.begin(), blank.image.begin() + 0x1000, 0xFF);
    SimRadioThread a({}, blank), b({}, Radio("VX210", 3)), c({}, blank);
    const std::string log = install_.File("writes.csv");
    const Outcome o = Run({"write", "--port", a.Path(), "--port", b.Path(), "--port", c.Path(),
                           "--log", log, "--power-on-text", "UNIT##", "--number-from", "7", file});
    EXPECT_EQ(o.rc, kExitSomeRadiosFailed) << o.err;
    a.Stop();
    b.Stop();
    c.Stop();
    const sim::RadioMemory want = Radio();
    for (SimRadioThread* written : {&a, &c})
        EXPECT_TRUE(std::equal(want.image.begin(), want.image.begin() + 8 * 32,
                               written->Memory().image.begin()));
    // The table: a header and a row per radio, each with its own result.
    std::istringstream table(o.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(table, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 4u) << o.out;
    EXPECT_EQ(rows[0].rfind("port", 0), 0u);
    EXPECT_NE(rows[1].find("done"), std::string::npos) << rows[1];
    EXPECT_NE(rows[2].find(DescribeResult(TransferResult::OtherBand)), std::string::npos)
        << rows[2];
    EXPECT_NE(rows[3].find("done"), std::string::npos) << rows[3];
    // Numbered in the order of the ports; the radio that failed kept its number.
    EXPECT_NE(rows[1].find("UNIT07"), std::string::npos) << rows[1];
    EXPECT_NE(rows[3].find("UNIT09"), std::string::npos) << rows[3];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&c.Memory().image[image_map::kPowerOnText1]), 6),
              "UNIT09");
    EXPECT_NE(rows[1].find("/backups/"), std::string::npos) << "each write keeps its backup";
    // Every radio has its line in the log of writes, after the header.
    const std::string logged = Slurp(log);
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 4) << logged;
}

TEST_F(Cli, SeveralPortsBelongToAWriteOfDifferentPorts) {
    EXPECT_EQ(Run({"read", "--port", "1", "--port", "2", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"write", "--port", "3", "--port", "3", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"write", "-n", "--port", "3", "--port", "4", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"write", "--power-on-text", "UNIT", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"write", "--power-on-text", "ABCDEFGHIJK##", "x.dat"}).rc, kExitUsage);
    EXPECT_EQ(Run({"read", "--power-on-text", "U#", "x.dat"}).rc, kExitUsage);
}
