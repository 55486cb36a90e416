#include "RadioFrameParser.h"

#include <algorithm>
#include <array>

namespace pmr::sim {
namespace {
constexpr std::array<std::uint8_t, 7> kHandshake = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::array<std::uint8_t, 3> kEnd = {'E', 'N', 'D'};

bool IsCommandByte(std::uint8_t b) {
    return b == 'P' || b == 0x02 || b == 'R' || b == 'W' || b == 'E';
}

template <std::size_t N>
bool PrefixOf(const std::vector<std::uint8_t>& bytes, const std::array<std::uint8_t, N>& word) {
    const auto n = std::min(bytes.size(), N);
    return std::equal(bytes.begin(), bytes.begin() + static_cast<long>(n), word.begin());
}
} // namespace

std::uint8_t SumModulo256(const std::uint8_t* first, const std::uint8_t* last) {
    unsigned sum = 0;
    for (; first != last; ++first)
        sum += *first;
    return static_cast<std::uint8_t>(sum);
}

RadioFrameParser::Verdict RadioFrameParser::Judge() const {
    const auto n = pending_.size();
    switch (pending_[0]) {
    case 'P':
        if (!PrefixOf(pending_, kHandshake))
            return Verdict::Invalid;
        return n >= kHandshake.size() ? Verdict::Complete : Verdict::Incomplete;
    case 'E':
        if (!PrefixOf(pending_, kEnd))
            return Verdict::Invalid;
        return n >= kEnd.size() ? Verdict::Complete : Verdict::Incomplete;
    case 0x02:
        return Verdict::Complete;
    case 'R':
        return n >= 4 ? Verdict::Complete : Verdict::Incomplete;
    case 'W': {
        if (n < 4)
            return Verdict::Incomplete;
        const std::uint8_t len = pending_[3];
        if (len == 0 || len > kMaxBlock)
            return Verdict::Invalid;
        return n >= std::size_t{len} + 6 ? Verdict::Complete : Verdict::Incomplete;
    }
    default:
        return Verdict::Invalid;
    }
}

std::size_t RadioFrameParser::FrameSize() const {
    switch (pending_[0]) {
    case 'P':
        return kHandshake.size();
    case 'E':
        return kEnd.size();
    case 0x02:
        return 1;
    case 'R':
        return 4;
    default:
        return std::size_t{pending_[3]} + 6;
    }
}

ProgramFrame RadioFrameParser::Build() const {
    ProgramFrame f;
    switch (pending_[0]) {
    case 'P':
        f.kind = FrameKind::Handshake;
        break;
    case 'E':
        f.kind = FrameKind::End;
        break;
    case 0x02:
        f.kind = FrameKind::Ident;
        break;
    case 'R':
    case 'W':
        f.kind = pending_[0] == 'R' ? FrameKind::Read : FrameKind::Write;
        f.address = static_cast<std::uint16_t>(pending_[1] << 8 | pending_[2]);
        f.length = pending_[3];
        if (f.kind == FrameKind::Write) {
            const auto len = std::size_t{f.length};
            f.data.assign(pending_.begin() + 4, pending_.begin() + 4 + static_cast<long>(len));
            const std::uint8_t sum = SumModulo256(&pending_[1], &pending_[4 + len]);
            f.intact = sum == pending_[4 + len] && pending_[5 + len] == 0x06;
        }
        break;
    }
    return f;
}

std::optional<ProgramFrame> RadioFrameParser::Feed(std::uint8_t byte, std::int64_t atNanos) {
    if (!pending_.empty() && atNanos - lastAt_ > kFrameGapNanos)
        pending_.clear();
    lastAt_ = atNanos;
    if (pending_.empty() && !IsCommandByte(byte))
        return std::nullopt;
    pending_.push_back(byte);
    for (;;) {
        switch (Judge()) {
        case Verdict::Incomplete:
            return std::nullopt;
        case Verdict::Complete: {
            ProgramFrame f = Build();
            // Only after a resynchronisation can bytes follow the frame; keep them.
            pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(FrameSize()));
            return f;
        }
        case Verdict::Invalid:
            // Resynchronise on the next command byte inside what was held.
            pending_.erase(pending_.begin());
            while (!pending_.empty() && !IsCommandByte(pending_.front()))
                pending_.erase(pending_.begin());
            if (pending_.empty())
                return std::nullopt;
            break;
        }
    }
}

} // namespace pmr::sim
