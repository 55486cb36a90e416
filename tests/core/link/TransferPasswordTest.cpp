// The password step of reads and writes.

#include "LinkWorld.h"

#include <gtest/gtest.h>

namespace pmr::test {
namespace {

TEST(TransferPassword, RadioWithoutPasswordNeedsNoDialog) {
    for (auto pw : {std::initializer_list<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF},
                    std::initializer_list<std::uint8_t>{0x00, 'A', 'B', 'C'}}) {
        LinkWorld w;
        w.radio.SetPassword(pw);
        w.app.link.EnteredPassword = "ZZZ";
        w.Driver().StartWrite();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(w.Result(), TransferResult::Success);
        EXPECT_TRUE(w.user.passwordShown.empty());
    }
}

TEST(TransferPassword, RightEntryLetsThisAndLaterTransfersRun) {
    LinkWorld w;
    w.radio.SetPassword({'A', 'B', 0x00, 0x00});
    w.user.passwordEntry = "AB  "; // blanks after the characters do not count
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    ASSERT_EQ(w.user.passwordShown.size(), 1u);
    EXPECT_EQ(w.user.passwordShown[0], "");
    EXPECT_EQ(w.app.link.EnteredPassword, "AB");

    w.finished.clear();
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.user.passwordShown.size(), 1u);
}

TEST(TransferPassword, WrongEntryGetsOneAttemptAndStaysEntered) {
    LinkWorld w;
    w.radio.SetPassword({'P', 'A', 'S', 'S'});
    w.user.passwordEntry = "pass";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::WrongPassword);
    EXPECT_EQ(w.user.passwordShown.size(), 1u);
    EXPECT_EQ(w.user.CountMessages("PassWord Failure!"), 1);
    EXPECT_EQ(w.radio.reads.count(0x0000), 0u);
    EXPECT_EQ(w.decodes, 0);
    EXPECT_FALSE(w.port.PortOpen());
    EXPECT_EQ(w.app.link.EnteredPassword, "pass");

    w.finished.clear();
    w.user.passwordEntry = "PASS";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    ASSERT_EQ(w.user.passwordShown.size(), 2u);
    EXPECT_EQ(w.user.passwordShown[1], "pass"); // shown (masked) next time
    EXPECT_EQ(w.Result(), TransferResult::Success);
}

TEST(TransferPassword, CancelIsAWrongEntryAndKeepsTheOldOne) {
    LinkWorld w;
    w.radio.SetPassword({'1', '2', 0xFF, 0xFF});
    w.app.link.EnteredPassword = "9";
    w.user.passwordEntry.reset();
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::WrongPassword);
    EXPECT_EQ(w.app.link.EnteredPassword, "9");
    EXPECT_TRUE(w.radio.writes.empty());
}

TEST(TransferPassword, EntryIsCutToFourCharacters) {
    LinkWorld w;
    w.radio.SetPassword({'W', 'X', 'Y', 'Z'});
    w.user.passwordEntry = "WXYZQ";
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.app.link.EnteredPassword, "WXYZ");
    EXPECT_EQ(w.Result(), TransferResult::Success);
}

TEST(TransferPassword, RadioInformationReadNeverAsks) {
    LinkWorld w;
    w.radio.SetPassword({'A', 'B', 'C', 'D'});
    w.Driver().ReadRMGDataFromRadio();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_TRUE(w.user.passwordShown.empty());
    EXPECT_EQ(w.radio.reads[0x1420], 1); // as an ordinary block of the area
}

TEST(TransferPassword, SilentPasswordBlockIsRequestedThreeTimesEveryTransfer) {
    LinkWorld w;
    w.radio.dropRequests[0x1420] = 3;
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.radio.reads[0x1420], 3);
    EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
    EXPECT_EQ(w.Result(), TransferResult::RadioSilent);

    w.finished.clear();
    w.radio.dropRequests[0x1420] = 2; // the counter starts at 3 again
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.reads[0x1420], 6);
}

TEST(TransferPassword, NothingHappensOnTheLineWhileTheDialogIsOpen) {
    LinkWorld w;
    w.radio.SetPassword({'A', 0, 0, 0});
    w.user.passwordEntry = "A";
    std::size_t before = 0, after = 0;
    w.user.whileOpen = [&] {
        if (w.user.passwordShown.empty())
            return;
        before = w.port.sent.size();
        Bytes block{0x57, 0x00, 0x00, 0x10};
        for (int i = 0; i < 16; ++i)
            block.push_back(0);
        block.push_back(FrameChecksum(block, 1, 19));
        block.push_back(kAck);
        w.port.Inject(block);
        w.port.Inject({kAck}, 3);
        w.clock.RunFor(2000); // the user types slowly
        after = w.port.sent.size();
    };
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(before, after);
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.reads[0x1420], 1);
    EXPECT_TRUE(std::equal(w.app.images.ImageBuf.begin(), w.app.images.ImageBuf.end(),
                           w.radio.mem.begin()));
}

} // namespace
} // namespace pmr::test
