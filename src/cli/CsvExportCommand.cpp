// pmr-cli csv-export DOC.dat OUT.csv: a document's channel table as a CSV
// channel list.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "WholeFileWrite.h"
#include "csv/ChannelCsvExport.h"

namespace pmr::cli {

int CsvExportCommand(CliSession& session, const CliOptions& options) {
    if (const int rc = OpenDocumentArgument(session, options.file); rc != kExitOk)
        return rc;
    const RadioDocument& doc = session.App().doc;
    if (!WriteWholeFile(options.output, ExportChannelCsv(doc))) {
        session.Tell(options.output + " could not be written", true);
        return kExitFileError;
    }
    int channels = 0;
    for (int i = 0; i < doc.ChannelCount; ++i)
        channels += doc.Channels[static_cast<std::size_t>(i)].ChannelNo < kVfoChannelNo;
    session.Tell("wrote " + std::to_string(channels) + " channels of " + options.file + " to " +
                 options.output);
    return kExitOk;
}

} // namespace pmr::cli
