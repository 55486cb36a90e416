#include "DocumentCompareCommand.h"

#include "Interaction.h"
#include "app/AppContext.h"
#include "dialogs/FrmCompare.h"
#include "files/ComparedDocumentFile.h"

namespace pmr {

namespace {

constexpr int kHelpTopic = 111;

} // namespace

bool CompareWithDocumentFile(AppContext& app, Interaction& ui, const std::string& filter,
                             const std::string& startPath, std::function<void(int topic)> showHelp,
                             QWidget* dialogParent) {
    const auto path = ui.AskOpenFile(filter, startPath);
    if (!path)
        return false;
    ComparedDocumentFile file = ReadComparedDocumentFile(*path, app.versions);
    if (file.fault != ComparedFileFault::None) {
        const std::string reason = ComparedFileFaultText(app.texts, file, *path);
        // The reason of a file that cannot be read names it already.
        ui.ShowMessage(file.fault == ComparedFileFault::CannotRead ? reason
                                                                   : *path + "\r\n\r\n" + reason,
                       Severity::Warning);
        return false;
    }
    FrmCompare dialog(
        app, ui, std::move(file.doc), *path,
        [showHelp = std::move(showHelp)] { showHelp(kHelpTopic); }, dialogParent);
    dialog.setProperty("helpTopic", kHelpTopic);
    ui.RunDialog(dialog);
    return true;
}

} // namespace pmr
