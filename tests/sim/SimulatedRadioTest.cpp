// The simulated radio's protocol engine on a virtual clock.

#include "SimulatedRadio.h"

#include "RadioFrameParser.h"
#include "RadioMemory.h"
#include "SimOptions.h"
#include "app/AppContext.h"
#include "document/TrimFix.h"
#include "image/ImageCodec.h"

#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

using namespace pmr::sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::int64_t kMs = 1'000'000;

Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

Bytes ReadReq(std::uint16_t address) {
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 16};
}

Bytes WriteBlock(std::uint16_t address, std::uint8_t fill, bool damage = false) {
    Bytes f{'W', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), 16};
    f.insert(f.end(), 16, fill);
    f.push_back(
        static_cast<std::uint8_t>(std::accumulate(f.begin() + 1, f.end(), 0u) + (damage ? 1 : 0)));
    f.push_back(0x06);
    return f;
}

struct Bench {
    RadioMemory memory = MakeDefaultRadio();
    SimOptions options;
    std::unique_ptr<SimulatedRadio> radio;
    std::int64_t now = 0;

    SimulatedRadio& Radio() {
        if (!radio)
            radio = std::make_unique<SimulatedRadio>(memory, options);
        return *radio;
    }
    // Sends a frame and collects everything the radio sends within `window`.
    Bytes Exchange(const Bytes& frame, std::int64_t window = 100 * kMs) {
        Radio().Receive(frame, now);
        Bytes out;
        const std::int64_t until = now + window;
        while (auto next = Radio().NextDue()) {
            if (*next > until)
                break;
            now = std::max(now, *next);
            auto due = Radio().TakeDue(now);
            out.insert(out.end(), due.begin(), due.end());
        }
        now = until;
        return out;
    }
    void Connect() { ASSERT_EQ(Exchange(Text("PROGRAM")), (Bytes{'K', 'W', 0x06})); }
};

} // namespace

TEST(SimulatedRadio, AnswersHandshakeIdentificationAndBlocks) {
    Bench b;
    b.Connect();
    const Bytes ident = b.Exchange({0x02});
    ASSERT_EQ(ident.size(), 16u);
    EXPECT_EQ(ident[0], 'P');
    EXPECT_EQ(std::string(ident.begin() + 1, ident.begin() + 6), "VX210");
    EXPECT_EQ(ident[8], 4);
    EXPECT_EQ(std::string(ident.begin() + 9, ident.begin() + 13), "V100");
    EXPECT_EQ(ident[15], 0x06);

    // The last block of the main memory holds the model block; checksum over
    // address, length and data.
    const Bytes block = b.Exchange(ReadReq(0x13F0));
    ASSERT_EQ(block.size(), 22u);
    EXPECT_EQ(block[0], 'W');
    EXPECT_EQ(block[1], 0x13);
    EXPECT_EQ(block[2], 0xF0);
    EXPECT_EQ(block[3], 16);
    EXPECT_EQ(block[20], static_cast<std::uint8_t>(
                             std::accumulate(block.begin() + 1, block.begin() + 20, 0u)));
    EXPECT_EQ(block[21], 0x06);
    EXPECT_EQ(b.Exchange(Text("END")), Bytes{0x06});
    // After the end frame the radio is out of programming mode.
    EXPECT_TRUE(b.Exchange({0x02}).empty());
}

TEST(SimulatedRadio, StoresWriteBlocksAndAsksForDamagedOnesAgain) {
    Bench b;
    b.options.resendBlocks[0x0020] = 2;
    b.Connect();
    EXPECT_EQ(b.Exchange(WriteBlock(0x0010, 0x01)), Bytes{0x06});
    EXPECT_EQ(b.memory.image[0x0010], 0x01);
    EXPECT_EQ(b.memory.image[0x001F], 0x01);
    EXPECT_EQ(b.Exchange(WriteBlock(0x0030, 0x02, true)), Bytes{0x0A});
    EXPECT_NE(b.memory.image[0x0030], 0x02);
    // Two resend requests as asked, then accepted.
    EXPECT_EQ(b.Exchange(WriteBlock(0x0020, 0x03)), Bytes{0x0A});
    EXPECT_EQ(b.Exchange(WriteBlock(0x0020, 0x03)), Bytes{0x0A});
    EXPECT_NE(b.memory.image[0x0020], 0x03);
    EXPECT_EQ(b.Exchange(WriteBlock(0x0020, 0x03)), Bytes{0x06});
    EXPECT_EQ(b.memory.image[0x0020], 0x03);
    // Test data at 0x1F00 and the information area are memory too.
    EXPECT_EQ(b.Exchange(WriteBlock(0x1F00, 0x44)), Bytes{0x06});
    EXPECT_EQ(b.memory.testData[15], 0x44);
    EXPECT_EQ(b.Radio().Stats().blocksWritten, 2);
    EXPECT_EQ(b.Radio().Stats().resendsSent, 3);
}

