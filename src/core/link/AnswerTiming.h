#pragma once
// Whether a one-byte answer came too soon to be the radio's answer to the
// frame just sent.
//
// An ACK carries nothing that ties it to a frame: a late duplicate of the
// previous block's ACK, arriving on its own after the next block went out,
// looks like that block's acknowledgement, and the radio's real answer (a
// refusal, say) would then be taken for the block after. On a line at
// 9600 bit/s the radio cannot answer before the whole frame has reached it,
// so a byte that comes sooner is no answer to it and is set aside.
//
// Links that carry bytes faster than such a line (a pseudo-terminal, a radio
// with a serial interface of its own) have no such time, and nothing tells a
// duplicate there from the answer. Their replies' times are no safe guide
// either: a process not scheduled at once makes any reply late, and a rule
// that waited longer than the link's fastest answer would drop true answers.
// So the rule holds only while every reply that names its frame (the
// handshake's, the identification, a block read) has come no sooner than the
// line could have carried the frame and the reply, judged afresh from each
// handshake; and an answer set aside that turns out to be the only one (the
// frame's time runs out with nothing after it) gives the rule up for the
// session: the link answers sooner than the line, and the frame is sent again.

#include <cstddef>
#include <cstdint>

namespace pmr {

class AnswerTiming {
public:
    /// A frame of `bytes` bytes goes out at `nowMs`.
    void FrameSent(std::int64_t nowMs, std::size_t bytes);
    /// The whole of a reply that names its frame is in at `nowMs`, `replyBytes`
    /// long without the echo; the handshake's reply starts a new session.
    void NamedReply(std::int64_t nowMs, std::size_t replyBytes, bool handshake);
    /// A one-byte answer is in at `nowMs`: true when it came before the frame
    /// could have reached the radio, on a link known to run at line speed. It
    /// is then no answer to the frame.
    bool SetAside(std::int64_t nowMs);
    /// The frame's time ran out: true when an answer had been set aside and
    /// none came after it, so that it was the radio's own; the link is then no
    /// longer taken to run at line speed.
    bool SetAsideAnswerStoodAlone();
    bool LineSpeed() const { return lineSpeed_; }

private:
    std::int64_t sentAtMs_ = 0;
    std::size_t frameBytes_ = 0;
    bool lineSpeed_ = false;
    bool setAside_ = false; // an answer to the frame last sent was set aside
};

} // namespace pmr
