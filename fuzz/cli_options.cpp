// Any command line for pmr-cli (the input's NUL bytes separate the arguments):
// parsing never crashes, a refusal always says why, and an accepted line
// names a command the programmer has, with a file where the command needs one
// and a password the radio can store.

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
    const bool needsFile = options.command == "read" || options.command == "write";
    Check(needsFile || options.command == "info");
    Check(!needsFile || !options.file.empty());
    Check(!options.password || options.password->size() <= 4);
    return 0;
}
