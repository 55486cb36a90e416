// The whole programmer process against the radio at the real wire speed:
// pmr-cli read and the plain pmr-cli write, each started as a process and
// timed from its start to its exit, against pmr-radio-sim --pace (9600 bit/s,
// 10 bits a byte, both ways) on a pseudo-terminal. Prints the wall time and
// its ratio to the time the bytes alone need on the wire (no echo):
//   read:  10 + 17 + 26 + 320 x 26 + 4 = 8377 bytes = 8.726 s
//   write: 10 + 17 + 26 + 320 x 23 + 4 = 7417 bytes = 7.726 s
// Everything the process does besides (starting, reading its files, writing
// the document) counts against it.
//
// Usage: bench_cli_transfer [RUNS]

#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace pmr::tools;

namespace {

constexpr double kByteSeconds = 10.0 / 9600;

fs::path ScratchInstall() {
    const fs::path root = fs::temp_directory_path() / ("pmr-bench-cli-" + std::to_string(::getpid()));
    const fs::path from = PMR_INSTALL_ROOT;
    fs::remove_all(root);
    fs::create_directories(root / "V100");
    fs::copy_file(from / "Version.ini", root / "Version.ini");
    fs::copy(from / "language", root / "language", fs::copy_options::recursive);
    for (const char* sub : {"language", "Init"})
        fs::copy(from / "V100" / sub, root / "V100" / sub, fs::copy_options::recursive);
    ::setenv("HOME", root.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    return root;
}

/// Seconds from the start of `args` to its exit; negative when it failed.
double Timed(std::vector<std::string> args, const fs::path& device, const fs::path& root) {
    args.insert(args.begin(), (fs::path(PMR_PROGRAM_DIR) / "pmr-cli").string());
    args.insert(args.end(), {"--port", device.string(), "--program-dir", (root / "V100").string(),
                             "-q"});
    const auto start = std::chrono::steady_clock::now();
    const Process cli = Spawn(args, root / "cli.out", false);
    const Ended ended = Wait(cli.pid, 120);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ended.exited && ended.status == 0 ? seconds : -1;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const fs::path root = ScratchInstall();
    const Process radio =
        Spawn({(fs::path(PMR_PROGRAM_DIR) / "pmr-radio-sim").string(), "--pace"}, {}, true);
    const fs::path device = FirstLine(radio.stdoutFd);
    const fs::path document = root / "radio.dat";
    struct Kind {
        const char* name;
        std::vector<std::string> args;
        int wireBytes;
    } kinds[] = {
        {"read", {"read", document.string()}, 10 + 17 + 26 + 320 * 26 + 4},
        {"write", {"write", document.string(), "--plain"}, 10 + 17 + 26 + 320 * 23 + 4},
    };
    bool ok = true;
    for (const Kind& kind : kinds) {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
            times.push_back(Timed(kind.args, device, root));
        std::sort(times.begin(), times.end());
        const double wire = kind.wireBytes * kByteSeconds;
        if (times.front() < 0) {
            std::printf("%-5s FAILED\n", kind.name);
            ok = false;
            continue;
        }
        const double median = times[times.size() / 2];
        std::printf("pmr-cli %-5s: median %.3f s of %d runs (best %.3f s), wire minimum %.3f s "
                    "(%d bytes), ratio %.4f\n",
                    kind.name, median, runs, times.front(), wire, kind.wireBytes, median / wire);
    }
    ::kill(radio.pid, SIGTERM);
    Wait(radio.pid, 10);
    fs::remove_all(root);
    return ok ? 0 : 1;
}
