// Factory mode: the 16 test-data bytes travel with every read and write.

#include "LinkWorld.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pmr::test {
namespace {

TEST(TestDataExchange, ReadFetchesTheTestDataRightAfterThePassword) {
    LinkWorld w;
    w.app.factory.TestDataEnabled = true;
    for (int i = 0; i < 16; ++i)
        w.radio.mem[0x1F00 + i] = static_cast<std::uint8_t>(0xC0 + i);
    w.app.factory.SavedTestData.fill(1);
    w.Driver().StartRead();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(w.app.factory.TestData[i], 0xC0 + i);
    EXPECT_EQ(w.app.factory.SavedTestData[0], 1);
    EXPECT_EQ(w.radio.requests[2], ReadRequestFrame(0x1420));
    EXPECT_EQ(w.radio.requests[3], ReadRequestFrame(0x1F00));
    EXPECT_EQ(w.radio.requests[4], ReadRequestFrame(0x0000));
    EXPECT_TRUE(std::equal(w.app.images.ImageBuf.begin(), w.app.images.ImageBuf.end(),
                           w.radio.mem.begin()));
}

TEST(TestDataExchange, WriteSendsTheTestDataMarkedA5BeforeTheBlocks) {
    LinkWorld w;
    w.app.factory.TestDataEnabled = true;
    for (int i = 0; i < 16; ++i)
        w.app.factory.TestData[i] = static_cast<std::uint8_t>(i * 3);
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.app.factory.TestData[15], 0xA5);
    EXPECT_EQ(w.radio.mem[0x1F00 + 15], 0xA5);
    EXPECT_EQ(w.radio.mem[0x1F00 + 10], 30);
    EXPECT_EQ(w.radio.requests[2], ReadRequestFrame(0x1420));
    ASSERT_EQ(w.radio.requests[3].size(), 22u);
    EXPECT_EQ(w.radio.requests[3][1], 0x1F);
    EXPECT_EQ(w.radio.requests[4][1], 0x00); // then block 0x0000
    EXPECT_EQ(w.radio.writes[0x1F00], 1);
    EXPECT_TRUE(
        std::equal(w.encodedImage.begin(), w.encodedImage.begin() + 0x13F0, w.radio.mem.begin()));
}

TEST(TestDataExchange, ResendOfTheTestDataRepeatsTheTestDataFrame) {
    LinkWorld w;
    w.app.factory.TestDataEnabled = true;
    w.radio.resendWrites[0x1F00] = 2;
    w.Driver().StartWrite();
    ASSERT_TRUE(w.RunToEnd());
    EXPECT_EQ(w.Result(), TransferResult::Success);
    EXPECT_EQ(w.radio.writes[0x1F00], 3);
    EXPECT_EQ(w.radio.writes[0x0000], 1);
}

TEST(TestDataExchange, SilentTestDataStepIsTriedThreeTimesThenAsks) {
    for (bool writing : {false, true}) {
        LinkWorld w;
        w.app.factory.TestDataEnabled = true;
        w.radio.dropRequests[0x1F00] = 3;
        if (writing)
            w.Driver().StartWrite();
        else
            w.Driver().StartRead();
        ASSERT_TRUE(w.RunToEnd());
        EXPECT_EQ(writing ? w.radio.writes[0x1F00] : w.radio.reads[0x1F00], 3) << writing;
        EXPECT_EQ(w.user.CountQuestions(T(9008)), 1);
        EXPECT_EQ(w.Result(), TransferResult::RadioSilent);
        EXPECT_EQ(w.radio.reads.count(0x0000) + w.radio.writes.count(0x0000), 0u);
    }
}

} // namespace
} // namespace pmr::test
