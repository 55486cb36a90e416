// Which menu entries, toolbar buttons and tree nodes the main window has and
// shows under which conditions.

#include "GuiTestSupport.h"

#include <QDialog>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace pmr;
using namespace pmr::testing;

namespace {

bool Shown(QAction* a) {
    return a && a->isVisible();
}

TEST(MainWindowLayout, MenuEntriesCarryTheirTextsShortcutsAndCheckMarks) {
    TestInstall install;
    Harness h(install);
    struct Row {
        const char* name;
        int text;
        const char* shortcut;
    };
    const Row rows[] = {
        {"mnuFile", 10000, ""},
        {"mnuFileNew", 10001, "Ctrl+N"},
        {"mnuFileOpen", 10002, "Ctrl+O"},
        {"mnuFileSave", 10003, ""},
        {"mnuFileExit", 10006, ""},
        {"MnuCHCut", 10801, "Ctrl+X"},
        {"MnuCHDelete", 10805, "Del"},
        {"MnuCHMoveDown", 10807, "Ctrl+D"},
        {"mnuReadFromRadio", 10301, "Ctrl+R"},
        {"mnuWriteToRadio", 10302, "Ctrl+W"},
        {"MnuProPassWord", 10303, "Ctrl+P"},
        {"MnuCHHabits", 10808, "Ctrl+H"},
        {"MnuLocalInfo", 10207, ""},
        {"mnuHelpAbout", 10702, ""},
    };
    for (const Row& r : rows) {
        QAction* a = h.Menu(r.name);
        ASSERT_NE(a, nullptr) << r.name;
        EXPECT_EQ(a->text(), h.Text(r.text)) << r.name;
        EXPECT_FALSE(a->text().isEmpty()) << r.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(r.shortcut))) << r.name;
    }
    EXPECT_EQ(h.Menu("mnuWindowTileVertical")->text(), "Tile Windows &Vertically");
    for (const char* name : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"}) {
        EXPECT_TRUE(h.Menu(name)->isCheckable()) << name;
        EXPECT_TRUE(h.Menu(name)->isChecked()) << name;
    }
}

TEST(MainWindowLayout, HiddenEntriesStayHiddenInNormalUse) {
    TestInstall install;
    Harness h(install);
    for (const char* name : {"mnuModel", "MnuTestFre", "mnuTestData", "mnuEditBar3", "MnuCHBatch",
                             "mnuWindowTileHorizontal", "mnuWindowTileVertical",
                             "mnuWindowArrangeIcons"})
        EXPECT_FALSE(Shown(h.Menu(name))) << name;
    for (const char* name : {"mnuFile", "mnuEdit", "mnuProgram", "mnuSet", "mnuView", "mnuWindow",
                             "mnuHelp", "mnuChannelInfo", "MnuLocalInfo", "MnuInit", "mnuComm",
                             "mnuLanguage"})
        EXPECT_TRUE(Shown(h.Menu(name))) << name;
    // Without the help pages the help entry is not offered.
    EXPECT_FALSE(Shown(h.Menu("mnuHelpTopic")));
}

TEST(MainWindowLayout, HelpEntryShownWhenTheHelpIsInstalled) {
    TestInstall install(1, /*help=*/true);
    Harness h(install);
    EXPECT_TRUE(Shown(h.Menu("mnuHelpTopic")));
}

TEST(MainWindowLayout, DtmfOfferedOnlyWithItsFeatureSwitch) {
    TestInstall install;
    Harness off(install, false, 0);
    EXPECT_FALSE(Shown(off.Menu("MnuDTMF")));
    const auto keysOff = off.TreeKeys();
    EXPECT_EQ(std::count(keysOff.begin(), keysOff.end(), QString("N4")), 0);

    // A radio reporting the DTMF feature sets the switch; the rebuilt tree shows it.
    off.app.config.ConfiguredFeatures[3] = 1;
    off.main->LoadTree();
    EXPECT_TRUE(Shown(off.Menu("MnuDTMF")));
    const std::vector<QString> expected = {"N0", "N1", "N2",  "N3", "N4",
                                           "N8", "N9", "N10", "N6", "N7"};
    EXPECT_EQ(off.TreeKeys(), expected);
}

TEST(MainWindowLayout, FactoryModeAddsLanguageAndTestData) {
    TestInstall install;
    Harness h(install, /*factory=*/true);
    EXPECT_TRUE(Shown(h.Menu("mnuLanguage")));
    EXPECT_TRUE(Shown(h.Menu("mnuTestData")));
    const auto keys = h.TreeKeys();
    EXPECT_EQ(std::count(keys.begin(), keys.end(), QString("N11")), 1);
    EXPECT_EQ(keys.back(), QString("N7"));
}

