// Reading the radio: the frame sequence, retries, give-ups and bad input on the line.

#include "LinkWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

bool ImageMatchesRadio(const LinkWorld& w) {
    return std::equal(w.app.images.ImageBuf.begin(), w.app.images.ImageBuf.end(),
                      w.radio.mem.begin());
}

TEST(TransferRead, WholeMemoryArrivesByteExactThroughAnEchoingCable) {
    LinkWorld w;
    ASSERT_TRUE(w.Driver().StartRead());
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_TRUE(ImageMatchesRadio(w));
    EXPECT_EQ(w.user.CountQuestions(T(9004)), 1);
    EXPECT_EQ(w.user.CountMessages(T(9009)), 1);
    EXPECT_EQ(w.user.progressOpened, 1);
    EXPECT_EQ(w.user.progressClosed, 1);
    EXPECT_EQ(w.user.captions.front(), T(9027));
    EXPECT_EQ(w.user.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(w.user.percents.begin(), w.user.percents.end()));
    EXPECT_EQ(w.user.closeAll, 1);
    EXPECT_EQ(w.decodes, 1);
    EXPECT_EQ(w.user.decoded, 1);
    EXPECT_EQ(w.readDecodedCount, 1);
    EXPECT_EQ(w.app.docState.CurrentFileName, "new.dat");
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.radio.handshakes, 1);
    EXPECT_EQ(w.radio.ends, 1);
    EXPECT_EQ(w.radio.reads.size(), 321u); // 320 blocks and the password block
    for (const auto& [address, count] : w.radio.reads)
        EXPECT_EQ(count, 1) << address;
    EXPECT_EQ(w.clock.PendingTimers(), 0);
    EXPECT_EQ(w.Driver().Mode(), LinkMode::Idle);
    // Handshake, identification, password block, then the blocks in order.
    ASSERT_GE(w.radio.requests.size(), 5u);
    EXPECT_EQ(w.radio.requests[0], HandshakeFrame());
    EXPECT_EQ(w.radio.requests[1], IdentRequestFrame());
    EXPECT_EQ(w.radio.requests[2], ReadRequestFrame(0x1420));
    EXPECT_EQ(w.radio.requests[3], ReadRequestFrame(0x0000));
    EXPECT_EQ(w.radio.requests[322], ReadRequestFrame(0x13F0));
    EXPECT_EQ(w.radio.requests[323], EndFrame());
}

TEST(TransferRead, EchoOfTheCableIsFoundByTheFirstHandshakeAndRemembered) {
    // The first handshake's reply is taken whichever echo it was sent expecting,
    // long before its 150 ms time-out.
    for (bool cableEchoes : {false, true}) {
        LinkWorld w;
        w.port.echo[1] = cableEchoes;
        w.app.link.EchoExpected = !cableEchoes;
        w.Driver().StartRead();
        EXPECT_TRUE(w.clock.RunUntil([&] { return w.radio.identRequests > 0; }, 149))
            << cableEchoes;
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success) << cableEchoes;
        EXPECT_TRUE(ImageMatchesRadio(w)) << cableEchoes;
        EXPECT_EQ(w.SentHandshakes(), 1) << cableEchoes;
        EXPECT_EQ(w.app.link.EchoExpected, cableEchoes);

        w.finished.clear();
        w.port.sent.clear();
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success) << cableEchoes;
        EXPECT_EQ(w.SentHandshakes(), 1) << cableEchoes;
    }
}

TEST(TransferRead, HandshakeIsSentSixTimesAlternatingTheEchoAssumption) {
    // No-echo cable: handshakes 2, 4, 6 are sent expecting no echo.
    LinkWorld w;
    w.port.echo[1] = false;
    w.radio.answerFromHandshake = 6;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.SentHandshakes(), 6);
    EXPECT_TRUE(w.user.portStatus.empty()); // no search was needed
}

TEST(TransferRead, SeventhHandshakeBelongsToTheLinkSearch) {
    LinkWorld w;
    w.port.echo[1] = false;
    w.radio.answerFromHandshake = 7;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.handshakes, 7);
    ASSERT_GE(w.user.captions.size(), 3u);
    EXPECT_EQ(w.user.captions[1], SearchTitle(1));
    EXPECT_EQ(w.user.captions[2], T(9027));
    EXPECT_EQ(w.user.portStatus.size(), 1u);
}

