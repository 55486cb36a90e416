// Writing the radio: the frame sequence, resend requests, refusals and failures.

#include "LinkWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

// The encoded image, except that the identification the radio gave replaced its
// model, version and feature bytes (0x13F7, the band code, stays encoded).
bool RadioHoldsTheImage(const LinkWorld& w) {
    auto expected = w.encodedImage;
    const Bytes ident = w.radio.IdentReply();
    for (int i = 0; i < 7; ++i)
        expected[0x13F0 + i] = ident[1 + i];
    for (int i = 0; i < 5; ++i)
        expected[0x13F8 + i] = ident[9 + i];
    return std::equal(expected.begin(), expected.end(), w.radio.mem.begin());
}

TEST(TransferWrite, WholeImageIsWrittenByteExactAfterTheEditorsCommitted) {
    LinkWorld w;
    ASSERT_TRUE(w.Driver().StartWrite());
    EXPECT_EQ(w.user.commits, 1);
    EXPECT_TRUE(w.user.questions.empty()); // the write starts 100 ms later
    w.clock.RunFor(99);
    EXPECT_TRUE(w.user.questions.empty());
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.encodes, 1);
    EXPECT_TRUE(RadioHoldsTheImage(w));
    EXPECT_EQ(w.user.CountQuestions(T(9005)), 1);
    EXPECT_EQ(w.user.CountMessages(T(9010)), 1);
    EXPECT_EQ(w.user.captions.front(), T(9028));
    EXPECT_EQ(w.user.percents.back(), 100);
    EXPECT_EQ(w.radio.writes.size(), 320u);
    for (const auto& [address, count] : w.radio.writes)
        EXPECT_EQ(count, 1) << address;
    EXPECT_EQ(w.decodes, 0);
    EXPECT_EQ(w.radio.mem[0x13F7], w.encodedImage[0x13F7]);
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.radio.requests[2], ReadRequestFrame(0x1420));
    EXPECT_EQ(w.radio.requests[3][0], 0x57);
    EXPECT_EQ(w.radio.requests.back(), EndFrame());
    // The password block and the test-data area are never written.
    EXPECT_EQ(w.radio.writes.count(0x1420), 0u);
    EXPECT_EQ(w.radio.writes.count(0x1F00), 0u);
}

TEST(TransferWrite, HandshakeIsSentFourTimesBeforeTheSearch) {
    {
        LinkWorld w;
        w.port.echo[1] = false;
        w.radio.answerFromHandshake = 4;
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        EXPECT_EQ(w.SentHandshakes(), 4);
        EXPECT_TRUE(w.user.portStatus.empty());
    }
    {
        LinkWorld w;
        w.port.echo[1] = false;
        w.radio.answerFromHandshake = 5;
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        ASSERT_GE(w.user.captions.size(), 2u);
        EXPECT_EQ(w.user.captions[1], SearchTitle(1));
        EXPECT_EQ(w.user.portStatus.size(), 1u);
        EXPECT_TRUE(RadioHoldsTheImage(w));
    }
}

TEST(TransferWrite, ResendRequestsRepeatTheSameBlockAsOftenAsAsked) {
    LinkWorld w;
    w.radio.resendWrites[0x0040] = 3;
    w.radio.resendWrites[0x1000] = 12; // more than any retry count
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.writes[0x0040], 4);
    EXPECT_EQ(w.radio.writes[0x1000], 13);
    EXPECT_EQ(w.radio.writes[0x0050], 1);
    EXPECT_TRUE(RadioHoldsTheImage(w));
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 0);
}

TEST(TransferWrite, BlockRefusedAgainAndAgainIsNamedAsRefusedNotAsSilence) {
    LinkWorld w;
    w.radio.resendWrites[0x02E0] = 1000000; // a radio that never takes this block
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd(60000));
    EXPECT_EQ(w.Result(), TransferResult::BlockRefused);
    EXPECT_EQ(w.radio.writes[0x02E0], 1 + kResendsPerBlock);
    EXPECT_EQ(w.radio.writes.count(0x02F0), 0u);
    // The question says which block was refused how often, and never that the
    // radio did not answer.
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 0);
    EXPECT_EQ(w.user.CountQuestions(T(9180) + " 0x02E0 " + std::to_string(1 + kResendsPerBlock)),
              1);
    EXPECT_EQ(w.driver->LastWrite().refusedBlock, 0x02E0);
    EXPECT_EQ(w.driver->LastWrite().refusals, 1 + kResendsPerBlock);
    EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
}

