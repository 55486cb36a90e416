#pragma once
// The main window: a multiple-document frame holding every editor as a child
// window, with the main menu, the toolbar, the navigation tree, the status bar
// and the tiled background picture. It routes every command, manages the set
// of open child windows and relabels everything when the language changes.

#include "ChildWindowRegistry.h"
#include "editors/channels/ChannelWindowHost.h"
#include "files/DocumentWindows.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QKeyEvent;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QDockWidget;

namespace pmr {

struct AppContext;
class Interaction;
class RadioLink;
class HelpWindow;
class DocumentBridge;
class DocumentUndo;
class PortList;

class frmMain : public QMainWindow, public DocumentWindows, public ChannelWindowHost {
    Q_OBJECT
public:
    frmMain(AppContext& app, Interaction& ui, DocumentBridge& docs, QWidget* parent = nullptr);
    ~frmMain() override;
    /// Loading the window: visibility, geometry, labels, tree, the new
    /// document and the channel grid. Call once the child windows are registered.
    void Load();

    AppContext& App() { return app_; }
    Interaction& Ui() { return ui_; }
    DocumentBridge& Docs() { return docs_; }
    /// The undo history of the document.
    DocumentUndo& History() { return *history_; }
    /// Edit > Undo and Redo: an edit still open in a window is committed first.
    void UndoChange();
    void RedoChange();
    ChildWindowRegistry& Windows() { return registry_; }
    void SetRadioLink(RadioLink* link) { link_ = link; }
    /// The system's serial ports, for the port dialog.
    void SetPortList(const PortList* ports) { ports_ = ports; }
    RadioLink* Link() { return link_; }

    // Public operations of the window.
    void ShowMainTxt() override;
    void Change_Language();
    void RelabelMainWindow();
    void LoadTree() override;
    void LoadBKPic();
    void ShowCHInfo(bool show) override;
    void CloseCurAllWindows();
    void CloseCurAllOtherWindows(QWidget* keep);
    void SetSaveEditData();
    void LoadNewDoc();
    void LoadNewDoc2();
    void ReadRMGDataFromRadio();

    // Child windows.
    QWidget* ShowChildWindow(const QString& name);
    void CloseWindowByName(const QString& name);
    QWidget* FindChildWindow(const QString& name) const;
    QStringList OpenChildWindowNames() const;
    void CascadeChildWindows();
    /// A modeless top-level window that CloseCurAllWindows closes too.
    void AddModelessWindow(QWidget* window);
    /// Opens a registered kind as a modeless top-level window (at most once),
    /// or raises and focuses it when it is open already.
    QWidget* ShowModelessWindow(const QString& name);

    // Commands.
    void FileNew();    // menu New and MnuInit: 9006, then 9026
    void ToolbarNew(); // toolbar New: 9006 when changed, then at once
    void FileOpen();
    bool FileSave(); // true when the document was saved
    bool FileSaveAs();
    /// File > Export Channels (CSV): the channel table into a CSV file.
    void ExportChannelsCsv();
    /// File > Print... (the print preview) or, `toPdf`, File > Export PDF...
    void ReportDocument(bool toPdf);
    /// File > Import Channels (CSV): true when the channel table was imported.
    bool ImportChannelsCsv();
    /// File > Compare...: the differences from a document file, each value to
    /// be taken over. True when a file was compared.
    bool CompareWithFile();
    void StartRowCommand(int command);
    /// What runs a row command when TimerCHEdit fires (1 cut .. 8 habits).
    using RowCommandRunner = std::function<void(int command)>;
    void SetRowCommandRunner(RowCommandRunner runner) override {
        rowCommands_ = std::move(runner);
    }
    /// Enables the channel edit menu items and toolbar buttons for a grid row.
    void UpdateChannelCommands(int row) override;

    // ChannelWindowHost (the rest of it above)
    EditorContext ChannelEditorContext() override;
    void ShowChannelEditDialog() override;
    void PopupChannelEditMenu(const QPoint& globalPos) override;
    ChannelGridWindow* OpenChannelGrid() const override;
    ChannelEditWindow* OpenChannelEditDialog() const override;
    QWidget* DialogParent() override { return this; }
    void StartRead();
    void StartWrite();
    /// File > Restore from Backup: choose a kept backup and write it back.
    void RestoreFromBackup();
    void ShowPortDialog();
    void ShowPasswordDialog();
    void ShowLanguageDialog();
    void ShowModelInfoDialog();
    void ShowAboutBox();
    void ShowHelpTopic(int topic); // F1 help: the process-wide help file
    void ShowHelpContents();       // the help menu: by the current language
    void OnTreeNodeClicked(const QString& key);

