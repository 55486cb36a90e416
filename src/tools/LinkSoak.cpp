// pmr-link-soak: many whole-process transfers (pmr-cli against pmr-radio-sim
// on a pseudo-terminal) with faults drawn at random from a seed, counting what
// must never happen:
//   crashes      pmr-cli or the radio ended by a signal;
//   hangs        a transfer not ended within its worst case;
//   documents    a failed read that changed the document file it was given;
//   files        a failed transfer that changed another file of the
//                installation (mysetup.ini aside: the link search may save
//                the setting it found there);
//   false reads  a read reported as success whose document differs from the
//                radio's;
//   false writes a write reported as success after which the radio does not
//                hold every block of the document.
// Every count must be 0; the exit status is 1 otherwise. A transfer's faults
// follow from its seed alone, so a finding is repeated with --first N --count 1.
//
// Usage: pmr-link-soak [--first SEED] [--count N] [--verbose]

#include "ChildProcess.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using pmr::tools::Ended;
using pmr::tools::FirstLine;
using pmr::tools::Process;
using pmr::tools::Spawn;
using pmr::tools::Wait;

namespace {

// The worst case of one transfer, from the driver's own limits. The longest
// is the write that keeps the radio's memory: a session that reads all 320
// blocks and the serial number and writes up to 320, then a second one that
// reads the written blocks back, each with its handshake, identification,
// password and end. Every frame may wait out its time-out before each of its
// 3 resends; a write block may in addition draw 32 resend requests, each one
// frame time; the handshake is tried up to 5 times; then the link search may
// walk the ports. Everything else (the wire, the start of two processes)
// fits in the margin.
constexpr double kResponseTimeoutS = 0.150;
constexpr int kFrames = 2 * 4 + 321 + 320 + 320;
constexpr int kAttemptsPerFrame = 4;
constexpr double kFrameTimeS = 23 * 10 / 9600.0;
constexpr int kResendsPerBlock = 32;
constexpr double kMarginS = 20;
constexpr double kWorstCaseS = kFrames * kAttemptsPerFrame * kResponseTimeoutS +
                               kFrames * kResendsPerBlock * kFrameTimeS + 5 * kResponseTimeoutS +
                               kMarginS;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

/// Every file under `root` with its contents, but the ones that may change.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        if (name == "mysetup.ini")
            continue;
        files[fs::relative(entry.path(), root).string()] = ReadFile(entry.path());
    }
    return files;
}

enum class Command { Read, Write, Info };

/// One transfer's command and the radio's faults, drawn from its seed.
struct Plan {
    Command command = Command::Read;
    std::vector<std::string> simOptions;
    std::string Describe() const {
        std::string text = command == Command::Read    ? "read"
                           : command == Command::Write ? "write"
                                                       : "info";
        for (const auto& o : simOptions)
            text += ' ' + o;
        return text;
    }
};

Plan DrawPlan(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    Plan plan;
    const int kind = between(0, 99);
    plan.command = kind < 45 ? Command::Read : kind < 90 ? Command::Write : Command::Info;
    auto& o = plan.simOptions;
    if (chance(30))
        o.push_back("--echo");
    if (chance(30))
        o.insert(o.end(), {"--latency", std::to_string(between(0, 8))});
    if (chance(10))
        o.insert(o.end(), {"--answer-from", std::to_string(between(2, 7))});
    if (chance(10))
        o.insert(o.end(), {"--silent-after", std::to_string(between(1, 330))});
    if (chance(10))
        o.insert(o.end(), {"--exit-after", std::to_string(between(1, 330))});
    if (chance(15)) {
        std::string list;
        for (int i = between(1, 3); i > 0; --i)
            list += (list.empty() ? "" : ",") + std::to_string(between(0, 319) * 16) + ':' +
                    std::to_string(between(1, 40));
        o.insert(o.end(), {"--resend", list});
    }
    for (const char* option : {"--bad-checksum", "--split"})
        if (chance(15)) {
            std::string list;
            for (int i = between(1, 4); i > 0; --i)
                list += (list.empty() ? "" : ",") + std::to_string(between(1, 330));
            o.insert(o.end(), {option, list});
        }
    if (chance(5))
        o.push_back("--no-end-ack");
    if (chance(40)) {
        static const int kNoise[] = {2, 10, 50, 200};
        o.insert(o.end(), {"--noise", std::to_string(kNoise[between(0, 3)]), "--seed",
                           std::to_string(seed)});
    }
    return plan;
}

