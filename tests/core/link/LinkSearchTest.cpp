// The search for a port setting at which the radio answers.

#include "LinkWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

// The port openings of the search: everything after the transfer's own two.
std::vector<PortSetting> SearchOpenings(const LinkWorld& w) {
    if (w.port.opened.size() < 2)
        return {};
    return {w.port.opened.begin() + 2, w.port.opened.end()};
}

TEST(LinkSearch, TriesEveryCombinationInOrderAndSavesTheOneThatAnswers) {
    LinkWorld w;
    w.port.radios.clear();
    w.port.radios[3] = &w.radio;
    w.radio.handshaking = 2;
    w.radio.stopBits = 2;
    w.portList.ports = {1, 3};
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);

    std::vector<PortSetting> expected;
    for (int stop = 1; stop <= 2; ++stop)
        for (int hs = 0; hs <= 3; ++hs)
            expected.push_back({1, hs, stop});
    for (int hs = 0; hs <= 3; ++hs)
        expected.push_back({3, hs, 1});
    for (int hs = 0; hs <= 2; ++hs)
        expected.push_back({3, hs, 2});
    EXPECT_EQ(SearchOpenings(w), expected);
    EXPECT_EQ(w.port.settingsTexts[2], "9600,N,8,1");

    EXPECT_EQ(w.setupWrites, (std::vector<std::pair<std::string, int>>{
                                 {"comPort", 3}, {"Handshaking", 2}, {"StopBit", 2}}));
    EXPECT_EQ(w.app.config.ComPort, 3);
    EXPECT_EQ(w.app.config.HandshakingMode, 2);
    EXPECT_EQ(w.app.config.StopBits, 2);
    EXPECT_EQ(w.user.portStatus, std::vector<std::string>{T(12008) + "3"});
    // Port 1 cost 8 combinations of 4 handshakes each, after the transfer's 6.
    int handshakesOnPort1 = 0;
    for (std::size_t i = 0; i < w.port.sent.size(); ++i)
        if (w.port.sent[i] == HandshakeFrame())
            ++handshakesOnPort1;
    EXPECT_GE(handshakesOnPort1, 6 + 32);
    // The read goes on with the password block over the port found.
    const auto ident =
        std::find(w.radio.requests.begin(), w.radio.requests.end(), IdentRequestFrame());
    ASSERT_NE(ident, w.radio.requests.end());
    EXPECT_EQ(w.radio.identRequests, 1);
    EXPECT_EQ(*(ident + 1), ReadRequestFrame(0x1420));
    EXPECT_TRUE(std::equal(w.app.images.ImageBuf.begin(), w.app.images.ImageBuf.end(),
                           w.radio.mem.begin()));
    EXPECT_EQ(w.user.captions.back(), T(9027)); // title restored
    EXPECT_EQ(w.user.percents.back(), 100);
}

TEST(LinkSearch, PortsThatCannotBeOpenedAreSkippedWithAllTheirCombinations) {
    LinkWorld w;
    w.port.openErrors[2] = PortOpenError::Busy;
    w.port.openErrors[4] = PortOpenError::NoSuchDevice;
    w.portList.ports = {2, 4, 1};
    w.radio.answerFromHandshake = 7; // silent for the transfer's six handshakes
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.port.openAttempts, 2 + 3); // the transfer's two, then 2, 4, 1 once each
    const std::vector<PortSetting> only{PortSetting{1, 0, 1}};
    EXPECT_EQ(SearchOpenings(w), only);
    EXPECT_TRUE(std::none_of(w.user.messages.begin(), w.user.messages.end(),
                             [](const std::string& m) { return m.rfind(T(9003), 0) == 0; }));
}

TEST(LinkSearch, RadioOfAnotherModelIsTheFallbackAndEndsWithTheModelMessage) {
    LinkWorld w;
    FakeRadio first, second;
    first.model = "OTHER1";
    second.model = "OTHER2";
    w.port.radios.clear();
    w.port.radios[1] = &first;
    w.port.radios[2] = &second;
    w.app.config.ComPort = 5;
    w.portList.ports = {1, 2};
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::OtherModel);
    EXPECT_EQ(w.user.CountMessages(T(9012)), 1);
    EXPECT_EQ(w.app.config.ComPort, 1); // the first fallback, not the second
    EXPECT_EQ(w.app.config.HandshakingMode, 0);
    EXPECT_EQ(w.app.config.StopBits, 1);
    ASSERT_EQ(w.setupWrites.size(), 3u);
    EXPECT_EQ(w.setupWrites[0], std::make_pair(std::string("comPort"), 1));
    EXPECT_GE(second.identRequests, 1); // the search went on after the first
    EXPECT_GE(first.reads[0x1420], 1);  // the restart ran up to the identity check
}

