// What the channel edit dialog shows: its labels and their places, a channel's
// members, the VFO and the empty channel, which channel it follows.

#include "ChannelEditDialogSupport.h"
#include "document/ChannelField.h"

#include <cmath>

using namespace pmr;
using namespace pmr::testing;

namespace {

TEST_F(ChannelEditDialogTest, EveryLabelStandsOneHundredTwipsLeftOfItsControl) {
    AddAt(3);
    ASSERT_TRUE(Open(3));
    const int gap = static_cast<int>(std::lround(100 / frmMain::TwipsPerPixel()));
    const struct {
        const char* label;
        const char* control;
        int text;
    } pairs[] = {
        {"lblChannel", "cboChannel", 15001},
        {"lblRxFreq", "cboRxFreq", 15002},
        {"lblTxFreq", "cboTxFreq", 15003},
        {"lblName", "txtName0", 15004},
        {"lblIdCode", "txtIdCode", 15021},
        {"lblRxTone", "cboRxTone", 15005},
        {"lblTxTone", "cboTxTone", 15006},
        {"lblPower", "cboPower", 15007},
        {"lblOptSignal", "cboOptSignal", 15008},
        {"lblPttId", "cboPttId", 15009},
        {"lblSpacing", "cboSpacing", 15010},
        {"lblBusyLock", "cboBusyLock", 15011},
        {"lblRevTalk", "cboRevTalk", 15012},
        {"lblAutoDial", "cboAutoDial", 15013},
        {"lblSignalRelation", "cboSignalRelation", 15022},
    };
    for (const auto& p : pairs) {
        auto* label = Get<QLabel>(QString::fromLatin1(p.label));
        auto* control = Get<QWidget>(QString::fromLatin1(p.control));
        EXPECT_EQ(label->text(), h.Text(p.text)) << p.label;
        EXPECT_EQ(label->x(), control->x() - label->width() - gap) << p.label;
        EXPECT_GE(label->x(), 0) << p.label;
        EXPECT_GE(label->width(), label->sizeHint().width()) << p.label;
    }
    EXPECT_EQ(dialog->windowTitle(), h.Text(15000));
    EXPECT_EQ(Get<QPushButton>("CommandClose")->text(), h.Text(9023));
    EXPECT_FALSE(Get<QPushButton>("CommandHelp")->isVisible()); // no help installed
}

TEST(ChannelEditDialogHelp, HelpButtonShowsWhenHelpIsInstalled) {
    TestInstall withHelp(1, true);
    Harness helped(withHelp, false, 0, false);
    helped.app.docState.Editing.EditCell.row = 1;
    QWidget* w = helped.main->ShowModelessWindow(QStringLiteral("FrmCHInfoEdit"));
    ASSERT_NE(w, nullptr);
    auto* help = w->findChild<QPushButton*>("CommandHelp");
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text(), helped.Text(9025));
}