TEST(SimulatedRadio, LineNoiseSpoilsRepliesTheSameWayForTheSameSeed) {
    auto session = [](std::uint32_t seed) {
        Bench b;
        b.options.noisePermille = 1000;
        b.options.seed = seed;
        std::vector<Bytes> replies{b.Exchange(Text("PROGRAM"))};
        for (int block = 0; block < 8; ++block)
            replies.push_back(b.Exchange(ReadReq(static_cast<std::uint16_t>(block * 16))));
        return replies;
    };
    const auto first = session(7);
    EXPECT_EQ(first, session(7));
    EXPECT_NE(first, session(8));
    EXPECT_NE(first[0], (Bytes{'K', 'W', 0x06}));
}

TEST(SimulatedRadio, PasswordLivesInTheInformationArea) {
    Bench b;
    b.memory.SetPassword("AB");
    b.Connect();
    const Bytes block = b.Exchange(ReadReq(0x1420));
    ASSERT_EQ(block.size(), 22u);
    EXPECT_EQ(block[4 + 12], 'A');
    EXPECT_EQ(block[4 + 13], 'B');
    EXPECT_EQ(block[4 + 14], 0x00);
    b.memory.SetPassword("");
    EXPECT_EQ(b.memory.info[0x2C], 0xFF);
    EXPECT_EQ(b.memory.info[0x2F], 0xFF);
}

TEST(SimulatedRadio, EchoPrecedesTheReply) {
    Bench b;
    b.options.echo = true;
    const Bytes reply = b.Exchange(Text("PROGRAM"));
    EXPECT_EQ(reply, Text("PROGRAMKW\x06"));
    // The cable echoes even what the radio does not answer.
    EXPECT_EQ(b.Exchange({0x11, 0x22}), (Bytes{0x11, 0x22}));
}

TEST(SimulatedRadio, AnswersOnlyFromTheNthHandshake) {
    Bench b;
    b.options.answerFromHandshake = 3;
    EXPECT_TRUE(b.Exchange(Text("PROGRAM")).empty());
    EXPECT_TRUE(b.Exchange({0x02}).empty()); // not in programming mode
    EXPECT_TRUE(b.Exchange(Text("PROGRAM")).empty());
    b.Connect();
    EXPECT_EQ(b.Radio().Stats().handshakes, 3);
}

TEST(SimulatedRadio, FallsSilentOrExitsAfterBlockN) {
    Bench silent;
    silent.options.silentAfterBlock = 2;
    silent.Connect();
    EXPECT_EQ(silent.Exchange(ReadReq(0x0000)).size(), 22u);
    EXPECT_EQ(silent.Exchange(ReadReq(0x0010)).size(), 22u);
    EXPECT_TRUE(silent.Exchange(ReadReq(0x0020)).empty());
    EXPECT_TRUE(silent.Exchange(Text("END")).empty());
    EXPECT_FALSE(silent.Radio().ExitRequested());

    Bench leaving;
    leaving.options.exitAfterBlock = 1;
    leaving.Connect();
    EXPECT_FALSE(leaving.Radio().ExitRequested());
    EXPECT_EQ(leaving.Exchange(ReadReq(0x0000)).size(), 22u);
    EXPECT_TRUE(leaving.Radio().ExitRequested());
}

TEST(SimulatedRadio, WrongChecksumAndSplitRepliesOnChosenFrames) {
    Bench b;
    b.options.badChecksumFrames = {2};
    b.options.splitFrames = {3};
    b.Connect();                                   // frame 1
    const Bytes bad = b.Exchange(ReadReq(0x0000)); // frame 2
    ASSERT_EQ(bad.size(), 22u);
    EXPECT_NE(bad[20],
              static_cast<std::uint8_t>(std::accumulate(bad.begin() + 1, bad.begin() + 20, 0u)));
    // Frame 3: the first half at once, the rest after the split gap.
    b.Radio().Receive(ReadReq(0x0000), b.now);
    EXPECT_EQ(b.Radio().TakeDue(b.now).size(), 11u);
    EXPECT_TRUE(b.Radio().TakeDue(b.now + 19 * kMs).empty());
    EXPECT_EQ(b.Radio().TakeDue(b.now + 20 * kMs).size(), 11u);
}