TEST(LinkSearch, FallbackRestartsOnlyOnceSoAnUnsteadyRadioCannotLoop) {
    // A radio of another model that identifies itself to every search but
    // never to the restarted transfer.
    LinkWorld w;
    FakeRadio other;
    other.model = "OTHER1";
    other.handshaking = 0;
    other.stopBits = 1;
    int idents = 0;
    other.tamper = [&](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request == IdentRequestFrame() && (idents++ % 4) != 0)
            return std::nullopt;
        return reply;
    };
    w.port.radios.clear();
    w.port.radios[1] = &other;
    w.app.config.ComPort = 5;
    w.portList.ports = {1};
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_EQ(idents, 5);                // search, three restarted requests, search again
    EXPECT_EQ(w.setupWrites.size(), 3u); // the fallback is saved once
}

TEST(LinkSearch, ModelNameMatchesApartFromBlanksAndWhatFollowsANul) {
    for (const std::string& docModel : {std::string("T446  "), std::string("T446\0Z", 6)}) {
        LinkWorld w;
        w.app.docState.ModelNameText = docModel;
        w.radio.answerFromHandshake = 7;
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        EXPECT_EQ(w.user.portStatus.size(), 1u);
    }
}

TEST(LinkSearch, EmptyPortListEndsAsASearchWithoutResult) {
    LinkWorld w;
    w.radio.silent = true;
    w.portList.ports = {};
    int asked = 0;
    w.user.answer = [&](const std::string& text, Buttons buttons) {
        if (text == T(9008)) {
            EXPECT_EQ(buttons, Buttons::OkCancel);
            return ++asked == 1 ? Answer::Ok : Answer::Cancel;
        }
        return Answer::Ok;
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_TRUE(w.setupWrites.empty());
    // The restart after OK runs at the configured setting again.
    ASSERT_GE(w.port.opened.size(), 3u);
    EXPECT_EQ(w.port.opened[2], (PortSetting{1, 0, 1}));
    EXPECT_EQ(w.SentHandshakes(), 12);
    EXPECT_EQ(w.user.captions.back(), T(9027));
}

TEST(LinkSearch, NothingFoundLeavesTheSettingsAndAsks) {
    LinkWorld w;
    w.radio.silent = true;
    w.portList.ports = {1, 2};
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
    EXPECT_TRUE(w.setupWrites.empty());
    EXPECT_EQ(w.app.config.ComPort, 1);
    EXPECT_EQ(SearchOpenings(w).size(), 16u);
    // Four handshakes per combination, after the write's four.
    EXPECT_EQ(w.SentHandshakes(), 4 + 16 * 4);
    EXPECT_FALSE(w.port.PortOpen());
}

TEST(LinkSearch, FactoryModeAsksInsteadOfSearching) {
    LinkWorld w;
    w.app.factory.TestDataEnabled = true;
    w.radio.silent = true;
    w.portList.ports = {1, 2, 3};
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.SentHandshakes(), 6);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_TRUE(SearchOpenings(w).empty());
    EXPECT_EQ(w.user.captions.size(), 1u);
}

TEST(LinkSearch, FixedPortListTriesSixteenPorts) {
    LinkWorld w;
    w.app.config.UseFixedPortList = true;
    w.portList.ports = {};
    w.port.radios.clear();
    w.port.radios[16] = &w.radio;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.app.config.ComPort, 16);
}

TEST(LinkSearch, NeverOpensTheSystemsConsole) {
    for (const bool fixedList : {false, true}) {
        SCOPED_TRACE(fixedList);
        LinkWorld w;
        w.app.config.UseFixedPortList = fixedList;
        w.portList.ports = {1, 3};
        w.portList.consoles = {1};
        w.app.config.ComPort = 3; // the configured port, silent
        w.port.radios.clear();
        w.port.radios[1] = &w.radio; // a radio on the console must not be found either
        w.user.answer = [](const std::string&, Buttons) { return Answer::Cancel; };
        w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        for (const auto& setting : w.port.opened)
            EXPECT_NE(setting.port, 1);
        EXPECT_NE(w.Result(), TransferResult::Success);
    }
}

TEST(LinkSearch, RadioFoundForWritingIsStillRefusedByItsFeatures) {
    LinkWorld w;
    w.radio.feature = 0x08;
    w.radio.answerFromHandshake = 5;
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::WriteRefused);
    EXPECT_EQ(w.user.CountMessages(T(9031)), 1);
    EXPECT_TRUE(w.radio.writes.empty());
}

TEST(LinkSearch, SearchOrderHelperWalksEightCombinationsPerPort) {
    LinkSearchState s;
    s.ports = {7, 9};
    s.current = {7, 0, 1};
    std::vector<PortSetting> seen{s.current};
    while (s.Advance())
        seen.push_back(s.current);
    ASSERT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen[3], (PortSetting{7, 3, 1}));
    EXPECT_EQ(seen[4], (PortSetting{7, 0, 2}));
    EXPECT_EQ(seen[8], (PortSetting{9, 0, 1}));
    EXPECT_EQ(seen[15], (PortSetting{9, 3, 2}));
    EXPECT_EQ(SearchTitle(2), "正在匹配串口配置，可能需要几分钟，请等待。。。");
    EXPECT_EQ(SearchTitle(7), SearchTitle(1));
}

} // namespace
} // namespace pmr::test
