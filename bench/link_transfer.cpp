// Whole read and write of the radio at the real wire speed: the program (the
// transfer driver on QSerialPort and QTimer) against the simulated radio paced
// at 9600 bit/s, 10 bits a byte, in both directions. Prints the wall time, its
// ratio to the time the bytes alone need on the wire, and the program's
// turnaround per block.
//
// Wire minimum, no echo, counted from the first byte the program sends to the
// radio's last byte:
//   handshake 7 + 3, identification 1 + 16, password block 4 + 22, end 3 + 1;
//   read:  320 x (4 + 22) bytes, in all 8377 bytes = 8.726 s
//   write: 320 x (22 + 1) bytes, in all 7417 bytes = 7.726 s
// (at 960 bytes a second). The program's own pauses before the first byte (the
// 100 ms for the editors to commit before a write) are shown apart.
//
// The write that keeps a backup adds, over the same bytes:
//   backup session: handshake, identification, password, 320 blocks and the
//   serial-number block read (4 + 22 each), end;
//   the changed blocks written (22 + 1 each), end;
//   read-back session: handshake, identification, password, the changed
//   blocks read, end.
// It is measured for a document that differs from the radio in one channel
// (against the wire time of a read) and for a backup written back whole,
// which changes every block (against its own wire minimum).
//
// Usage: bench_link_transfer [--echo]

#include "DevicePortList.h"
#include "PortMapping.h"
#include "PtyRadio.h"
#include "QtSerialPortService.h"
#include "QtTimerService.h"
#include "RadioMemory.h"
#include "SimulatedRadio.h"
#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/Startup.h"
#include "link/LinkTrace.h"
#include "link/LinkUser.h"
#include "link/TransferDriver.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>

using namespace pmr;
using Clock = std::chrono::steady_clock;

