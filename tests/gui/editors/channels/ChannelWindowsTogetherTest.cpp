// The channel grid, the channel edit dialog and the row commands working on
// one another as the user meets them: the real windows under the main window,
// commands from its menu, toolbar and the grid's context menu.

#include "ChannelGridSupport.h"
#include "ChannelRowCommandsRecorders.h"
#include "HelpWindow.h"
#include "app/AppContext.h"
#include "app/LanguageChoice.h"
#include "document/ChannelField.h"
#include "editors/channels/FrmCHInfoEdit.h"

#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

using namespace pmr;
using namespace pmr::testing;

namespace {

constexpr int kVfo = 129;

struct Windows {
    explicit Windows(const TestInstall& install) : g(install) {
        InstallChannelRowCommands(*g.h.main);
    }

    /// Channels 1..n named "C1".."Cn" and the VFO, shown as a loaded file shows them.
    void Fill(int n) {
        RadioDocument& doc = g.h.app.doc;
        doc.ChannelCount = 0;
        for (int no = 1; no <= n + 1; ++no) {
            ChannelRecord& e = doc.Channels[static_cast<std::size_t>(doc.ChannelCount++)];
            e = ChannelRecord{};
            e.ChannelNo = static_cast<Integer>(no > n ? kVfo : no);
            e.RxFreq = "44600625";
            e.TxShift = "0000000";
            e.Name = no > n ? std::string("VFO") : "C" + std::to_string(no);
        }
        Grid()->SetGridData();
    }
    frmCommChInfo* Grid() const { return g.Grid(); }
    FrmCHInfoEdit* Dialog() const {
        return dynamic_cast<FrmCHInfoEdit*>(g.h.main->FindChildWindow("FrmCHInfoEdit"));
    }
    QString Name(int row) const { return g.Cell(row, 3); }

    /// Clicks the toolbar button of `key` and waits for the command timer.
    bool Toolbar(const char* key) {
        QAction* action = g.h.Button(key);
        for (QToolBar* bar : g.h.main->findChildren<QToolBar*>())
            if (QWidget* button = bar->widgetForAction(action)) {
                if (!button->isEnabled())
                    return false;
                QTest::mouseClick(button, Qt::LeftButton);
                return Settled();
            }
        return false;
    }
    /// Chooses an item of the main window's channel edit menu, as from the menu bar.
    bool Menu(const char* item) {
        QAction* action = g.h.Menu(item);
        if (!action->isEnabled())
            return false;
        action->trigger();
        return Settled();
    }
    /// Right-clicks a grid cell and clicks `item` in the menu that pops up there.
    bool ContextMenu(int row, int col, const char* item) {
        ChannelGridView* view = Grid()->Grid();
        const QModelIndex at = view->model()->index(row - 1, col);
        view->scrollTo(at);
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->visualRect(at).center());
        QMenu* menu = g.h.Menu("MnuCHEdit")->menu();
        if (!WaitFor([menu] { return menu->isVisible(); }, 2000))
            return false;
        QAction* action = g.h.Menu(item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return WaitFor([menu] { return !menu->isVisible(); }, 2000) && Settled();
    }
    bool Settled() {
        return WaitFor([this] { return !g.h.main->TimerCHEdit.isActive(); });
    }
    bool RowShown(int row) const {
        const frmCommChInfo* grid = Grid();
        return row >= grid->TopRow() && row < grid->TopRow() + grid->ShownRowCount();
    }