TEST(MainWindowLayout, TreeInOrderWithRootExpandedAndModelName) {
    TestInstall install;
    Harness h(install);
    const std::vector<QString> expected = {"N0", "N1", "N2", "N3", "N8", "N9", "N10", "N6", "N7"};
    EXPECT_EQ(h.TreeKeys(), expected);
    QTreeWidgetItem* root = h.main->Tree()->topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(root->text(0), QString("VX-T210"));
    EXPECT_EQ(h.main->PaneTitle()->text(), QString("VX-T210"));
    EXPECT_EQ(root->child(0)->text(0), h.Text(12001));
    EXPECT_EQ(root->child(7)->text(0), h.Text(12007));
}

TEST(MainWindowLayout, ToolbarButtonsByKeyWithTooltips) {
    TestInstall install;
    Harness h(install);
    auto* bar = h.main->findChild<QToolBar*>("tbToolBar");
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> actions = bar->actions();
    // Undo and Redo come after the buttons of the toolbar's table, which keep
    // their positions.
    ASSERT_EQ(actions.size(), 23);
    const char* keys[] = {"NewFile",  "OpenFile",  "SaveFile",   nullptr,      "Print",
                          nullptr,    "ReadRadio", "CommSet",    "WriteRadio", nullptr,
                          "CHCut",    "CHCopy",    "CHPaste",    nullptr,      "CHInsert",
                          "CHDelete", "CHMoveUp",  "CHMoveDown", nullptr,      "About",
                          nullptr,    "Undo",      "Redo"};
    for (int i = 0; i < 23; ++i) {
        if (!keys[i]) {
            EXPECT_TRUE(actions[i]->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(actions[i]->objectName(), QString(keys[i]));
        EXPECT_FALSE(actions[i]->toolTip().isEmpty()) << keys[i];
        EXPECT_FALSE(actions[i]->icon().isNull()) << keys[i];
    }
    EXPECT_EQ(h.Button("ReadRadio")->toolTip(), h.Text(11004));
    EXPECT_EQ(h.Button("About")->toolTip(), h.Text(11007));
    EXPECT_EQ(h.Button("CHMoveDown")->toolTip(), h.Text(11016));
}

TEST(MainWindowLayout, ChannelCommandsOnlyWhileTheGridIsActive) {
    TestInstall install;
    Harness h(install);
    // The window opened the grid after its new document.
    EXPECT_TRUE(WaitFor([&] { return h.main->FindChildWindow("frmCommChInfo") != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return Shown(h.Menu("MnuCHEdit")); }));
    const QList<QAction*> actions = h.main->findChild<QToolBar*>("tbToolBar")->actions();
    for (int i = 10; i <= 18; ++i)
        EXPECT_TRUE(actions[i]->isVisible()) << i;
    EXPECT_TRUE(actions[9]->isVisible());

    h.main->ShowChildWindow("FrmRadioInfo");
    EXPECT_TRUE(WaitFor([&] { return !Shown(h.Menu("MnuCHEdit")); }));
    for (int i = 10; i <= 18; ++i)
        EXPECT_FALSE(actions[i]->isVisible()) << i;
    EXPECT_FALSE(h.Menu("MnuCHCut")->isEnabled());

    h.main->ShowChildWindow("frmCommChInfo");
    EXPECT_TRUE(WaitFor([&] { return Shown(h.Menu("MnuCHEdit")); }));
}

TEST(MainWindowLayout, ChildWindowsOpenOnceAndCloseByName) {
    TestInstall install;
    Harness h(install);
    QWidget* first = h.main->ShowChildWindow("FrmRadioInfo");
    QWidget* again = h.main->ShowChildWindow("FrmRadioInfo");
    EXPECT_EQ(first, again);
    EXPECT_EQ(h.main->OpenChildWindowNames().count("FrmRadioInfo"), 1);
    EXPECT_EQ(h.main->ShowChildWindow("FrmNoSuchWindow"), nullptr);

    h.main->CloseCurAllOtherWindows(first);
    EXPECT_EQ(h.main->OpenChildWindowNames(), QStringList{"FrmRadioInfo"});
    h.main->CloseWindowByName("FrmRadioInfo");
    EXPECT_TRUE(h.main->OpenChildWindowNames().isEmpty());
}

TEST(MainWindowLayout, CaptionAndStatusPanels) {
    TestInstall install;
    Harness h(install);
    EXPECT_EQ(h.main->windowTitle(),
              h.Text(12000) + "[VX-T210:446.00625 - 446.19375 MHz][" + h.Text(12009) + ":new.dat]");
    EXPECT_EQ(h.main->StatusPanel(2)->text(), QString("VX-T210[446.00625 - 446.19375 MHz]"));
    EXPECT_EQ(h.main->StatusPanel(3)->text(), h.Text(12008) + "1");
    EXPECT_EQ(h.main->FileFilter(), h.Text(9001) + " (*.dat)|*.dat");
}

TEST(MainWindowLayout, TimersAreOneShotsWithTheirIntervals) {
    TestInstall install;
    Harness h(install);
    EXPECT_EQ(h.main->NewDocTimer.interval(), 100);
    EXPECT_EQ(h.main->ReadOKTimer.interval(), 500);
    EXPECT_EQ(h.main->WaitSaveDataTimer.interval(), 100);
    EXPECT_EQ(h.main->TimerCHEdit.interval(), 20);
    for (QTimer* t : {&h.main->NewDocTimer, &h.main->ReadOKTimer, &h.main->WaitSaveDataTimer,
                      &h.main->TimerCHEdit})
        EXPECT_TRUE(t->isSingleShot());
}

TEST(MainWindowLayout, RowCommandRunsOnTheGridAfterItCommitted) {
    TestInstall install;
    Harness h(install);
    EXPECT_TRUE(WaitFor([&] { return h.main->FindChildWindow("frmCommChInfo") != nullptr; }));
    h.gridLog.clear();
    h.Menu("MnuCHMoveUp")->trigger();
    EXPECT_EQ(h.main->PendingRowCommand, 6);
    EXPECT_EQ(h.gridLog, std::vector<int>{0}); // committed first
    ASSERT_TRUE(WaitFor([&] { return h.gridLog.size() == 2; }));
    EXPECT_EQ(h.gridLog[1], 6);
    EXPECT_EQ(h.main->PendingRowCommand, 0);
}

TEST(MainWindowLayout, SplitterKeepsThePaneWithinItsLimits) {
    TestInstall install;
    Harness h(install);
    const int start = h.main->PaneWidthTwips();
    h.main->DragSplitterBy(-(start - 300) - 200); // would be narrower than 300 twips
    EXPECT_EQ(h.main->PaneWidthTwips(), start);
    h.main->DragSplitterBy(-(start - 450));
    EXPECT_NEAR(h.main->PaneWidthTwips(), 450, frmMain::TwipsPerPixel());
}

TEST(MainWindowLayout, TreePaneCloseButtonUnchecksItsMenuEntry) {
    TestInstall install;
    Harness h(install);
    auto* close = h.main->findChild<QAction*>("Toolbar1Close");
    ASSERT_NE(close, nullptr);
    close->trigger();
    EXPECT_FALSE(h.Menu("mnuTreeView")->isChecked());
    EXPECT_FALSE(h.main->findChild<QWidget*>("Picture1")->isVisible());
    h.Menu("mnuTreeView")->trigger();
    EXPECT_TRUE(h.main->findChild<QWidget*>("Picture1")->isVisible());
    h.Menu("mnuViewStatusBar")->trigger();
    EXPECT_FALSE(h.main->statusBar()->isVisible());
}

} // namespace

namespace {

TEST(MainWindowLayout, DefaultGeometryFitsTheScreenAndTakesItsHeight) {
    TestInstall install;
    Harness h(install);
    const QRect area = h.main->screen()->availableGeometry();
    QApplication::processEvents();
    const QRect frame = h.main->frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width()
                                      << "x" << frame.height();
    // As tall as the screen allows, less the room kept for a title bar.
    EXPECT_GE(frame.bottom(), area.bottom() - 40);
}

TEST(MainWindowLayout, DialogsOpenInsideTheScreenAndStayThereWhenTheyGrow) {
    TestInstall install;
    Harness h(install);
    const QRect area = h.main->screen()->availableGeometry();
    h.main->move(area.topLeft() + QPoint(0, area.height() / 2)); // low on the screen
    bool checked = false;
    h.ui.HandleDialogNext([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(area.contains(dialog.frameGeometry()));
        // The item list makes the window taller.
        auto* items = dialog.findChild<QPushButton*>("cmdSelectItems");
        EXPECT_NE(items, nullptr);
        if (items)
            items->click();
        QApplication::processEvents();
        const QRect frame = dialog.frameGeometry();
        if (frame.height() <= area.height())
            EXPECT_TRUE(area.contains(frame)) << frame.y() << "+" << frame.height();
        else
            EXPECT_EQ(frame.top(), area.top());
        checked = true;
        return int(QDialog::Rejected);
    });
    h.main->ShowChildWindow("FrmCHBatch");
    EXPECT_TRUE(checked);
}

} // namespace
