#pragma once
// The serial trace: every byte sent and received, with a millisecond time
// stamp, and every time-out. Switched on by handing a sink to the driver; the
// platform side writes it to a file a user can attach to a report.
//
// Contract for implementers: return quickly and never call back into the
// driver. Exceptions thrown by a sink are caught and the trace is switched off;
// the transfer is never disturbed.

#include <cstdint>
#include <string>
#include <vector>

namespace pmr {

class LinkTrace {
public:
    virtual ~LinkTrace() = default;
    virtual void Sent(std::int64_t ms, const std::vector<std::uint8_t>& bytes) = 0;
    virtual void Received(std::int64_t ms, const std::vector<std::uint8_t>& bytes) = 0;
    /// The response timer fired with no reply: mode and step state at the time.
    virtual void Timeout(std::int64_t ms, int linkMode, int state) = 0;
    /// Anything else worth knowing: port opened or failed, transfer start and end.
    virtual void Note(std::int64_t ms, const std::string& text) = 0;
};

/// Formats one trace line: "12345 TX 50 52 4F" (milliseconds, direction, bytes in hex), used by
/// file sinks.
std::string FormatTraceBytes(std::int64_t ms, const char* direction,
                             const std::vector<std::uint8_t>& bytes);

} // namespace pmr
