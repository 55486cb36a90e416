#include "StopSignals.h"

#include <QSocketNotifier>
#include <sys/signalfd.h>
#include <unistd.h>

namespace pmr::cli {

StopSignals::StopSignals(std::function<void()> onStop) {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, &previous_);
    fd_ = signalfd(-1, &stop, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, onStop] {
        signalfd_siginfo info{};
        while (::read(fd_, &info, sizeof info) == sizeof info) {
        }
        onStop();
    });
}

StopSignals::~StopSignals() {
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

} // namespace pmr::cli
