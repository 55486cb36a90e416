// pmr-cli read FILE.dat: the radio into a document file.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentFiles.h"
#include "link/TransferDriver.h"

namespace pmr::cli {

int ReadCommand(CliSession& session, const CliOptions& options) {
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
