#include "frmMain.h"

#include "ChannelCsvCommands.h"
#include "DocumentReportCommands.h"
#include "DocumentCompareCommand.h"
#include "ChildWindow.h"
#include "StandardWindows.h"
#include "editors/shared/EditorWindow.h"
#include "DocumentBridge.h"
#include "DocumentUndo.h"
#include "HelpWindow.h"
#include "Icons.h"
#include "Interaction.h"
#include "QtTranslations.h"
#include "RadioLink.h"
#include "ScreenFit.h"
#include "app/AppContext.h"
#include "app/HelpPages.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmModelInfo.h"
#include "dialogs/FrmPassWord.h"
#include "dialogs/FrmRestoreBackup.h"
#include "backup/UserDataFolder.h"
#include "dialogs/FrmSetComm.h"
#include "dialogs/FrmSetLanguage.h"
#include "document/ChannelCommandRule.h"
#include "link/PortList.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDockWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace pmr {

namespace {

// The menu in display order. An entry without parent is a menu of the menu
// bar; "-" entries are separator lines. Texts are set by RelabelMainWindow.
struct MenuRow {
    const char* name;
    const char* parent;
    const char* shortcut;
    int helpTopic;
    bool separator;
    bool checkable;
};

constexpr MenuRow kMenu[] = {
    {"mnuFile", nullptr, nullptr, 100, false, false},
    {"mnuFileNew", "mnuFile", "Ctrl+N", 101, false, false},
    {"mnuFileOpen", "mnuFile", "Ctrl+O", 102, false, false},
    {"mnuFileSave", "mnuFile", nullptr, 103, false, false},
    {"mnuFileSaveAs", "mnuFile", nullptr, 104, false, false},
    {"mnuFileRestore", "mnuFile", nullptr, 402, false, false},
    {"mnuFileBarCsv", "mnuFile", nullptr, 0, true, false},
    {"mnuFileExportCsv", "mnuFile", nullptr, 110, false, false},
    {"mnuFileImportCsv", "mnuFile", nullptr, 110, false, false},
    {"mnuFileCompare", "mnuFile", nullptr, 111, false, false},
    {"mnuFileBar0", "mnuFile", nullptr, 0, true, false},
    {"mnuFilePrint", "mnuFile", nullptr, 100, false, false},
    {"mnuFileExportPdf", "mnuFile", nullptr, 100, false, false},
    {"mnuFileBar1", "mnuFile", nullptr, 0, true, false},
    {"mnuFileExit", "mnuFile", nullptr, 105, false, false},
    {"mnuModel", nullptr, nullptr, 200, false, false},
    {"mnuModelInfo", "mnuModel", nullptr, 201, false, false},
    {"MnuCHEdit", nullptr, nullptr, 900, false, false},
    {"MnuCHCut", "MnuCHEdit", "Ctrl+X", 901, false, false},
    {"MnuCHCopy", "MnuCHEdit", "Ctrl+C", 902, false, false},
    {"MnuCHPaste", "MnuCHEdit", "Ctrl+V", 903, false, false},
    {"MnuCHBar1", "MnuCHEdit", nullptr, 0, true, false},
    {"MnuCHInsert", "MnuCHEdit", "Ctrl+I", 904, false, false},
    {"MnuCHDelete", "MnuCHEdit", "Del", 905, false, false},
    {"MnuCHMoveUp", "MnuCHEdit", "Ctrl+U", 906, false, false},
    {"MnuCHMoveDown", "MnuCHEdit", "Ctrl+D", 907, false, false},
    {"mnuEdit", nullptr, nullptr, 300, false, false},
    {"mnuEditUndo", "mnuEdit", "Ctrl+Z", 300, false, false},
    {"mnuEditRedo", "mnuEdit", "Ctrl+Y", 300, false, false},
    {"mnuEditBarUndo", "mnuEdit", nullptr, 0, true, false},
    {"mnuChannelInfo", "mnuEdit", nullptr, 3100, false, false},
    {"mnuEditBar0", "mnuEdit", nullptr, 0, true, false},
    {"mnuOptFeature", "mnuEdit", nullptr, 3200, false, false},
    {"MnuRadioFre", "mnuEdit", nullptr, 3300, false, false},
    {"MnuDTMF", "mnuEdit", nullptr, 3400, false, false},
    {"MnuKey", "mnuEdit", nullptr, 3800, false, false},
    {"MnuScan", "mnuEdit", nullptr, 3900, false, false},
    {"MnuAlert", "mnuEdit", nullptr, 3950, false, false},
    {"MnuTestFre", "mnuEdit", nullptr, 3960, false, false},
    {"mnuTestData", "mnuEdit", nullptr, 3970, false, false},
    {"mnuEditBar2", "mnuEdit", nullptr, 0, true, false},
    {"mnuEmbeddedMsg", "mnuEdit", nullptr, 3500, false, false},
    {"MnuLocalInfo", "mnuEdit", nullptr, 3600, false, false},
    {"mnuEditBar3", "mnuEdit", nullptr, 0, true, false},
    {"MnuCHBatch", "mnuEdit", nullptr, 3700, false, false},
    {"mnuProgram", nullptr, nullptr, 400, false, false},
    {"mnuReadFromRadio", "mnuProgram", "Ctrl+R", 401, false, false},
    {"mnuWriteToRadio", "mnuProgram", "Ctrl+W", 402, false, false},
    {"MnuProPassWord", "mnuProgram", "Ctrl+P", 403, false, false},
    {"mnuSet", nullptr, nullptr, 500, false, false},
    {"mnuComm", "mnuSet", nullptr, 501, false, false},
    {"mnuLanguage", "mnuSet", nullptr, 502, false, false},
    {"MnuInit", "mnuSet", nullptr, 503, false, false},
    {"MnuCHBar2", "mnuSet", nullptr, 0, true, false},
    {"MnuCHHabits", "mnuSet", "Ctrl+H", 504, false, false},
    {"mnuView", nullptr, nullptr, 600, false, false},
    {"mnuTreeView", "mnuView", nullptr, 601, false, true},
    {"mnuViewBar0", "mnuView", nullptr, 0, true, false},
    {"mnuViewToolbar", "mnuView", nullptr, 602, false, true},
    {"mnuViewStatusBar", "mnuView", nullptr, 603, false, true},
    {"mnuWindow", nullptr, nullptr, 700, false, false},
    {"mnuWindowCascade", "mnuWindow", nullptr, 701, false, false},
    {"mnuWindowTileHorizontal", "mnuWindow", nullptr, 0, false, false},
    {"mnuWindowTileVertical", "mnuWindow", nullptr, 0, false, false},
    {"mnuWindowArrangeIcons", "mnuWindow", nullptr, 0, false, false},
    {"mnuWindowBar0", "mnuWindow", nullptr, 0, true, false},
    {"mnuCloseAll", "mnuWindow", nullptr, 702, false, false},
    {"mnuWindowBar1", "mnuWindow", nullptr, 0, true, false},
    {"mnuHelp", nullptr, nullptr, 800, false, false},
    {"mnuHelpTopic", "mnuHelp", nullptr, 801, false, false},
    {"mnuHelpBar0", "mnuHelp", nullptr, 0, true, false},
    {"mnuHelpAbout", "mnuHelp", nullptr, 802, false, false},
};

// The toolbar by position; null keys are separators.
constexpr const char* kToolbar[] = {
    "NewFile",  "OpenFile",   "SaveFile", nullptr,      "Print",  nullptr,   "ReadRadio",
    "CommSet",  "WriteRadio", nullptr,    "CHCut",      "CHCopy", "CHPaste", nullptr,
    "CHInsert", "CHDelete",   "CHMoveUp", "CHMoveDown", nullptr,  "About",
    nullptr,    "Undo",       "Redo",
};
// Positions 11 to 19 (index 10 to 18) belong to the channel grid.
constexpr int kFirstChannelButton = 10;
constexpr int kLastChannelButton = 18;

// The row commands of the menu and the toolbar.
struct RowCommand {
    const char* menu;
    const char* button;
    int command;
};
constexpr RowCommand kRowCommands[] = {
    {"MnuCHCut", "CHCut", 1},           {"MnuCHCopy", "CHCopy", 2},
    {"MnuCHPaste", "CHPaste", 3},       {"MnuCHInsert", "CHInsert", 4},
    {"MnuCHDelete", "CHDelete", 5},     {"MnuCHMoveUp", "CHMoveUp", 6},
    {"MnuCHMoveDown", "CHMoveDown", 7}, {"MnuCHHabits", nullptr, 8},
};

constexpr int kMinPaneTwips = 300;
// Room for the title bar the window system adds above a window that is not
// mapped yet, whose frame is unknown until then.
constexpr int kWindowFrameAllowance = 32;
constexpr int kDefaultPaneTwips = 3450;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The file name part of a path: the text after its last separator.
QString FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("/\\");
    return Q(cut == std::string::npos ? path : path.substr(cut + 1));
}

