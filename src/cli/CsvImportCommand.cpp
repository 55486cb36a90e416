// pmr-cli csv-import IN.csv OUT.dat [--into DOC.dat] [--fill]: a CSV channel
// list into a document file, with the row report on stderr.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvText.h"
#include "document/NewDocument.h"
#include "files/DocumentFiles.h"
#include "files/FileBytes.h"
#include "files/FileTemplateLoader.h"

namespace pmr::cli {

int CsvImportCommand(CliSession& session, const CliOptions& options) {
    AppContext& app = session.App();
    // One byte over the reader's bound is enough to refuse a larger file.
    const auto bytes = ReadFileStart(options.file, kCsvMaxBytes + 1);
    if (!bytes) {
        session.Tell(options.file + " cannot be read", true);
        return kExitFileError;
    }
    if (!options.into.empty()) {
        if (const int rc = OpenDocumentArgument(session, options.into); rc != kExitOk)
            return rc;
    } else {
        FileTemplateLoader templates(session.Launcher());
        NewDocument(app, session.User(), &templates);
    }

    const CsvImportPlan plan = PlanChannelImport(
        app, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
        options.fill ? CsvImportMode::Fill : CsvImportMode::Replace);
    // The report is the command's answer: said even with --quiet.
    const bool clean = plan.report.Clean();
    for (const std::string& line : CsvReportTextLines(app.texts, plan.report))
        session.Tell(options.file + ": " + line, !clean);
    if (!plan.report.fileFault.empty())
        return kExitFileError;
    if (plan.report.Refused())
        return kExitRowsNotTaken;

    ApplyChannelImport(app, plan);
    app.docState.CurrentFileName = options.output;
    DocumentFiles files(app, session.User(), session.Launcher());
    if (files.SaveDocumentFile() != FileOutcome::Done) {
        session.Tell(options.output + " could not be written", true);
        return kExitFileError;
    }
    session.Tell("wrote " + options.output, !clean);
    return clean ? kExitOk : kExitRowsNotTaken;
}

} // namespace pmr::cli