    GridHarness g;
};

TEST(ChannelWindowsTogether, DeleteFromMenuToolbarAndContextMenuWithAndWithoutClosingTheGap) {
    TestInstall install;
    Windows w(install);
    w.Fill(10);
    w.g.Click(5, 3);
    // Answered No: the row is left empty.
    w.g.h.ui.HandleDialogNext(Click("CommandNo"));
    ASSERT_TRUE(w.Menu("MnuCHDelete"));
    EXPECT_EQ(w.Name(5), "");
    EXPECT_EQ(w.g.Cell(5, 1), "");
    EXPECT_EQ(w.Name(6), "C6");
    // The emptied row offers no cut any more.
    EXPECT_FALSE(w.g.h.Menu("MnuCHCut")->isEnabled());

    // Answered Yes from the toolbar: the following channels move up.
    w.g.Click(6, 3);
    w.g.h.ui.HandleDialogNext(Click("CommandYes"));
    ASSERT_TRUE(w.Toolbar("CHDelete"));
    EXPECT_EQ(w.Name(6), "C7");
    EXPECT_EQ(w.Name(9), "C10");
    EXPECT_EQ(w.Name(10), "");
    EXPECT_EQ(w.Name(kVfo), "VFO");

    // From the context menu of another row, the question remembered as not to be asked.
    w.g.h.app.habits.DeleteNoPrompt = true;
    ASSERT_TRUE(w.ContextMenu(2, 4, "MnuCHDelete"));
    EXPECT_EQ(w.Grid()->CurrentRow(), 2);
    EXPECT_EQ(w.Name(2), "C3");
    EXPECT_EQ(w.Name(8), "C10");
    EXPECT_EQ(w.g.h.ui.Unexpected(), 0);
    EXPECT_TRUE(w.g.h.ui.ScriptUsedUp());
}

TEST(ChannelWindowsTogether, InsertOnAFullTablePushesChannel128OutAndPasteCanInsert) {
    TestInstall install;
    Windows w(install);
    w.Fill(128);
    w.g.Click(10, 1);
    ASSERT_TRUE(w.Toolbar("CHInsert"));
    EXPECT_EQ(w.Name(10), "");
    EXPECT_EQ(w.Name(11), "C10");
    EXPECT_EQ(w.Name(128), "C127");
    EXPECT_EQ(w.Name(kVfo), "VFO");
    // The grid's cursor stays on the emptied row, where only the receive list opens.
    EXPECT_EQ(w.Grid()->CurrentRow(), 10);

    ASSERT_TRUE(w.ContextMenu(20, 3, "MnuCHCopy"));
    w.g.Click(3, 3);
    w.g.h.ui.HandleDialogNext(Click("CommandYes"));
    ASSERT_TRUE(w.Menu("MnuCHPaste"));
    EXPECT_EQ(w.Name(3), "C19");
    EXPECT_EQ(w.Name(4), "C3");
    EXPECT_EQ(w.Name(11), "");
    EXPECT_EQ(w.Name(128), "C126");
    EXPECT_EQ(w.g.h.ui.Unexpected(), 0);
}

TEST(ChannelWindowsTogether, MovesWrapAroundWithTheMovedRowInSightAndTheDialogFollowing) {
    TestInstall install;
    Windows w(install);
    w.Fill(128);
    w.g.Click(1, 3);
    w.g.DoubleClick(1, 10);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    ASSERT_EQ(w.Dialog()->ShownChannel(), 1);

    ASSERT_TRUE(w.Menu("MnuCHMoveUp"));
    EXPECT_EQ(w.Name(128), "C1");
    EXPECT_EQ(w.Name(1), "C128");
    EXPECT_EQ(w.Grid()->CurrentRow(), 128);
    EXPECT_TRUE(w.RowShown(128)) << "top row " << w.Grid()->TopRow();
    EXPECT_EQ(w.Dialog()->ShownChannel(), 128);
    EXPECT_EQ(w.Dialog()->findChild<QLineEdit*>("txtName0")->text(), "C");
    EXPECT_EQ(w.Dialog()->findChild<QLineEdit*>("txtName1")->text(), "1");
    // The scroll the move caused did not move the cursor on its own.
    QTest::qWait(600);
    EXPECT_EQ(w.Grid()->CurrentRow(), 128);

    ASSERT_TRUE(w.Toolbar("CHMoveDown"));
    EXPECT_EQ(w.Name(1), "C1");
    EXPECT_EQ(w.Name(128), "C128");
    EXPECT_EQ(w.Grid()->CurrentRow(), 1);
    EXPECT_EQ(w.Grid()->TopRow(), 1);
    EXPECT_EQ(w.Dialog()->ShownChannel(), 1);
    QTest::qWait(600);
    EXPECT_EQ(w.Grid()->CurrentRow(), 1);
}

TEST(ChannelWindowsTogether, CommandsAreOfferedForTheGridsCurrentRow) {
    TestInstall install;
    Windows w(install);
    w.Fill(5);
    const char* rowOnly[][2] = {{"MnuCHCut", "CHCut"},
                                {"MnuCHInsert", "CHInsert"},
                                {"MnuCHDelete", "CHDelete"},
                                {"MnuCHMoveUp", "CHMoveUp"},
                                {"MnuCHMoveDown", "CHMoveDown"}};
    auto offered = [&](const char* menu, const char* key) {
        const bool m = w.g.h.Menu(menu)->isEnabled();
        EXPECT_EQ(m, w.g.h.Button(key)->isEnabled()) << menu;
        return m;
    };
    w.g.Click(kVfo, 4);
    for (const auto& [menu, key] : rowOnly)
        EXPECT_FALSE(offered(menu, key)) << menu;
    EXPECT_TRUE(offered("MnuCHCopy", "CHCopy"));
    EXPECT_FALSE(offered("MnuCHPaste", "CHPaste"));

    ASSERT_TRUE(w.Toolbar("CHCopy"));
    EXPECT_TRUE(offered("MnuCHPaste", "CHPaste"));
    // Paste on the VFO row is offered and refused.
    w.g.h.app.habits.PasteNoPrompt = true;
    ASSERT_TRUE(w.Toolbar("CHPaste"));
    EXPECT_EQ(w.Name(kVfo), "VFO");
    // Another window in front, then the grid again: the VFO row's rule still holds.
    w.g.h.main->ShowChildWindow("FrmRadioInfo");
    EXPECT_FALSE(w.g.h.main->ChannelCommandsShown());
    w.g.h.main->ShowChildWindow("frmCommChInfo");
    ASSERT_TRUE(w.g.h.main->ChannelCommandsShown());
    for (const auto& [menu, key] : rowOnly)
        EXPECT_FALSE(offered(menu, key)) << menu;
    EXPECT_TRUE(offered("MnuCHPaste", "CHPaste"));

    w.g.Click(7, 1);
    for (const auto& [menu, key] : rowOnly)
        EXPECT_EQ(offered(menu, key), std::string(menu) != "MnuCHCut") << menu;
    EXPECT_FALSE(offered("MnuCHCopy", "CHCopy"));
    EXPECT_TRUE(offered("MnuCHPaste", "CHPaste"));
    w.g.Click(2, 3);
    for (const auto& [menu, key] : rowOnly)
        EXPECT_TRUE(offered(menu, key)) << menu;
}

TEST(ChannelWindowsTogether, HabitsTurnOnTheOffsetColumnInTheGridAndTheOpenDialog) {
    TestInstall install;
    Windows w(install);
    w.Fill(3);
    ChannelRecord* shifted = FindChannel(w.g.h.app.doc, 2);
    shifted->TxShift = "0060000";
    shifted->TxShiftDir = 2;
    w.Grid()->SetGridData();
    EXPECT_EQ(w.g.Cell(2, 2), "446.60625");
    w.g.Click(2, 3);
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    QLabel* txLabel = w.Dialog()->findChild<QLabel*>("lblTxFreq");
    EXPECT_EQ(txLabel->text(), w.g.h.Text(15003));

    w.g.h.ui.HandleDialogNext(Click("CommandOK", "Check5"));
    ASSERT_TRUE(w.Menu("MnuCHHabits"));
    EXPECT_TRUE(w.g.h.app.habits.UseOffsetFreq);
    EXPECT_EQ(w.Grid()->Grid()->model()->headerData(2, Qt::Horizontal).toString(),
              w.g.h.Text(14100));
    EXPECT_EQ(w.g.Cell(2, 2), "+0.60000");
    EXPECT_EQ(w.g.Cell(1, 2), "0.00000");
    EXPECT_EQ(txLabel->text(), w.g.h.Text(15100));
    EXPECT_EQ(w.Dialog()->findChild<QComboBox*>("cboTxFreq")->currentText(), "NONE");
    EXPECT_EQ(w.g.h.ui.Unexpected(), 0);
}

TEST(ChannelWindowsTogether, TheDialogFollowsTheGridAndEditsShowInBothAtOnce) {
    TestInstall install;
    Windows w(install);
    w.Fill(6);
    w.g.DoubleClick(2, 10);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    FrmCHInfoEdit* dialog = w.Dialog();
    EXPECT_EQ(dialog->ShownChannel(), 2);
    // It opens over the program's window, not in a corner of the screen.
    EXPECT_LT((w.g.h.main->frameGeometry().center() - dialog->frameGeometry().center())
                  .manhattanLength(),
              40);

    // The cursor moving on in the grid takes the dialog along.
    w.g.Click(4, 3);
    EXPECT_EQ(dialog->ShownChannel(), 4);
    QTest::keyClick(w.g.NameBox(), Qt::Key_Return);
    EXPECT_EQ(w.Grid()->CurrentCol(), 4);
    EXPECT_EQ(dialog->ShownChannel(), 4);

    // A tone chosen in the dialog is in the grid row at once.
    QComboBox* rxTone = dialog->findChild<QComboBox*>("cboRxTone");
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_TRUE(w.g.h.main->ChannelCommandsShown());
    rxTone->setFocus();
    QTest::keyClick(rxTone, Qt::Key_Down);
    EXPECT_EQ(w.g.Cell(4, 4), "67.0");
    EXPECT_EQ(FindChannel(w.g.h.app.doc, 4)->RxTone, 1);

    // A name typed in the grid is in the dialog at once.
    w.g.h.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.g.h.main.get()));
    w.g.Click(4, 3);
    QTest::keyClicks(w.g.NameBox(), "ab1");
    QTest::keyClick(w.g.NameBox(), Qt::Key_Return);
    EXPECT_EQ(w.Name(4), "AB1");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtName0")->text(), "A");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("txtName2")->text(), "1");

    // A row command on the channel the dialog shows shows the new contents there.
    w.g.h.app.habits.DeleteNoPrompt = true;
    w.g.Click(4, 1);
    ASSERT_TRUE(w.Menu("MnuCHDelete"));
    EXPECT_EQ(dialog->ShownChannel(), 4);
    EXPECT_EQ(dialog->findChild<QComboBox*>("cboRxFreq")->currentText(), "NONE");
    EXPECT_FALSE(dialog->findChild<QLineEdit*>("txtName0")->isEnabled());

    // The edit button gives the open dialog the focus rather than a second one.
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    EXPECT_EQ(w.Dialog(), dialog);
    EXPECT_EQ(w.g.h.main->findChildren<FrmCHInfoEdit*>().size(), 1);
}