// The splitter between the tree pane and the child windows.
class SplitterBar : public QFrame {
public:
    explicit SplitterBar(frmMain& main, QWidget* parent) : QFrame(parent), main_(main) {
        setObjectName(QStringLiteral("CommandMove"));
        setFixedWidth(5);
        setFrameShape(QFrame::VLine);
        setFrameShadow(QFrame::Raised);
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        main_.SplitterDragging = true;
        lastX_ = e->globalPosition().toPoint().x();
    }
    void mouseReleaseEvent(QMouseEvent*) override { main_.SplitterDragging = false; }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!main_.SplitterDragging)
            return;
        const int x = e->globalPosition().toPoint().x();
        const int dxTwips = static_cast<int>(std::lround((x - lastX_) * frmMain::TwipsPerPixel()));
        const int before = main_.PaneWidthTwips();
        main_.DragSplitterBy(dxTwips);
        if (main_.PaneWidthTwips() != before)
            lastX_ = x;
    }

private:
    frmMain& main_;
    int lastX_ = 0;
};

} // namespace

frmMain::frmMain(AppContext& app, Interaction& ui, DocumentBridge& docs, QWidget* parent)
    : QMainWindow(parent), app_(app), ui_(ui), docs_(docs) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(ProgramIcon());

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The Window menu and Ctrl+Tab go by the order the windows were used in.
    mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &frmMain::OnSubWindowActivated);

    for (QTimer* t : {&NewDocTimer, &ReadOKTimer, &WaitSaveDataTimer, &TimerCHEdit})
        t->setSingleShot(true);
    NewDocTimer.setObjectName(QStringLiteral("NewDocTimer"));
    NewDocTimer.setInterval(100);
    ReadOKTimer.setObjectName(QStringLiteral("ReadOKTimer"));
    ReadOKTimer.setInterval(500);
    WaitSaveDataTimer.setObjectName(QStringLiteral("WaitSaveDataTimer"));
    WaitSaveDataTimer.setInterval(100);
    TimerCHEdit.setObjectName(QStringLiteral("TimerCHEdit"));
    TimerCHEdit.setInterval(20);
    connect(&NewDocTimer, &QTimer::timeout, this, &frmMain::OnNewDocTimer);
    // ReadOKTimer and WaitSaveDataTimer are run by the radio link (LinkTimers).
    connect(&TimerCHEdit, &QTimer::timeout, this, &frmMain::OnTimerCHEdit);

    history_ = new DocumentUndo(app_, this);
    BuildMenu();
    BuildToolbar();
    BuildTreePane();
    BuildStatusBar();
    connect(history_, &DocumentUndo::Changed, this, &frmMain::ShowHistory);
    // The windows have shown the document put back; the caption may name
    // another model.
    connect(history_, &DocumentUndo::Restored, this, &frmMain::ShowMainTxt);
}

void frmMain::Load() {
    // Loading the window.
    // F1 anywhere in the program, modal dialogs included, opens the help
    // topic of the focused control or of the window holding it.
    qApp->installEventFilter(this);
    ApplyLoadVisibility();
    TimerCHEdit.stop();
    PendingRowCommand = 0;
    SplitterDragging = false;
    WaitSaveDataTimer.stop();
    RestoreGeometry();
    RelabelMainWindow();
    LoadTree();
    LoadNewDoc2();
}

frmMain::~frmMain() {
    // The child windows go first, while the window they report to is still
    // whole: left to the base class, their closing would call back into a
    // half-destroyed main window (activation, channel commands).
    qApp->removeEventFilter(this);
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(history_, nullptr, this, nullptr);
    for (auto& w : modeless_)
        delete w.data();
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        delete sub;
    delete help_.data();
}

QAction* frmMain::MenuEntry(const QString& name) const {
    auto it = menu_.find(name);
    return it == menu_.end() ? nullptr : it->second;
}

QAction* frmMain::ToolbarButton(const QString& key) const {
    auto it = buttons_.find(key);
    return it == buttons_.end() ? nullptr : it->second;
}

HelpWindow* frmMain::HelpViewer() const {
    return help_.data();
}

