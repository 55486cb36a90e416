// Opening the document file a command names, with the exit status of each way
// it can fail.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "files/DocumentFiles.h"

namespace pmr::cli {

int OpenDocumentArgument(CliSession& session, const std::string& path) {
    AppContext& app = session.App();
    app.docState.CurrentFileName = path;
    DocumentFiles files(app, session.User(), session.Launcher());
    switch (files.OpenDocumentFile()) {
    case FileOutcome::Done:
        return kExitOk;
    case FileOutcome::VersionDeclined:
        session.Tell(path + " needs another program version (use --yes to start it)", true);
        return kExitOtherVersion;
    case FileOutcome::ProgramEnds:
        session.Tell("handed over to the program version that fits " + path);
        return kExitProgramSwitch;
    case FileOutcome::BadTag:
    case FileOutcome::FileError:
        break;
    }
    session.Tell(path + " is not a document file this program can read", true);
    return kExitFileError;
}

} // namespace pmr::cli