// The radio of the writes: the default identity over a memory file (named last).
const std::vector<std::string> kStaleRadio{"--model", "VX210", "--band",    "4",
                                           "--version", "V100", "--feature", "0", "--image"};

struct Counts {
    int transfers = 0, succeeded = 0;
    int crashes = 0, hangs = 0, documents = 0, files = 0, falseReads = 0, falseWrites = 0;
    int Bad() const { return crashes + hangs + documents + files + falseReads + falseWrites; }
};

class Soak {
public:
    Soak(const fs::path& programDir, fs::path work, bool verbose)
        : work_(std::move(work)), verbose_(verbose) {
        // A private installation with its own copy of the two programs, so that
        // nothing the transfers write touches the real one, and a rebuild
        // during a long run changes nothing under it.
        fs::remove_all(work_);
        const fs::path install = work_ / "install";
        fs::create_directories(install / "V100");
        fs::create_directories(work_ / "bin");
        cli_ = work_ / "bin" / "pmr-cli";
        sim_ = work_ / "bin" / "pmr-radio-sim";
        fs::copy_file(programDir / "pmr-cli", cli_);
        fs::copy_file(programDir / "pmr-radio-sim", sim_);
        const fs::path from = programDir.parent_path();
        fs::copy_file(from / "Version.ini", install / "Version.ini");
        fs::copy(from / "language", install / "language", fs::copy_options::recursive);
        for (const char* sub : {"language", "Init", "Setting.ini", "BatchFun.ini"})
            if (fs::exists(programDir / sub))
                fs::copy(programDir / sub, install / "V100" / sub, fs::copy_options::recursive);
        programDir_ = install / "V100";
        ::setenv("XDG_CONFIG_HOME", (work_ / "config").c_str(), 1);
        ::setenv("HOME", work_.c_str(), 1);
    }

    /// The radio's document and the image a whole write of it leaves behind.
    bool Prepare() {
        base_ = work_ / "radio.dat";
        if (Transfer({}, {"read", base_.string()}).status != 0) {
            std::fprintf(stderr, "pmr-link-soak: the clean read failed\n");
            return false;
        }
        baseBytes_ = ReadFile(base_);
        // Writes go to a radio whose memory differs from the document in every
        // byte but its identity, so that a block left out shows.
        WriteFile(work_ / "stale.bin", std::string(5120, '\x5A'));
        std::vector<std::string> stale(kStaleRadio.begin(), kStaleRadio.end());
        stale.push_back((work_ / "stale.bin").string());
        if (Transfer(stale, {"write", base_.string()}).status != 0) {
            std::fprintf(stderr, "pmr-link-soak: the clean write failed\n");
            return false;
        }
        written_ = ReadFile(work_ / "radio-after.bin");
        return written_.size() == 5120;
    }

    void Run(std::uint32_t seed, Counts& counts) {
        const Plan plan = DrawPlan(seed);
        std::vector<std::string> sim = plan.simOptions;
        std::vector<std::string> cli;
        const fs::path target = work_ / "target.dat";
        const std::string stale = "a document the read must not touch\n";
        switch (plan.command) {
        case Command::Read:
            WriteFile(target, stale);
            cli = {"read", target.string()};
            break;
        case Command::Write:
            sim.insert(sim.end(), kStaleRadio.begin(), kStaleRadio.end());
            sim.push_back((work_ / "stale.bin").string());
            cli = {"write", base_.string()};
            break;
        case Command::Info:
            cli = {"info"};
            break;
        }
        const auto before = Snapshot(programDir_.parent_path());
        const Outcome out = Transfer(sim, cli);
        ++counts.transfers;
        std::vector<std::string> findings;
        if (out.crashed)
            findings.push_back("crash (signal " + std::to_string(out.status) + ")");
        if (out.timedOut)
            findings.push_back("hang");
        const bool ok = !out.crashed && !out.timedOut && out.status == 0;
        counts.succeeded += ok;
        if (plan.command == Command::Read && !ok && ReadFile(target) != stale)
            findings.push_back("document changed by a failed read");
        if (!ok && Snapshot(programDir_.parent_path()) != before)
            findings.push_back("file changed by a failed transfer");
        if (plan.command == Command::Read && ok && ReadFile(target) != baseBytes_)
            findings.push_back("read reported as success with a wrong document");
        if (plan.command == Command::Write && ok && ReadFile(work_ / "radio-after.bin") != written_)
            findings.push_back("write reported as success without every block written");
        for (const auto& f : findings) {
            if (f.starts_with("crash"))
                ++counts.crashes;
            else if (f == "hang")
                ++counts.hangs;
            else if (f.starts_with("document"))
                ++counts.documents;
            else if (f.starts_with("file"))
                ++counts.files;
            else if (f.starts_with("read"))
                ++counts.falseReads;
            else
                ++counts.falseWrites;
        }
        if (verbose_ || !findings.empty()) {
            std::printf("seed %u: %s -> exit %d (%.2f s)", seed, plan.Describe().c_str(),
                        out.status, out.seconds);
            for (const auto& f : findings)
                std::printf("; %s", f.c_str());
            std::printf("\n");
            std::fflush(stdout);
        }
    }

private:
    struct Outcome {
        int status = -1;
        bool crashed = false, timedOut = false;
        double seconds = 0;
    };

