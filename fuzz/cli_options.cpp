// Any command line for pmr-cli (the input's NUL bytes separate the arguments):
// parsing never crashes, a refusal always says why, and an accepted line
// names a command the programmer has, with the files the command needs, only
// the options that belong to it and a password the radio can store.

#include "CliOptions.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    pmr::cli::CliOptions options;
    std::string error;
    if (!pmr::cli::ParseCliOptions(args, options, error)) {
        Check(!error.empty());
        return 0;
    }
    if (options.help)
        return 0;
    // What each command needs before it may run.
    const std::string& command = options.command;
    const bool oneFile = command == "read" || command == "write" || command == "restore";
    const bool twoFiles =
        command == "csv-export" || command == "csv-import" || command == "report";
    const bool diff = command == "diff";
    Check(oneFile || twoFiles || diff || command == "info");
    Check(!(oneFile || twoFiles || diff) || !options.file.empty());
    Check(!twoFiles || !options.output.empty());
    Check(!diff || options.output.empty() == !options.port.empty());
    Check(command != "info" || (options.file.empty() && options.output.empty()));
    Check(options.log.empty() || command == "write" || command == "restore");
    Check(!options.json || diff);
    Check((options.language.empty() && options.paper.empty()) || command == "report");
    Check(options.language.empty() || options.language == "en" || options.language == "zh");
    Check(options.paper.empty() || options.paper == "a4" || options.paper == "letter");
    Check(command != "report" || options.ports.empty());
    Check(!options.fill || (command == "csv-import" && !options.into.empty()));
    Check(!(options.plain || options.dryRun) || command == "write");
    Check(options.powerOnText.empty() || command == "write");
    Check(options.ports.size() <= 1 || (command == "write" && !options.dryRun));
    Check(!options.password || options.password->size() <= 4);
    return 0;
}