TEST(TransferWrite, StrayAckAroundARefusalIsNoAcknowledgement) {
    // The radio refuses block 0x0100 once; an ACK that belongs to nothing comes
    // with the refusal. The block must still be written.
    struct Case {
        const char* name;
        bool echo;
        bool beforeTheEcho; // the ACK overtakes the echo of the frame
    };
    const Case cases[] = {
        {"ACK ahead of the refusal, no echo", false, false},
        {"ACK ahead of the refusal, echo", true, false},
        {"ACK ahead of the echo", true, true},
    };
    for (const Case& c : cases) {
        LinkWorld w;
        w.port.echo[1] = c.echo;
        w.app.link.EchoExpected = c.echo;
        w.radio.resendWrites[0x0100] = 1;
        w.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
            if (request[0] != 0x57 || request[1] != 0x01 || request[2] != 0x00 ||
                reply != Bytes{kResend})
                return reply;
            if (c.beforeTheEcho) {
                w.port.Inject({kAck});
                return reply;
            }
            return Bytes{kAck, kResend};
        };
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd()) << c.name;
        EXPECT_EQ(w.Result(), TransferResult::Success) << c.name;
        EXPECT_EQ(w.radio.writes[0x0100], 2) << c.name;
        EXPECT_TRUE(RadioHoldsTheImage(w)) << c.name;
    }
}

TEST(TransferWrite, ADuplicateAckOnALineAt9600AcknowledgesNoOtherBlock) {
    // Without an echo, on a cable at 9600 bit/s: the ACK of 0x02D0 comes a
    // second time 3 ms after the first, in a receive of its own, while 0x02E0
    // is still on its way to the radio (22 bytes take 23 ms). Then the radio
    // refuses 0x02E0 once, or never hears it at all.
    struct Case {
        const char* name;
        bool duplicate;
        bool refused; // else the frame is lost on the way
        int timeouts; // the end frame is never acknowledged: one at least
    };
    const Case cases[] = {
        {"refused, no duplicate", false, true, 1},
        {"duplicate, then the refusal", true, true, 1},
        {"duplicate, then silence", true, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWorld w;
        w.port.echo[1] = false;
        w.app.link.EchoExpected = false;
        w.port.lineTime = true;
        if (c.refused)
            w.radio.resendWrites[0x02E0] = 1;
        else
            w.radio.dropRequests[0x02E0] = 1;
        // The radio's ACK of 0x02D0 is in 23 + 2 + 2 ms after the frame went out.
        w.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
            if (c.duplicate && request[0] == 0x57 && request[1] == 0x02 && request[2] == 0xD0)
                w.port.Inject({kAck}, 30);
            return reply;
        };
        RecordingTrace trace;
        w.Driver().SetTrace(&trace);
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        EXPECT_EQ(w.radio.writes[0x02E0], 2);
        EXPECT_EQ(w.radio.writes[0x02F0], 1);
        EXPECT_EQ(w.radio.writes[0x0000], 1); // true answers are taken at once
        EXPECT_TRUE(RadioHoldsTheImage(w));
        EXPECT_EQ(trace.timeouts, c.timeouts);
    }
}

TEST(TransferWrite, ALinkFasterThanTheLineLosesNoAcknowledgement) {
    // No echo and no line time, as on a pseudo-terminal: the radio answers
    // after its latency whatever the length of the frame. In the last case the
    // replies that name their frame come late, so the link looks like a line
    // at 9600 bit/s, while a write block's ACK comes at once: the first one
    // is set aside, and when nothing follows it within the time-out the block
    // goes again and the link's answers are no longer judged by their time.
    struct Case {
        const char* name;
        int latencyMs;
        int namedRepliesMs; // 0: with the latency
        int firstBlockWrites;
        int timeouts;
    };
    const Case cases[] = {
        {"answers at once", 2, 0, 1, 1},
        {"the handshake's answer as slow as the line", 12, 0, 1, 1},
        {"every answer later than the line", 30, 0, 1, 1},
        {"identification and reads late, ACKs at once", 2, 40, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkWorld w;
        w.port.echo[1] = false;
        w.app.link.EchoExpected = false;
        w.radio.latencyMs = c.latencyMs;
        w.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
            if (c.namedRepliesMs == 0 || request[0] == 0x57 || reply.empty())
                return reply;
            w.port.Inject(reply, c.namedRepliesMs);
            return std::nullopt;
        };
        RecordingTrace trace;
        w.Driver().SetTrace(&trace);
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        EXPECT_TRUE(RadioHoldsTheImage(w));
        EXPECT_EQ(w.radio.writes[0x0000], c.firstBlockWrites);
        EXPECT_EQ(w.radio.writes[0x0010], 1);
        EXPECT_EQ(trace.timeouts, c.timeouts);
    }
}