TEST(SimulatedRadio, PacingTakesTheWireTimeBothWays) {
    Bench b;
    b.options.pace = true;
    b.options.latencyMicros = 2000;
    b.Radio().Receive(Text("PROGRAM"), 0);
    // 7 bytes in, 2 ms, 3 bytes out: the last byte is complete after 10 byte times + 2 ms.
    const std::int64_t last = 10 * kByteNanos + 2 * kMs;
    Bytes got;
    auto early = b.Radio().TakeDue(last - kByteNanos);
    got.insert(got.end(), early.begin(), early.end());
    EXPECT_EQ(got.size(), 2u);
    EXPECT_TRUE(b.Radio().TakeDue(last - 1).empty());
    auto rest = b.Radio().TakeDue(last);
    EXPECT_EQ(rest, Bytes{0x06});
    EXPECT_FALSE(b.Radio().NextDue().has_value());
}

TEST(SimulatedRadio, MeasuresTheProgrammersTurnaround) {
    Bench b;
    b.Connect();
    b.now += 3 * kMs;
    b.Exchange({0x02});
    ASSERT_EQ(b.Radio().Stats().turnaroundNanos.size(), 1u);
    EXPECT_GE(b.Radio().Stats().turnaroundNanos[0], 3 * kMs);
}

TEST(RadioFrameParser, SkipsNoiseAndResynchronises) {
    RadioFrameParser p;
    std::vector<ProgramFrame> frames;
    const Bytes line = {0x00, 0xFF, 'P', 'Q', 0x02, 'E', 'N', 'D'};
    for (auto byte : line)
        if (auto f = p.Feed(byte, 0))
            frames.push_back(*f);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].kind, FrameKind::Ident);
    EXPECT_EQ(frames[1].kind, FrameKind::End);
}

TEST(RadioFrameParser, ForgetsAFrameCutShort) {
    RadioFrameParser p;
    EXPECT_FALSE(p.Feed('R', 0));
    EXPECT_FALSE(p.Feed(0x00, 0));
    // The rest never comes; after the pause a new request starts afresh.
    const std::int64_t later = RadioFrameParser::kFrameGapNanos + 1;
    for (auto byte : ReadReq(0x0100)) {
        if (auto f = p.Feed(byte, later)) {
            EXPECT_EQ(f->kind, FrameKind::Read);
            EXPECT_EQ(f->address, 0x0100);
            return;
        }
    }
    FAIL() << "read request not recognised";
}

TEST(RadioFrameParser, RejectsAnImpossibleWriteLength) {
    RadioFrameParser p;
    for (auto byte : Bytes{'W', 0x00, 0x00, 0xC0})
        EXPECT_FALSE(p.Feed(byte, 0));
    EXPECT_FALSE(p.Busy());
}

TEST(SimulatedRadio, AcknowledgesAnIgnoredWriteWithoutStoringIt) {
    Bench b;
    const char* argv[] = {"sim", "--ignore-write", "0x40,0x1000"};
    bool help = false;
    std::string error;
    ASSERT_TRUE(ParseSimOptions(3, argv, b.options, help, error)) << error;
    EXPECT_EQ(b.options.ignoreWrites, (std::set<std::uint16_t>{0x40, 0x1000}));
    const std::uint8_t was = b.memory.image[0x0040];
    b.Connect();
    EXPECT_EQ(b.Exchange(WriteBlock(0x0040, static_cast<std::uint8_t>(was ^ 0xFF))), Bytes{0x06});
    EXPECT_EQ(b.memory.image[0x0040], was);
    EXPECT_EQ(b.Exchange(WriteBlock(0x0050, 0x07)), Bytes{0x06});
    EXPECT_EQ(b.memory.image[0x0050], 0x07);
}