double frmMain::TwipsPerPixel() {
    double dpi = 96.0;
    if (QScreen* s = QGuiApplication::primaryScreen())
        dpi = s->logicalDotsPerInchX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

// ---------------------------------------------------------------- building

void frmMain::BuildMenu() {
    std::map<QString, QMenu*> menus;
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    for (const MenuRow& e : kMenu) {
        const QString name = QString::fromLatin1(e.name);
        QAction* action = nullptr;
        if (!e.parent) {
            QMenu* menu = menuBar()->addMenu(QString());
            menu->setObjectName(name);
            menu->installEventFilter(this);
            menus[name] = menu;
            action = menu->menuAction();
        } else if (e.separator) {
            action = menus[QString::fromLatin1(e.parent)]->addSeparator();
        } else {
            action = menus[QString::fromLatin1(e.parent)]->addAction(QString());
        }
        action->setObjectName(name);
        if (e.shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (e.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (e.helpTopic)
            helpTopics_[action] = e.helpTopic;
        menu_[name] = action;
    }

    auto on = [this](const char* name, auto&& fn) {
        connect(menu_.at(QString::fromLatin1(name)), &QAction::triggered, this, fn);
    };
    on("mnuFileNew", [this] { FileNew(); });
    on("mnuFileOpen", [this] { FileOpen(); });
    on("mnuFileSave", [this] { FileSave(); });
    on("mnuFileSaveAs", [this] { FileSaveAs(); });
    on("mnuFileRestore", [this] { RestoreFromBackup(); });
    on("mnuFileExportCsv", [this] { ExportChannelsCsv(); });
    on("mnuFileImportCsv", [this] { ImportChannelsCsv(); });
    on("mnuFileCompare", [this] { CompareWithFile(); });
    on("mnuFilePrint", [this] { ReportDocument(false); });
    on("mnuFileExportPdf", [this] { ReportDocument(true); });
    on("mnuFileExit", [this] { close(); });
    on("mnuModelInfo", [this] { ShowModelInfoDialog(); });
    on("mnuEditUndo", [this] { UndoChange(); });
    on("mnuEditRedo", [this] { RedoChange(); });
    menu_.at(QStringLiteral("mnuEditRedo"))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")),
                        QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (const RowCommand& rc : kRowCommands) {
        const int cmd = rc.command;
        on(rc.menu, [this, cmd] { StartRowCommand(cmd); });
    }
    int windowCount = 0;
    const WindowRow* windows = WindowTable(&windowCount);
    for (int i = 0; i < windowCount; ++i)
        if (const char* entry = windows[i].menuEntry) {
            const QString name = QString::fromLatin1(windows[i].name);
            on(entry, [this, name] { ShowChildWindow(name); });
        }
    on("MnuLocalInfo", [this] { OnTreeNodeClicked(QStringLiteral("N7")); });
    on("mnuReadFromRadio", [this] { StartRead(); });
    on("mnuWriteToRadio", [this] { StartWrite(); });
    on("MnuProPassWord", [this] { ShowPasswordDialog(); });
    on("mnuComm", [this] { ShowPortDialog(); });
    on("mnuLanguage", [this] { ShowLanguageDialog(); });
    on("MnuInit", [this] { FileNew(); });
    on("mnuTreeView", [this](bool checked) { SetTreePaneVisible(checked); });
    on("mnuViewToolbar", [this](bool checked) { toolbar_->setVisible(checked); });
    on("mnuViewStatusBar", [this](bool checked) { statusBar()->setVisible(checked); });
    on("mnuWindowCascade", [this] { CascadeChildWindows(); });
    on("mnuWindowTileHorizontal", [this] { mdi_->tileSubWindows(); });
    on("mnuWindowTileVertical", [this] { mdi_->tileSubWindows(); });
    on("mnuWindowArrangeIcons", [this] { mdi_->cascadeSubWindows(); });
    on("mnuCloseAll", [this] { CloseCurAllWindows(); });
    on("mnuHelpTopic", [this] { ShowHelpContents(); });
    on("mnuHelpAbout", [this] { ShowAboutBox(); });
    connect(menus[QStringLiteral("mnuWindow")], &QMenu::aboutToShow, this,
            &frmMain::RebuildWindowList);
}

void frmMain::BuildToolbar() {
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(24, 24));
    int position = 0;
    for (const char* key : kToolbar) {
        ++position;
        QAction* a = nullptr;
        if (!key) {
            a = toolbar_->addSeparator();
            a->setObjectName(QStringLiteral("tbSeparator%1").arg(position));
        } else {
            a = toolbar_->addAction(ToolbarIcon(QString::fromLatin1(key)), QString());
            a->setObjectName(QString::fromLatin1(key));
            buttons_[QString::fromLatin1(key)] = a;
        }
        a->setProperty("position", position);
    }
    // An error raised by a button's action is not reported: every action here
    // reports its own failures through the interaction layer.
    auto on = [this](const char* key, auto&& fn) {
        connect(buttons_.at(QString::fromLatin1(key)), &QAction::triggered, this, fn);
    };
    on("NewFile", [this] { ToolbarNew(); });
    on("OpenFile", [this] { FileOpen(); });
    on("SaveFile", [this] { FileSave(); });
    on("ReadRadio", [this] { StartRead(); });
    on("CommSet", [this] { ShowPortDialog(); });
    on("WriteRadio", [this] { StartWrite(); });
    on("About", [this] { ShowAboutBox(); });
    on("Undo", [this] { UndoChange(); });
    on("Redo", [this] { RedoChange(); });
    on("Print", [this] { ReportDocument(false); });
    for (const RowCommand& rc : kRowCommands) {
        if (!rc.button)
            continue;
        const int cmd = rc.command;
        on(rc.button, [this, cmd] { StartRowCommand(cmd); });
    }
}

void frmMain::BuildTreePane() {
    dock_ = new QDockWidget(this);
    dock_->setObjectName(QStringLiteral("TreePane"));
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock_->setTitleBarWidget(new QWidget(dock_));

    picture1_ = new QWidget(dock_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    auto* outer = new QHBoxLayout(picture1_);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    frame1_ = new QFrame(picture1_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(frame1_);
    inner->setContentsMargins(2, 2, 2, 2);
    inner->setSpacing(2);
    auto* header = new QHBoxLayout;
    header->setSpacing(2);
    label1_ = new QLabel(frame1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setStyleSheet(QStringLiteral("font-weight: bold; padding-left: 3px;"));
    toolbar1_ = new QToolBar(frame1_);
    toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar1_->setIconSize(QSize(12, 12));
    QAction* closePane = toolbar1_->addAction(PaneCloseIcon(), QString());
    closePane->setObjectName(QStringLiteral("Toolbar1Close"));
    connect(closePane, &QAction::triggered, this, [this] {
        SetTreePaneVisible(false);
        menu_.at(QStringLiteral("mnuTreeView"))->setChecked(false);
    });
    header->addWidget(label1_, 1);
    header->addWidget(toolbar1_);
    inner->addLayout(header);

    tree_ = new QTreeWidget(frame1_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    tree_->setIconSize(QSize(16, 16));
    inner->addWidget(tree_, 1);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        OnTreeNodeClicked(item->data(0, Qt::UserRole).toString());
    });

    commandMove_ = new SplitterBar(*this, picture1_);
    outer->addWidget(frame1_, 1);
    outer->addWidget(commandMove_);

    dock_->setWidget(picture1_);
    picture1_->setFixedWidth(static_cast<int>(std::lround(kDefaultPaneTwips / TwipsPerPixel())));
    addDockWidget(Qt::LeftDockWidgetArea, dock_);
}

void frmMain::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setContentsMargins(4, 0, 4, 0);
    }
    bar->addWidget(panels_[0], 1);
    bar->addPermanentWidget(panels_[1]);
    bar->addPermanentWidget(panels_[2]);
}

void frmMain::ApplyLoadVisibility() {
    // The batch settings and the test frequencies are offered only when the
    // setup asks for them.
    const bool extras = app_.config.ShowBatchAndTestFreq;
    menu_.at(QStringLiteral("MnuTestFre"))->setVisible(extras);
    ShowCHInfo(false);
    const bool factory = app_.factory.TestDataEnabled;
    menu_.at(QStringLiteral("mnuLanguage"))->setVisible(true);
    menu_.at(QStringLiteral("mnuTestData"))->setVisible(factory);
    menu_.at(QStringLiteral("mnuHelpTopic"))->setVisible(IsHelpAvailable(app_.config));
    menu_.at(QStringLiteral("mnuModel"))->setVisible(false);
    menu_.at(QStringLiteral("mnuEditBar3"))->setVisible(extras);
    menu_.at(QStringLiteral("MnuCHBatch"))->setVisible(extras);
    menu_.at(QStringLiteral("mnuWindowTileHorizontal"))->setVisible(false);
    menu_.at(QStringLiteral("mnuWindowTileVertical"))->setVisible(false);
    menu_.at(QStringLiteral("mnuWindowArrangeIcons"))->setVisible(false);
}

// ---------------------------------------------------------------- geometry

void frmMain::RestoreGeometry() {
    QSettings settings(Q(app_.config.AppTitle), QString());
    settings.beginGroup(QStringLiteral("Settings"));
    auto px = [&](const char* key, int fallback) {
        bool ok = false;
        const int twips = settings.value(QString::fromLatin1(key), fallback).toString().toInt(&ok);
        return static_cast<int>(std::lround((ok ? twips : fallback) / TwipsPerPixel()));
    };
    // A size the user left is kept; the default one grows to fit the channel grid.
    growToFitChildren_ = !settings.contains(QStringLiteral("MainWidth"));
    const int left = px("MainLeft", 1000), top = px("MainTop", 1000);
    int width = px("MainWidth", 12500), height = px("MainHeight", 9500);
    const QScreen* screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    if (growToFitChildren_ && area.isValid()) {
        // The default height is the screen's, so that the channel grid shows
        // as many rows as the screen can hold.
        height = std::max(height, area.bottom() + 1 - top - kWindowFrameAllowance);
    }
    resize(std::max(width, 200), std::max(height, 150));
    move(left, top);
    // A stored place from another screen, or a default larger than this one,
    // is brought inside the work area.
    if (area.isValid()) {
        const QRect fitted =
            FitInside(QRect(pos(), size() + QSize(0, kWindowFrameAllowance)), area);
        resize(fitted.size() - QSize(0, kWindowFrameAllowance));
        move(fitted.topLeft());
    }
}

void frmMain::SaveGeometry() {
    if (!app_.paths.WritesFiles)
        return; // the demo writes nothing
    QSettings settings(Q(app_.config.AppTitle), QString());
    settings.beginGroup(QStringLiteral("Settings"));
    auto tw = [](int px) { return QString::number(std::lround(px * TwipsPerPixel())); };
    settings.setValue(QStringLiteral("MainLeft"), tw(x()));
    settings.setValue(QStringLiteral("MainTop"), tw(y()));
    settings.setValue(QStringLiteral("MainWidth"), tw(width()));
    settings.setValue(QStringLiteral("MainHeight"), tw(height()));
}

int frmMain::PaneWidthTwips() const {
    return static_cast<int>(std::lround(picture1_->width() * TwipsPerPixel()));
}

void frmMain::DragSplitterBy(int twips) {
    const int innerTwips = static_cast<int>(std::lround(width() * TwipsPerPixel()));
    const int wanted = PaneWidthTwips() + twips;
    if (wanted < kMinPaneTwips || wanted > innerTwips)
        return;
    picture1_->setFixedWidth(static_cast<int>(std::lround(wanted / TwipsPerPixel())));
}

void frmMain::SetTreePaneVisible(bool visible) {
    dock_->setVisible(visible);
}

// ---------------------------------------------------------------- labels

void frmMain::ShowMainTxt() {
    const QString model = Q(docs_.ModelDisplayName());
    const QString band = Q(app_.docState.BandText);
    setWindowTitle(Q(app_.texts.GetLangText(12000)) + "[" + model + ":" + band + "]" + "[" +
                   Q(app_.texts.GetLangText(12009)) + ":" +
                   FileNamePart(app_.docState.CurrentFileName) + "]");
    label1_->setText(model);
    if (tree_->topLevelItemCount() > 0)
        tree_->topLevelItem(0)->setText(0, label1_->text());
}

void frmMain::RelabelMainWindow() {
    fileFilter_ = Q(app_.texts.GetLangText(9001)) + QStringLiteral(" (*.dat)|*.dat");
    ShowConfiguredPort();
    panels_[1]->setText(Q(docs_.ModelDisplayName()) + "[" + Q(app_.docState.BandText) + "]");
    ShowMainTxt();

    auto m = [this](const char* name, const std::string& text) {
        menu_.at(QString::fromLatin1(name))->setText(Q(text));
    };
    const TextCatalog& t = app_.texts;
    m("mnuFile", t.GetLangText(10000));
    m("mnuFileNew", t.GetLangText(10001));
    m("mnuFileOpen", t.GetLangText(10002));
    m("mnuFileSave", t.GetLangText(10003));
    m("mnuFileSaveAs", t.GetLangText(10004));
    m("mnuFileRestore", t.GetLangText(10007));
    m("mnuFileExportCsv", t.GetLangText(10900));
    m("mnuFileImportCsv", t.GetLangText(10901));
    m("mnuFileCompare", t.GetLangText(10902));
    m("mnuFilePrint", t.GetLangText(10005));
    m("mnuFileExportPdf", t.GetLangText(10907));
    m("mnuFileExit", t.GetLangText(10006));
    m("mnuModel", t.GetLangText(10100));
    m("mnuModelInfo", t.GetLangText(10101));
    m("MnuCHEdit", t.GetLangText(10800));
    m("MnuCHCut", t.GetLangText(10801));
    m("MnuCHCopy", t.GetLangText(10802));
    m("MnuCHPaste", t.GetLangText(10803));
    m("MnuCHInsert", t.GetLangText(10804));
    m("MnuCHDelete", t.GetLangText(10805));
    m("MnuCHMoveUp", t.GetLangText(10806));
    m("MnuCHMoveDown", t.GetLangText(10807));
    m("mnuEdit", t.GetLangText(10200));
    m("mnuChannelInfo", t.GetLangText(10201));
    m("mnuOptFeature", t.GetLangText(10202));
    m("MnuRadioFre", t.GetLangText(10203));
    m("MnuDTMF", t.GetLangText(10204));
    m("MnuKey", t.GetLangText(10208));
    m("MnuScan", t.GetLangText(10209));
    m("MnuAlert", t.GetLangText(10210));
    m("MnuTestFre", t.GetLangText(10205));
    m("mnuTestData", t.GetLangText(10212));
    m("mnuEmbeddedMsg", t.GetLangText(10206));
    m("MnuLocalInfo", t.GetLangText(10207));
    m("MnuCHBatch", t.GetLangText(10211));
    m("mnuProgram", t.GetLangText(10300));
    m("mnuReadFromRadio", t.GetLangText(10301));
    m("mnuWriteToRadio", t.GetLangText(10302));
    m("MnuProPassWord", t.GetLangText(10303));
    m("mnuSet", t.GetLangText(10400));
    m("mnuComm", t.GetLangText(10401));
    m("mnuLanguage", t.GetLangText(10402));
    m("MnuInit", t.GetLangText(10403));
    m("MnuCHHabits", t.GetLangText(10808));
    m("mnuView", t.GetLangText(10500));
    m("mnuTreeView", t.GetLangText(10501));
    m("mnuViewToolbar", t.GetLangText(10502));
    m("mnuViewStatusBar", t.GetLangText(10503));
    m("mnuWindow", t.GetLangText(10600));
    m("mnuWindowCascade", t.GetLangText(10601));
    m("mnuWindowTileHorizontal", "Tile Windows &Horizontally");
    m("mnuWindowTileVertical", "Tile Windows &Vertically");
    m("mnuWindowArrangeIcons", "&Arrange Icons");
    m("mnuCloseAll", t.GetLangText(10602));
    m("mnuHelp", t.GetLangText(10700));
    m("mnuHelpTopic", t.GetLangText(10701));
    m("mnuHelpAbout", t.GetLangText(10702));

    auto b = [this](const char* key, const std::string& text) {
        QAction* a = buttons_.at(QString::fromLatin1(key));
        a->setToolTip(Q(text));
        a->setText(Q(text));
    };
    b("NewFile", t.GetLangText(11000));
    b("OpenFile", t.GetLangText(11001));
    b("SaveFile", t.GetLangText(11002));
    b("Print", t.GetLangText(11003));
    b("ReadRadio", t.GetLangText(11004));
    b("CommSet", t.GetLangText(11005));
    b("WriteRadio", t.GetLangText(11006));
    b("CHCut", t.GetLangText(11010));
    b("CHCopy", t.GetLangText(11011));
    b("CHPaste", t.GetLangText(11012));
    b("CHInsert", t.GetLangText(11013));
    b("CHDelete", t.GetLangText(11014));
    b("CHMoveUp", t.GetLangText(11015));
    b("CHMoveDown", t.GetLangText(11016));
    b("About", t.GetLangText(11007));
    ShowHistory();
}

void frmMain::ShowHistory() {
    // Before the first relabelling the entries have no texts yet.
    if (!history_ || menu_.empty() || buttons_.empty())
        return;
    const std::pair<QAction*, QAction*> entries[] = {
        {menu_.at(QStringLiteral("mnuEditUndo")), buttons_.at(QStringLiteral("Undo"))},
        {menu_.at(QStringLiteral("mnuEditRedo")), buttons_.at(QStringLiteral("Redo"))}};
    const QString texts[] = {history_->UndoText(), history_->RedoText()};
    const bool can[] = {history_->CanUndo(), history_->CanRedo()};
    for (int i = 0; i < 2; ++i) {
        auto [entry, button] = entries[i];
        entry->setText(texts[i]);
        entry->setEnabled(can[i]);
        // The button says the same without the menu's access key.
        QString tip = texts[i];
        tip.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))).remove(QLatin1Char('&'));
        button->setText(tip);
        button->setToolTip(tip);
        button->setEnabled(can[i]);
    }
}