TEST(ChannelWindowsTogether, AChoiceInTheGridGoesToItsOwnRowAfterTheDialogPickedAnotherChannel) {
    TestInstall install;
    Windows w(install);
    w.Fill(6);
    w.g.Click(1, 4);
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    FrmCHInfoEdit* dialog = w.Dialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QComboBox* selector = dialog->findChild<QComboBox*>("cboChannel");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down, Qt::NoModifier);
    QTest::keyClick(selector, Qt::Key_Down, Qt::NoModifier);
    ASSERT_EQ(dialog->ShownChannel(), 3);

    // Back in the grid, the decode tone list still lies over row 1.
    w.g.h.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.g.h.main.get()));
    QComboBox* tone = w.g.List("Combo1");
    ASSERT_TRUE(tone->isVisible());
    ASSERT_TRUE(GridHarness::Choose(tone, 2));
    EXPECT_EQ(FindChannel(w.g.h.app.doc, 1)->RxTone, 2);
    EXPECT_EQ(FindChannel(w.g.h.app.doc, 3)->RxTone, 0);
    EXPECT_EQ(w.g.Cell(1, 4), tone->itemText(2));
    EXPECT_EQ(w.g.Cell(3, 4), w.g.h.Text(14013));
}

TEST(ChannelWindowsTogether, ClosingTheGridUnderTheDialogAndNewWithBothOpenLeaveNoListeners) {
    TestInstall install;
    Windows w(install);
    w.Fill(4);
    AppContext& app = w.g.h.app;
    w.g.DoubleClick(2, 10);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));

    w.g.h.main->activateWindow();
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return w.Grid() == nullptr; }));
    EXPECT_FALSE(w.g.h.main->ChannelCommandsShown());
    // The dialog still edits its channel without the grid (whose change
    // notices ended with it).
    ASSERT_NE(w.Dialog(), nullptr);
    QComboBox* pttId = w.Dialog()->findChild<QComboBox*>("cboPttId");
    pttId->setFocus();
    QTest::keyClick(pttId, Qt::Key_Down);
    EXPECT_EQ(FindChannel(app.doc, 2)->PttId, 1);
    // A row command with no grid to act on does nothing.
    w.g.h.main->StartRowCommand(5);
    ASSERT_TRUE(w.Settled());
    EXPECT_NE(FindChannel(app.doc, 2), nullptr);

    // The grid opened again is the one the document talks to.
    w.g.h.main->OpenChannelWindow();
    ASSERT_TRUE(WaitFor([&] { return w.Grid() != nullptr; }));
    EXPECT_EQ(w.g.Cell(2, 1), "446.00625");
    SetChannelField(app, w.g.h.ui, 2, kColName, "RE");
    EXPECT_EQ(w.g.Cell(2, 3), "RE");

    // New from the menu with both windows open.
    app.fileBuffer = app.doc;
    w.g.h.ui.AnswerNext(Answer::Ok);
    w.g.h.Menu("mnuFileNew")->trigger();
    ASSERT_TRUE(
        WaitFor([&] { return w.Grid() != nullptr && !w.g.h.main->NewDocTimer.isActive(); }));
    EXPECT_TRUE(WaitFor([&] { return w.Dialog() == nullptr; }));
    EXPECT_FALSE(app.docState.Events.Publish(DocumentChange::DtmfMemories)); // the dialog's
    // The change route reaches the new grid: an edit in the document shows there.
    const int first = app.doc.Channels[0].ChannelNo;
    w.g.Click(first, 4);
    ASSERT_TRUE(GridHarness::Choose(w.g.List("Combo1"), 1));
    EXPECT_EQ(FindChannel(app.doc, first)->RxTone, 1);
    EXPECT_EQ(w.g.Cell(first, 4), w.g.List("Combo1")->itemText(1));

    // The dialog opened on the new document and closed with its own button lets go.
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    EXPECT_EQ(w.Dialog()->ShownChannel(), first);
    QTest::mouseClick(w.Dialog()->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return w.Dialog() == nullptr; }));
    EXPECT_FALSE(app.docState.Events.Publish(DocumentChange::DtmfMemories));
    EXPECT_TRUE(app.docState.Events.Publish(DocumentChange::ChannelFields, first)); // the grid's
    EXPECT_EQ(w.g.h.ui.Unexpected(), 0);
}