TEST(TransferRead, SilentIdentificationIsAskedThreeTimesBeforeTheSearch) {
    LinkWorld w;
    w.app.factory.TestDataEnabled = true; // give-up asks instead of searching
    w.radio.tamper = [](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request == IdentRequestFrame())
            return std::nullopt;
        return reply;
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.radio.identRequests, 3);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(w.decodes, 0);
}

TEST(TransferRead, BlockRequestedFourTimesThenTheUserIsAsked) {
    LinkWorld w;
    w.radio.dropRequests[0x0100] = 4;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.radio.reads[0x0100], 4);
    EXPECT_EQ(w.radio.reads.count(0x0110), 0u);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(w.decodes, 0); // a failed read never reaches the document
    EXPECT_EQ(w.user.CountMessages(T(9009)), 0);
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.clock.PendingTimers(), 0);
}

TEST(TransferRead, ThreeTimeOutsOfABlockAreRetriedSilently) {
    LinkWorld w;
    w.radio.dropRequests[0x0100] = 3;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.reads[0x0100], 4);
    EXPECT_TRUE(w.user.questions.size() == 1); // only 9004
    EXPECT_TRUE(ImageMatchesRadio(w));
}

TEST(TransferRead, RestartAfterTheQuestionBeginsAgainAtBlockZero) {
    LinkWorld w;
    w.radio.dropRequests[0x0800] = 4;
    int asked = 0;
    w.user.answer = [&](const std::string& text, Buttons) {
        if (text == T(9008))
            ++asked;
        return Answer::Ok;
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.handshakes, 2);
    EXPECT_EQ(w.radio.reads[0x0000], 2);
    EXPECT_EQ(w.radio.reads[0x0800], 5);
    EXPECT_EQ(w.radio.reads[0x1420], 2);
    const auto zero = std::find(w.user.percents.begin(), w.user.percents.end(), 0);
    ASSERT_NE(zero, w.user.percents.end()); // progress back at 0 %
    EXPECT_EQ(w.user.percents.back(), 100);
    EXPECT_TRUE(ImageMatchesRadio(w));
}

TEST(TransferRead, AckInsteadOfABlockEveryTimeFailsTheReadAndLeavesTheDocument) {
    LinkWorld w;
    w.radio.tamper = [](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request == ReadRequestFrame(0x0200))
            return Bytes{kAck};
        return reply;
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(w.radio.reads[0x0200], 4);
    EXPECT_EQ(w.radio.reads.count(0x0210), 0u);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.decodes, 0);
    EXPECT_EQ(w.user.CountMessages(T(9009)), 0);
}

TEST(TransferRead, EndFrameNeedsNoAcknowledgement) {
    for (bool ack : {false, true}) {
        LinkWorld w;
        w.radio.ackEnd = ack;
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success) << ack;
        EXPECT_EQ(w.radio.ends, 1);
    }
}

struct LineFault {
    const char* name;
    std::function<Bytes(const Bytes&)> spoil;
    int expectedReads;
};

TEST(TransferRead, BadRepliesAreIgnoredAndTheBlockIsAskedAgain) {
    const std::vector<LineFault> faults = {
        {"noise before",
         [](const Bytes& r) {
             Bytes b;
             b.reserve(r.size() + 1);
             b.push_back(0x13);
             for (auto x : r)
                 b.push_back(x);
             return b;
         },
         2},
        {"truncated", [](const Bytes& r) { return Bytes(r.begin(), r.end() - 1); }, 2},
        {"bad checksum",
         [](const Bytes& r) {
             Bytes b = r;
             b[20] ^= 0x40;
             return b;
         },
         2},
        {"wrong address",
         [](const Bytes& r) {
             Bytes b = r;
             b[2] += 0x10;
             b[20] += 0x10;
             return b;
         },
         2},
        {"wrong end byte",
         [](const Bytes& r) {
             Bytes b = r;
             b[21] = 0x15;
             return b;
         },
         2},
        {"overlong",
         [](const Bytes& r) {
             Bytes b = r;
             b.insert(b.end(), {0x06, 0x57, 0x00});
             return b;
         },
         1},
        {"resend request", [](const Bytes&) { return Bytes{kResend}; }, 2},
        {"lone ACK", [](const Bytes&) { return Bytes{kAck}; }, 2},
    };
    for (const auto& fault : faults) {
        LinkWorld w;
        bool spoiled = false;
        w.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
            if (request == ReadRequestFrame(0x0300) && !spoiled) {
                spoiled = true;
                return fault.spoil(reply);
            }
            return reply;
        };
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd()) << fault.name;
        EXPECT_EQ(w.Result(), TransferResult::Success) << fault.name;
        EXPECT_EQ(w.radio.reads[0x0300], fault.expectedReads) << fault.name;
        EXPECT_EQ(w.radio.reads[0x0310], 1) << fault.name;
        EXPECT_TRUE(ImageMatchesRadio(w)) << fault.name;
        EXPECT_EQ(w.radio.writes.size(), 0u) << fault.name; // a read never writes
    }
}

