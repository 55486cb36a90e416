#pragma once
// Puts a SimulatedRadio behind a pseudo-terminal: the programmer opens the
// terminal's device path like a serial port, the radio sits on the other end.

#include "SimulatedRadio.h"

#include <atomic>
#include <string>

namespace pmr::sim {

class PtyRadio {
public:
    explicit PtyRadio(SimulatedRadio& radio) : radio_(radio) {}
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    /// Creates the terminal in raw mode; false with a reason on failure.
    bool Open(std::string& error);
    /// The device path the programmer opens, e.g. /dev/pts/5.
    const std::string& DevicePath() const { return path_; }

    /// Serves the line until `stop` becomes true or the radio asks to exit;
    /// then closes the terminal (a programmer holding it open sees the line go).
    void Run(const std::atomic<bool>& stop);
    void Close();

    /// Nanoseconds of the clock the radio runs on (monotonic).
    static std::int64_t Now();

private:
    SimulatedRadio& radio_;
    int master_ = -1;
    int slave_ = -1; // kept open so that the line stays up between the programmer's opens
    std::string path_;
};

} // namespace pmr::sim
