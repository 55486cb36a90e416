// Editing channels in the grid's cells: what each choice does to the document
// and to the rows shown.

#include "ChannelGridSupport.h"
#include "app/AppContext.h"
#include "document/FrequencyText.h"
#include "document/StepGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionComboBox>

using namespace pmr;
using namespace pmr::testing;

namespace {

constexpr int kVfo = 129;

TEST(ChannelGridEditing, FrequencyOnAnEmptyRowCreatesTheChannelWithTheBandDefaults) {
    TestInstall install;
    GridHarness g(install);
    ASSERT_NE(g.Grid(), nullptr);
    AppContext expected = g.h.app;
    ASSERT_TRUE(AddChannel(expected, 7, "446.05625"));
    SnapChannelToGrid(expected, *FindChannel(expected.doc, 7));

    g.Click(7, 1);
    ASSERT_EQ(g.OpenEditor(), "Combo8(1)");
    EXPECT_EQ(g.List("Combo8(1)")->currentText(), "NONE");
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo8(1)"), "446.05625"));

    ChannelRecord* made = g.Channel(7);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(*made, *FindChannel(expected.doc, 7));
    EXPECT_EQ(g.Cell(7, 1), "446.05625");
    EXPECT_EQ(g.Cell(7, 3), QString::fromLatin1(TrimFix(made->Name).c_str()));
}

TEST(ChannelGridEditing, NoneRemovesAChannelButNeverTheLastOne) {
    TestInstall install;
    GridHarness g(install);
    ASSERT_NE(g.Channel(1), nullptr);
    ASSERT_EQ(g.h.app.doc.ChannelCount, 2); // channel 1 and the VFO

    g.Click(1, 1);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo8(1)"), "NONE"));
    EXPECT_EQ(g.Channel(1), nullptr);
    for (int col = 1; col <= 9; ++col)
        EXPECT_TRUE(g.Cell(1, col).isEmpty()) << col;

    // The VFO is all that is left: it stays, and its row shows its frequency again.
    const QString vfoFreq = g.Cell(kVfo, 1);
    ASSERT_FALSE(vfoFreq.isEmpty());
    g.Click(kVfo, 1);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo8(1)"), "NONE"));
    ASSERT_NE(g.Channel(kVfo), nullptr);
    EXPECT_EQ(g.Cell(kVfo, 1), vfoFreq);
}

TEST(ChannelGridEditing, StepsThroughTheReceiveListKeepTheChannelUntilEnterConfirmsNone) {
    TestInstall install;
    GridHarness g(install);
    ASSERT_TRUE(AddChannel(g.h.app, 2, "446.00625"));
    g.Channel(2)->RxTone = 12;
    g.Grid()->SetGridData();
    g.Click(2, 1);
    QComboBox* rx = g.List("Combo8(1)");
    ASSERT_EQ(rx->currentText(), "446.00625");
    QTest::keyClick(rx, Qt::Key_Up); // onto "NONE"
    QTest::keyClick(rx, Qt::Key_Down);
    ASSERT_NE(g.Channel(2), nullptr);
    EXPECT_EQ(g.Channel(2)->RxTone, 12);
    QTest::keyClick(rx, Qt::Key_Down);
    EXPECT_EQ(TrimFix(g.Channel(2)->RxFreq), "44601875");

    QTest::keyClick(rx, Qt::Key_Home);
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(g.Channel(2), nullptr);
    // Enter on "NONE" goes to the next row, not the next column.
    EXPECT_EQ(g.Grid()->CurrentRow(), 3);
    EXPECT_EQ(g.Grid()->CurrentCol(), 1);
}

TEST(ChannelGridEditing, EnterPassesAChannelOnAFrequencyTheListLacksWithoutRemovingIt) {
    TestInstall install;
    GridHarness g(install);
    ChannelRecord* ch = g.Channel(1);
    ch->RxFreq = "44625000";
    g.Grid()->SetGridData();
    g.Click(1, 1);
    QComboBox* rx = g.List("Combo8(1)");
    ASSERT_EQ(rx->currentText(), "NONE");
    QTest::keyClick(rx, Qt::Key_Return);
    ASSERT_NE(g.Channel(1), nullptr);
    EXPECT_EQ(TrimFix(g.Channel(1)->RxFreq), "44625000");
    EXPECT_EQ(g.Grid()->CurrentCol(), 2);
}

TEST(ChannelGridEditing, TransmitFrequencyBecomesTheOneFrequencyAndClearsTheShift) {
    TestInstall install;
    GridHarness g(install);
    ChannelRecord* ch = g.Channel(1);
    ch->RxFreq = "44603125";
    ch->TxShift = "0001250";
    ch->TxShiftDir = 2;
    g.Grid()->SetGridData();
    EXPECT_EQ(g.Cell(1, 2), "446.04375");

    g.Click(1, 2);
    ASSERT_EQ(g.OpenEditor(), "Combo8(2)");
    EXPECT_EQ(g.List("Combo8(2)")->currentText(), "446.04375");
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo8(2)"), "446.10625"));
    EXPECT_EQ(TrimFix(ch->RxFreq), "44610625");
    EXPECT_EQ(ch->TxShiftDir, 0);
    EXPECT_EQ(g.Cell(1, 1), "446.10625");
    EXPECT_EQ(g.Cell(1, 2), "446.10625");

    // "NONE" is no transmit frequency: nothing changes.
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo8(2)"), "NONE"));
    EXPECT_EQ(TrimFix(ch->RxFreq), "44610625");
    EXPECT_NE(g.Channel(1), nullptr);
}

TEST(ChannelGridEditing,
     CellsOfAnEmptyChannelLeadToItsFrequencyAndTheEncodeToneToTheTransmitColumn) {
    TestInstall install;
    GridHarness g(install);
    g.Click(5, 4);
    EXPECT_EQ(g.Grid()->CurrentCol(), 1);
    EXPECT_EQ(g.OpenEditor(), "Combo8(1)");
    EXPECT_EQ(g.h.app.docState.Editing.EditCell.col, 1);

    // A receive frequency that cannot be read shows no transmit frequency.
    g.Channel(1)->RxFreq = "4460X625";
    g.Grid()->SetGridData();
    ASSERT_TRUE(g.Cell(1, 2).isEmpty());
    g.Click(1, 5);
    EXPECT_EQ(g.Grid()->CurrentCol(), 2);
    EXPECT_EQ(g.OpenEditor(), "Combo8(2)");
    const GridCell cell = g.h.app.docState.Editing.EditCell;
    EXPECT_EQ(cell.col, 2);
    EXPECT_EQ(cell.row, 1);
}

TEST(ChannelGridEditing, DecodeToneCopiesToTheEncodeToneOnlyWhenBothWereOffAndOffLowersTheLockout) {
    TestInstall install;
    GridHarness g(install);
    ChannelRecord* ch = g.Channel(1);
    ch->RxTone = 0;
    ch->TxTone = 0;
    g.Grid()->SetGridData();

    g.Click(1, 4);
    QComboBox* tone = g.List("Combo1");
    ASSERT_EQ(g.OpenEditor(), "Combo1");
    ASSERT_EQ(tone->count(), 1075);
    ASSERT_TRUE(GridHarness::Choose(tone, 5));
    EXPECT_EQ(ch->RxTone, 5);
    EXPECT_EQ(ch->TxTone, 5);
    EXPECT_EQ(g.Cell(1, 5), tone->itemText(5));

    ch->BusyLock = 2;
    ASSERT_TRUE(GridHarness::Choose(tone, 0));
    EXPECT_EQ(ch->RxTone, 0);
    EXPECT_EQ(ch->TxTone, 5);
    EXPECT_EQ(ch->BusyLock, 1);
    EXPECT_EQ(g.Cell(1, 4), g.h.Text(14013));
}

TEST(ChannelGridEditing, PowerAndSpacingAreAlwaysStoredAsTheRadiosOneValue) {
    TestInstall install;
    GridHarness g(install);
    ChannelRecord* ch = g.Channel(1);
    ch->TxPower = 3;
    ch->ChSpacing = 0;
    g.Grid()->SetGridData();
    // Values outside a list show its first entry.
    EXPECT_EQ(g.Cell(1, 6), g.h.Text(14014));
    EXPECT_EQ(g.Cell(1, 9), g.h.Text(14022));

    g.Click(1, 6);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo2"), 0));
    EXPECT_EQ(ch->TxPower, 0);
    g.Click(1, 9);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo5"), 0));
    EXPECT_EQ(ch->ChSpacing, 2);
}

TEST(ChannelGridEditing, NameBoxTypesCapitalsAndDigitsOnly) {
    TestInstall install;
    GridHarness g(install);
    g.Click(1, 3);
    QLineEdit* box = g.NameBox();
    ASSERT_EQ(g.OpenEditor(), "Text1");
    box->clear();
    QTest::keyClicks(box, "ab1");
    QTest::keyClick(box, Qt::Key_Minus);
    QTest::keyClick(box, Qt::Key_Space);
    QTest::keyClicks(box, "#");
    GridHarness::Type(box, QChar(0xe9));
    EXPECT_EQ(box->text(), "AB1");
    QGuiApplication::clipboard()->setText("zz-");
    ASSERT_EQ(QGuiApplication::clipboard()->text(), "zz-");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "AB1");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(TrimFix(g.Channel(1)->Name), "AB1");
    EXPECT_EQ(g.Cell(1, 3), "AB1");
    EXPECT_EQ(g.Grid()->CurrentCol(), 4);