TEST(TransferRead, RepliesInPiecesAreCollectedWhateverThePortsEvents) {
    for (bool perChunk : {false, true}) {
        LinkWorld w;
        w.radio.split = {9, 7, 3};
        w.port.eventPerChunk = perChunk;
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success) << perChunk;
        EXPECT_TRUE(ImageMatchesRadio(w)) << perChunk;
        EXPECT_EQ(w.radio.identRequests, 1);
    }
}

TEST(TransferRead, BytesArrivingWhileAQuestionIsOpenAreDropped) {
    LinkWorld w;
    w.radio.dropRequests[0x0100] = 4;
    std::size_t sentBefore = 0, sentAfter = 0;
    w.user.whileOpen = [&] {
        if (w.user.questions.empty() || w.user.questions.back().text != T(9008))
            return;
        sentBefore = w.port.sent.size();
        // The radio wakes up while the user thinks: a handshake reply, an
        // identification and a block reply arrive, and time passes.
        w.port.Inject({0x4B, 0x57, 0x06});
        w.port.Inject(w.radio.IdentReply(), 5);
        w.clock.RunFor(1000);
        sentAfter = w.port.sent.size();
    };
    w.user.answer = [&](const std::string& text, Buttons) {
        return text == T(9008) && w.radio.handshakes == 1 ? Answer::Ok : Answer::Ok;
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(sentAfter, sentBefore); // nothing was sent and no time-out ran meanwhile
    EXPECT_EQ(w.Result(), TransferResult::Success);
    // After the restart the steps run in order again.
    auto restart =
        std::find(w.radio.requests.begin() + 1, w.radio.requests.end(), HandshakeFrame());
    ASSERT_NE(restart, w.radio.requests.end());
    EXPECT_EQ(*(restart + 1), IdentRequestFrame());
    EXPECT_EQ(*(restart + 2), ReadRequestFrame(0x1420));
    EXPECT_TRUE(ImageMatchesRadio(w));
}

TEST(TransferRead, PortFailingMidTransferEndsWithFailureAndNeverHangs) {
    for (int answerOk : {0, 2}) {
        LinkWorld w;
        w.port.failAfterWrites = 40;
        int oks = 0;
        w.user.answer = [&](const std::string& text, Buttons) {
            if (text == T(9004))
                return Answer::Ok;
            return oks++ < answerOk ? Answer::Ok : Answer::Cancel;
        };
        w.app.images.ImageBuf.fill(0x42);
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd()) << answerOk;
        EXPECT_NE(w.Result(), TransferResult::Success);
        EXPECT_EQ(w.decodes, 0);
        EXPECT_EQ(w.user.CountMessages(T(9009)), 0);
        EXPECT_EQ(w.finished.size(), 1u);
        EXPECT_FALSE(w.port.PortOpen());
        EXPECT_EQ(w.clock.PendingTimers(), 0);
        EXPECT_EQ(w.user.progressClosed, 1);
    }
}

TEST(TransferRead, StaleTimeOutsDoNothingWhenCancelComesTooLate) {
    LinkWorld w;
    w.clock.ignoreCancel = true;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    for (const auto& [address, count] : w.radio.reads)
        EXPECT_EQ(count, 1) << address;
    EXPECT_EQ(w.radio.handshakes, 1);
    EXPECT_EQ(w.finished.size(), 1u);
}

