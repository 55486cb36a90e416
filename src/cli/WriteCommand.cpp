// pmr-cli write FILE.dat: a document file into the radio.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "backup/PlainWriteSetting.h"
#include "backup/WriteLog.h"
#include "document/NumberedText.h"
#include "files/DocumentFiles.h"
#include "image/ImageAreas.h"
#include "link/TransferDriver.h"

#include <ctime>
#include <iomanip>
#include <sstream>

namespace pmr::cli {

namespace {

std::string Hex4(int value) {
    std::ostringstream out;
    out << std::hex << std::uppercase << std::setw(4) << std::setfill('0') << value;
    return out.str();
}

// The blocks a dry run found, each with what it holds, on stdout.
void PrintChanges(CliSession& session, const WriteReport& report) {
    std::ostream& out = session.Out();
    if (report.changed.Empty()) {
        out << "no change: the radio already holds the file\n";
        return;
    }
    out << report.changed.Size() << " of " << kImageBlocks << " blocks would change:\n";
    for (int address : report.changed.addresses) {
        ImageBytes before = report.radioBefore, after = report.radioBefore;
        std::copy(report.intended.begin() + address, report.intended.begin() + address + kBlockLength,
                  after.begin() + address);
        out << "  " << Hex4(address) << "  " << JoinAreaNames(DescribeDifferences(before, after))
            << "\n";
    }
}

} // namespace

bool GivePowerOnText(CliSession& session, AppContext& app, int number) {
    const std::string& pattern = session.Options().powerOnText;
    if (pattern.empty())
        return true;
    std::string error;
    const auto text = NumberedText(pattern, number, error);
    if (!text) {
        session.Tell("--power-on-text: " + error, true);
        return false;
    }
    app.doc.Settings.Opt.PowerOnText = *text;
    return true;
}

void LogWrite(CliSession& session, const AppContext& app, const WriteReport& report,
              TransferResult result, const std::string& port, const std::string& documentFile) {
    if (report.dryRun)
        return;
    const std::string& chosen = session.Options().log;
    const std::string path = chosen.empty() ? DefaultWriteLogPath() : chosen;
    const WriteLogEntry entry = WriteLogEntryFor(app.docState, app.link, report, result, port,
                                                 documentFile, std::time(nullptr));
    std::string error;
    if (!AppendWriteLog(path, entry, error))
        session.Tell("warning: the write is not in the log of writes: " + error, true);
}

int ReportWrite(CliSession& session, TransferResult result, const std::string& what) {
    LogWrite(session, session.App(), session.Driver().LastWrite(), result, session.PortDevice(),
             what);
    const WriteReport& report = session.Driver().LastWrite();
    if (!report.backupPath.empty())
        session.Tell("the radio's memory before the write is kept in " + report.backupPath);
    if (result == TransferResult::VerifyFailed) {
        session.Tell("writing failed: read back, the radio does not hold what was written: " +
                         JoinAreaNames(report.mismatchAreas),
                     true);
        // Member by member: what was written, then what was read back.
        for (const DocumentDifference& d : report.mismatchMembers)
            session.Tell("  " + DifferenceLine(session.App().texts, d), true);
        if (!report.restoreWanted)
            session.Tell("to put the radio back as it was: pmr-cli restore " + report.backupPath,
                         true);
        return kExitVerifyFailed;
    }
    if (result == TransferResult::BlockRefused)
        session.Tell("writing failed: the radio refused the block at 0x" + Hex4(report.refusedBlock) +
                         " " + std::to_string(report.refusals) +
                         " times: it received it but would not store it",
                     true);
    else if (result != TransferResult::Success)
        session.Tell(std::string("writing failed: ") + DescribeResult(result), true);
    if (result != TransferResult::Success) {
        if (!report.backupPath.empty())
            session.Tell("to put the radio back as it was: pmr-cli restore " + report.backupPath,
                         true);
        return ExitCodeFor(result);
    }
    if (report.noChange)
        session.Tell("no change: the radio already holds " + what + "; nothing was written");
    else
        session.Tell("wrote " + what + " into the radio" +
                     (report.kind == WriteKind::Plain
                          ? std::string()
                          : " (" + std::to_string(report.changed.Size()) +
                                " blocks, read back and checked)"));
    return kExitOk;
}

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
    if (!GivePowerOnText(session, app, options.numberFrom))
        return kExitUsage;
    WriteRequest request;
    const bool plain = options.plain || (!options.dryRun && PlainWriteChosen(app.paths));
    request.kind = plain ? WriteKind::Plain : WriteKind::Safe;
    request.dryRun = options.dryRun;
    TransferResult result =
        session.Run([&](TransferDriver& d) { return d.StartWrite(request); }, false);
    if (options.dryRun && result == TransferResult::Success) {
        PrintChanges(session, session.Driver().LastWrite());
        session.Tell("nothing was written (--dry-run)");
        return kExitOk;
    }
    const int rc = ReportWrite(session, result, options.file);
    const WriteReport report = session.Driver().LastWrite();
    if (result == TransferResult::VerifyFailed && report.restoreWanted) {
        session.Tell("writing the backup back into the radio");
        WriteRequest restore{WriteKind::Restore};
        restore.restoreImage = report.radioBefore;
        result = session.Run([&](TransferDriver& d) { return d.StartWrite(restore); }, false);
        ReportWrite(session, result, report.backupPath);
    }
    return rc;
}

} // namespace pmr::cli