TEST(ChannelWindowsTogether, ABulkChangeOfTheTableShowsInTheGridAndTheOpenDialog) {
    TestInstall install;
    Windows w(install);
    w.Fill(4);
    AppContext& app = w.g.h.app;
    w.g.DoubleClick(3, 10);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    ASSERT_EQ(w.Dialog()->ShownChannel(), 3);

    // The batch settings change the table behind the windows' backs and say so once.
    FindChannel(app.doc, 2)->Name = "BULK";
    DeleteChannelAt(app, FindChannelIndex(app.doc, 3));
    ASSERT_TRUE(AddChannel(app, 6, "446.01875"));
    EXPECT_EQ(w.g.Cell(2, 3), "C2"); // not told yet
    EXPECT_TRUE(app.docState.Events.Publish(DocumentChange::ChannelTable));

    EXPECT_EQ(w.g.Cell(2, 3), "BULK");
    EXPECT_EQ(w.g.Cell(3, 1), "");
    EXPECT_EQ(w.g.Cell(3, 3), "");
    EXPECT_EQ(w.g.Cell(6, 1), "446.01875");
    FrmCHInfoEdit* dialog = w.Dialog();
    EXPECT_EQ(dialog->findChild<QComboBox*>("cboRxFreq")->currentText(), "NONE");
    EXPECT_FALSE(dialog->findChild<QLineEdit*>("txtName0")->isEnabled());
    EXPECT_FALSE(dialog->findChild<QComboBox*>("cboPttId")->isEnabled());
    EXPECT_EQ(w.g.h.ui.Unexpected(), 0);
}

