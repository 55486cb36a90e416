// pmr-cli write FILE.dat: a document file into the radio.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentFiles.h"
#include "link/TransferDriver.h"

namespace pmr::cli {

int WriteCommand(CliSession& session, const CliOptions& options) {
    AppContext& app = session.App();
    app.docState.CurrentFileName = options.file;
    DocumentFiles files(app, session.User(), session.Launcher());
    switch (files.OpenDocumentFile()) {
    case FileOutcome::Done:
        break;
    case FileOutcome::VersionDeclined:
        session.Tell(options.file + " needs another program version (use --yes to start it)", true);
        return kExitOtherVersion;
    case FileOutcome::ProgramEnds:
        session.Tell("handed over to the program version that fits " + options.file);
        return kExitProgramSwitch;
    case FileOutcome::BadTag:
    case FileOutcome::FileError:
        session.Tell(options.file + " is not a document file this program can read", true);
        return kExitFileError;
    }
    const TransferResult result =
        session.Run([](TransferDriver& d) { return d.StartWrite(); }, false);
    if (result != TransferResult::Success) {
        session.Tell(std::string("writing failed: ") + DescribeResult(result), true);
        return ExitCodeFor(result);
    }
    session.Tell("wrote " + options.file + " into the radio");
    return kExitOk;
}

} // namespace pmr::cli