void frmMain::UndoChange() {
    CommitEdits(true);
    history_->Undo();
}

void frmMain::RedoChange() {
    CommitEdits(true);
    history_->Redo();
}

void frmMain::Change_Language() {
    RelabelMainWindow();
    LoadTree();
    QList<QWidget*> open;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        open << sub->widget();
    for (const auto& w : modeless_)
        if (w)
            open << w.data();
    RelabelEditors(open);
}

void frmMain::LoadTree() {
    tree_->clear();
    const TextCatalog& t = app_.texts;
    auto* root = new QTreeWidgetItem(tree_, {label1_->text()});
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    root->setIcon(0, TreeIcon(1));
    auto node = [root](const char* key, const std::string& text) {
        auto* item = new QTreeWidgetItem(root, {Q(text)});
        item->setData(0, Qt::UserRole, QString::fromLatin1(key));
        item->setIcon(0, TreeIcon(2));
    };
    const bool dtmf = app_.config.ConfiguredFeatures[3] != 0;
    node("N1", t.GetLangText(12001));
    node("N2", t.GetLangText(12002));
    node("N3", t.GetLangText(12003));
    if (dtmf)
        node("N4", t.GetLangText(12004));
    node("N8", t.GetLangText(12010));
    node("N9", t.GetLangText(12011));
    node("N10", t.GetLangText(12012));
    if (app_.factory.TestDataEnabled)
        node("N11", t.GetLangText(12013));
    node("N6", t.GetLangText(12006));
    node("N7", t.GetLangText(12007));
    root->setExpanded(true);
    menu_.at(QStringLiteral("MnuDTMF"))->setVisible(dtmf);
}