TEST(ChannelWindowsTogether, BothWindowsTakeTheNewLanguage) {
    TestInstall install;
    Windows w(install);
    w.Fill(2);
    w.g.DoubleClick(1, 10);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    const QString englishTitle = w.Dialog()->windowTitle();
    ASSERT_TRUE(ApplyLanguageChoice(w.g.h.app, 1));
    w.g.h.main->Change_Language();

    FrmCHInfoEdit* dialog = w.Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(dialog->windowTitle(), englishTitle);
    EXPECT_EQ(dialog->windowTitle(), w.g.h.Text(15000));
    EXPECT_EQ(dialog->findChild<QLabel*>("lblRxFreq")->text(), w.g.h.Text(15002));
    EXPECT_EQ(dialog->findChild<QCheckBox*>("chkWhisper")->text(), w.g.h.Text(15019));
    EXPECT_EQ(dialog->findChild<QComboBox*>("cboPower")->currentText(), w.g.h.Text(15044));
    EXPECT_EQ(dialog->findChild<QPushButton*>("CommandClose")->text(), w.g.h.Text(9023));
    EXPECT_EQ(w.Grid()->findChild<QPushButton*>("CommandCHEdit")->text(), w.g.h.Text(14023));
    EXPECT_EQ(w.Grid()->Grid()->model()->headerData(1, Qt::Horizontal).toString(),
              w.g.h.Text(14002));
    EXPECT_EQ(w.g.Cell(1, 6), w.g.h.Text(14014));
    EXPECT_TRUE(w.Grid()->windowTitle().startsWith(w.g.h.Text(14012)));
}

