// pmr-cli report DOC.dat OUT.pdf: the printable report of a document as PDF,
// the same as File > Export PDF writes.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "ReportPdf.h"
#include "app/InstallPaths.h"
#include "app/TextCatalog.h"
#include "document/CalendarDate.h"
#include "report/DocumentReport.h"

#include <QGuiApplication>
#include <QLocale>

namespace pmr::cli {

int ReportCommand(CliSession& session, const CliOptions& options) {
    if (const int rc = OpenDocumentArgument(session, options.file); rc != kExitOk)
        return rc;
    // The fonts a report is drawn with need the platform of a QGuiApplication;
    // main() starts one for this command.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        session.Tell("report needs the graphical part of Qt, which was not started", true);
        return kExitFailure;
    }
    AppContext& app = session.App();
    TextCatalog chosen;
    if (!options.language.empty()) {
        const char* file = options.language == "zh" ? "chinese.ini" : "english.ini";
        if (!chosen.Load(LanguageFilePath(app.paths, file))) {
            session.Tell(std::string("the language file ") + file + " cannot be read", true);
            return kExitFailure;
        }
    }
    const TextCatalog& texts = options.language.empty() ? app.texts : chosen;
    const PaperSize paper =
        options.paper.empty()
            ? PaperForTerritory(QLocale::territoryToCode(QLocale::system().territory()).toStdString())
            : options.paper == "letter" ? PaperSize::Letter
                                        : PaperSize::A4;
    const DocumentReport report = MakeDocumentReport(app.doc, texts, options.file, SystemToday());
    int pages = 0;
    if (!WriteReportPdf(report, options.output, paper, &pages)) {
        session.Tell(options.output + " could not be written", true);
        return kExitFileError;
    }
    session.Tell("wrote the report of " + options.file + " (" +
                 std::to_string(report.channels.rows.size()) + " channel rows, " +
                 std::to_string(pages) + (pages == 1 ? " page" : " pages") + ") to " +
                 options.output);
    return kExitOk;
}

} // namespace pmr::cli