    // Leaving the box by a click elsewhere commits it as well.
    g.Click(1, 3);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "z9z");
    g.Click(2, 0);
    EXPECT_EQ(TrimFix(g.Channel(1)->Name), "AB1Z9Z");
}

TEST(ChannelGridEditing, TheVfoKeepsItsNameAndScanFlag) {
    TestInstall install;
    GridHarness g(install);
    ChannelRecord* vfo = g.Channel(kVfo);
    ASSERT_NE(vfo, nullptr);
    const std::string name = TrimFix(vfo->Name);
    const int scan = vfo->ScanSkip;

    g.Click(kVfo, 3);
    QTest::keyClicks(g.NameBox(), "ab");
    QTest::keyClick(g.NameBox(), Qt::Key_Return);
    EXPECT_EQ(TrimFix(vfo->Name), name);
    EXPECT_EQ(g.Cell(kVfo, 3), QString::fromLatin1(name.c_str()));

    g.Click(kVfo, 7);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo3"), scan == 0 ? 1 : 0));
    EXPECT_EQ(vfo->ScanSkip, scan);

    // A channel takes both.
    g.Click(1, 7);
    ASSERT_TRUE(GridHarness::Choose(g.List("Combo3"), 1));
    EXPECT_EQ(g.Channel(1)->ScanSkip, 1);
    EXPECT_EQ(g.Cell(1, 7), g.h.Text(14018));
}

} // namespace

// The drop-down button must not hide the end of a frequency ("446.0062").
TEST(ChannelGridEditing, FrequencyListShowsTheWholeFrequencyOverItsCell) {
    TestInstall install;
    GridHarness g(install);
    ASSERT_NE(g.Grid(), nullptr);
    g.Click(7, 1);
    QComboBox* list = g.List("Combo8(1)");
    ASSERT_EQ(g.OpenEditor(), "Combo8(1)");
    list->setCurrentIndex(list->findText("446.05625"));
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    EXPECT_GE(field.width(), list->fontMetrics().horizontalAdvance(list->currentText()));
}
