// The bytes on the wire: frames, checksums, reply shapes and where replies are stored.

#include "link/LinkFrames.h"

#include "app/AppContext.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

Bytes BlockReply(int address, std::uint8_t fill) {
    Bytes r{0x57, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address),
            0x10};
    for (int i = 0; i < 16; ++i)
        r.push_back(fill);
    r.push_back(FrameChecksum(r, 1, r.size() - 1));
    r.push_back(0x06);
    return r;
}

Bytes WithEcho(const Bytes& echo, const Bytes& reply) {
    Bytes all = echo;
    all.insert(all.end(), reply.begin(), reply.end());
    return all;
}

TEST(LinkFrames, FixedFramesAreTheProtocolsBytes) {
    EXPECT_EQ(HandshakeFrame(), (Bytes{0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D}));
    EXPECT_EQ(IdentRequestFrame(), Bytes{0x02});
    EXPECT_EQ(ReadRequestFrame(0x1420), (Bytes{0x52, 0x14, 0x20, 0x10}));
    EXPECT_EQ(ReadRequestFrame(0x1F00), (Bytes{0x52, 0x1F, 0x00, 0x10}));
    EXPECT_EQ(EndFrame(), (Bytes{0x45, 0x4E, 0x44}));
}

TEST(LinkFrames, WriteBlockCarriesDataChecksumAndAck) {
    const Bytes data(16, 0x01);
    const Bytes frame = WriteBlockFrame(0x0010, data);
    ASSERT_EQ(frame.size(), 22u);
    EXPECT_EQ(frame[0], 0x57);
    EXPECT_EQ(frame[1], 0x00);
    EXPECT_EQ(frame[2], 0x10);
    EXPECT_EQ(frame[3], 0x10);
    EXPECT_EQ(frame[20], 0x30); // 0x00 + 0x10 + 0x10 + 16 x 0x01
    EXPECT_EQ(frame[21], 0x06);
}

TEST(LinkFrames, ChecksumOfTheLastMainBlock) {
    const Bytes reply = BlockReply(0x13F0, 0xFF);
    EXPECT_EQ(reply[20], 0x03); // (0x13 + 0xF0 + 0x10 + 16 x 0xFF) mod 256
}

TEST(LinkFrames, HandshakeReplyWithAndWithoutEcho) {
    const Bytes kw{0x4B, 0x57, 0x06};
    EXPECT_EQ(Classify(WithEcho(HandshakeFrame(), kw), {.echoLength = 7}),
              ReplyKind::HandshakeReply);
    EXPECT_EQ(Classify(kw, {.echoLength = 0}), ReplyKind::HandshakeReply);
    // Echo assumed but the cable does not echo: three bytes are not the ten expected.
    EXPECT_EQ(Classify(kw, {.echoLength = 7}), ReplyKind::None);
    EXPECT_EQ(Classify(Bytes{0x4B, 0x57, 0x07}, {}), ReplyKind::None);
}

TEST(LinkFrames, ShortRepliesAreExact) {
    EXPECT_EQ(Classify(Bytes{0x06}, {}), ReplyKind::Ack);
    EXPECT_EQ(Classify(Bytes{0x0A}, {}), ReplyKind::ResendRequest);
    EXPECT_EQ(Classify(Bytes{0x45, 0x4E, 0x44, 0x06}, {.echoLength = 3}), ReplyKind::Ack);
    EXPECT_EQ(Classify(Bytes{0x06, 0x06}, {}), ReplyKind::None);
    EXPECT_EQ(Classify(Bytes{}, {}), ReplyKind::None);
    EXPECT_EQ(Classify(Bytes{0x06}, {.echoLength = 3}), ReplyKind::None);
}

TEST(LinkFrames, IdentificationNeedsLeadingPAndTrailingAck) {
    Bytes ident{0x50, 'T', '4', '4', '6', 0, 0, 0, 16, 'V', '1', '0', '0', 0x05, 0, 0x06};
    EXPECT_EQ(Classify(ident, {}), ReplyKind::IdentReply);
    EXPECT_EQ(Classify(WithEcho({0x02}, ident), {.echoLength = 1}), ReplyKind::IdentReply);
    ident[15] = 0x07;
    EXPECT_EQ(Classify(ident, {}), ReplyKind::None);
}

