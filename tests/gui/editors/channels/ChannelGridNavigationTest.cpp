// Moving about the channel grid: Enter, the mouse, scrolling, and what the
// window tells the main window and the channel edit dialog on the way.

#include "ChannelGridSupport.h"
#include "app/AppContext.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>

using namespace pmr;
using namespace pmr::testing;

namespace {

constexpr int kVfo = 129;

/// A stand-in for the channel edit dialog: counts how often it was asked to follow the grid.
class EditDialogStandIn : public QWidget, public ChannelEditWindow {
public:
    explicit EditDialogStandIn(int& follows) : follows_(follows) {}
    void CommitFocusedEdit() override {}
    void SetGridEditData(bool isGridChange) override { follows_ += isGridChange ? 1 : 0; }
    void ReShowEditTxFre(bool) override {}
    int ShownChannel() const override { return 1; }

private:
    int& follows_;
};

TEST(ChannelGridNavigation, WindowShowsEveryChannelNumberWithItsHeadersAndCaption) {
    TestInstall install;
    GridHarness g(install);
    frmCommChInfo* grid = g.Grid();
    QAbstractItemModel* model = grid->Grid()->model();
    EXPECT_EQ(model->rowCount(), 129);
    EXPECT_EQ(model->columnCount(), 11);
    for (int col = 0; col < 11; ++col)
        EXPECT_EQ(model->headerData(col, Qt::Horizontal).toString(), g.h.Text(14001 + col));
    EXPECT_EQ(g.Cell(1, 0), "1");
    EXPECT_EQ(g.Cell(128, 0), "128");
    EXPECT_EQ(g.Cell(kVfo, 0), "VFO");
    EXPECT_EQ(g.Cell(77, 10), ">>");
    const int px1300 = qRound(1300 / frmMain::TwipsPerPixel());
    EXPECT_EQ(grid->Grid()->columnWidth(1), px1300);
    EXPECT_EQ(grid->Grid()->horizontalHeader()->height(), qRound(500 / frmMain::TwipsPerPixel()));

    const QString caption = g.h.Text(14012) + " ";
    EXPECT_EQ(grid->windowTitle(), caption + "1]");
    g.Click(kVfo, 4);
    EXPECT_EQ(grid->windowTitle(), caption + "VFO]");
    EXPECT_EQ(grid->CurrentRow(), kVfo);
    // One editor of each kind; the receive list starts with "NONE".
    EXPECT_EQ(grid->findChildren<QComboBox*>().size(), 7);
    QComboBox* rx = g.List("Combo8(1)");
    ASSERT_EQ(rx->count(), 17);
    EXPECT_EQ(rx->itemText(0), "NONE");
    EXPECT_EQ(rx->itemText(1), "446.00625");
    EXPECT_EQ(rx->itemText(16), "446.19375");
    EXPECT_EQ(grid->findChild<QPushButton*>("CommandClose")->text(), g.h.Text(9023));
    EXPECT_TRUE(g.h.main->ChannelCommandsShown());
}

TEST(ChannelGridNavigation, TransmitColumnShowsTheShiftInOffsetModeAndHelpNeedsItsPages) {
    TestInstall install(1, true);
    GridHarness g(install);
    EXPECT_FALSE(g.Grid()->findChild<QPushButton*>("CommandHelp")->isHidden());
    ChannelRecord* ch = g.Channel(1);
    ch->RxFreq = "44603125";
    ch->TxShift = "0001250";
    ch->TxShiftDir = 1;
    g.Grid()->SetGridData();
    EXPECT_EQ(g.Cell(1, 2), "446.01875");
    QAbstractItemModel* model = g.Grid()->Grid()->model();

    g.h.app.habits.UseOffsetFreq = true;
    g.Grid()->ReShowAllTxFre(true);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), g.h.Text(14100));
    EXPECT_EQ(g.Cell(1, 2), "-0.01250");
    // Its editor offers offsets, the channel's own chosen; choosing none makes
    // the channel simplex.
    g.Click(1, 2);
    QComboBox* tx = g.List("Combo8(2)");
    EXPECT_EQ(tx->currentText(), "-0.01250");
    EXPECT_EQ(tx->findText("NONE"), -1);
    tx->setCurrentIndex(tx->findText("+0.00000"));
    QTest::keyClick(tx, Qt::Key_Return);
    EXPECT_EQ(g.Cell(1, 2), "+0.00000");
    EXPECT_EQ(g.Channel(1)->TxShift.raw(), "0000000");
    EXPECT_EQ(g.Channel(1)->RxFreq.raw(), "44603125");
    g.h.app.habits.UseOffsetFreq = false;
    g.Grid()->ReShowAllTxFre(false);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), g.h.Text(14003));
    EXPECT_EQ(g.Cell(1, 2), "446.03125");

    TestInstall bare;
    GridHarness plain(bare);
    EXPECT_TRUE(plain.Grid()->findChild<QPushButton*>("CommandHelp")->isHidden());
}

