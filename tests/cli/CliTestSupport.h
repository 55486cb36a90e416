#pragma once
// What the pmr-cli tests share: a private copy of the installation, and a run
// of the command line with its exit status and both output streams.

#include "CliSession.h"
#include "platform/LinkTestSupport.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace pmr::test {

class CliTest : public QtLinkTest {
protected:
    struct Outcome {
        int rc;
        std::string out, err;
    };
    Outcome Run(std::vector<std::string> args) {
        args.push_back("--program-dir");
        args.push_back(install_.ProgramFolder());
        std::ostringstream out, err;
        const int rc = cli::RunCli(args, out, err);
        return {rc, out.str(), err.str()};
    }
    std::string Template() { return install_.ProgramFolder() + "/Init/VX210_4.dat"; }
    static std::string Slurp(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(f)), {});
    }
    InstallCopy install_;
};

} // namespace pmr::test
