#pragma once
// File > Export Channels (CSV) and File > Import Channels (CSV): the file
// dialogs, the report shown before an import changes anything, and a clear
// message for a file that cannot be read, written or is no channel list.

#include <string>

class QWidget;

namespace pmr {

struct AppContext;
struct RadioDocument;
class Interaction;
class TextCatalog;

/// The channel list file offered beside a document file: "radio.dat" ->
/// "radio.csv" (a name without extension gets ".csv").
std::string CsvFileBeside(const std::string& documentPath);

/// Asks for a file and writes the channel table of `doc` to it. False when
/// the dialog was cancelled or the file could not be written (then said).
bool ExportChannelsToCsv(const RadioDocument& doc, const TextCatalog& texts, Interaction& ui,
                         const std::string& startPath);

/// Asks for a file, shows what importing it would do and imports it the way
/// the user chose, as one change of the channel table. True when the channel
/// table was imported; false when cancelled or the file is refused (then said),
/// and the document is then as it was.
bool ImportChannelsFromCsv(AppContext& app, Interaction& ui, const std::string& startPath,
                           QWidget* dialogParent);

} // namespace pmr