void frmMain::LoadBKPic() {
    const QString path = Q(app_.paths.ProgramFolder) + QStringLiteral("/PIC/BK_") +
                         QString::number(app_.config.CurrentLanguage) + QStringLiteral(".jpg");
    QImage picture(path);
    if (picture.width() < 3 || picture.height() < 3) {
        // Without its picture the work surface keeps a plain colour.
        mdi_->setBackground(QColor(96, 112, 136));
        return;
    }
    const int w = picture.width() - 2;
    const int h = picture.height() - 2;
    const QSize area = size().expandedTo(QSize(1, 1));
    QImage surface(area, QImage::Format_RGB32);
    surface.fill(Qt::white);
    QPainter g(&surface);
    // Tile the picture without its outer one-pixel frame: one strip across
    // the width, then that strip (without its outer rows) down the window.
    for (int x = 0; x < area.width(); x += w)
        g.drawImage(QPoint(x, 0), picture, QRect(1, 0, w, picture.height()));
    for (int y = h; y < area.height(); y += h)
        g.drawImage(QPoint(0, y), surface, QRect(0, 1, area.width(), h));
    g.end();
    mdi_->setBackground(QBrush(surface));
}

void frmMain::ShowCHInfo(bool show) {
    chInfoShown_ = show;
    menu_.at(QStringLiteral("MnuCHEdit"))->setVisible(show);
    const auto actions = toolbar_->actions();
    for (int i = kFirstChannelButton; i <= kLastChannelButton && i < actions.size(); ++i)
        actions[i]->setVisible(show);
    // Hidden items are disabled too, so that their shortcuts do not act for
    // another window; shown again, they follow the grid's current row.
    auto* grid = dynamic_cast<ChannelGridWindow*>(FindChildWindow(QStringLiteral("frmCommChInfo")));
    if (show && grid) {
        UpdateChannelCommands(grid->CurrentRow());
        return;
    }
    for (const char* name : {"MnuCHCut", "MnuCHCopy", "MnuCHPaste", "MnuCHInsert", "MnuCHDelete",
                             "MnuCHMoveUp", "MnuCHMoveDown"})
        menu_.at(QString::fromLatin1(name))->setEnabled(show);
}

// ---------------------------------------------------------------- child windows

QMdiSubWindow* frmMain::SubWindowOf(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name)
            return sub;
    return nullptr;
}

QWidget* frmMain::FindChildWindow(const QString& name) const {
    if (QMdiSubWindow* sub = SubWindowOf(name))
        return sub->widget();
    for (const auto& w : modeless_)
        if (w && w->objectName() == name)
            return w;
    return nullptr;
}

QStringList frmMain::OpenChildWindowNames() const {
    QStringList names;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget())
            names << sub->widget()->objectName();
    for (const auto& w : modeless_)
        if (w && w->isVisible())
            names << w->objectName();
    return names;
}

QWidget* frmMain::ShowChildWindow(const QString& name) {
    if (QMdiSubWindow* sub = SubWindowOf(name)) {
        // Brought forward, it gets back the control it had.
        mdi_->setActiveSubWindow(sub);
        return sub->widget();
    }
    QWidget* widget = registry_.Create(name, *this);
    if (!widget)
        return nullptr;
    widget->setObjectName(name);
    if (auto* dialog = qobject_cast<QDialog*>(widget)) {
        // A modal window of the registry (test data, batch settings): over
        // the main window, which it blocks while it is open.
        if (!dialog->parentWidget())
            dialog->setParent(this, dialog->windowFlags() | Qt::Dialog);
        ui_.RunDialog(*dialog);
        delete dialog;
        return nullptr;
    }
    widget->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(widget);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(TreeIcon(2));
    KeepMenuShortcuts(sub);
    // Closed, it hands the work area back to the window used before it.
    connect(sub, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] { ActivateMostRecentWindow(); });
    });
    sub->show();
    MakeRoomFor(sub);
    CascadeChildWindows();
    mdi_->setActiveSubWindow(sub);
    return widget;
}

void frmMain::NoteClosing(QMdiSubWindow* sub) {
    // The work area itself activates the next window in its list when the
    // active one closes; the window to return to is the one used before.
    if (sub != mdi_->activeSubWindow())
        return;
    used_.removeAll(nullptr);
    returnTo_ = nullptr;
    for (const auto& w : used_)
        if (w != sub) {
            returnTo_ = w;
            break;
        }
}

