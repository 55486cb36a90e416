#pragma once
// The start-up sequence, everything before the main window exists, and the steps
// at the end of the program. Both run over an installation folder, so a test can
// start the program over a folder of its own.

#include "app/UserFiles.h"

#include <functional>
#include <string>

namespace pmr {

struct AppContext;
class UserInteraction;
class TemplateLoader;

/// What start-up needs from the rest of the program.
struct StartupHooks {
    /// Loads the templates of the new document (may be null: defaults only).
    TemplateLoader* templates = nullptr;
    /// Replaces the new-document step (NewDocument with `templates`) when set.
    std::function<void(AppContext&, UserInteraction&)> newDocument;
    /// The user's configuration folder and locale (UserEnvironment::FromProcess()
    /// for the program). Empty: a per-user installation writes nothing and the
    /// first start is in English.
    UserEnvironment user;
    /// False: start-up and the rest of the run create and change no file of the
    /// program's (the demo).
    bool writeFiles = true;
};

/// Runs start-up for the program in `programFolder` (the folder holding the
/// executable, e.g. <root>/V100): where the program's own files live
/// (PlaceUserFiles), version table, factory mode, defaults, mysetup.ini (read;
/// on the first start the language of the user's locale; written back), the new document,
/// help pages, title, Setting.ini and BatchFun.ini, the editing habits.
/// A missing or non-numeric mysetup.ini key keeps its default (comPort 1,
/// Handshaking 0, StopBit 1, CurrentLanguage 1; IsFirstRun false); so do
/// Handshaking outside 0..3, StopBit other than 1 or 2 and comPort below 1.
void RunStartup(AppContext& app, const std::string& programFolder, UserInteraction& ui,
                const StartupHooks& hooks = {});

/// End of the program (after the main window has closed): writes Setting.ini.
/// The locale was never changed, so there is nothing to restore.
void EndProgram(const AppContext& app);

} // namespace pmr
