#pragma once
// Ctrl+C and SIGTERM while a transfer runs: instead of ending the process they
// call `onStop`, which ends the transfers through their drivers so that every
// radio gets its end frame and every port is closed. The signals are held
// from construction to destruction.

#include <functional>
#include <memory>
#include <signal.h>

class QSocketNotifier;

namespace pmr::cli {

class StopSignals {
public:
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    sigset_t previous_;
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace pmr::cli