TEST(TransferWrite, RadioReportingFeature0Or1RefusesTheWrite) {
    const std::pair<std::uint8_t, int> cases[] = {{0x08, 9031}, {0x04, 9032}, {0x0C, 9031}};
    for (const auto& [feature, text] : cases) {
        LinkWorld w;
        w.radio.feature = feature;
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::WriteRefused) << text;
        EXPECT_EQ(w.user.CountMessages(T(text)), 1) << text;
        EXPECT_TRUE(w.radio.writes.empty());
        EXPECT_EQ(w.radio.reads.count(0x1420), 0u); // refused before the password step
        EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
    }
    LinkWorld r; // reading such a radio is fine
    r.radio.feature = 0x0C;
    r.Driver().StartRead();
    ASSERT_TRUE(r.RunToEnd());
    EXPECT_EQ(r.Result(), TransferResult::Success);
}

TEST(TransferWrite, UnacknowledgedBlockAsksAndCancelReportsFailure) {
    LinkWorld w;
    w.radio.dropRequests[0x0A00] = 10;
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.radio.writes[0x0A00], 4);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
}

TEST(TransferWrite, PortFailingMidWriteNeverReportsSuccess) {
    LinkWorld w;
    w.port.failAfterWrites = 100;
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_NE(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.user.CountMessages(T(9010)), 0);
    EXPECT_EQ(w.finished.size(), 1u);
    EXPECT_EQ(w.clock.PendingTimers(), 0);
}

TEST(TransferWrite, DeclinedWriteDoesNotEncode) {
    LinkWorld w;
    w.user.answer = [](const std::string&, Buttons) { return Answer::Cancel; };
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Declined);
    EXPECT_EQ(w.encodes, 0);
    EXPECT_TRUE(w.port.sent.empty());
}

TEST(TransferWrite, WithoutEditorsNeitherAWriteNorADecodeWaits) {
    for (const bool editors : {true, false}) {
        SCOPED_TRACE(editors);
        LinkWorld w;
        w.user.hasEditors = editors;
        w.Driver().StartWrite();
        w.clock.RunFor(1);
        EXPECT_EQ(w.user.questions.empty(), editors); // 9005 is asked at once without editors
    }
    std::int64_t readEnds[2] = {};
    for (const bool editors : {true, false}) {
        LinkWorld w;
        w.user.hasEditors = editors;
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.decodes, 1);
        readEnds[editors ? 0 : 1] = w.clock.NowMs();
    }
    EXPECT_EQ(readEnds[0] - readEnds[1], 500); // the decode follows at once
}

TEST(TransferWrite, ADocumentTheRadioCannotHoldIsRefusedBeforeThePortOpens) {
    LinkWorld w;
    w.writeRefusal = "Channel 3, RX frequency (MHz): NaN";
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::DocumentUnfit);
    EXPECT_EQ(w.user.CountMessages(w.writeRefusal), 1);
    EXPECT_EQ(w.encodes, 0);
    EXPECT_TRUE(w.port.sent.empty());
}

TEST(TransferWrite, AbortBeforeTheWriteStartsReportsOnce) {
    LinkWorld w;
    w.Driver().StartWrite();
    w.Driver().Abort();
    w.clock.RunFor(1000);
    ASSERT_EQ(w.finished.size(), 1u);
    EXPECT_EQ(w.finished[0], std::make_pair(LinkMode::Write, TransferResult::Aborted));
    EXPECT_TRUE(w.port.sent.empty());
    EXPECT_FALSE(w.Driver().Busy());
}

} // namespace
} // namespace pmr::test
