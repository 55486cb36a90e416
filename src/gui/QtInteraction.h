#pragma once
// The interaction layer with real Qt dialogs, each carrying the application title.

#include "Interaction.h"

#include <functional>

class QWidget;

namespace pmr {

class TextCatalog;

class QtInteraction : public Interaction {
public:
    explicit QtInteraction(const TextCatalog& texts);

    /// The window the boxes are centred on (the main window once it exists).
    void SetParentWindow(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const std::string& text, Severity severity) override;
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    Answer AskTitled(const std::string& title, const std::string& text, Buttons buttons,
                     Severity severity) override;
    std::optional<std::string> AskOpenFile(const std::string& filter,
                                           const std::string& startPath) override;
    std::optional<std::string> AskSaveFile(const std::string& filter,
                                           const std::string& startPath) override;
    int RunDialog(QDialog& dialog) override;

private:
    const TextCatalog& texts_;
    QWidget* parent_ = nullptr;
};

/// "Radio documents (*.dat)|*.dat" as Qt writes a filter: "Radio documents (*.dat)".
std::string QtFileFilter(const std::string& paneFilter);

/// The extension a saved file gets when its name is typed without one:
/// "dat" for "Radio documents (*.dat)|*.dat"; empty without a single "*.ext".
std::string FileFilterSuffix(const std::string& paneFilter);

} // namespace pmr
