#pragma once
// One-shot timers and a millisecond clock on the link's thread. The platform
// implements them with QTimer; the tests with a virtual clock.
//
// Contract for implementers:
// - Start() never calls the callback itself; the callback runs later from the
//   event loop on the same thread, at most once.
// - Cancel() of a handle that has fired, was cancelled or is 0 does nothing.
//   After Cancel() the callback is not called, even when its time had come.
// - Handles are never 0 and never reused while the service lives.

#include <cstdint>
#include <functional>

namespace pmr {

using TimerHandle = std::uint64_t;

class TimerService {
public:
    virtual ~TimerService() = default;
    /// Calls `callback` once, `milliseconds` from now.
    virtual TimerHandle Start(int milliseconds, std::function<void()> callback) = 0;
    virtual void Cancel(TimerHandle handle) = 0;
    /// A monotonic clock in milliseconds (any origin), for the serial trace.
    virtual std::int64_t NowMs() const = 0;
};

} // namespace pmr
