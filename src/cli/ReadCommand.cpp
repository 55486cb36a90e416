// pmr-cli read FILE.dat: the radio into a document file.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentFiles.h"
#include "link/TransferDriver.h"

#include <filesystem>
#include <unistd.h>

namespace pmr::cli {

namespace {

/// Whether a file can be made at `path`: its folder must exist and take files.
bool FolderTakesFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        folder = ".";
    return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0;
}

} // namespace

int ReadCommand(CliSession& session, const CliOptions& options) {
    // Found out before a whole read, not after it.
    if (!FolderTakesFile(options.file)) {
        session.Tell(options.file + " cannot be written: its folder is missing or read-only", true);
        return kExitFileError;
    }
    const TransferResult result =
        session.Run([](TransferDriver& d) { return d.StartRead(); }, true);
    if (result != TransferResult::Success) {
        session.Tell(std::string("reading failed: ") + DescribeResult(result), true);
        return ExitCodeFor(result);
    }
    AppContext& app = session.App();
    app.docState.CurrentFileName = options.file;
    DocumentFiles files(app, session.User(), session.Launcher());
    if (files.SaveDocumentFile() != FileOutcome::Done) {
        session.Tell("the radio was read, but " + options.file + " could not be written", true);
        return kExitFileError;
    }
    session.Tell("read the radio into " + options.file);
    return kExitOk;
}

} // namespace pmr::cli