TEST_F(ChannelEditDialogTest, ShowsEveryMemberOfTheGridsEditRow) {
    h.app.doc.Settings.Dtmf.DialMemory[1].Len = 3; // memories 2 and 5 hold digits
    h.app.doc.Settings.Dtmf.DialMemory[4].Len = 4;
    ChannelRecord& e = AddAt(5, "446.01875");
    e.TxShift = "0002500"; // +0.025 MHz: transmits on 446.04375
    e.TxShiftDir = 2;
    e.RxTone = 13; // 100.0
    e.TxTone = 70; // D023N
    e.PttId = 2;
    e.RevTalkMode = 1;
    e.AutoDialMem = 5;
    e.SignalRelation = 1;
    e.OptSignal = 1;
    e.Name = "AB1";
    e.IdCode = "12345";
    e.Scramble = 1;
    e.Compander = 1;
    ASSERT_TRUE(Open(5));

    EXPECT_EQ(dialog->ShownChannel(), 5);
    EXPECT_EQ(List("cboChannel")->currentText(), "5");
    EXPECT_EQ(List("cboRxFreq")->currentText(), "446.01875");
    EXPECT_EQ(List("cboTxFreq")->currentText(), "446.04375");
    EXPECT_EQ(List("cboRxFreq")->count(), 17);
    EXPECT_EQ(List("cboRxFreq")->itemText(0), "NONE");
    EXPECT_EQ(List("cboRxFreq")->itemText(16), "446.19375");
    const QString name[] = {"A", "B", "1", "", "", ""};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(NameBox(i)->text(), name[i]) << i;
        EXPECT_TRUE(NameBox(i)->isEnabled());
    }
    EXPECT_EQ(Box("txtIdCode")->text(), "12345");
    EXPECT_EQ(Box("txtIdCode")->maxLength(), 10);
    EXPECT_EQ(List("cboRxTone")->currentText(), "100.0");
    EXPECT_EQ(List("cboRxTone")->itemText(0), h.Text(15030));
    EXPECT_EQ(List("cboRxTone")->count(), 1075);
    EXPECT_EQ(List("cboTxTone")->currentText(), "D023N");
    EXPECT_EQ(List("cboPower")->currentText(), h.Text(15044));
    EXPECT_EQ(List("cboOptSignal")->currentText(), h.Text(15043));
    EXPECT_EQ(List("cboPttId")->currentText(), h.Text(15038));
    EXPECT_EQ(List("cboSpacing")->currentText(), h.Text(15042));
    EXPECT_EQ(List("cboRevTalk")->currentText(), h.Text(15035));
    EXPECT_EQ(Entries(List("cboAutoDial")), (QStringList{h.Text(14013), "2", "5"}));
    EXPECT_EQ(List("cboAutoDial")->currentText(), "5");
    EXPECT_EQ(List("cboSignalRelation")->currentText(), h.Text(15051));
    EXPECT_TRUE(Flag("chkScramble")->isChecked());
    EXPECT_TRUE(Flag("chkCompander")->isChecked());
    EXPECT_FALSE(Flag("chkWhisper")->isChecked());
    EXPECT_TRUE(Flag("chkScanSkip")->isEnabled());
    EXPECT_TRUE(dialog->WandToSave);
}

TEST_F(ChannelEditDialogTest, TheVfoHasNoNameAndNoScanSkip) {
    ChannelRecord& vfo = Channel(kVfoChannelNo);
    vfo.Name = "VFO1";
    vfo.ScanSkip = 1;
    ASSERT_TRUE(Open(kVfoChannelNo));
    EXPECT_EQ(List("cboChannel")->currentText(), "VFO");
    const QColor window = dialog->palette().color(QPalette::Window);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(NameBox(i)->isEnabled()) << i;
        EXPECT_TRUE(NameBox(i)->text().isEmpty()) << i;
        EXPECT_EQ(NameBox(i)->palette().color(QPalette::Base), window) << i;
    }
    EXPECT_FALSE(Flag("chkScanSkip")->isEnabled());
    EXPECT_TRUE(Flag("chkScanSkip")->isChecked());
    EXPECT_TRUE(Flag("chkWhisper")->isEnabled());
    EXPECT_TRUE(Box("txtIdCode")->isEnabled());
    EXPECT_TRUE(List("cboRxTone")->isEnabled());

    // A radio channel afterwards gets its name boxes back.
    AddAt(2).Name = "Z";
    Choose(List("cboChannel"), "2");
    EXPECT_TRUE(NameBox(0)->isEnabled());
    EXPECT_EQ(NameBox(0)->text(), "Z");
    EXPECT_NE(NameBox(0)->palette().color(QPalette::Base), window);
    EXPECT_TRUE(Flag("chkScanSkip")->isEnabled());
}