TEST(ChannelGridNavigation, AnOpenEditorShowsAChangeMadeUnderneathAndKeepsIt) {
    TestInstall install;
    GridHarness g(install);
    g.Click(1, 1);
    ASSERT_EQ(g.OpenEditor(), "Combo8(1)");
    g.Channel(1)->RxFreq = "44603125";
    g.h.app.docState.Events.Publish(DocumentChange::ChannelTable);
    EXPECT_EQ(g.List("Combo8(1)")->currentText(), "446.03125");
    g.Click(1, 4); // leaving the receive cell commits what its editor shows
    EXPECT_EQ(g.Channel(1)->RxFreq.raw(), "44603125");
}

TEST(ChannelGridNavigation, NameColumnShowsSixCharactersWhole) {
    TestInstall install;
    GridHarness g(install);
    ChannelGridView* view = g.Grid()->Grid();
    EXPECT_GE(view->columnWidth(3), view->fontMetrics().horizontalAdvance("WWWWWW"));
}

TEST(ChannelGridNavigation, EnterMovesOnAndWrapsFromColumnNineAndFromTheVfoRow) {
    TestInstall install;
    GridHarness g(install);
    g.Channel(1)->RxFreq = "44600625";
    g.Grid()->SetGridData();
    g.Click(1, 8);
    QTest::keyClick(g.List("Combo4"), Qt::Key_Return);
    EXPECT_EQ(g.Grid()->CurrentCol(), 9);
    EXPECT_EQ(g.OpenEditor(), "Combo5");
    QTest::keyClick(g.List("Combo5"), Qt::Key_Return);
    // Row 2 has no channel: its receive frequency opens.
    EXPECT_EQ(g.Grid()->CurrentRow(), 2);
    EXPECT_EQ(g.Grid()->CurrentCol(), 1);
    EXPECT_EQ(g.OpenEditor(), "Combo8(1)");

    g.Click(kVfo, 9);
    QTest::keyClick(g.List("Combo5"), Qt::Key_Return);
    EXPECT_EQ(g.Grid()->CurrentRow(), 1);
    EXPECT_EQ(g.Grid()->CurrentCol(), 1);

    // Enter in a receive list with a frequency goes to the transmit column.
    QTest::keyClick(g.List("Combo8(1)"), Qt::Key_Return);
    EXPECT_EQ(g.Grid()->CurrentCol(), 2);
    EXPECT_NE(g.Channel(1), nullptr);
    // Enter on the grid itself opens the current cell's editor again.
    g.Click(1, 10);
    EXPECT_TRUE(g.OpenEditor().isEmpty());
    g.Grid()->SetCurrentCell(1, 6);
    QTest::keyClick(g.Grid()->Grid(), Qt::Key_Return);
    EXPECT_EQ(g.OpenEditor(), "Combo2");
}

TEST(ChannelGridNavigation, RowChangesReportTheRowsCommandsAndOneFilterPerList) {
    TestInstall install;
    GridHarness g(install);
    g.Click(1, 1);
    EXPECT_TRUE(g.h.Menu("MnuCHCut")->isEnabled());
    g.Click(3, 1);
    EXPECT_FALSE(g.h.Menu("MnuCHCut")->isEnabled());
    EXPECT_TRUE(g.h.Menu("MnuCHInsert")->isEnabled());
    g.Click(kVfo, 1);
    EXPECT_FALSE(g.h.Menu("MnuCHInsert")->isEnabled());
    EXPECT_TRUE(g.h.Menu("MnuCHCopy")->isEnabled());

    // The frequency lists take digits and "." only; a letter changes nothing.
    g.Click(1, 1);
    QComboBox* rx = g.List("Combo8(1)");
    const QString before = rx->currentText();
    QTest::keyClick(rx, Qt::Key_N);
    EXPECT_EQ(rx->currentText(), before);
    QTest::keyClicks(rx, "446.1");
    EXPECT_TRUE(rx->currentText().startsWith("446.1"));
    EXPECT_EQ(g.Cell(1, 1), rx->currentText());
}