    Outcome Transfer(std::vector<std::string> simOptions, std::vector<std::string> cliArgs) {
        Outcome out;
        const fs::path after = work_ / "radio-after.bin";
        fs::remove(after);
        std::vector<std::string> simArgs{sim_.string(), "--save-image", after.string()};
        simArgs.insert(simArgs.end(), simOptions.begin(), simOptions.end());
        Process radio = Spawn(simArgs, {}, true);
        if (radio.pid < 0)
            Abandon("cannot start " + sim_.string());
        const std::string device = FirstLine(radio.stdoutFd);
        std::vector<std::string> args{cli_.string()};
        args.insert(args.end(), cliArgs.begin(), cliArgs.end());
        args.insert(args.end(), {"--port", device, "--program-dir", programDir_.string(), "-q"});
        const auto start = Clock::now();
        Process cli = Spawn(args, work_ / "out.txt", false);
        if (cli.pid < 0) {
            ::kill(radio.pid, SIGKILL);
            Abandon("cannot start " + cli_.string());
        }
        const Ended ended = Wait(cli.pid, kWorstCaseS);
        out.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        ::kill(radio.pid, SIGTERM);
        const Ended radioEnded = Wait(radio.pid, 10);
        ::close(radio.stdoutFd);
        out.timedOut = ended.timedOut;
        out.crashed = (!ended.exited && !ended.timedOut) ||
                      (!radioEnded.exited && radioEnded.status != SIGTERM);
        out.status = ended.status;
        return out;
    }

    [[noreturn]] void Abandon(const std::string& why) {
        std::fprintf(stderr, "pmr-link-soak: %s\n", why.c_str());
        std::exit(2);
    }

    fs::path cli_, sim_, work_, programDir_, base_;
    bool verbose_;
    std::string baseBytes_, written_;
};

} // namespace

int main(int argc, char** argv) {
    std::uint32_t first = 1;
    int count = 1000;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--first" && i + 1 < argc)
            first = static_cast<std::uint32_t>(std::stoul(argv[++i]));
        else if (arg == "--count" && i + 1 < argc)
            count = std::stoi(argv[++i]);
        else if (arg == "--verbose")
            verbose = true;
        else {
            std::fprintf(stderr, "usage: pmr-link-soak [--first SEED] [--count N] [--verbose]\n");
            return 2;
        }
    }
    ::signal(SIGPIPE, SIG_IGN);
    const fs::path programDir = PMR_PROGRAM_DIR;
    const fs::path work = fs::temp_directory_path() / ("pmr-soak-" + std::to_string(::getpid()));
    Soak soak(programDir, work, verbose);
    if (!soak.Prepare())
        return 1;
    Counts counts;
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i)
        soak.Run(first + static_cast<std::uint32_t>(i), counts);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%d transfers (seeds %u-%u) in %.0f s, %d succeeded; crashes %d, hangs %d "
                "(worst case %.0f s), documents changed by failed reads %d, files changed by "
                "failed transfers %d, false successes: reads %d, writes %d\n",
                counts.transfers, first, first + static_cast<std::uint32_t>(count) - 1, seconds,
                counts.succeeded, counts.crashes, counts.hangs, kWorstCaseS, counts.documents,
                counts.files, counts.falseReads, counts.falseWrites);
    fs::remove_all(work);
    return counts.Bad() == 0 ? 0 : 1;
}