void frmMain::ActivateMostRecentWindow() {
    used_.removeAll(nullptr);
    QMdiSubWindow* target = returnTo_ ? returnTo_.data() : nullptr;
    returnTo_ = nullptr;
    if (target && target != mdi_->activeSubWindow())
        mdi_->setActiveSubWindow(target);
}

void frmMain::KeepMenuShortcuts(QMdiSubWindow* sub) {
    // A child window's own "Close" answers Ctrl+W, which is Write to Radio
    // here: with both, Qt runs neither. The child keeps Ctrl+F4.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* action : menu->actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_W) ||
                action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F4)});
}

void frmMain::MakeRoomFor(QMdiSubWindow* sub) {
    // The main window at its default size grows (within the screen) to show
    // the whole width of a child window, such as the channel grid.
    if (!growToFitChildren_ || isMaximized() || isFullScreen())
        return;
    const int missing = sub->sizeHint().width() - mdi_->viewport()->width();
    if (missing <= 0)
        return;
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known once the window is mapped; until then the window
    // system adds nothing at the sides worth counting.
    const QRect frame = frameGeometry();
    const int sides = frame.width() - width();
    const int limit = std::min(width() + missing, area.width() - sides);
    if (limit > width())
        resize(limit, height());
    // Grown to the right, it may have to move left to stay inside.
    const QRect grown = frameGeometry();
    const QRect fitted = FitInside(grown, area);
    if (fitted.topLeft() != grown.topLeft())
        move(fitted.topLeft());
}

void frmMain::CloseWindowByName(const QString& name) {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name) {
            sub->close();
            delete sub;
        }
    for (auto& w : modeless_)
        if (w && w->objectName() == name) {
            w->close();
            delete w.data();
        }
    modeless_.removeAll(nullptr);
}

void frmMain::CloseCurAllWindows() {
    CloseCurAllOtherWindows(nullptr);
}

void frmMain::CloseCurAllOtherWindows(QWidget* keep) {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (keep && (sub == keep || sub->widget() == keep))
            continue;
        sub->close();
        delete sub;
    }
    for (auto& w : modeless_) {
        if (!w || w == keep)
            continue;
        w->close();
        delete w.data();
    }
    modeless_.removeAll(nullptr);
    if (!mdi_->activeSubWindow())
        ShowCHInfo(false);
}

void frmMain::AddModelessWindow(QWidget* window) {
    modeless_.append(window);
}

QWidget* frmMain::ShowModelessWindow(const QString& name) {
    modeless_.removeAll(nullptr);
    for (const auto& w : modeless_) {
        if (w && w->objectName() == name) {
            w->show();
            w->raise();
            w->activateWindow();
            return w;
        }
    }
    QWidget* window = registry_.Create(name, *this);
    if (!window)
        return nullptr;
    window->setObjectName(name);
    window->setParent(this, Qt::Tool);
    window->setAttribute(Qt::WA_DeleteOnClose);
    AddModelessWindow(window);
    // Over the program's window, not wherever the window system puts it.
    window->adjustSize();
    window->move(frameGeometry().center() - window->rect().center());
    window->show();
    window->activateWindow();
    return window;
}

void frmMain::CascadeChildWindows() {
    // One step right and down from the window below, as the window system
    // cascades, but every window fits the work area: a window that would
    // leave it starts again at the top-left corner, and one larger than the
    // area is shrunk to it where its controls allow (the area scrolls to
    // the rest). The channel grid is as tall as the area, for as many rows
    // as it holds.
    const QRect area(QPoint(0, 0), mdi_->viewport()->size());
    if (area.isEmpty())
        return;
    const int step = std::max(16, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    QPoint at(0, 0);
    for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::StackingOrder)) {
        if (!sub->isVisible() || sub->isMinimized() || sub->isMaximized())
            continue;
        QSize size = sub->sizeHint().expandedTo(sub->minimumSizeHint());
        if (sub->widget() && sub->widget()->objectName() == QLatin1String("frmCommChInfo"))
            size.setHeight(std::max(size.height(), area.height() - at.y()));
        if (at != QPoint(0, 0) &&
            (at.x() + size.width() > area.width() || at.y() + size.height() > area.height()))
            at = QPoint(0, 0);
        sub->setGeometry(FitInside(QRect(at, size), area, sub->minimumSizeHint()));
        at += QPoint(step, step);
    }
}

void frmMain::OnSubWindowActivated(QMdiSubWindow* window) {
    if (window) {
        used_.removeAll(window);
        used_.prepend(window);
    }
    const QString name = window && window->widget() ? window->widget()->objectName() : QString();
    // The grid's row commands are offered while it is the active window.
    ShowCHInfo(name == QLatin1String("frmCommChInfo"));
    // The tree shows which window is in front.
    const WindowRow* row = name.isEmpty() ? nullptr : FindWindowRow(name);
    const QString key = row && row->treeKey ? QString::fromLatin1(row->treeKey) : QString();
    QTreeWidgetItem* node = nullptr;
    if (QTreeWidgetItem* root = tree_->topLevelItem(0))
        for (int i = 0; i < root->childCount() && !key.isEmpty(); ++i)
            if (root->child(i)->data(0, Qt::UserRole).toString() == key)
                node = root->child(i);
    if (node)
        tree_->setCurrentItem(node);
    else if (window)
        tree_->setCurrentItem(nullptr);
}

void frmMain::RebuildWindowList() {
    QMenu* menu = menu_.at(QStringLiteral("mnuWindow"))->menu();
    for (QAction* a : menu->actions())
        if (a->property("windowListEntry").toBool())
            delete a;
    int n = 0;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setProperty("windowListEntry", true);
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
}

// ---------------------------------------------------------------- documents

void frmMain::LoadNewDoc() {
    CloseCurAllWindows();
    NewDocTimer.start();
}

void frmMain::OnNewDocTimer() {
    NewDocTimer.stop();
    LoadNewDoc2();
    CascadeChildWindows();
}

void frmMain::LoadNewDoc2() {
    docs_.NewDocument();
    DocumentUntitled = true;
    RelabelMainWindow();
    OpenChannelWindow();
    ShowMainTxt();
    history_->StartNewHistory();
}