TEST(ChannelGridNavigation, RightButtonEntersTheCellAndShowsTheChannelEditMenu) {
    TestInstall install;
    GridHarness g(install);
    ChannelGridView* view = g.Grid()->Grid();
    const QModelIndex at = view->model()->index(4, 3);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->visualRect(at).center());
    EXPECT_EQ(g.Grid()->CurrentRow(), 5);
    QMenu* menu = g.h.Menu("MnuCHEdit")->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(WaitFor([menu] { return menu->isVisible(); }, 2000));
    menu->hide();
}

TEST(ChannelGridNavigation, EditDialogOpensFromTheLastColumnAndFollowsEveryCellEntry) {
    TestInstall install;
    GridHarness g(install);
    int follows = 0;
    g.h.main->Windows().Register("FrmCHInfoEdit", [&follows](frmMain&) -> QWidget* {
        return new EditDialogStandIn(follows);
    });
    g.DoubleClick(1, 10);
    ASSERT_TRUE(WaitFor([&] { return g.h.main->FindChildWindow("FrmCHInfoEdit") != nullptr; }));
    const int before = follows;
    g.Click(1, 4);
    EXPECT_EQ(follows, before + 1);

    // The edit button commits the open name first.
    g.Click(1, 3);
    QTest::keyClicks(g.NameBox(), "q7");
    QTest::mouseClick(g.Grid()->findChild<QPushButton*>("CommandCHEdit"), Qt::LeftButton);
    EXPECT_EQ(TrimFix(g.Channel(1)->Name).substr(0, 2), "Q7");
}

TEST(ChannelGridNavigation, ScrollingKeepsTheCursorsDistanceFromTheTopRow) {
    TestInstall install;
    GridHarness g(install);
    g.Click(4, 1);
    ASSERT_EQ(g.Grid()->TopRow(), 1);
    g.Grid()->Grid()->verticalScrollBar()->setValue(20);
    EXPECT_EQ(g.Grid()->TopRow(), 21);
    EXPECT_EQ(g.Grid()->CurrentRow(), 24);
    EXPECT_EQ(g.h.app.docState.Editing.EditCell.row, 24);
    // Further steps within half a second are followed once they settle.
    g.Grid()->Grid()->verticalScrollBar()->setValue(22);
    g.Grid()->Grid()->verticalScrollBar()->setValue(25);
    EXPECT_TRUE(WaitFor([&] { return g.Grid()->CurrentRow() == 29; }, 2000));

    // Moves by the program leave the cursor alone.
    g.Grid()->SetCodeMoveTopRow(true);
    g.Grid()->SetTopRow(60);
    g.Grid()->SetCodeMoveTopRow(false);
    EXPECT_EQ(g.Grid()->CurrentRow(), 29);
}

TEST(ChannelGridNavigation, ClosingCommitsTheOpenNameAndLetsGoOfTheDocument) {
    TestInstall install;
    GridHarness g(install);
    g.Click(1, 3);
    g.NameBox()->clear();
    QTest::keyClicks(g.NameBox(), "x1");
    QTest::mouseClick(g.Grid()->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return g.Grid() == nullptr; }));
    EXPECT_EQ(TrimFix(g.Channel(1)->Name), "X1");
    EXPECT_FALSE(g.h.app.docState.Events.Publish(DocumentChange::ChannelFields, 1));
    EXPECT_FALSE(g.h.main->ChannelCommandsShown());
}

TEST(ChannelGridNavigation, RowCommandEntryCommitsTheNameAndHidesTheEditors) {
    TestInstall install;
    GridHarness g(install);
    g.Click(1, 3);
    g.NameBox()->clear();
    QTest::keyClicks(g.NameBox(), "r2");
    g.h.Menu("MnuCHCopy")->trigger();
    EXPECT_EQ(TrimFix(g.Channel(1)->Name), "R2");
    EXPECT_TRUE(g.OpenEditor().isEmpty());
}

} // namespace