TEST(TransferRead, PortThatWillNotOpenIsReportedWithItsReason) {
    LinkWorld w;
    w.port.openErrors[1] = PortOpenError::PermissionDenied;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::PortNotOpened);
    ASSERT_EQ(w.user.messages.size(), 1u);
    EXPECT_EQ(w.user.messages[0].rfind(T(9003) + "\n", 0), 0u);
    EXPECT_NE(w.user.messages[0].find("dialout"), std::string::npos);
    EXPECT_NE(w.user.messages[0].find("/dev/fake1"), std::string::npos);
    EXPECT_EQ(w.user.messageSeverities[0], Severity::Critical);
    EXPECT_TRUE(w.user.questions.empty());
    EXPECT_TRUE(w.port.sent.empty());
    EXPECT_EQ(w.Driver().Mode(), LinkMode::Idle);
}

TEST(TransferRead, PortFailureReasonSpeaksTheUsersLanguage) {
    LinkWorld w;
    ASSERT_TRUE(w.app.texts.Load(std::string(PMR_SOURCE_DIR) + "/data/language/chinese.ini"));
    w.port.openErrors[1] = PortOpenError::PermissionDenied;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    ASSERT_EQ(w.user.messages.size(), 1u);
    const std::string& text = w.user.messages[0];
    EXPECT_EQ(text.rfind(w.app.texts.GetLangText(9003) + "\n", 0), 0u);
    EXPECT_NE(text.find("权限"), std::string::npos) << text;
    EXPECT_NE(text.find("/dev/fake1"), std::string::npos) << text;
    EXPECT_NE(text.find("dialout"), std::string::npos) << text;
    EXPECT_EQ(text.find("%"), std::string::npos) << text;
}

TEST(TransferRead, ParityEventCountsAsOpened) {
    LinkWorld w;
    w.port.openErrors[1] = PortOpenError::Other;
    w.port.parityEventOnOpenFailure = kCommEventRxParity;
    w.Driver().StartRead();
    w.RunToEnd();
    EXPECT_EQ(w.user.CountQuestions(T(9004)), 1);
    EXPECT_TRUE(w.user.messages.empty() || w.user.messages[0] != T(9003));
}

TEST(TransferRead, DeclinedReadLeavesEverythingAlone) {
    LinkWorld w;
    w.user.answer = [](const std::string&, Buttons) { return Answer::Cancel; };
    w.app.images.ImageBuf.fill(0x42);
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Declined);
    EXPECT_EQ(w.app.images.ImageBuf[0], 0x42);
    EXPECT_TRUE(w.port.sent.empty());
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.user.progressOpened, 0);
    EXPECT_EQ(w.port.settingsTexts.back(), "9600,n,8,1");
}

TEST(TransferRead, SecondStartWhileBusyIsRefusedAndAbortEndsTheFirst) {
    LinkWorld w;
    ASSERT_TRUE(w.Driver().StartRead());
    w.clock.RunFor(300);
    EXPECT_FALSE(w.Driver().StartRead());
    EXPECT_FALSE(w.Driver().StartWrite());
    EXPECT_FALSE(w.Driver().ReadRMGDataFromRadio());
    w.Driver().Abort();
    EXPECT_EQ(w.Result(), TransferResult::Aborted);
    EXPECT_FALSE(w.Driver().Busy());
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.clock.PendingTimers(), 0);
    EXPECT_EQ(w.user.progressClosed, 1);
    EXPECT_EQ(w.port.sent.back(), EndFrame());
}

TEST(TransferRead, StopBitsGoIntoTheSettingsText) {
    LinkWorld w;
    w.app.config.StopBits = 2;
    w.app.config.HandshakingMode = 2;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.port.settingsTexts.front(), "9600,n,8,2");
    EXPECT_EQ(w.port.opened.front(), (PortSetting{1, 2, 2}));
}

