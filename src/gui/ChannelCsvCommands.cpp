#include "ChannelCsvCommands.h"

#include "Interaction.h"
#include "WholeFileWrite.h"
#include "app/AppContext.h"
#include "csv/ChannelCsvExport.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvText.h"
#include "dialogs/FrmCsvImport.h"
#include "files/FileBytes.h"

#include <filesystem>

namespace pmr {

namespace {

constexpr int kHelpTopic = 110;
constexpr int kTextCannotRead = 9335;
constexpr int kTextCannotWrite = 9336;
constexpr int kTextFilter = 9337;

std::string CsvFilter(const TextCatalog& texts) {
    return texts.GetLangText(kTextFilter) + "|*.csv";
}

} // namespace

std::string CsvFileBeside(const std::string& documentPath) {
    return std::filesystem::path(documentPath).replace_extension(".csv").string();
}

bool ExportChannelsToCsv(const RadioDocument& doc, const TextCatalog& texts, Interaction& ui,
                         const std::string& startPath) {
    // The save dialog asks before it names a file that exists.
    const auto path = ui.AskSaveFile(CsvFilter(texts), startPath);
    if (!path)
        return false;
    if (!WriteWholeFile(*path, ExportChannelCsv(doc))) {
        ui.ShowMessage(FillMarker(texts.GetLangText(kTextCannotWrite), "%1", *path),
                       Severity::Critical);
        return false;
    }
    return true;
}

bool ImportChannelsFromCsv(AppContext& app, Interaction& ui, const std::string& startPath,
                           QWidget* dialogParent) {
    const TextCatalog& texts = app.texts;
    const auto path = ui.AskOpenFile(CsvFilter(texts), startPath);
    if (!path)
        return false;
    // One byte over the reader's bound is enough to refuse a larger file
    // without reading all of it.
    const auto bytes = ReadFileStart(*path, kCsvMaxBytes + 1);
    if (!bytes) {
        ui.ShowMessage(FillMarker(texts.GetLangText(kTextCannotRead), "%1", *path),
                       Severity::Critical);
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const CsvImportPlan replace = PlanChannelImport(app, text, CsvImportMode::Replace);
    if (!replace.report.fileFault.empty()) {
        ui.ShowMessage(*path + "\r\n\r\n" + replace.report.fileFault, Severity::Warning);
        return false;
    }
    const CsvImportPlan fill = PlanChannelImport(app, text, CsvImportMode::Fill);

    FrmCsvImport dialog(texts, *path, replace.report, fill.report, dialogParent);
    dialog.setProperty("helpTopic", kHelpTopic);
    if (ui.RunDialog(dialog) != QDialog::Accepted)
        return false;
    const CsvImportPlan& chosen = dialog.Mode() == CsvImportMode::Fill ? fill : replace;
    if (chosen.report.Refused())
        return false;
    app.docState.NextStepName =
        FillMarker(texts.GetLangText(9376), "%1", std::filesystem::path(*path).filename().string());
    ApplyChannelImport(app, chosen);
    return true;
}

} // namespace pmr
