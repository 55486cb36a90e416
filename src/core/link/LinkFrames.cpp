#include "link/LinkFrames.h"

#include "app/AppContext.h"

#include <algorithm>

namespace pmr {

namespace {

void PutAddress(Bytes& frame, int address) {
    frame.push_back(static_cast<std::uint8_t>((address >> 8) & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
}

int AddressOf(std::span<const std::uint8_t> reply) {
    return (reply[1] << 8) | reply[2];
}

// A block-shaped reply: 57 AH AL L, L data bytes, CS, 06, and nothing more.
bool IsBlockShaped(std::span<const std::uint8_t> reply) {
    if (reply.size() < 22 || reply[0] != 0x57)
        return false;
    const std::size_t length = reply[3];
    if (reply.size() != length + 6 || reply.back() != kAck)
        return false;
    return FrameChecksum(reply, 1, reply.size() - 3) == reply[reply.size() - 2];
}

} // namespace

std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes, std::size_t first,
                           std::size_t last) {
    unsigned sum = 0;
    for (std::size_t i = first; i <= last && i < bytes.size(); ++i)
        sum += bytes[i];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes HandshakeFrame() {
    return {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
}

Bytes IdentRequestFrame() {
    return {0x02};
}

Bytes ReadRequestFrame(int address) {
    Bytes frame{0x52};
    PutAddress(frame, address);
    frame.push_back(static_cast<std::uint8_t>(kBlockLength));
    return frame;
}

Bytes EndFrame() {
    return {0x45, 0x4E, 0x44};
}

Bytes WriteBlockFrame(int address, std::span<const std::uint8_t> data) {
    Bytes frame;
    frame.reserve(data.size() + 6);
    frame.push_back(0x57);
    PutAddress(frame, address);
    frame.push_back(static_cast<std::uint8_t>(data.size()));
    for (auto b : data)
        frame.push_back(b);
    frame.push_back(0); // checksum, below
    frame.push_back(kAck);
    frame[frame.size() - 2] = FrameChecksum(frame, 1, frame.size() - 3);
    return frame;
}

std::span<const std::uint8_t> ReplyPart(std::span<const std::uint8_t> received, int echoLength) {
    const auto echo = static_cast<std::size_t>(std::max(echoLength, 0));
    if (received.size() < echo)
        return {};
    return received.subspan(echo);
}

ReplyKind Classify(std::span<const std::uint8_t> received, const ClassifyContext& ctx) {
    if (ctx.echoLength < 0 || received.size() < static_cast<std::size_t>(ctx.echoLength))
        return ReplyKind::None;
    const auto reply = ReplyPart(received, ctx.echoLength);
    if (reply.size() == 1 && reply[0] == kAck)
        return ReplyKind::Ack;
    if (reply.size() == 1 && reply[0] == kResend)
        return ReplyKind::ResendRequest;
    if (reply.size() == 3 && reply[0] == 0x4B && reply[1] == 0x57 && reply[2] == kAck)
        return ReplyKind::HandshakeReply;
    if (reply.size() == 16 && reply[0] == 0x50 && reply[15] == kAck)
        return ReplyKind::IdentReply;
    if (!IsBlockShaped(reply))
        return ReplyKind::None;
    const int address = AddressOf(reply);
    if (address == kTestDataAddress)
        return ReplyKind::TestDataReply;
    if (address == kPasswordAddress && ctx.passwordStep)
        return ReplyKind::PasswordReply;
    if (address == ctx.currentAddress && reply[3] == ctx.blockLength)
        return ReplyKind::BlockReply;
    return ReplyKind::None;
}

std::string TextUntilNul(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (auto b : bytes) {
        if (b == 0)
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

void StoreIdent(AppContext& app, std::span<const std::uint8_t> reply) {
    if (reply.size() < 16)
        return;
    auto& image = app.images.ImageBuf;
    app.link.RadioModelName = TextUntilNul(reply.subspan(1, 7));
    app.link.RadioBandCode = reply[8];
    app.link.RadioVersion = TextUntilNul(reply.subspan(9, 4));
    std::copy_n(reply.begin() + 1, 7, image.begin() + 0x13F0); // 0x13F7 is not part of it
    std::copy_n(reply.begin() + 9, 4, image.begin() + 0x13F8);
    image[0x13FC] = reply[13];
}

void StoreBlock(AppContext& app, std::span<const std::uint8_t> reply, int address) {
    if (reply.size() < 6)
        return;
    const std::size_t length = std::min<std::size_t>(reply[3], reply.size() - 6);
    for (std::size_t i = 0; i < length; ++i) {
        const long a = static_cast<long>(address) + static_cast<long>(i);
        if (address < kImageSize) {
            if (a >= 0 && a < kImageSize)
                app.images.ImageBuf[a] = reply[4 + i];
        } else if (address < kImageSize + kInfoSize) {
            if (a - kImageSize < kInfoSize)
                app.images.InfoBuf[a - kImageSize] = reply[4 + i];
        }
    }
}

void StoreTestDataReply(AppContext& app, std::span<const std::uint8_t> reply) {
    auto& data = app.factory.TestData;
    for (std::size_t i = 0; i < data.size() && 4 + i < reply.size(); ++i)
        data[i] = reply[4 + i];
}

Bytes TestDataWriteFrame(AppContext& app) {
    // The radio takes 0xA5 in the last byte as the mark of data written by the
    // programming station.
    app.factory.TestData[15] = 0xA5;
    return WriteBlockFrame(kTestDataAddress, app.factory.TestData);
}

} // namespace pmr