TEST(TransferRead, TraceRecordsBytesAndTimeOutsAndAFailingSinkChangesNothing) {
    LinkWorld w;
    RecordingTrace trace;
    w.radio.dropRequests[0x0010] = 1;
    w.Driver().SetTrace(&trace);
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(trace.timeouts, 2); // the dropped block and the unacknowledged end frame
    const auto has = [&](const std::string& part) {
        return std::any_of(trace.lines.begin(), trace.lines.end(),
                           [&](const std::string& l) { return l.find(part) != std::string::npos; });
    };
    EXPECT_TRUE(has(" TX 50 52 4F 47 52 41 4D"));
    EXPECT_TRUE(has(" RX 4B 57 06") || has(" RX 50 52 4F 47 52 41 4D 4B 57 06"));
    EXPECT_TRUE(has(" TIMEOUT 1 5"));
    EXPECT_TRUE(has(" TIMEOUT 1 69"));

    // A reply too short to reach the threshold is discarded before the resend,
    // and still appears in the trace.
    LinkWorld u;
    RecordingTrace shortReply;
    int shortened = 0;
    u.radio.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request.size() == 4 && request[0] == 'R' && request[2] == 0x20 && shortened++ == 0)
            return Bytes{0x57, 0x00, 0x20};
        return reply;
    };
    u.Driver().SetTrace(&shortReply);
    u.Driver().StartRead();
    ASSERT_TRUE(u.RunToEnd());
    EXPECT_EQ(u.Result(), TransferResult::Success);
    const auto it = std::find_if(shortReply.lines.begin(), shortReply.lines.end(),
                                 [](const std::string& l) {
                                     return l.find(" RX ") != std::string::npos &&
                                            l.ends_with(" 57 00 20");
                                 });
    ASSERT_NE(it, shortReply.lines.end());
    EXPECT_NE(std::next(it)->find("discarded"), std::string::npos);

    LinkWorld v;
    RecordingTrace broken;
    broken.throwNow = true;
    v.Driver().SetTrace(&broken);
    v.Driver().StartRead();
    ASSERT_TRUE(v.RunToEnd());
    EXPECT_EQ(v.Result(), TransferResult::Success);
    EXPECT_TRUE(std::equal(v.app.images.ImageBuf.begin(), v.app.images.ImageBuf.end(),
                           v.radio.mem.begin()));
}

} // namespace
} // namespace pmr::test

namespace pmr::test {
namespace {

TEST(TransferRead, AbortWhileAQuestionIsOpenEndsOnceAndSendsNothingAfter) {
    for (bool inPassword : {false, true}) {
        LinkWorld w;
        if (inPassword) {
            w.radio.SetPassword({'A', 0, 0, 0});
            w.user.passwordEntry = "A";
        } else {
            w.radio.dropRequests[0x0100] = 4;
        }
        std::size_t sentAtAbort = 0;
        w.user.whileOpen = [&] {
            const bool restartQuestion =
                !w.user.questions.empty() && w.user.questions.back().text == T(9008);
            if ((inPassword && !w.user.passwordShown.empty() && sentAtAbort == 0) ||
                (!inPassword && restartQuestion)) {
                w.Driver().Abort();
                sentAtAbort = w.port.sent.size();
            }
        };
        w.user.answer = [](const std::string&, Buttons) { return Answer::Ok; };
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd()) << inPassword;
        w.clock.RunFor(2000);
        ASSERT_EQ(w.finished.size(), 1u) << inPassword;
        EXPECT_EQ(w.Result(), TransferResult::Aborted);
        EXPECT_EQ(w.port.sent.size(), sentAtAbort) << inPassword;
        EXPECT_EQ(w.clock.PendingTimers(), 0);
        EXPECT_EQ(w.decodes, 0);
    }
}

} // namespace
} // namespace pmr::test

namespace pmr::test {
namespace {

TEST(TransferRead, AnUnpluggedAdapterIsReportedAtOnceNotAsASilentRadio) {
    LinkWorld w;
    w.Driver().StartRead();
    w.clock.RunFor(400); // well into the blocks
    ASSERT_TRUE(w.Driver().Busy());
    w.port.Unplug();
    const std::int64_t unplugged = w.clock.NowMs();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::PortLost);
    EXPECT_EQ(w.user.CountMessages(T(9073)), 1);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 0); // never "does not answer"
    EXPECT_EQ(w.finished.size(), 1u);
    EXPECT_EQ(w.decodes, 0);
    EXPECT_LT(w.clock.NowMs() - unplugged, 150);
}

} // namespace
} // namespace pmr::test
