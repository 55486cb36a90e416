// pmr-cli restore FILE.img: a kept backup back into the radio, whole.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "backup/BackupStore.h"
#include "link/TransferDriver.h"

namespace pmr::cli {

int RestoreCommand(CliSession& session, const CliOptions& options) {
    std::string error;
    const auto image = LoadBackupImage(options.file, error);
    if (!image) {
        session.Tell(options.file + " cannot be restored: " + error, true);
        return kExitFileError;
    }
    WriteRequest request{WriteKind::Restore};
    request.restoreImage = *image;
    const TransferResult result =
        session.Run([&](TransferDriver& d) { return d.StartWrite(request); }, false);
    return ReportWrite(session, result, options.file);
}

} // namespace pmr::cli
