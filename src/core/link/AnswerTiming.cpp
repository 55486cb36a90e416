#include "link/AnswerTiming.h"

namespace pmr {
namespace {

// A byte takes 10 bit times (start, 8 data bits, stop) at 9600 bit/s.
constexpr std::int64_t kLineBitsPerSecond = 9600;
constexpr std::int64_t kBitsPerByte = 10;

// Whole milliseconds `bytes` take on the line, rounded down.
std::int64_t WireMs(std::size_t bytes) {
    return static_cast<std::int64_t>(bytes) * kBitsPerByte * 1000 / kLineBitsPerSecond;
}

} // namespace

void AnswerTiming::FrameSent(std::int64_t nowMs, std::size_t bytes) {
    sentAtMs_ = nowMs;
    frameBytes_ = bytes;
    setAside_ = false;
}

void AnswerTiming::NamedReply(std::int64_t nowMs, std::size_t replyBytes, bool handshake) {
    // The clock counts whole milliseconds at both ends: a millisecond below
    // the line's time still fits a line at 9600 bit/s.
    const bool lineTime = nowMs - sentAtMs_ >= WireMs(frameBytes_ + replyBytes) - 1;
    lineSpeed_ = (handshake || lineSpeed_) && lineTime;
}

bool AnswerTiming::SetAside(std::int64_t nowMs) {
    // The frame's own time, without the answer byte's: that byte's time is the
    // margin for the milliseconds of the clock. An answer in its own time after
    // one set aside shows the radio did answer the frame.
    setAside_ = lineSpeed_ && nowMs - sentAtMs_ < WireMs(frameBytes_);
    return setAside_;
}

bool AnswerTiming::SetAsideAnswerStoodAlone() {
    if (!setAside_)
        return false;
    setAside_ = false;
    lineSpeed_ = false;
    return true;
}

} // namespace pmr