TEST(SimulatedRadio, DoublesTheAckBeforeADuplicateAckBlockAndRefusesThatBlockOnce) {
    Bench b;
    const char* argv[] = {"sim", "--duplicate-ack", "0x0030"};
    bool help = false;
    std::string error;
    ASSERT_TRUE(ParseSimOptions(3, argv, b.options, help, error)) << error;
    EXPECT_EQ(b.options.duplicateAcks, std::set<std::uint16_t>{0x0030});
    b.Connect();
    // A block elsewhere is answered once.
    EXPECT_EQ(b.Exchange(WriteBlock(0x0000, 0x01)), Bytes{0x06});
    // The block that ends at 0x0030: its ACK at once, the duplicate 5 ms later.
    b.Radio().Receive(WriteBlock(0x0020, 0x02), b.now);
    EXPECT_EQ(b.Radio().TakeDue(b.now), Bytes{0x06});
    EXPECT_TRUE(b.Radio().TakeDue(b.now + 5 * kMs - 1).empty());
    EXPECT_EQ(b.Radio().TakeDue(b.now + 5 * kMs), Bytes{0x06});
    EXPECT_FALSE(b.Radio().NextDue().has_value());
    EXPECT_EQ(b.memory.image[0x0020], 0x02);
    b.now += 10 * kMs;
    // The block at 0x0030 is refused once, then stored.
    EXPECT_EQ(b.Exchange(WriteBlock(0x0030, 0x03)), Bytes{0x0A});
    EXPECT_NE(b.memory.image[0x0030], 0x03);
    EXPECT_EQ(b.Exchange(WriteBlock(0x0030, 0x03)), Bytes{0x06});
    EXPECT_EQ(b.memory.image[0x0030], 0x03);
}

TEST(SimOptions, ParsesFaultListsAndRejectsBadValues) {
    SimOptions o;
    bool help = false;
    std::string error;
    const char* argv[] = {"sim",     "--model", "VX999",     "--band=8", "--resend", "0x10,0x20:3",
                          "--split", "2,5",     "--latency", "1.5",      "--echo",   "--pace"};
    ASSERT_TRUE(ParseSimOptions(12, argv, o, help, error)) << error;
    EXPECT_EQ(*o.model, "VX999");
    EXPECT_EQ(*o.band, 8);
    EXPECT_EQ(o.resendBlocks.at(0x10), 1);
    EXPECT_EQ(o.resendBlocks.at(0x20), 3);
    EXPECT_EQ(o.splitFrames, (std::set<int>{2, 5}));
    EXPECT_EQ(o.latencyMicros, 1500);
    EXPECT_TRUE(o.echo && o.pace);

    for (auto bad : {"--band=300", "--model=TOOLONGNAME", "--latency=x", "--split=0", "--noise=1001",
                      "--bogus", "--ignore-write=x", "--duplicate-ack=0x10000"}) {
        SimOptions other;
        const char* args[] = {"sim", bad};
        EXPECT_FALSE(ParseSimOptions(2, args, other, help, error)) << bad;
    }
}

TEST(RadioMemory, DefaultRadioIsAValidPmr446Radio) {
    const RadioMemory m = MakeDefaultRadio();
    // Channel 1 at 446.00625 MHz in 6.25 kHz steps: 71361 = 01 16 C1.
    EXPECT_EQ(m.image[0], 0x01);
    EXPECT_EQ(m.image[1], 0x16);
    EXPECT_EQ(m.image[2], 0xC1);
    EXPECT_EQ(m.image[0x1020], 0x00); // channels 1-8 present
    EXPECT_EQ(m.image[0x1021], 0xFF);
    EXPECT_EQ(m.Read(0x13F7), 4);
    EXPECT_EQ(m.Read(0x142C), 0xFF); // no password
    EXPECT_EQ(m.Read(0x2000), 0xFF); // no memory there
}

// The default radio is what the program itself would have written: decoded by
// the program's codec it gives eight PMR446 channels and the VFO, and encoding
// that document again yields the same channel records.
TEST(RadioMemory, DefaultRadioDecodesIntoEightPmr446Channels) {
    const RadioMemory m = MakeDefaultRadio();
    pmr::AppContext app;
    std::copy(m.image.begin(), m.image.end(), app.images.ImageBuf.begin());
    pmr::DecodeImage(app);
    ASSERT_EQ(app.doc.ChannelCount, 9);
    EXPECT_EQ(pmr::TrimFix(app.doc.Channels[0].RxFreq), "44600625");
    EXPECT_EQ(pmr::TrimFix(app.doc.Channels[7].RxFreq), "44609375");
    EXPECT_EQ(pmr::TrimFix(app.doc.Channels[2].Name), "PMR 3");
    EXPECT_EQ(app.doc.Channels[8].ChannelNo, 129); // the VFO comes last
    EXPECT_EQ(app.docState.ModelNameText, "VX210");
    EXPECT_EQ(app.docState.BandText, "446.00625 - 446.19375 MHz");

    app.images.ImageBuf.fill(0xFF);
    pmr::EncodeImage(app);
    // Channels 1-8, the VFO and both bitmaps (unused records are erased to FF
    // in the radio; the program writes them as 0).
    for (std::size_t i = 0; i < 0x1040; ++i)
        if (i < 8 * 32 || i >= 0x1000) {
            EXPECT_EQ(m.image[i], app.images.ImageBuf[i]) << std::hex << "at 0x" << i;
        }
}
