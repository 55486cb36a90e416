#pragma once
// The wire protocol: the frames the program sends, the replies it recognises,
// the checksum and how an identification or a memory block is stored. Raw
// bytes, no framing byte, addresses high byte first.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pmr {

struct AppContext;
using Bytes = std::vector<std::uint8_t>;

constexpr int kBlockLength = 16;
constexpr int kPasswordAddress = 0x1420;
constexpr int kTestDataAddress = 0x1F00;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kResend = 0x0A;

/// Sum of bytes[first..last] modulo 256.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytes, std::size_t first,
                           std::size_t last);

Bytes HandshakeFrame();              // "PROGRAM"
Bytes IdentRequestFrame();           // 02
Bytes ReadRequestFrame(int address); // 'R' AH AL 10
Bytes EndFrame();                    // "END"
/// 'W' AH AL N, the N data bytes, checksum, ACK.
Bytes WriteBlockFrame(int address, std::span<const std::uint8_t> data);

/// Reply shapes, in the order Classify tests them.
enum class ReplyKind {
    None,
    Ack,
    ResendRequest,
    HandshakeReply,
    IdentReply,
    TestDataReply,
    PasswordReply,
    BlockReply,
};

struct ClassifyContext {
    int echoLength = 0;        // E: echo bytes at the start of the buffer
    bool passwordStep = false; // the driver waits for the password block
    int currentAddress = 0;    // the block the driver waits for
    int blockLength = kBlockLength;
};

/// The first reply shape `received` (echo included) matches, or None.
ReplyKind Classify(std::span<const std::uint8_t> received, const ClassifyContext& ctx);

/// The reply without its echo bytes (empty when shorter than the echo).
std::span<const std::uint8_t> ReplyPart(std::span<const std::uint8_t> received, int echoLength);

/// StoreIdent: model name, band code, version and feature byte of an
/// identification reply (echo removed) into the link state and ImageBuf
/// 0x13F0-0x13F6, 0x13F8-0x13FC. The caller then decodes the feature flags.
void StoreIdent(AppContext& app, std::span<const std::uint8_t> reply);

/// StoreBlock: the data of a block reply (echo removed) for `address` into
/// ImageBuf (below 0x1400) or InfoBuf (below 0x1600); other addresses are not
/// stored.
void StoreBlock(AppContext& app, std::span<const std::uint8_t> reply, int address);

/// StoreTestDataReply: the 16 data bytes of a test-data reply into TestData
/// (SavedTestData untouched).
void StoreTestDataReply(AppContext& app, std::span<const std::uint8_t> reply);

/// The test-data write frame: sets TestData[15] = 0xA5 first (the change stays).
Bytes TestDataWriteFrame(AppContext& app);

/// The bytes up to the first 00, as single-byte characters.
std::string TextUntilNul(std::span<const std::uint8_t> bytes);

} // namespace pmr
