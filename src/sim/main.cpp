// pmr-radio-sim: a simulated radio on a pseudo-terminal.

#include "PtyRadio.h"
#include "RadioMemory.h"
#include "SimOptions.h"
#include "SimulatedRadio.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <thread>

namespace {

using namespace pmr::sim;

bool LoadFiles(const SimOptions& o, RadioMemory& m, std::string& error) {
    return (o.imageFile.empty() || LoadMemoryFile(o.imageFile, m.image, error)) &&
           (o.infoFile.empty() || LoadMemoryFile(o.infoFile, m.info, error)) &&
           (o.testDataFile.empty() || LoadMemoryFile(o.testDataFile, m.testData, error));
}

void SaveFiles(const SimOptions& o, const RadioMemory& m) {
    std::string error;
    if ((!o.saveImageFile.empty() && !SaveMemoryFile(o.saveImageFile, m.image, error)) ||
        (!o.saveInfoFile.empty() && !SaveMemoryFile(o.saveInfoFile, m.info, error)) ||
        (!o.saveTestDataFile.empty() && !SaveMemoryFile(o.saveTestDataFile, m.testData, error)))
        std::cerr << "pmr-radio-sim: " << error << '\n';
}

void ApplyIdentity(const SimOptions& o, RadioMemory& m) {
    if (o.model)
        m.SetModel(*o.model);
    if (o.band)
        m.SetBand(static_cast<std::uint8_t>(*o.band));
    if (o.version)
        m.SetVersion(*o.version);
    if (o.feature)
        m.SetFeature(static_cast<std::uint8_t>(*o.feature));
    if (o.password)
        m.SetPassword(*o.password);
}

} // namespace

int main(int argc, char** argv) {
    SimOptions options;
    bool help = false;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, help, error)) {
        std::cerr << "pmr-radio-sim: " << error << "\nTry 'pmr-radio-sim --help'.\n";
        return 2;
    }
    if (help) {
        std::cout << SimUsageText();
        return 0;
    }
    RadioMemory memory = MakeDefaultRadio();
    if (!LoadFiles(options, memory, error)) {
        std::cerr << "pmr-radio-sim: " << error << '\n';
        return 1;
    }
    ApplyIdentity(options, memory);

    SimulatedRadio radio(memory, options);
    radio.SetLog([](const std::string& line) { std::cerr << line << '\n'; });
    radio.OnEndFrame([&] { SaveFiles(options, memory); });
    PtyRadio pty(radio);
    if (!pty.Open(error)) {
        std::cerr << "pmr-radio-sim: " << error << '\n';
        return 1;
    }
    std::cout << pty.DevicePath() << std::endl;

    // Signals are taken by this thread with sigtimedwait; the line runs on its own.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::atomic<bool> stop{false}, done{false};
    std::thread line([&] {
        pty.Run(stop);
        done = true;
    });
    const timespec tick{0, 100'000'000};
    while (!done.load()) {
        if (sigtimedwait(&signals, nullptr, &tick) > 0)
            stop = true;
    }
    line.join();
    SaveFiles(options, memory);
    const auto& s = radio.Stats();
    if (options.verbose)
        std::cerr << "frames " << s.frames << ", blocks read " << s.blocksRead << ", written "
                  << s.blocksWritten << '\n';
    return 0;
}
