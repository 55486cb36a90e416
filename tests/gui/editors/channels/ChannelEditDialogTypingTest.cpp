// Typing into the channel edit dialog: the name boxes, the ID code box, Enter
// as Tab, and what commits when the focus leaves a control.

#include "ChannelEditDialogSupport.h"
#include "document/ChannelField.h"

#include <QClipboard>

using namespace pmr;
using namespace pmr::testing;

namespace {

TEST_F(ChannelEditDialogTest, AnIdCodeShorterThanThreeDigitsIsStoredAs000) {
    AddAt(2).IdCode = "456";
    ASSERT_TRUE(Open(2));
    QLineEdit* id = Box("txtIdCode");
    ClickInto(id);
    EXPECT_EQ(id->selectedText(), "456"); // the box selects its text on entry
    QTest::keyClicks(id, "12");
    EXPECT_EQ(id->text(), "12");
    QTest::keyClick(id, Qt::Key_Tab);
    EXPECT_EQ(TrimFix(Channel(2).IdCode), "000");
    EXPECT_EQ(id->text(), "000");
}

TEST_F(ChannelEditDialogTest, TheIdCodeTakesDigitsUpToTheChannelsMaximum) {
    ChannelRecord& ten = AddAt(2);
    ten.IdCodeMaxLen = 10;
    ChannelRecord& three = AddAt(3);
    three.IdCodeMaxLen = 3;
    ASSERT_TRUE(Open(2));
    QLineEdit* id = Box("txtIdCode");
    ClickInto(id);
    QTest::keyClicks(id, "12a-3 45678901");
    EXPECT_EQ(id->text(), "1234567890");
    QTest::keyClick(id, Qt::Key_Return); // Enter commits and moves on
    EXPECT_EQ(TrimFix(Channel(2).IdCode), "1234567890");
    EXPECT_NE(Focused(), id);

    Choose(List("cboChannel"), "3");
    EXPECT_EQ(id->maxLength(), 3);
    ClickInto(id);
    // Never the clipboard, by either binding.
    QApplication::clipboard()->setText(QStringLiteral("555"));
    QTest::keyClick(id, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(id, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(id->text(), "000");
    QTest::keyClicks(id, "98765");
    QTest::keyClick(id, Qt::Key_Tab);
    EXPECT_EQ(TrimFix(Channel(3).IdCode), "987");
}

TEST_F(ChannelEditDialogTest, ANameLetterIsStoredUpperCaseAndTheNextBoxTakesTheNext) {
    AddAt(4).Name = "XYZ";
    ASSERT_TRUE(Open(4));
    ClickInto(NameBox(0));
    QTest::keyClick(NameBox(0), Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(NameBox(0)->text(), "A");
    EXPECT_EQ(Focused(), NameBox(1));
    EXPECT_EQ(TrimFix(Channel(4).Name), "AYZ");

    // Refused characters neither enter the box nor move the focus.
    Type("- .");
    EXPECT_EQ(Focused(), NameBox(1));
    EXPECT_EQ(NameBox(1)->text(), "Y");
    QTest::keyClick(NameBox(1), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Focused(), NameBox(1));

    Type("b7");
    EXPECT_EQ(TrimFix(Channel(4).Name), "AB7");
    EXPECT_EQ(Focused(), NameBox(3));

    // The last box moves on to the ID code box.
    ClickInto(NameBox(5));
    Type("q");
    EXPECT_EQ(Focused(), Box("txtIdCode"));
    EXPECT_EQ(TrimFix(Channel(4).Name), "AB7  Q");
}

TEST_F(ChannelEditDialogTest, AnEmptyNameBoxGivesABlank) {
    AddAt(4).Name = "ABC";
    ASSERT_TRUE(Open(4));
    ClickInto(NameBox(1));
    QTest::keyClick(NameBox(1), Qt::Key_Backspace);
    EXPECT_EQ(NameBox(1)->text(), "");
    QTest::keyClick(NameBox(1), Qt::Key_Return); // Enter commits and moves on
    EXPECT_EQ(Focused(), NameBox(2));
    EXPECT_EQ(TrimFix(Channel(4).Name), "A C");
    EXPECT_EQ(std::string(Channel(4).Name.raw()), "A C   ");
}

TEST_F(ChannelEditDialogTest, EnterMovesOnFromListsAndCheckBoxes) {
    AddAt(2);
    ASSERT_TRUE(Open(2));
    QComboBox* decode = List("cboRxTone");
    decode->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(WaitFor([decode] { return decode->hasFocus(); }, 2000));
    QTest::keyClick(decode, Qt::Key_Return);
    EXPECT_EQ(Focused(), List("cboTxTone"));
    EXPECT_EQ(decode->currentIndex(), 0); // Enter chose nothing

    QCheckBox* whisper = Flag("chkWhisper");
    whisper->setFocus(Qt::TabFocusReason);
    QTest::keyClick(whisper, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Focused(), Flag("chkCompander"));
    EXPECT_FALSE(whisper->isChecked());
    EXPECT_EQ(Channel(2).Whisper, 0);

    QComboBox* selector = List("cboChannel");
    selector->setFocus(Qt::TabFocusReason);
    QTest::keyClick(selector, Qt::Key_Return);
    EXPECT_EQ(Focused(), List("cboRxFreq"));
    EXPECT_EQ(dialog->ShownChannel(), 2);
}

TEST_F(ChannelEditDialogTest, ClicksCommitOnlyWhileTheDialogWantsToSave) {
    AddAt(2);
    ASSERT_TRUE(Open(2));
    dialog->WandToSave = false;
    QTest::mouseClick(Flag("chkScramble"), Qt::LeftButton);
    Choose(List("cboPttId"), 3);
    EXPECT_EQ(Channel(2).Scramble, 0);
    EXPECT_EQ(Channel(2).PttId, 0);

    // Showing the channel again shows what is stored, and clicks count again.
    dialog->SetGridEditData(false);
    EXPECT_TRUE(dialog->WandToSave);
    EXPECT_FALSE(Flag("chkScramble")->isChecked());
    EXPECT_EQ(List("cboPttId")->currentIndex(), 0);
    QTest::mouseClick(Flag("chkScramble"), Qt::LeftButton);
    EXPECT_EQ(Channel(2).Scramble, 1);
    Choose(List("cboPttId"), 3);
    EXPECT_EQ(Channel(2).PttId, 3);
    Choose(List("cboAutoDial"), 0);
    EXPECT_EQ(Channel(2).AutoDialMem, 0);
}

TEST_F(ChannelEditDialogTest, LeavingAListStoresWhatItShows) {
    h.app.doc.Settings.Dtmf.DialMemory[6].Len = 2; // memory 7
    ChannelRecord& e = AddAt(2);
    e.SignalRelation = 5; // outside the list, which shows its first entry
    e.AutoDialMem = 7;
    e.PttId = 9; // outside the list, which shows nothing
    ASSERT_TRUE(Open(2));
    QComboBox* relation = List("cboSignalRelation");
    EXPECT_EQ(relation->currentIndex(), 0);
    relation->setFocus(Qt::TabFocusReason);
    QTest::keyClick(relation, Qt::Key_Tab);
    EXPECT_EQ(Channel(2).SignalRelation, 0);

    QComboBox* memory = List("cboAutoDial");
    memory->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memory, Qt::Key_Tab);
    EXPECT_EQ(Channel(2).AutoDialMem, 7);

    QComboBox* ptt = List("cboPttId");
    EXPECT_EQ(ptt->currentIndex(), -1);
    ptt->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ptt, Qt::Key_Tab);
    EXPECT_EQ(Channel(2).PttId, 9);
}

TEST_F(ChannelEditDialogTest, PassingThroughTheFrequencyListsChangesNothing) {
    ChannelRecord& shifted = AddAt(2, "446.00625");
    shifted.TxShift = "0001250";
    shifted.TxShiftDir = 2;
    AddAt(3, "446.10000"); // between the listed frequencies: the list shows "NONE"
    ASSERT_TRUE(Open(2));
    for (int channelNo : {2, 3}) {
        Choose(List("cboChannel"), QString::number(channelNo));
        QComboBox* rx = List("cboRxFreq");
        rx->setFocus(Qt::TabFocusReason);
        QTest::keyClick(rx, Qt::Key_Tab);
        QTest::keyClick(List("cboTxFreq"), Qt::Key_Tab);
        ASSERT_TRUE(Exists(channelNo));
    }
    EXPECT_EQ(TrimFix(Channel(2).RxFreq), "44600625");
    EXPECT_EQ(Channel(2).TxShiftDir, 2);
    EXPECT_EQ(TrimFix(Channel(2).TxShift), "0001250");
    EXPECT_EQ(TrimFix(Channel(3).RxFreq), "44610000");
}

TEST_F(ChannelEditDialogTest, AWriteCommitsTheNameBeingEdited) {
    AddAt(4).Name = "ABC";
    ASSERT_TRUE(Open(4));
    ClickInto(NameBox(2));
    QTest::keyClick(NameBox(2), Qt::Key_Delete);
    EXPECT_EQ(TrimFix(Channel(4).Name), "ABC"); // not yet committed
    h.main->CommitEdits(true);
    EXPECT_EQ(TrimFix(Channel(4).Name), "AB");
}

TEST_F(ChannelEditDialogTest, LeavingForTheMainWindowCommitsThePendingIdCode) {
    AddAt(4).IdCode = "111";
    ASSERT_TRUE(Open(4));
    ClickInto(Box("txtIdCode"));
    QTest::keyClicks(Box("txtIdCode"), "2468");
    // The window system hands the activation to the main window.
    QApplication::setActiveWindow(h.main.get());
    ASSERT_EQ(QApplication::activeWindow(), h.main.get());
    EXPECT_EQ(TrimFix(Channel(4).IdCode), "2468");

    // The grid moving to another row afterwards shows that channel; nothing is lost.
    AddAt(5);
    h.app.docState.Editing.EditCell.row = 5;
    dialog->SetGridEditData(true);
    EXPECT_EQ(TrimFix(Channel(4).IdCode), "2468");
}

} // namespace
