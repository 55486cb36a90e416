#pragma once
// The core's document operations as the windows call them: new document,
// opening and saving files, the change test and the image decode.

#include "files/DocumentFiles.h"
#include "files/FileTemplateLoader.h"

#include <memory>
#include <string>

namespace pmr {

struct AppContext;
class UserInteraction;
class DocumentWindows;
class ProgramLauncher;

class DocumentBridge {
public:
    DocumentBridge(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher);

    void SetDocumentWindows(DocumentWindows* windows) { files_.SetWindows(windows); }
    TemplateLoader& Templates() { return templates_; }

    void NewDocument();
    bool IsModified() const;
    /// Opens CurrentFileName into the document; false when nothing was loaded.
    bool OpenFile();
    /// Saves the document under CurrentFileName; false when it was not saved.
    bool SaveFile();

    /// The display name of the document's model.
    std::string ModelDisplayName() const;
    /// Setting.ini at the end of the program.
    void EndProgram();

private:
    AppContext& app_;
    UserInteraction& ui_;
    FileTemplateLoader templates_;
    DocumentFiles files_;
};

} // namespace pmr
