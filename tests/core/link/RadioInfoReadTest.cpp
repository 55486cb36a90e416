// Reading the dealer and radio information area.

#include "LinkWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

bool InfoMatchesRadio(const LinkWorld& w) {
    return std::equal(w.app.images.InfoBuf.begin(), w.app.images.InfoBuf.end(),
                      w.radio.mem.begin() + 0x1400);
}

TEST(RadioInfoRead, ReadsTheAreaWithoutQuestionsAndOpensTheWindow) {
    LinkWorld w;
    w.app.images.ImageBuf.fill(0x42);
    ASSERT_TRUE(w.Driver().ReadRMGDataFromRadio());
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_TRUE(InfoMatchesRadio(w));
    EXPECT_TRUE(w.user.questions.empty());
    EXPECT_TRUE(w.user.messages.empty());
    EXPECT_EQ(w.user.progressOpened, 0);
    EXPECT_EQ(w.radioInfoDecodes, 1);
    EXPECT_EQ(w.user.radioInfoShown, 1);
    EXPECT_EQ(w.decodes, 0);
    EXPECT_EQ(w.app.images.ImageBuf[0], 0x42); // the main image stays
    EXPECT_EQ(w.radio.reads.size(), 32u);
    EXPECT_EQ(w.radio.requests[1], IdentRequestFrame());
    EXPECT_EQ(w.radio.requests[2], ReadRequestFrame(0x1400));
    EXPECT_EQ(w.radio.requests[33], ReadRequestFrame(0x15F0));
    EXPECT_EQ(w.radio.requests[34], EndFrame());
    EXPECT_FALSE(w.port.PortOpen());
}

TEST(RadioInfoRead, OtherModelOrBandIsNoObstacle) {
    LinkWorld w;
    w.radio.model = "Q9";
    w.radio.band = 3;
    w.radio.version = "V999";
    w.Driver().ReadRMGDataFromRadio();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
}

TEST(RadioInfoRead, SilentRadioGetsFourHandshakesThenRetryOrCancel) {
    LinkWorld w;
    w.radio.silent = true;
    int asked = 0;
    w.user.answer = [&](const std::string& text, Buttons buttons) {
        EXPECT_EQ(text, T(9008));
        EXPECT_EQ(buttons, Buttons::RetryCancel);
        return ++asked == 1 ? Answer::Retry : Answer::Cancel;
    };
    w.portList.ports = {1, 2}; // never searched in this mode
    w.Driver().ReadRMGDataFromRadio();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(asked, 2);
    // Retry keeps the counters: one more handshake, then the question again.
    EXPECT_EQ(w.SentHandshakes(), 5);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(w.port.opened.size(), 1u);
    EXPECT_EQ(w.user.radioInfoShown, 0);
}

TEST(RadioInfoRead, RetryAsksForTheBlockThatTimedOutAgain) {
    LinkWorld w;
    w.radio.dropRequests[0x1500] = 1;
    w.user.answer = [](const std::string&, Buttons) { return Answer::Retry; };
    w.Driver().ReadRMGDataFromRadio();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.radio.reads[0x1500], 2);
    EXPECT_EQ(w.radio.handshakes, 2);
    EXPECT_TRUE(InfoMatchesRadio(w));
}

} // namespace
} // namespace pmr::test
