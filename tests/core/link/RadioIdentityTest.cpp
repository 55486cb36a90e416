// The identity check after the password step: model, band and version.

#include "LinkWorld.h"

#include <gtest/gtest.h>

namespace pmr::test {
namespace {

TEST(RadioIdentity, VX210IsAcceptedForReadingOnly) {
    LinkWorld r;
    r.radio.model = "VX210";
    r.Driver().StartRead();
    ASSERT_TRUE(r.RunToEnd());
    EXPECT_EQ(r.Result(), TransferResult::Success);

    LinkWorld w;
    w.radio.model = "VX210";
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::OtherModel);
    EXPECT_EQ(w.user.CountMessages(T(9012)), 1);
    EXPECT_TRUE(w.radio.writes.empty());
}

TEST(RadioIdentity, OtherModelEndsBeforeAnyBlock) {
    LinkWorld w;
    w.radio.model = "Q9";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::OtherModel);
    EXPECT_EQ(w.user.CountMessages(T(9012)), 1);
    EXPECT_EQ(w.radio.reads.count(0x0000), 0u);
    EXPECT_EQ(w.decodes, 0);
    EXPECT_EQ(w.radio.ends, 1); // a failed transfer still says goodbye
    EXPECT_FALSE(w.port.PortOpen());
}

TEST(RadioIdentity, TrailingBlanksOfTheModelNameDoNotMatter) {
    LinkWorld w;
    w.radio.model = "T446  ";
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
}

TEST(RadioIdentity, OtherBandIsAWarning) {
    LinkWorld w;
    w.radio.band = 17;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::OtherBand);
    ASSERT_EQ(w.user.CountMessages(T(9030)), 1);
    EXPECT_EQ(w.user.messageSeverities[0], Severity::Warning);
    EXPECT_EQ(w.radio.reads.count(0x0000), 0u);
}

TEST(RadioIdentity, UnlistedVersionAnsweredNoEndsWithFailure) {
    LinkWorld w;
    w.radio.version = "V200";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.user.CountQuestions("VQ V200"), 1);
    EXPECT_EQ(w.Result(), TransferResult::OtherVersion);
    EXPECT_TRUE(w.programsStarted.empty());
    EXPECT_EQ(w.user.endProgram, 0);
}

TEST(RadioIdentity, UnlistedVersionAnsweredYesSwitchesProgramAfterOfferingToSave) {
    struct Case {
        bool changed;
        Answer save; // answer to 9006
        bool saveWorks;
        bool switches;
        int saves;
    };
    const Case cases[] = {
        {false, Answer::Cancel, true, true, 0}, // unchanged: no question
        {true, Answer::Yes, true, true, 1},
        {true, Answer::Yes, false, false, 1}, // save failed: stay
        {true, Answer::No, true, true, 0},
        {true, Answer::Cancel, true, false, 0}, // Cancel keeps the program running
    };
    for (const Case& c : cases) {
        LinkWorld w;
        w.radio.version = "V200";
        w.documentChanged = c.changed;
        w.saveSucceeds = c.saveWorks;
        w.user.answer = [&](const std::string& text, Buttons buttons) {
            if (text == "VQ V200") {
                EXPECT_EQ(buttons, Buttons::YesNo);
                return Answer::Yes;
            }
            if (text == T(9006)) {
                EXPECT_EQ(buttons, Buttons::YesNoCancel);
                return c.save;
            }
            return Answer::Ok;
        };
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.user.CountQuestions(T(9006)), c.changed ? 1 : 0);
        EXPECT_EQ(w.saves, c.saves);
        EXPECT_EQ(w.programsStarted.size(), c.switches ? 1u : 0u);
        EXPECT_EQ(w.user.endProgram, c.switches ? 1 : 0);
        EXPECT_EQ(w.Result(),
                  c.switches ? TransferResult::ProgramSwitch : TransferResult::OtherVersion);
        EXPECT_TRUE(w.radio.writes.empty());
        EXPECT_FALSE(w.port.PortOpen());
    }
}

TEST(RadioIdentity, YesWithoutAProgramToHandOverToKeepsThisProgramRunning) {
    LinkWorld w;
    w.radio.version = "V200";
    w.programStarts = false;
    w.user.answer = [](const std::string& text, Buttons) {
        return text == "VQ V200" ? Answer::Yes : Answer::Ok;
    };
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::OtherVersion);
    EXPECT_EQ(w.user.endProgram, 0);
    EXPECT_EQ(w.user.CountMessages(T(9072)), 1);
    EXPECT_TRUE(w.radio.writes.empty());
}

TEST(RadioIdentity, OtherModelWithAPasswordAsksThePasswordFirst) {
    LinkWorld w;
    w.radio.model = "Q9";
    w.radio.SetPassword({'K', 'E', 'Y', 0x00});
    w.user.passwordEntry = "KEY";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.user.passwordShown.size(), 1u);
    EXPECT_EQ(w.user.CountMessages(T(9012)), 1);
    EXPECT_EQ(w.Result(), TransferResult::OtherModel);
}

TEST(RadioIdentity, AckForTheIdentificationIsNoIdentification) {
    LinkWorld w;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    ASSERT_EQ(w.Result(), TransferResult::Success);
    // The next radio answers the identification request with a bare ACK.
    w.radio.tamper = [](const Bytes& request, const Bytes& reply) -> std::optional<Bytes> {
        if (request == IdentRequestFrame())
            return Bytes{kAck};
        return reply;
    };
    w.app.factory.TestDataEnabled = true;
    w.finished.clear();
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_NE(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.reads[0x1420], 1); // from the first read only
}

} // namespace
} // namespace pmr::test
