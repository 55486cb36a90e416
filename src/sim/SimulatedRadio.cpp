#include "SimulatedRadio.h"

#include <algorithm>
#include <cstdio>

namespace pmr::sim {
namespace {
// --duplicate-ack: from the first ACK to its duplicate. Long enough for the
// programmer to have sent the next block, far shorter than that block's time
// on the line.
constexpr std::int64_t kDuplicateAckGapNanos = 5'000'000;

bool InMain(std::uint32_t address, std::uint32_t length) {
    return address + length <= kMainBase + kMainSize;
}
std::string Hex(std::uint32_t v, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, static_cast<unsigned>(v));
    return buf;
}
} // namespace

SimulatedRadio::SimulatedRadio(RadioMemory& memory, SimOptions options)
    : memory_(memory), options_(std::move(options)), resendsLeft_(options_.resendBlocks),
      noise_(options_.seed) {
    for (const std::uint16_t address : options_.duplicateAcks)
        ++resendsLeft_[address];
}

bool SimulatedRadio::Chance(int perMillion) {
    return perMillion > 0 &&
           std::uniform_int_distribution<int>(0, 999'999)(noise_) < perMillion;
}

void SimulatedRadio::SpoilReply(std::vector<std::uint8_t>& reply) {
    if (reply.empty() || !Chance(options_.noisePermille * 1000))
        return;
    const auto at = std::uniform_int_distribution<std::size_t>(0, reply.size() - 1)(noise_);
    const auto offset = static_cast<long>(at);
    switch (std::uniform_int_distribution<int>(0, 4)(noise_)) {
    case 0:
        reply[at] ^= static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(noise_));
        Log("  noise: byte " + std::to_string(at) + " flipped");
        break;
    case 1:
        reply.erase(reply.begin() + offset);
        Log("  noise: byte " + std::to_string(at) + " lost");
        break;
    case 2:
        reply.insert(reply.begin(), 0x06);
        Log("  noise: stray ACK before the reply");
        break;
    case 3:
        reply.push_back(reply.back());
        Log("  noise: last byte doubled");
        break;
    default:
        reply.push_back(static_cast<std::uint8_t>(std::uniform_int_distribution<int>(0, 255)(noise_)));
        Log("  noise: stray byte after the reply");
        break;
    }
}

void SimulatedRadio::Log(const std::string& text) const {
    if (options_.verbose && log_)
        log_(text);
}

void SimulatedRadio::Receive(std::span<const std::uint8_t> bytes, std::int64_t now) {
    if (bytes.empty())
        return;
    if (awaitingNextFrame_ && replyDoneAt_ && !parser_.Busy() && inbound_.empty()) {
        stats_.turnaroundNanos.push_back(now - *replyDoneAt_);
        awaitingNextFrame_ = false;
    }
    for (auto b : bytes) {
        std::int64_t at = now;
        if (options_.pace) {
            // The byte was handed to the line now; it is in only one byte time later.
            at = std::max(now, rxFree_) + kByteNanos;
            rxFree_ = at;
        }
        if (Chance(options_.noisePermille * 1000 / 16 / 22))
            b ^= static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, 255)(noise_));
        inbound_.push_back({at, b, false});
    }
    Process(now);
}

void SimulatedRadio::Process(std::int64_t now) {
    while (!inbound_.empty() && inbound_.front().at <= now) {
        const Timed in = inbound_.front();
        inbound_.pop_front();
        if (options_.echo) {
            // The cable's loop-back: the byte comes back as it goes by.
            const std::int64_t t = outbound_.empty() ? in.at : std::max(in.at, outbound_.back().at);
            outbound_.push_back({t, in.byte, false});
            txFree_ = std::max(txFree_, t);
        }
        if (auto frame = parser_.Feed(in.byte, in.at))
            Handle(*frame, in.at);
    }
}

bool SimulatedRadio::CountBlock() {
    ++blocks_;
    if (options_.exitAfterBlock > 0 && blocks_ >= options_.exitAfterBlock) {
        Log("exit after block " + std::to_string(blocks_));
        exitAfterReply_ = true;
    }
    if (options_.silentAfterBlock > 0 && blocks_ > options_.silentAfterBlock) {
        if (!silent_)
            Log("falling silent after block " + std::to_string(options_.silentAfterBlock));
        silent_ = true;
    }
    return !silent_ && !(exitAfterReply_ && blocks_ > options_.exitAfterBlock);
}

std::vector<std::uint8_t> SimulatedRadio::BlockReply(std::uint16_t address,
                                                     std::uint8_t length) const {
    std::vector<std::uint8_t> r{'W', static_cast<std::uint8_t>(address >> 8),
                                static_cast<std::uint8_t>(address & 0xFF), length};
    for (std::uint32_t i = 0; i < length; ++i)
        r.push_back(memory_.Read(address + i));
    r.push_back(SumModulo256(r.data() + 1, r.data() + r.size()));
    r.push_back(0x06);
    return r;
}

