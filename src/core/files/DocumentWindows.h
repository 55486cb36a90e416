#pragma once
// The windows that opening and saving a document file touch. The main window
// implements it; the file operations never know about widgets.

namespace pmr {

class DocumentWindows {
public:
    virtual ~DocumentWindows() = default;
    /// Opens (or focuses) the channel grid on the document's contents.
    virtual void OpenChannelWindow() = 0;
    /// Updates the main window's caption with model, band and file name.
    virtual void ShowMainTxt() = 0;
    /// Applies the current language to every open window again.
    virtual void ChangeLanguage() = 0;
    /// Cascades the child windows.
    virtual void ArrangeChildWindows() = 0;
    /// The document now has (true) or lacks (false) a file of its own; Save
    /// turns into Save As while it has none.
    virtual void SetDocumentUntitled(bool untitled) = 0;
};

} // namespace pmr
