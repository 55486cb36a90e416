#pragma once
// The radio's ear: turns the bytes arriving from the programmer into frames.
// A frame starts with its command byte (P, 02, R, W, E); anything else between
// frames is line noise and dropped. A frame that stops arriving half-way is
// forgotten after a pause, as the radio's receiver does.

#include <cstdint>
#include <optional>
#include <vector>

namespace pmr::sim {

enum class FrameKind { Handshake, Ident, Read, Write, End };

struct ProgramFrame {
    FrameKind kind = FrameKind::Handshake;
    std::uint16_t address = 0;      // read and write
    std::uint8_t length = 0;        // read and write
    std::vector<std::uint8_t> data; // write
    bool intact = true;             // write: checksum and final ACK byte correct
};

class RadioFrameParser {
public:
    /// Nanoseconds of silence after which a partial frame is dropped.
    static constexpr std::int64_t kFrameGapNanos = 100'000'000;
    /// The largest write block the radio takes (its length byte).
    static constexpr std::uint8_t kMaxBlock = 64;

    /// One byte that arrived at the given time; a frame when it completes one.
    std::optional<ProgramFrame> Feed(std::uint8_t byte, std::int64_t atNanos);
    /// Bytes of an unfinished frame are held.
    bool Busy() const { return !pending_.empty(); }

private:
    enum class Verdict { Incomplete, Complete, Invalid };
    Verdict Judge() const;
    std::size_t FrameSize() const; // of the complete frame at the front
    ProgramFrame Build() const;

    std::vector<std::uint8_t> pending_;
    std::int64_t lastAt_ = 0;
};

/// Sum of the bytes modulo 256, as both sides compute it.
std::uint8_t SumModulo256(const std::uint8_t* first, const std::uint8_t* last);

} // namespace pmr::sim