TEST(LinkFrames, BlockReplyMustMatchAddressLengthAndChecksum) {
    const ClassifyContext at{.echoLength = 0, .currentAddress = 0x0120};
    const Bytes good = BlockReply(0x0120, 0x5A);
    EXPECT_EQ(Classify(good, at), ReplyKind::BlockReply);
    EXPECT_EQ(Classify(WithEcho(ReadRequestFrame(0x120), good),
                       {.echoLength = 4, .currentAddress = 0x0120}),
              ReplyKind::BlockReply);
    EXPECT_EQ(Classify(BlockReply(0x0130, 0x5A), at), ReplyKind::None); // another address
    Bytes badSum = good;
    badSum[20] ^= 1;
    EXPECT_EQ(Classify(badSum, at), ReplyKind::None);
    Bytes badEnd = good;
    badEnd[21] = 0x07;
    EXPECT_EQ(Classify(badEnd, at), ReplyKind::None);
    Bytes longer = good;
    longer.push_back(0x06);
    EXPECT_EQ(Classify(longer, at), ReplyKind::None);
    Bytes truncated(good.begin(), good.end() - 1);
    EXPECT_EQ(Classify(truncated, at), ReplyKind::None);
}

TEST(LinkFrames, PasswordAndTestDataBlocksAreTheirOwnShapes) {
    const Bytes password = BlockReply(0x1420, 0xFF);
    EXPECT_EQ(Classify(password, {.passwordStep = true, .currentAddress = 0x1420}),
              ReplyKind::PasswordReply);
    // Outside the password step the same bytes are only a block.
    EXPECT_EQ(Classify(password, {.passwordStep = false, .currentAddress = 0x1420}),
              ReplyKind::BlockReply);
    EXPECT_EQ(Classify(password, {.passwordStep = false, .currentAddress = 0}), ReplyKind::None);
    EXPECT_EQ(Classify(BlockReply(0x1F00, 1), {.passwordStep = true}), ReplyKind::TestDataReply);
}

TEST(LinkFrames, StoreIdentCopiesFieldsButNotByte13F7) {
    AppContext app;
    app.images.ImageBuf.fill(0xEE);
    const Bytes ident{0x50, 'A', 'B', 0, 'x', 'y',  'z',  'w',
                      17,   'V', '1', 0, '9', 0x0C, 0x33, 0x06};
    StoreIdent(app, ident);
    EXPECT_EQ(app.link.RadioModelName, "AB"); // ended early by 00
    EXPECT_EQ(app.link.RadioVersion, "V1");
    EXPECT_EQ(app.link.RadioBandCode, 17);
    const auto& img = app.images.ImageBuf;
    EXPECT_EQ(img[0x13F0], 'A');
    EXPECT_EQ(img[0x13F2], 0);
    EXPECT_EQ(img[0x13F6], 'w');
    EXPECT_EQ(img[0x13F7], 0xEE);
    EXPECT_EQ(img[0x13FB], '9');
    EXPECT_EQ(img[0x13FC], 0x0C);
    EXPECT_EQ(img[0x13FD], 0xEE);
}

TEST(LinkFrames, StoreBlockChoosesTheBufferByAddress) {
    AppContext app;
    StoreBlock(app, BlockReply(0x13F0, 0x11), 0x13F0);
    StoreBlock(app, BlockReply(0x1400, 0x22), 0x1400);
    StoreBlock(app, BlockReply(0x15F0, 0x33), 0x15F0);
    StoreBlock(app, BlockReply(0x1F00, 0x44), 0x1F00); // outside both: not stored
    EXPECT_EQ(app.images.ImageBuf[0x13FF], 0x11);
    EXPECT_EQ(app.images.InfoBuf[0], 0x22);
    EXPECT_EQ(app.images.InfoBuf[511], 0x33);
    EXPECT_EQ(app.factory.TestData[0], 0);
}

TEST(LinkFrames, TestDataWriteMarksByte15) {
    AppContext app;
    for (int i = 0; i < 16; ++i)
        app.factory.TestData[i] = static_cast<std::uint8_t>(i);
    const Bytes frame = TestDataWriteFrame(app);
    EXPECT_EQ(app.factory.TestData[15], 0xA5);
    ASSERT_EQ(frame.size(), 22u);
    EXPECT_EQ((Bytes{frame[0], frame[1], frame[2], frame[3]}), (Bytes{0x57, 0x1F, 0x00, 0x10}));
    EXPECT_EQ(frame[19], 0xA5);
    EXPECT_EQ(frame[20], FrameChecksum(frame, 1, 19));
    EXPECT_EQ(frame[21], 0x06);

    Bytes reply = frame;
    for (int i = 0; i < 16; ++i)
        reply[4 + i] = static_cast<std::uint8_t>(100 + i);
    app.factory.SavedTestData.fill(7);
    StoreTestDataReply(app, reply);
    EXPECT_EQ(app.factory.TestData[0], 100);
    EXPECT_EQ(app.factory.TestData[15], 115);
    EXPECT_EQ(app.factory.SavedTestData[0], 7);
}

} // namespace
} // namespace pmr
