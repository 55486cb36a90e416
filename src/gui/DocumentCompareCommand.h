#pragma once
// File > Compare...: a document file is read beside the open document (never
// into it) and the differences are shown, each one's value to be taken over
// on request. A file that cannot be compared is said and changes nothing.

#include <functional>
#include <string>

class QWidget;

namespace pmr {

struct AppContext;
class Interaction;

/// Asks for a file (`filter` as the open dialog takes it), reads it and shows
/// FrmCompare until the user closes it; its Help button calls `showHelp`
/// with the window's help topic. False when the dialog was cancelled
/// or the file refused (then said); the document is then as it was.
bool CompareWithDocumentFile(AppContext& app, Interaction& ui, const std::string& filter,
                             const std::string& startPath, std::function<void(int topic)> showHelp,
                             QWidget* dialogParent);

} // namespace pmr
