#pragma once
// The radio's side of the programming link as a pure machine: bytes from the
// programmer go in with the time they were read, bytes for the programmer come
// out when their time has come. Wire pacing, echo, latency and the injected
// faults are all scheduled here, so that any front end (a pseudo-terminal, a
// test) only moves bytes and keeps the clock.

#include "RadioFrameParser.h"
#include "RadioMemory.h"
#include "SimOptions.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace pmr::sim {

/// 10 bits (start, 8 data, stop) at 9600 bit/s.
constexpr std::int64_t kByteNanos = 1'041'667;

struct SimStats {
    int frames = 0;        // complete frames received
    int handshakes = 0;    // handshake frames received
    int blocksRead = 0;    // main-memory read requests answered
    int blocksWritten = 0; // main-memory write blocks accepted
    int resendsSent = 0;
    int endFrames = 0;
    /// For every frame after the first of a session: nanoseconds from the last
    /// byte of the previous reply leaving the radio to the first byte of this
    /// frame being read by it (the programmer's turnaround plus the line's).
    std::vector<std::int64_t> turnaroundNanos;
};

class SimulatedRadio {
public:
    SimulatedRadio(RadioMemory& memory, SimOptions options);

    /// Bytes read from the line at `nowNanos`.
    void Receive(std::span<const std::uint8_t> bytes, std::int64_t nowNanos);
    /// Bytes due on the line by `nowNanos`, in order.
    std::vector<std::uint8_t> TakeDue(std::int64_t nowNanos);
    /// The next time at which something is due, if anything is pending.
    std::optional<std::int64_t> NextDue() const;

    /// --exit-after was reached and the last reply has gone out.
    bool ExitRequested() const { return exitAfterReply_ && outbound_.empty() && inbound_.empty(); }
    const SimStats& Stats() const { return stats_; }
    /// Called after every end frame (the front end saves the memory files).
    void OnEndFrame(std::function<void()> callback) { onEnd_ = std::move(callback); }
    /// Where --verbose writes.
    void SetLog(std::function<void(const std::string&)> log) { log_ = std::move(log); }

private:
    struct Timed {
        std::int64_t at;
        std::uint8_t byte;
        bool lastOfReply;
    };
    void Process(std::int64_t nowNanos);
    void Handle(const ProgramFrame& frame, std::int64_t at);
    void Reply(std::vector<std::uint8_t> bytes, std::int64_t at);
    std::vector<std::uint8_t> BlockReply(std::uint16_t address, std::uint8_t length) const;
    void Log(const std::string& text) const;
    bool CountBlock(); // true when the radio may still answer
    bool Chance(int perMillion);
    void SpoilReply(std::vector<std::uint8_t>& reply);

    RadioMemory& memory_;
    SimOptions options_;
    RadioFrameParser parser_;
    std::deque<Timed> inbound_;  // at = when the byte has fully arrived
    std::deque<Timed> outbound_; // at = when the byte is complete on the line
    std::int64_t rxFree_ = 0, txFree_ = 0;
    bool programming_ = false; // a handshake was answered and no end frame since
    bool silent_ = false;
    bool exitAfterReply_ = false;
    int blocks_ = 0;
    std::map<std::uint16_t, int> resendsLeft_; // --resend, and one for each --duplicate-ack
    std::mt19937 noise_;
    std::optional<std::int64_t> replyDoneAt_; // real time the last reply byte left
    bool awaitingNextFrame_ = false;
    SimStats stats_;
    std::function<void()> onEnd_;
    std::function<void(const std::string&)> log_;
};

} // namespace pmr::sim