    // Called by the radio link.
    void OnReadDecoded();   // the read image is in the document: relabel, open the grid
    void OnRadioInfoRead(); // opens FrmRadioInfo on the information just read
    void ShowPortStatus(const QString& text); // panel 3 after a link search
    /// Panel 3 for the configured port: after the port dialog, or when the
    /// device behind the number changes (the demo's simulated radio).
    void ShowConfiguredPort();
    /// Makes the open editors commit their focused control (the grid only
    /// before a read, every editor before a write).
    void CommitEdits(bool everyEditor);

    // DocumentWindows
    void OpenChannelWindow() override;
    void ChangeLanguage() override { Change_Language(); }
    void ArrangeChildWindows() override { CascadeChildWindows(); }
    void SetDocumentUntitled(bool untitled) override { DocumentUntitled = untitled; }

    /// Relabels after a language change (run whenever the window becomes active).
    void OnActivated();

    bool DocumentUntitled = true;
    int PendingRowCommand = 0;
    bool SplitterDragging = false;
    QTimer NewDocTimer;
    QTimer ReadOKTimer;
    QTimer WaitSaveDataTimer;
    QTimer TimerCHEdit;

    QString FileFilter() const { return fileFilter_; }
    QAction* MenuEntry(const QString& name) const;
    QAction* ToolbarButton(const QString& key) const;
    QTreeWidget* Tree() const { return tree_; }
    HelpWindow* HelpViewer() const;
    QMdiArea* Mdi() const { return mdi_; }
    bool ChannelCommandsShown() const { return chInfoShown_; }
    QLabel* StatusPanel(int index) const { return panels_[index - 1]; }
    QLabel* PaneTitle() const { return label1_; }
    /// The width of the tree pane in twips; the splitter keeps it within
    /// 300 twips and the window's inner width.
    int PaneWidthTwips() const;
    void DragSplitterBy(int twips);
    static double TwipsPerPixel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenu();
    void BuildToolbar();
    void BuildTreePane();
    void BuildStatusBar();
    void ApplyLoadVisibility();
    void RestoreGeometry();
    void SaveGeometry();
    void OnNewDocTimer();
    void OnTimerCHEdit();
    void OnSubWindowActivated(QMdiSubWindow* window);
    void KeepMenuShortcuts(QMdiSubWindow* sub);
    void MakeRoomFor(QMdiSubWindow* sub);
    void NoteClosing(QMdiSubWindow* sub);
    void ActivateMostRecentWindow();
    void KeepOnScreen(QWidget* window);
    /// The keys that work across windows: F6, Enter or Space on a tree item,
    /// Return on a focused button. True when the key was used here.
    bool TakeKeyboardKey(QObject* watched, const QKeyEvent& key);
    /// F6: from the tree to the window in front, from anywhere else to the tree.
    void SwitchPane();
    void RebuildWindowList();
    /// The Undo and Redo entries and buttons follow the history.
    void ShowHistory();
    bool AskSaveChanges(); // 9006; false when the command should end
    void SetTreePaneVisible(bool visible);
    QMdiSubWindow* SubWindowOf(const QString& name) const;
    int HelpTopicOf(QWidget* widget) const;

    AppContext& app_;
    Interaction& ui_;
    DocumentBridge& docs_;
    DocumentUndo* history_ = nullptr;
    RadioLink* link_ = nullptr;
    RowCommandRunner rowCommands_;
    const PortList* ports_ = nullptr;
    bool growToFitChildren_ = false; // no size stored from an earlier run
    ChildWindowRegistry registry_;
    QString fileFilter_;
    bool chInfoShown_ = false;

    QMdiArea* mdi_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QWidget* picture1_ = nullptr;
    QFrame* frame1_ = nullptr;
    QLabel* label1_ = nullptr;
    QToolBar* toolbar1_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QWidget* commandMove_ = nullptr;
    QLabel* panels_[3] = {};
    std::map<QString, QAction*> menu_;
    std::map<QString, QAction*> buttons_;
    std::map<QAction*, int> helpTopics_;
    QList<QPointer<QWidget>> modeless_;
    QList<QPointer<QMdiSubWindow>> used_; // the child windows, last used first
    QPointer<QMdiSubWindow> returnTo_;
    bool fittedOnShow_ = false;    // activated once the closing window is gone
    QPointer<HelpWindow> help_;
    int dragStartX_ = 0;
};

} // namespace pmr