namespace {

class BenchUser : public LinkUser {
public:
    void ShowMessage(const std::string& text, Severity) override {
        if (text.find("complete") == std::string::npos)
            std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    Answer Ask(const std::string&, Buttons buttons, Severity) override {
        return buttons == Buttons::OkCancel ? Answer::Ok : Answer::Cancel;
    }
    std::optional<std::string> AskPassword(const std::string&) override { return std::nullopt; }
};

// Notes the time of the first byte sent.
class FirstByte : public LinkTrace {
public:
    std::optional<Clock::time_point> first;
    void Sent(std::int64_t, const std::vector<std::uint8_t>&) override {
        if (!first)
            first = Clock::now();
    }
    void Received(std::int64_t, const std::vector<std::uint8_t>&) override {}
    void Timeout(std::int64_t, int mode, int state) override {
        std::fprintf(stderr, "time-out in mode %d state %d\n", mode, state);
    }
    void Note(std::int64_t, const std::string&) override {}
};

std::string ScratchInstall() {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("pmr-bench-" + std::to_string(::getpid()));
    const fs::path from = PMR_INSTALL_ROOT;
    fs::remove_all(root);
    fs::create_directories(root / "V100");
    fs::copy_file(from / "Version.ini", root / "Version.ini");
    fs::copy(from / "language", root / "language", fs::copy_options::recursive);
    for (const char* sub : {"language", "Init", "PIC"})
        if (fs::exists(from / "V100" / sub))
            fs::copy(from / "V100" / sub, root / "V100" / sub, fs::copy_options::recursive);
    return root.string();
}

struct Run {
    double wallSeconds = 0;  // first byte sent to the end
    double startSeconds = 0; // the command to the first byte
    bool ok = false;
};

Run Transfer(TransferDriver& driver, FirstByte& trace, bool write, WriteRequest request = {}) {
    Run run;
    trace.first.reset();
    std::optional<TransferResult> result;
    QEventLoop loop;
    driver.SetFinishedHandler([&](LinkMode, TransferResult r) {
        result = r;
        loop.quit();
    });
    const auto start = Clock::now();
    if (write ? driver.StartWrite(request) : driver.StartRead())
        if (!result)
            loop.exec();
    const auto end = Clock::now();
    run.ok = result == TransferResult::Success && trace.first;
    if (trace.first) {
        run.wallSeconds = std::chrono::duration<double>(end - *trace.first).count();
        run.startSeconds = std::chrono::duration<double>(*trace.first - start).count();
    }
    return run;
}

// Bytes on the wire of one session's start and end, and of one block.
constexpr int kSessionBytes = 10 + 17 + 26 + 4;
constexpr int kReadBlockBytes = 4 + 22;
constexpr int kWriteBlockBytes = 22 + 1;

void Report(const char* what, const Run& run, int wireBytes, std::vector<std::int64_t> turn,
            int againstBytes = 0) {
    const double wire = wireBytes * sim::kByteNanos / 1e9;
    if (againstBytes > 0) {
        const double against = againstBytes * sim::kByteNanos / 1e9;
        std::printf("%-5s %s: wall from the command %.3f s; against the wire time of a read "
                    "(%.3f s) ratio %.4f\n",
                    what, run.ok ? "ok" : "FAILED", run.wallSeconds + run.startSeconds, against,
                    (run.wallSeconds + run.startSeconds) / against);
    }
    std::sort(turn.begin(), turn.end());
    const double median = turn.empty() ? 0 : turn[turn.size() / 2] / 1e6;
    const double max = turn.empty() ? 0 : turn.back() / 1e6;
    std::printf("%-5s %s: wall %.3f s, wire minimum %.3f s (%d bytes), ratio %.4f; "
                "before the first byte %.3f s; turnaround per block median %.3f ms, max %.3f ms "
                "(%zu blocks)\n",
                what, run.ok ? "ok" : "FAILED", run.wallSeconds, wire, wireBytes,
                run.wallSeconds / wire, run.startSeconds, median, max, turn.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    const bool echo = argc > 1 && std::string(argv[1]) == "--echo";

    sim::RadioMemory memory = sim::MakeDefaultRadio();
    sim::SimOptions options;
    options.pace = true;
    options.echo = echo;
    sim::SimulatedRadio radio(memory, options);
    sim::PtyRadio pty(radio);
    std::string error;
    if (!pty.Open(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread line([&] { pty.Run(stop); });

    const std::string root = ScratchInstall();
    // The backups of the safe writes go into the scratch folder.
    ::setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
    WriteProfileString(root + "/language/mysetup.ini", "ports", "3", pty.DevicePath());
    WriteProfileString(root + "/language/mysetup.ini", "language", "comPort", "3");
    AppContext app;
    BenchUser user;
    RunStartup(app, root + "/V100", user);
    app.link.EchoExpected = echo; // the program already knows its cable
    PortMapping mapping(PortMapping::ReadOverrides(root + "/language/mysetup.ini"));
    QtSerialPortService port(mapping);
    QtTimerService timers;
    DevicePortList ports(mapping);
    FirstByte trace;
    bool allOk = true;
    {
        TransferDriver driver(app, port, timers, ports, user);
        driver.SetTrace(&trace);

        const Run read = Transfer(driver, trace, false);
        // Turnarounds are read on the radio's thread; it is idle between transfers.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        auto turns = radio.Stats().turnaroundNanos;
        Report("read", read, 10 + 17 + 26 + 320 * 26 + 4, turns);
        const std::size_t afterRead = turns.size();

        // Let the read's decode run, so that the write sends the document.
        QEventLoop settle;
        QTimer::singleShot(kReadOkTimerMs + 100, &settle, &QEventLoop::quit);
        settle.exec();

        const Run write = Transfer(driver, trace, true);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        turns = radio.Stats().turnaroundNanos;
        Report("write", write, 10 + 17 + 26 + 320 * 23 + 4,
               {turns.begin() + static_cast<long>(afterRead), turns.end()});
        std::this_thread::sleep_for(std::chrono::milliseconds(200));

        // One channel differs from the radio: its power level.
        ChannelRecord& first = app.doc.Channels[0];
        first.TxPower = first.TxPower == 0 ? 1 : 0;
        const std::size_t beforeSafe = radio.Stats().turnaroundNanos.size();
        const Run safe = Transfer(driver, trace, true, WriteRequest{WriteKind::Safe});
        const int changed = driver.LastWrite().changed.Size();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        turns = radio.Stats().turnaroundNanos;
        const int readBytes = kSessionBytes + 320 * kReadBlockBytes;
        const int safeBytes = readBytes + kReadBlockBytes + changed * kWriteBlockBytes + 4 +
                              kSessionBytes + changed * kReadBlockBytes;
        std::printf("safe write of one channel: %d blocks changed\n", changed);
        Report("safe", safe, safeBytes,
               {turns.begin() + static_cast<long>(beforeSafe), turns.end()}, readBytes);

        // A backup written back whole: every block changes.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        WriteRequest restore{WriteKind::Restore};
        restore.restoreImage = driver.LastWrite().radioBefore;
        for (int a = 0; a < kImageSize; a += kBlockLength)
            if (a < 0x13F0)
                restore.restoreImage[static_cast<std::size_t>(a + 15)] ^= 0x01;
        const std::size_t beforeAll = radio.Stats().turnaroundNanos.size();
        const Run all = Transfer(driver, trace, true, restore);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        turns = radio.Stats().turnaroundNanos;
        const int allBytes = readBytes + kReadBlockBytes + 320 * kWriteBlockBytes + 4 +
                             kSessionBytes + 320 * kReadBlockBytes;
        Report("all", all, allBytes, {turns.begin() + static_cast<long>(beforeAll), turns.end()});
        allOk = read.ok && write.ok && safe.ok && all.ok;
    }
    stop = true;
    line.join();
    std::filesystem::remove_all(root);
    return allOk ? 0 : 1;
}
