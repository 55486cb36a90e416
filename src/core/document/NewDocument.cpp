#include "document/NewDocument.h"

#include "app/AppContext.h"
#include "document/BandDefaults.h"
#include "document/ChannelTable.h"
#include "document/DocumentDefaults.h"
#include "document/ModelRecord.h"
#include "document/RadioInfo.h"
#include "document/TemplateLoader.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace pmr {
namespace {

std::string InitFolder(const AppContext& app) {
    return app.paths.ProgramFolder + "/Init/";
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace

std::string ModelTemplatePath(const AppContext& app) {
    return InitFolder(app) + app.docState.ModelNameText + "_" +
           std::to_string(app.doc.Model.BandCode) + ".dat";
}

void NewDocument(AppContext& app, UserInteraction& ui, TemplateLoader* templates) {
    DocumentState& state = app.docState;
    RadioDocument& doc = app.doc;

    state.CurrentFileName = "new.dat";
    doc.Version = "V100";

    ResetSettings(doc);
    ResetChannels(app);
    for (FmPreset& preset : doc.FmPresets) {
        preset.IsEmpty = 1;
        preset.Freq = "";
    }
    ApplyTestFreqDefaults(doc, state.BandText);
    state.TuningPoints = MakeTuningTable(state.BandText);
    doc.Model = StoreModelRecord(state, doc.Model);
    ResetRadioInfo(app);
    StoreAsTheWindowsShow(doc);
    app.fileBuffer = doc;

    if (!templates)
        return;
    const std::string modelTemplate = ModelTemplatePath(app);
    if (FileExists(modelTemplate)) {
        templates->LoadTemplate(app, ui, modelTemplate);
        return;
    }
    const std::string_view builtIn = kBuiltInTemplateName;
    const std::string builtInPath = InitFolder(app) + std::string(builtIn);
    // Only a model whose name the built-in template starts with, and only when it
    // was installed: a missing template is no error for a new document.
    if (builtIn.starts_with(state.ModelNameText + "_") && FileExists(builtInPath)) {
        templates->LoadBuiltInTemplate(app, ui, builtInPath);
        // The built-in template is a PMR446 document serving every band: its
        // channels and its test frequencies belong to that band, not this one.
        ResetChannels(app);
        ApplyTestFreqDefaults(doc, state.BandText);
        StoreAsTheWindowsShow(doc);
        app.fileBuffer = doc;
    }
}

} // namespace pmr
