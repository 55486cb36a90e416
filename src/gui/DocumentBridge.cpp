#include "DocumentBridge.h"

#include "app/AppContext.h"
#include "app/Startup.h"
#include "document/Models.h"
#include "document/NewDocument.h"
#include "files/DocumentModified.h"

namespace pmr {

DocumentBridge::DocumentBridge(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher)
    : app_(app), ui_(ui), templates_(launcher), files_(app, ui, launcher) {}

void DocumentBridge::NewDocument() {
    pmr::NewDocument(app_, ui_, &templates_);
}

bool DocumentBridge::IsModified() const {
    return IsDocumentModified(app_);
}

bool DocumentBridge::OpenFile() {
    return files_.OpenDocumentFile() == FileOutcome::Done;
}

bool DocumentBridge::SaveFile() {
    return files_.SaveDocumentFile() == FileOutcome::Done;
}

std::string DocumentBridge::ModelDisplayName() const {
    return ModelDisplayFromCode(app_.docState.ModelNameText);
}

void DocumentBridge::EndProgram() {
    pmr::EndProgram(app_);
}

} // namespace pmr
