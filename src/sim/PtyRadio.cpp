#include "PtyRadio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace pmr::sim {

PtyRadio::~PtyRadio() {
    Close();
}

std::int64_t PtyRadio::Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

bool PtyRadio::Open(std::string& error) {
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    path_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    return true;
}

void PtyRadio::Close() {
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
}

void PtyRadio::Run(const std::atomic<bool>& stop) {
    // A reply is due at an exact time; the kernel's default timer slack
    // (50 us a wake-up) would add up to a delay no radio has.
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::vector<std::uint8_t> pending; // due bytes the terminal has not taken yet
    std::uint8_t buf[512];
    constexpr std::int64_t kIdleNanos = 50'000'000; // look at `stop` this often
    while (!stop.load() && !radio_.ExitRequested() && master_ >= 0) {
        const std::int64_t now = Now();
        std::int64_t wait = kIdleNanos;
        if (!pending.empty())
            wait = 1'000'000;
        else if (auto next = radio_.NextDue())
            wait = std::clamp<std::int64_t>(*next - now, 0, kIdleNanos);
        pollfd pfd{master_, POLLIN, 0};
        timespec ts{static_cast<time_t>(wait / 1'000'000'000),
                    static_cast<long>(wait % 1'000'000'000)};
        const int rc = ppoll(&pfd, 1, &ts, nullptr);
        if (rc < 0 && errno != EINTR)
            break;
        if (rc > 0 && (pfd.revents & POLLIN)) {
            for (;;) {
                const ssize_t n = ::read(master_, buf, sizeof buf);
                if (n <= 0)
                    break;
                radio_.Receive({buf, static_cast<std::size_t>(n)}, Now());
            }
        }
        auto due = radio_.TakeDue(Now());
        pending.insert(pending.end(), due.begin(), due.end());
        while (!pending.empty()) {
            const ssize_t n = ::write(master_, pending.data(), pending.size());
            if (n <= 0)
                break; // the terminal's buffer is full; try again shortly
            pending.erase(pending.begin(), pending.begin() + n);
        }
    }
    Close();
}

} // namespace pmr::sim
