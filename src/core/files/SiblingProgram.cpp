#include "files/SiblingProgram.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "files/ProgramLauncher.h"
#include "files/VersionTag.h"

namespace pmr {

std::optional<std::string> SiblingProgramPath(const std::string& installRoot,
                                              std::string_view programTag,
                                              const std::string& executableName) {
    // The tag must be exactly "V" and three digits: no blanks to trim, nothing
    // that could climb out of the installation root.
    if (programTag.size() != 4 || !IsWellFormedVersionTag(programTag))
        return std::nullopt;
    if (executableName.empty() || executableName.find('/') != std::string::npos ||
        executableName == "." || executableName == "..")
        return std::nullopt;
    return installRoot + "/" + std::string(programTag) + "/" + executableName;
}

bool StartProgramFor(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                     std::string_view dataTag) {
    const auto& pairs = app.versions.VersionPairs;
    for (std::size_t j = 0; j + 1 < pairs.size(); j += 2) {
        if (pairs[j + 1] != dataTag)
            continue;
        const auto path =
            SiblingProgramPath(app.paths.InstallRoot, pairs[j], launcher.OwnExecutableName());
        if (path && launcher.StartProgram(*path))
            return true;
        break; // only the first listed program handles the data version
    }
    ui.ShowMessage(app.texts.GetLangText(9063), Severity::Warning);
    return false;
}

} // namespace pmr