TEST(ChannelWindowsTogether, F1InTheGridsEditorsAndTheDialogOpensTheirTopics) {
    TestInstall install(1, /*help=*/true);
    // Pages of their own for the topics, so that each topic is seen by its page.
    const QString pages = install.ProgramFolder() + "/help/english/";
    for (int topic : {3100, 3102, 3103, 3106, 3107, 3108, 3109, 3111, 3117}) {
        QFile page(pages + QString::number(topic) + ".html");
        page.open(QIODevice::WriteOnly);
        page.write("<html><body>" + QByteArray::number(topic) + "</body></html>");
    }
    Windows w(install);
    w.Fill(3);
    auto topicAt = [&](int col) -> QString {
        w.g.h.main->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(w.g.h.main.get()));
        w.g.Click(2, col);
        QWidget* focus = w.g.h.main->focusWidget();
        if (!focus)
            return "no focus";
        QTest::keyClick(focus, Qt::Key_F1);
        HelpWindow* help = w.g.h.main->HelpViewer();
        if (!help)
            return "no help";
        const QString page = help->CurrentPage();
        return page.mid(page.lastIndexOf('/') + 1);
    };
    EXPECT_EQ(topicAt(1), "3102.html");
    EXPECT_EQ(topicAt(2), "3103.html");
    EXPECT_EQ(topicAt(3), "3100.html");
    EXPECT_EQ(topicAt(4), "3106.html");
    EXPECT_EQ(topicAt(5), "3107.html");
    EXPECT_EQ(topicAt(6), "3108.html");
    EXPECT_EQ(topicAt(7), "3117.html");
    EXPECT_EQ(topicAt(8), "3109.html");
    EXPECT_EQ(topicAt(9), "3111.html");
    EXPECT_EQ(topicAt(10), "3100.html");

    // With its drop-down open, a list still answers with its own topic.
    QComboBox* power = w.g.List("Combo2");
    w.g.Click(2, 6);
    power->showPopup();
    ASSERT_TRUE(WaitFor([power] { return power->view()->isVisible(); }, 2000));
    QTest::keyClick(power->view(), Qt::Key_F1);
    EXPECT_TRUE(w.g.h.main->HelpViewer()->CurrentPage().endsWith("/3108.html"));
    power->hidePopup();

    // The edit dialog's controls answer with its window's topic.
    w.g.Click(2, 1);
    QTest::mouseClick(w.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return w.Dialog() != nullptr; }));
    w.g.h.main->ShowHelpTopic(0);
    QComboBox* pttId = w.Dialog()->findChild<QComboBox*>("cboPttId");
    QTest::keyClick(pttId, Qt::Key_F1);
    EXPECT_TRUE(w.g.h.main->HelpViewer()->CurrentPage().endsWith("/3100.html"));
}

} // namespace