void SimulatedRadio::Handle(const ProgramFrame& f, std::int64_t at) {
    const int ordinal = ++stats_.frames;
    std::vector<std::uint8_t> reply;
    bool ackTwice = false; // --duplicate-ack
    if (exitAfterReply_ && f.kind != FrameKind::Handshake) {
        Log("frame " + std::to_string(ordinal) + " ignored: closing down");
        return;
    }
    switch (f.kind) {
    case FrameKind::Handshake:
        ++stats_.handshakes;
        if (stats_.handshakes < options_.answerFromHandshake || silent_ || exitAfterReply_) {
            Log("handshake " + std::to_string(stats_.handshakes) + " not answered");
            return;
        }
        Log("handshake " + std::to_string(stats_.handshakes));
        programming_ = true;
        reply = {'K', 'W', 0x06};
        break;
    case FrameKind::Ident:
        if (!programming_ || silent_)
            return;
        Log("identification");
        reply.push_back('P');
        for (std::uint32_t a = kModelAddress; a < kModelAddress + 14; ++a)
            reply.push_back(memory_.Read(a));
        reply.push_back(0x06);
        break;
    case FrameKind::Read:
        if (!programming_ || silent_ || f.length == 0 || f.length > RadioFrameParser::kMaxBlock)
            return;
        if (InMain(f.address, f.length)) {
            if (!CountBlock())
                return;
            ++stats_.blocksRead;
        }
        Log("read " + Hex(f.address, 4));
        reply = BlockReply(f.address, f.length);
        break;
    case FrameKind::Write: {
        if (!programming_ || silent_)
            return;
        if (!f.intact) {
            Log("write " + Hex(f.address, 4) + " damaged: resend request");
            ++stats_.resendsSent;
            reply = {0x0A};
            break;
        }
        if (auto it = resendsLeft_.find(f.address); it != resendsLeft_.end() && it->second > 0) {
            --it->second;
            Log("write " + Hex(f.address, 4) + ": resend request");
            ++stats_.resendsSent;
            reply = {0x0A};
            break;
        }
        if (InMain(f.address, f.length)) {
            if (!CountBlock())
                return;
            ++stats_.blocksWritten;
        }
        if (options_.ignoreWrites.count(f.address)) {
            Log("write " + Hex(f.address, 4) + " acknowledged and lost");
            reply = {0x06};
            break;
        }
        Log("write " + Hex(f.address, 4));
        for (std::uint32_t i = 0; i < f.data.size(); ++i)
            memory_.Write(f.address + i, f.data[i]);
        reply = {0x06};
        ackTwice = options_.duplicateAcks.count(static_cast<std::uint16_t>(f.address + f.length)) > 0;
        break;
    }
    case FrameKind::End:
        if (!programming_)
            return;
        Log("end");
        ++stats_.endFrames;
        programming_ = false;
        if (onEnd_)
            onEnd_();
        if (!options_.ackEnd || silent_)
            return;
        reply = {0x06};
        break;
    }
    if (options_.badChecksumFrames.count(ordinal) && reply.size() >= 6) {
        reply[reply.size() - 2] = static_cast<std::uint8_t>(reply[reply.size() - 2] + 1);
        Log("  with a wrong checksum");
    }
    SpoilReply(reply);
    const std::int64_t start = at + options_.latencyMicros * 1000;
    if (options_.splitFrames.count(ordinal) && reply.size() >= 2) {
        const auto half = static_cast<long>(reply.size() / 2);
        Log("  split");
        Reply({reply.begin(), reply.begin() + half}, start);
        Reply({reply.begin() + half, reply.end()}, start + options_.splitGapMicros * 1000);
    } else {
        Reply(std::move(reply), start);
    }
    if (ackTwice) {
        Log("  ACK sent twice");
        Reply({0x06}, start + kDuplicateAckGapNanos);
    }
}

void SimulatedRadio::Reply(std::vector<std::uint8_t> bytes, std::int64_t at) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::int64_t t = std::max(at, txFree_);
        if (options_.pace)
            t += kByteNanos;
        txFree_ = t;
        outbound_.push_back({t, bytes[i], i + 1 == bytes.size()});
    }
}

std::vector<std::uint8_t> SimulatedRadio::TakeDue(std::int64_t now) {
    Process(now);
    std::vector<std::uint8_t> due;
    while (!outbound_.empty() && outbound_.front().at <= now) {
        due.push_back(outbound_.front().byte);
        if (outbound_.front().lastOfReply && programming_) {
            replyDoneAt_ = now;
            awaitingNextFrame_ = true;
        }
        outbound_.pop_front();
    }
    return due;
}

std::optional<std::int64_t> SimulatedRadio::NextDue() const {
    std::optional<std::int64_t> next;
    if (!inbound_.empty())
        next = inbound_.front().at;
    if (!outbound_.empty() && (!next || outbound_.front().at < *next))
        next = outbound_.front().at;
    return next;
}

} // namespace pmr::sim