TEST_F(ChannelEditDialogTest, AnEmptyChannelIsStartedFromItsReceiveFrequency) {
    ASSERT_FALSE(Exists(7));
    ASSERT_TRUE(Open(7));
    EXPECT_EQ(List("cboRxFreq")->currentText(), "NONE");
    EXPECT_EQ(List("cboTxFreq")->currentText(), "NONE");
    EXPECT_TRUE(List("cboChannel")->isEnabled());
    EXPECT_TRUE(List("cboRxFreq")->isEnabled());
    EXPECT_FALSE(List("cboTxFreq")->isEnabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(NameBox(i)->isEnabled()) << i;
    EXPECT_FALSE(Box("txtIdCode")->isEnabled());
    for (const char* name :
         {"cboRxTone", "cboTxTone", "cboPower", "cboOptSignal", "cboPttId", "cboSpacing",
          "cboBusyLock", "cboRevTalk", "cboAutoDial", "cboSignalRelation"}) {
        EXPECT_FALSE(List(name)->isEnabled()) << name;
        EXPECT_EQ(Entries(List(name)), QStringList{" "}) << name;
    }
    for (const char* name : {"chkScanSkip", "chkScramble", "chkTxInhibit", "chkTalkaround",
                             "chkReverse", "chkWhisper", "chkCompander"}) {
        EXPECT_FALSE(Flag(name)->isEnabled()) << name;
        EXPECT_FALSE(Flag(name)->isChecked()) << name;
    }

    Choose(List("cboRxFreq"), "446.03125");
    ASSERT_TRUE(Exists(7));
    EXPECT_EQ(TrimFix(Channel(7).RxFreq), "44603125");
    EXPECT_EQ(List("cboTxFreq")->currentText(), "446.03125");
    EXPECT_TRUE(List("cboTxFreq")->isEnabled());
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(NameBox(i)->isEnabled()) << i;
    EXPECT_TRUE(Box("txtIdCode")->isEnabled());
    EXPECT_EQ(Box("txtIdCode")->text(), "000");
    EXPECT_EQ(List("cboRxTone")->count(), 1075);
    EXPECT_EQ(List("cboRxTone")->currentIndex(), 0);
    EXPECT_TRUE(List("cboSignalRelation")->isEnabled());
    EXPECT_TRUE(Flag("chkScanSkip")->isEnabled());
}

TEST_F(ChannelEditDialogTest, NoneRemovesTheChannelButNeverTheLastOne) {
    AddAt(4, "446.05625");
    ASSERT_TRUE(Open(4));
    Choose(List("cboRxFreq"), "NONE");
    EXPECT_FALSE(Exists(4));
    EXPECT_FALSE(List("cboTxFreq")->isEnabled());
    EXPECT_FALSE(NameBox(0)->isEnabled());

    // Down to one channel: it stays and keeps its frequency.
    while (h.app.doc.ChannelCount > 1)
        DeleteChannelAt(h.app, h.app.doc.ChannelCount - 1);
    const int last = h.app.doc.Channels[0].ChannelNo;
    SetChannelField(h.app, h.ui, last, kColRxFreq, "446.09375");
    Choose(List("cboChannel"), last - 1);
    Choose(List("cboRxFreq"), "NONE");
    ASSERT_TRUE(Exists(last));
    EXPECT_EQ(List("cboRxFreq")->currentText(), "446.09375");
    EXPECT_TRUE(List("cboTxFreq")->isEnabled());
}

TEST_F(ChannelEditDialogTest, FollowsTheGridsEditRowOrItsOwnSelector) {
    AddAt(5).Name = "FIVE";
    AddAt(9).Name = "NINE";
    ASSERT_TRUE(Open(5));
    EXPECT_EQ(NameBox(0)->text(), "F");

    // The grid enters row 9 and re-syncs the dialog.
    h.app.docState.Editing.EditCell.row = 9;
    dialog->SetGridEditData(true);
    EXPECT_EQ(List("cboChannel")->currentText(), "9");
    EXPECT_EQ(NameBox(0)->text(), "N");

    // The user picks channel 5 in the dialog: the edit row follows.
    Choose(List("cboChannel"), "5");
    EXPECT_EQ(dialog->ShownChannel(), 5);
    EXPECT_EQ(h.app.docState.Editing.EditCell.row, 5);
    EXPECT_EQ(NameBox(1)->text(), "I");

    // A change made elsewhere shows at once.
    SetChannelField(h.app, h.ui, 5, kColName, "XY");
    EXPECT_EQ(NameBox(0)->text(), "X");
    EXPECT_EQ(NameBox(2)->text(), "");

    dialog->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(h.app.docState.Events.Publish(DocumentChange::DtmfMemories));
    SetChannelField(h.app, h.ui, 5, kColName, "AB"); // nothing of the dialog left to refresh
    EXPECT_EQ(TrimFix(Channel(5).Name), "AB");
}

TEST_F(ChannelEditDialogTest, TheOffsetHabitRelabelsTheTransmitList) {
    ChannelRecord& e = AddAt(2, "446.00625");
    e.TxShift = "0001250";
    e.TxShiftDir = 2;
    h.app.habits.UseOffsetFreq = true;
    ASSERT_TRUE(Open(2));
    auto* label = Get<QLabel>("lblTxFreq");
    auto* tx = List("cboTxFreq");
    const int gap = static_cast<int>(std::lround(100 / frmMain::TwipsPerPixel()));
    EXPECT_EQ(label->text(), h.Text(15100));
    EXPECT_EQ(label->x(), tx->x() - label->width() - gap);
    EXPECT_EQ(tx->currentText(), "NONE"); // "+0.01250" is no frequency of the list

    h.app.habits.UseOffsetFreq = false;
    dialog->ReShowEditTxFre(false);
    EXPECT_EQ(label->text(), h.Text(15003));
    EXPECT_EQ(label->x(), tx->x() - label->width() - gap);
    EXPECT_EQ(tx->currentText(), "446.01875");
}

TEST_F(ChannelEditDialogTest, TheModeListDecidesBetweenReverseAndTalkaround) {
    AddAt(6);
    ASSERT_TRUE(Open(6));
    EXPECT_TRUE(Flag("chkReverse")->isEnabled());
    EXPECT_FALSE(Flag("chkTalkaround")->isEnabled());

    Choose(List("cboRevTalk"), 1);
    EXPECT_EQ(Channel(6).RevTalkMode, 1);
    EXPECT_FALSE(Flag("chkReverse")->isEnabled());
    EXPECT_TRUE(Flag("chkTalkaround")->isEnabled());

    QTest::mouseClick(Flag("chkTalkaround"), Qt::LeftButton);
    EXPECT_EQ(Channel(6).Talkaround, 1);
    QTest::mouseClick(Flag("chkTalkaround"), Qt::LeftButton);
    EXPECT_EQ(Channel(6).Talkaround, 0);
}

TEST_F(ChannelEditDialogTest, ChoosingATransmitFrequencyMakesTheChannelSimplex) {
    ChannelRecord& e = AddAt(3, "446.00625");
    e.TxShift = "0001250";
    e.TxShiftDir = 1;
    ASSERT_TRUE(Open(3));
    Choose(List("cboTxFreq"), "446.06875");
    EXPECT_EQ(TrimFix(Channel(3).RxFreq), "44606875");
    EXPECT_EQ(Channel(3).TxShiftDir, 0);
    EXPECT_EQ(List("cboRxFreq")->currentText(), "446.06875");
    EXPECT_EQ(List("cboTxFreq")->currentText(), "446.06875");

    // "NONE" is no transmit frequency: nothing changes, and the list shows so.
    Choose(List("cboTxFreq"), "NONE");
    EXPECT_TRUE(Exists(3));
    EXPECT_EQ(TrimFix(Channel(3).RxFreq), "44606875");
    EXPECT_EQ(List("cboTxFreq")->currentText(), "446.06875");
}

} // namespace