bool frmMain::AskSaveChanges() {
    if (!docs_.IsModified())
        return true;
    switch (ui_.Ask(app_.texts.GetLangText(9006), Buttons::YesNoCancel, Severity::Warning)) {
    case Answer::Yes:
        // A save that does not happen (dialog cancelled, file error) keeps the
        // edits and ends the command.
        return FileSave();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void frmMain::FileNew() {
    if (!AskSaveChanges())
        return;
    if (ui_.Ask(app_.texts.GetLangText(9026), Buttons::OkCancel, Severity::Warning) == Answer::Ok)
        LoadNewDoc();
}

void frmMain::ToolbarNew() {
    if (!AskSaveChanges())
        return;
    LoadNewDoc();
}

void frmMain::FileOpen() {
    if (!AskSaveChanges())
        return;
    const auto path = ui_.AskOpenFile(fileFilter_.toStdString(), app_.docState.CurrentFileName);
    if (!path)
        return;
    const std::string previous = app_.docState.CurrentFileName;
    app_.docState.CurrentFileName = *path;
    CloseCurAllWindows();
    if (!docs_.OpenFile()) {
        // Nothing was loaded: the document keeps its old name and its windows.
        app_.docState.CurrentFileName = previous;
        ShowMainTxt();
        ShowChildWindow(QStringLiteral("frmCommChInfo"));
        return;
    }
    history_->StartNewHistory();
}

bool frmMain::FileSave() {
    if (DocumentUntitled)
        return FileSaveAs();
    const std::string question = "\"" + FileNamePart(app_.docState.CurrentFileName).toStdString() +
                                 "\"" + app_.texts.GetLangText(9007);
    if (ui_.Ask(question, Buttons::OkCancel, Severity::Question) != Answer::Ok)
        return false;
    return docs_.SaveFile();
}

bool frmMain::FileSaveAs() {
    const auto path = ui_.AskSaveFile(fileFilter_.toStdString(), app_.docState.CurrentFileName);
    if (!path)
        return false;
    const std::string previous = app_.docState.CurrentFileName;
    app_.docState.CurrentFileName = *path;
    if (!docs_.SaveFile()) {
        app_.docState.CurrentFileName = previous;
        ShowMainTxt();
        return false;
    }
    DocumentUntitled = false;
    ShowMainTxt();
    return true;
}

void frmMain::ExportChannelsCsv() {
    // An edit still open in the grid belongs to the table that is written.
    SetSaveEditData();
    ExportChannelsToCsv(app_.doc, app_.texts, ui_, CsvFileBeside(app_.docState.CurrentFileName));
}

void frmMain::ReportDocument(bool toPdf) {
    // An edit still open in the grid belongs to the document that is shown.
    SetSaveEditData();
    const std::string file = DocumentUntitled ? std::string() : app_.docState.CurrentFileName;
    if (toPdf)
        ExportDocumentReportPdf(app_.doc, app_.texts, file, ui_);
    else
        PrintDocumentReport(app_.doc, app_.texts, file, ui_, this);
}

bool frmMain::ImportChannelsCsv() {
    // The grid's open edit goes into the document first, so that the report
    // is about the table as the user sees it; the open windows show the
    // imported table through the document's change announcement.
    SetSaveEditData();
    return ImportChannelsFromCsv(app_, ui_, CsvFileBeside(app_.docState.CurrentFileName), this);
}

bool frmMain::CompareWithFile() {
    // The grid's open edit is part of the document that is compared.
    SetSaveEditData();
    return CompareWithDocumentFile(app_, ui_, fileFilter_.toStdString(),
                                   app_.docState.CurrentFileName, [this](int topic) { ShowHelpTopic(topic); },
                                   this);
}

// ---------------------------------------------------------------- row commands

void frmMain::SetSaveEditData() {
    if (auto* grid = dynamic_cast<ChannelGridWindow*>(FindChildWindow("frmCommChInfo")))
        grid->SetEditDisable();
}

void frmMain::StartRowCommand(int command) {
    SetSaveEditData();
    PendingRowCommand = command;
    TimerCHEdit.start();
}

void frmMain::OnTimerCHEdit() {
    TimerCHEdit.stop();
    const int command = PendingRowCommand;
    PendingRowCommand = 0;
    if (command != 0 && rowCommands_)
        rowCommands_(command);
}

void frmMain::UpdateChannelCommands(int row) {
    const ChannelCommandStates s = ChannelCommandsForRow(app_, row);
    const std::pair<const char*, bool> items[] = {
        {"MnuCHCut", s.cut},           {"MnuCHCopy", s.copy},     {"MnuCHPaste", s.paste},
        {"MnuCHInsert", s.insert},     {"MnuCHDelete", s.remove}, {"MnuCHMoveUp", s.moveUp},
        {"MnuCHMoveDown", s.moveDown},
    };
    for (const auto& [name, enabled] : items)
        menu_.at(QString::fromLatin1(name))->setEnabled(enabled);
    const std::pair<const char*, bool> buttons[] = {
        {"CHCut", s.cut},           {"CHCopy", s.copy},     {"CHPaste", s.paste},
        {"CHInsert", s.insert},     {"CHDelete", s.remove}, {"CHMoveUp", s.moveUp},
        {"CHMoveDown", s.moveDown},
    };
    for (const auto& [key, enabled] : buttons)
        if (QAction* b = ToolbarButton(QString::fromLatin1(key)))
            b->setEnabled(enabled);
}

// ---------------------------------------------------------------- channel windows

EditorContext frmMain::ChannelEditorContext() {
    return {app_, ui_, [this](int topic) { ShowHelpTopic(topic); }};
}

void frmMain::ShowChannelEditDialog() {
    ShowModelessWindow(QStringLiteral("FrmCHInfoEdit"));
}

void frmMain::PopupChannelEditMenu(const QPoint& globalPos) {
    if (QMenu* menu = menu_.at(QStringLiteral("MnuCHEdit"))->menu())
        menu->popup(globalPos);
}

ChannelGridWindow* frmMain::OpenChannelGrid() const {
    return dynamic_cast<ChannelGridWindow*>(FindChildWindow(QStringLiteral("frmCommChInfo")));
}

ChannelEditWindow* frmMain::OpenChannelEditDialog() const {
    return dynamic_cast<ChannelEditWindow*>(FindChildWindow(QStringLiteral("FrmCHInfoEdit")));
}

// ---------------------------------------------------------------- radio

void frmMain::StartRead() {
    if (link_ && !link_->Busy())
        link_->StartRead();
}

void frmMain::StartWrite() {
    if (link_ && !link_->Busy())
        link_->StartWrite();
}

void frmMain::CommitEdits(bool everyEditor) {
    if (!everyEditor) {
        SetSaveEditData();
        return;
    }
    int count = 0;
    const WindowRow* windows = WindowTable(&count);
    for (int i = 0; i < count; ++i)
        if (windows[i].commitsBeforeWrite)
            if (auto* editor = dynamic_cast<CommittingWindow*>(FindChildWindow(windows[i].name)))
                editor->CommitFocusedEdit();
}

void frmMain::ReadRMGDataFromRadio() {
    if (link_ && !link_->Busy())
        link_->ReadRadioInfo();
}

void frmMain::OnReadDecoded() {
    ShowMainTxt();
    Change_Language();
    app_.docState.CurrentFileName = "new.dat";
    DocumentUntitled = true;
    ShowMainTxt();
    OpenChannelWindow();
    CascadeChildWindows();
    history_->StartNewHistory();
}

void frmMain::OnRadioInfoRead() {
    ShowChildWindow(QStringLiteral("FrmRadioInfo"));
}

void frmMain::ShowPortStatus(const QString& text) {
    // "Port: COM3" names the device behind the number as well.
    const std::string device = ports_ ? ports_->Describe(app_.config.ComPort).device : std::string();
    panels_[2]->setText(device.empty() ? text : text + QStringLiteral(" (%1)").arg(Q(device)));
}

void frmMain::ShowConfiguredPort() {
    ShowPortStatus(Q(app_.texts.GetLangText(12008)) + QString::number(app_.config.ComPort));
}

void frmMain::OpenChannelWindow() {
    // A grid that is open already shows the previous contents: reload it.
    if (auto* grid = dynamic_cast<ChannelGridWindow*>(FindChildWindow("frmCommChInfo")))
        grid->ReShowChInfoByLanguage();
    ShowChildWindow(QStringLiteral("frmCommChInfo"));
}

void frmMain::OnTreeNodeClicked(const QString& key) {
    if (key == QLatin1String("N7")) {
        CloseWindowByName(QStringLiteral("FrmRadioInfo"));
        ReadRMGDataFromRadio();
        return;
    }
    int count = 0;
    const WindowRow* windows = WindowTable(&count);
    for (int i = 0; i < count; ++i)
        if (windows[i].treeKey && key == QLatin1String(windows[i].treeKey)) {
            ShowChildWindow(QString::fromLatin1(windows[i].name));
            return;
        }
}

// ---------------------------------------------------------------- dialogs

void frmMain::ShowPortDialog() {
    // Without the platform's list no port is offered as present.
    struct NoPorts : PortList {
        std::vector<int> ExistingPorts() const override { return {}; }
    } none;
    FrmSetComm dialog(app_, ports_ ? *ports_ : none, this);
    dialog.setProperty("helpTopic", 501);
    ui_.RunDialog(dialog);
    ShowConfiguredPort();
}

void frmMain::RestoreFromBackup() {
    if (!link_ || link_->Busy())
        return;
    FrmRestoreBackup dialog(app_, ui_, BackupFolder(), this);
    dialog.setProperty("helpTopic", 402);
    if (ui_.RunDialog(dialog) == QDialog::Accepted && dialog.Chosen())
        link_->StartRestore(*dialog.Chosen());
}

void frmMain::ShowPasswordDialog() {
    FrmPassWord dialog(app_, this);
    dialog.setProperty("helpTopic", 403);
    ui_.RunDialog(dialog);
}

void frmMain::ShowLanguageDialog() {
    FrmSetLanguage dialog(app_, this);
    dialog.setProperty("helpTopic", 502);
    ui_.RunDialog(dialog);
    OnActivated();
}

void frmMain::ShowModelInfoDialog() {
    FrmModelInfo dialog(app_, ui_, *this, this);
    dialog.setProperty("helpTopic", 201);
    ui_.RunDialog(dialog);
}

void frmMain::ShowAboutBox() {
    FrmAbout dialog(app_, this);
    dialog.setProperty("helpTopic", 802);
    ui_.RunDialog(dialog);
}

void frmMain::ShowHelpTopic(int topic) {
    if (!IsHelpAvailable(app_.config))
        return;
    if (!help_)
        help_ = new HelpWindow(nullptr);
    help_->ShowPage(Q(HelpTopicPage(app_.config, topic)));
}

void frmMain::ShowHelpContents() {
    // The help menu follows the current language; F1 keeps the help chosen at start-up.
    Config byLanguage = app_.config;
    byLanguage.HelpFile = HelpFileFor(app_.paths, app_.config.CurrentLanguage == 1 ? 1 : 2);
    if (!IsHelpAvailable(byLanguage))
        return;
    if (!help_)
        help_ = new HelpWindow(nullptr);
    help_->ShowPage(Q(HelpTopicPage(byLanguage, 0)));
}

// ---------------------------------------------------------------- events

void frmMain::OnActivated() {
    if (app_.config.ShownLanguage == app_.config.CurrentLanguage)
        return;
    app_.config.ShownLanguage = app_.config.CurrentLanguage;
    LoadQtTranslations(app_.config.CurrentLanguage);
    Change_Language();
    CloseCurAllWindows();
    ShowChildWindow(QStringLiteral("frmCommChInfo"));
    LoadBKPic();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        OnActivated();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LoadBKPic();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close)
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && sub->mdiArea() == mdi_)
            NoteClosing(sub);
    if ((event->type() == QEvent::Show || event->type() == QEvent::Resize) &&
        watched->isWidgetType())
        KeepOnScreen(static_cast<QWidget*>(watched));
    if (event->type() == QEvent::KeyPress && TakeKeyboardKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            auto it = helpTopics_.find(menu->activeAction());
            ShowHelpTopic(it == helpTopics_.end() ? 0 : it->second);
            return true;
        }
        if (watched->isWidgetType()) {
            ShowHelpTopic(HelpTopicOf(static_cast<QWidget*>(watched)));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::TakeKeyboardKey(QObject* watched, const QKeyEvent& key) {
    const bool plain = !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    // F6 moves between the tree and the window in front, as in other programs
    // with panes.
    if (key.key() == Qt::Key_F6 && plain && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        SwitchPane();
        return true;
    }
    // Enter or Space on a tree item opens its window, as a click does.
    if (watched == tree_ && plain && tree_->currentItem() &&
        (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space)) {
        OnTreeNodeClicked(tree_->currentItem()->data(0, Qt::UserRole).toString());
        return true;
    }
    // Return presses a focused button. A dialog does that itself (its
    // default button follows the focus); a child window or a tool window
    // would leave the key unused.
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && button->hasFocus() && button->isEnabled() && plain &&
        (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
        !qobject_cast<QDialog*>(button->window())) {
        button->animateClick();
        return true;
    }
    return false;
}

void frmMain::SwitchPane() {
    QWidget* focus = QApplication::focusWidget();
    const bool inTree = focus && (focus == tree_ || tree_->isAncestorOf(focus));
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (!inTree || !sub || !sub->widget()) {
        if (tree_->isVisibleTo(this))
            tree_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    // Back to the control last used in the window, else its first one.
    QWidget* window = sub->widget();
    QWidget* target = window->focusWidget();
    for (QWidget* next = window->nextInFocusChain(); !target && next && next != window;
         next = next->nextInFocusChain())
        if (window->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisibleTo(window) && next->isEnabled())
            target = next;
    mdi_->setActiveSubWindow(sub);
    (target ? target : window)->setFocus(Qt::ShortcutFocusReason);
}

void frmMain::KeepOnScreen(QWidget* window) {
    // Every dialog and window of the program opens inside the screen's work
    // area, and stays inside when it grows (the batch settings show their
    // item list), so that its buttons can always be reached.
    if (window == this) {
        // The frame the window system puts around the main window is known
        // once it is shown: then the whole frame is brought inside.
        if (!fittedOnShow_) {
            fittedOnShow_ = true;
            QTimer::singleShot(0, this, [this] { FitToScreen(*this); });
        }
        return;
    }
    if (!window->isWindow() || !window->isVisible())
        return;
    const Qt::WindowType type = window->windowType();
    if (type != Qt::Dialog && type != Qt::Window && type != Qt::Tool && type != Qt::Sheet)
        return;
    FitToScreen(*window);
}

int frmMain::HelpTopicOf(QWidget* widget) const {
    // The nearest "helpTopic" from the control up to its window; a control in
    // the main window itself falls back to the active child window's topic.
    // An open drop-down is a window of its own that belongs to its list, so
    // the search goes on from the popup to the list.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant topic = w->property("helpTopic");
        if (topic.isValid())
            return topic.toInt();
        if (w->isWindow() && w != this && w->windowType() != Qt::Popup)
            return 0;
    }
    if (QMdiSubWindow* sub = mdi_->activeSubWindow())
        if (sub->widget())
            return sub->widget()->property("helpTopic").toInt();
    return 0;
}

void frmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelpTopic(HelpTopicOf(this));
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!isMinimized())
        SaveGeometry();
    CommitEdits(true); // an edit held back in a window counts as a change
    if (docs_.IsModified()) {
        const Answer a =
            ui_.Ask(app_.texts.GetLangText(9006), Buttons::YesNoCancel, Severity::Warning);
        if (a == Answer::Cancel || (a == Answer::Yes && !FileSave())) {
            // Cancel, or a save that did not happen: the program keeps running
            // with the edits.
            event->ignore();
            return;
        }
    }
    if (link_)
        link_->ClosePortIfOpen();
    docs_.EndProgram();
    CloseCurAllWindows();
    if (help_)
        help_->close();
    event->accept();
}

} // namespace pmr
