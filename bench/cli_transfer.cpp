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
// Then the write that keeps a backup (pmr-cli write without --plain):
//   one channel changed: the backup read (320 blocks and the serial-number
//   block), 1-2 blocks written, the read-back session; measured against the
//   wire time of a read;
//   a backup restored, every block changed: the backup read, 320 blocks
//   written, 320 read back: 57 + 321 x 26 + 320 x 23 + 4 + 57 + 320 x 26
//   = 24144 bytes = 25.150 s.
//
// Usage: bench_cli_transfer [RUNS]

#include "ChildProcess.h"
#include "backup/BackupStore.h"
#include "files/DocumentRecord.h"
#include "files/FileBytes.h"

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
    constexpr int kSession = 10 + 17 + 26 + 4;
    constexpr int kReadWire = kSession + 320 * 26;
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

    // Two documents one channel apart: each safe write changes that channel.
    const fs::path other = root / "other.dat";
    {
        const auto bytes = pmr::ReadFileStart(document.string(), pmr::kDocumentRecordSize);
        pmr::RadioDocument doc = pmr::DecodeDocumentRecord(*bytes);
        doc.Channels[0].TxPower = doc.Channels[0].TxPower == 0 ? 1 : 0;
        const auto record = pmr::EncodeDocumentRecord(doc);
        pmr::ReplaceFileStart(other.string(), record);
    }
    std::vector<double> safe;
    for (int i = 0; i < runs; ++i)
        safe.push_back(Timed({"write", (i % 2 == 0 ? other : document).string()}, device, root));
    std::sort(safe.begin(), safe.end());
    if (safe.front() < 0) {
        std::printf("safe write FAILED\n");
        ok = false;
    } else {
        const double read = kReadWire * kByteSeconds;
        std::printf("pmr-cli write, one channel changed: median %.3f s of %d runs (best %.3f s), "
                    "wire time of a read %.3f s, ratio %.4f\n",
                    safe[safe.size() / 2], runs, safe.front(), read, safe[safe.size() / 2] / read);
    }

    // A backup differing from the radio in every block, restored whole.
    const auto kept = pmr::BackupStore((root / "data" / "pmrprog" / "backups").string()).List();
    std::string error;
    const auto image = kept.empty() ? std::nullopt : pmr::LoadBackupImage(kept[0].imagePath, error);
    std::optional<pmr::BackupInfo> changed;
    if (image) {
        auto every = *image;
        for (int a = 0; a < 0x13F0; a += 16)
            every[static_cast<std::size_t>(a + 15)] ^= 0x01;
        const std::uint8_t dat[] = {0};
        changed = pmr::BackupStore((root / "changed").string()).Keep(every, "", 0, dat, error);
    }
    std::vector<double> all;
    for (int i = 0; changed && i < runs; ++i)
        all.push_back(Timed({"restore", changed->imagePath}, device, root));
    std::sort(all.begin(), all.end());
    if (all.empty() || all.front() < 0) {
        std::printf("restore FAILED %s\n", error.c_str());
        ok = false;
    } else {
        const int wireBytes = kSession + 321 * 26 + 320 * 23 + 4 + kSession + 320 * 26;
        const double wire = wireBytes * kByteSeconds;
        std::printf("pmr-cli restore, every block changed: median %.3f s of %d runs (best %.3f s), "
                    "wire minimum %.3f s (%d bytes), ratio %.4f\n",
                    all[all.size() / 2], runs, all.front(), wire, wireBytes,
                    all[all.size() / 2] / wire);
    }
    ::kill(radio.pid, SIGTERM);
    Wait(radio.pid, 10);
    fs::remove_all(root);
    return ok ? 0 : 1;
}
