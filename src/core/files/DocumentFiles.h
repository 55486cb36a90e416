#pragma once
// Opening and saving the document as a .dat file, and loading model templates.
// Every check is done on the whole file before anything of the document changes,
// so a failing open leaves the working copy and the file buffer exactly as they
// were; saving goes through a temporary file, so a failing save leaves the old file.

#include <cstdint>
#include <span>
#include <string>

namespace pmr {

struct AppContext;
class DocumentWindows;
class ProgramLauncher;
class UserInteraction;

enum class FileOutcome {
    Done,            // opened, saved or loaded
    BadTag,          // the file's version tag is not well-formed (9065 shown)
    VersionDeclined, // the version question was answered No
    ProgramEnds,     // another program version takes over; this program ends
    FileError,       // read, write or content error (9002 shown)
};

class DocumentFiles {
public:
    /// `windows` may be null while the main window does not exist yet (templates
    /// loaded at start-up); set it with SetWindows once it does.
    DocumentFiles(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                  DocumentWindows* windows = nullptr);
    void SetWindows(DocumentWindows* windows) { windows_ = windows; }

    /// Opens the file named by CurrentFileName into the document.
    FileOutcome OpenDocumentFile();
    /// The same, for the file contents already in memory (CurrentFileName still
    /// names the file, for its side file).
    FileOutcome OpenDocumentBytes(std::span<const std::uint8_t> bytes);
    /// Writes the document to CurrentFileName.
    FileOutcome SaveDocumentFile();
    /// Loads a model template without version check; on any error the file
    /// buffer is set from the working copy and nothing is reported.
    bool LoadTemplate(const std::string& path);
    /// Loads the built-in template with the version check (its question may end
    /// the program); contributes no channels and keeps the model. Errors show 9002.
    bool LoadBuiltInTemplate(const std::string& path);

private:
    AppContext& app_;
    UserInteraction& ui_;
    ProgramLauncher& launcher_;
    DocumentWindows* windows_;
};

} // namespace pmr
