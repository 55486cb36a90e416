// The scan, emergency alert and key windows: what opening makes of stored
// values, the lists offered per mode, and the rules between the lists.

#include "SettingsTestSupport.h"
#include "document/ChannelTable.h"
#include "document/SettingsTexts.h"
#include "editors/settings/FrmAlert.h"
#include "editors/settings/FrmKey.h"
#include "editors/settings/FrmScan.h"

#include <QCheckBox>
#include <QComboBox>

namespace pmr {
namespace {

using testing::Harness;
using testing::Choose;
using testing::Open;
using testing::TestInstall;

TEST(FrmScan, OpeningNormalisesAndOnlyTheModeIsOpenWhileScanIsOff) {
    TestInstall install;
    Harness h(install);
    ScanSettings& s = h.app.doc.Settings.Scan;
    s.LookBackA = 60;
    s.PriorityCh1 = 77; // no such channel
    s.EntryTone = 2;
    auto* w = Open<FrmScan>(h, "MnuScan");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->List("cboLookBackA")->currentText(), "0.5");
    EXPECT_EQ(s.LookBackA, 5);
    EXPECT_EQ(w->List("cboLookBackB")->currentText(), "3.0");
    EXPECT_EQ(w->List("cboRxResume")->currentText(), "3.0");
    EXPECT_EQ(s.PriorityCh1, 1); // the lowest channel number
    EXPECT_EQ(s.EntryTone, 0);
    EXPECT_FALSE(w->Check("chkEntryTone")->isChecked());
    EXPECT_TRUE(w->List("cboMode")->isEnabled());
    for (const char* name : {"cboPriorityMode", "cboRevertCh", "cboLookBackA", "cboPriorityCh1"})
        EXPECT_FALSE(w->List(name)->isEnabled()) << name;
    EXPECT_FALSE(w->Check("chkExitTone")->isEnabled());
}

TEST(FrmScan, ThePriorityModeDecidesTheRevertEntriesAndThePriorityLists) {
    TestInstall install;
    Harness h(install);
    ScanSettings& s = h.app.doc.Settings.Scan;
    s.Mode = 1;
    s.PriorityMode = 3;
    s.RevertCh = 3; // P2
    auto* w = Open<FrmScan>(h, "MnuScan");
    ASSERT_TRUE(w);
    QComboBox* revert = w->List("cboRevertCh");
    EXPECT_EQ(revert->count(), 8);
    EXPECT_EQ(s.RevertCh, 3);
    EXPECT_TRUE(w->List("cboPriorityCh1")->isEnabled());
    EXPECT_TRUE(w->List("cboPriorityCh2")->isEnabled());

    Choose(w->List("cboPriorityMode"), 1); // P1: the revert list has no P2
    EXPECT_EQ(revert->count(), 6);
    EXPECT_EQ(s.RevertCh, 0);
    EXPECT_FALSE(w->List("cboPriorityCh2")->isEnabled());
    Choose(revert, 5); // "P1 + talkback", full-list entry 6
    EXPECT_EQ(s.RevertCh, 6);
    Choose(w->List("cboPriorityMode"), 0);
    EXPECT_EQ(revert->currentIndex(), 0);
    EXPECT_EQ(s.RevertCh, 0);
}

TEST(FrmAlert, OpeningNormalisesAndTheTypeAndChannelRulesHold) {
    TestInstall install;
    Harness h(install);
    AlertSettings& a = h.app.doc.Settings.Alert;
    a.Type = 1; // the remote alarm is not offered
    a.IdType = 1;
    a.IdMemory = 4;
    a.EmergencyCh = 1;
    auto* w = Open<FrmAlert>(h, "MnuAlert");
    ASSERT_TRUE(w);
    EXPECT_EQ(a.Type, 0);
    for (const char* name : {"cboAlarmTime", "cboTxTime", "cboRxTime"})
        EXPECT_EQ(w->List(name)->currentText(), "1") << name;
    EXPECT_EQ(a.AlarmTime, 1);
    EXPECT_EQ(a.TxTime, 1);
    EXPECT_EQ(w->List("cboIdMemory")->count(), 0); // no DTMF memory in use
    EXPECT_EQ(a.IdMemory, 0);
    EXPECT_TRUE(w->List("cboAlarmTime")->isEnabled());
    EXPECT_FALSE(w->List("cboTxTime")->isEnabled());

    Choose(w->List("cboType"), 2); // full-list entry 3
    EXPECT_EQ(a.Type, 3);
    EXPECT_FALSE(w->List("cboAlarmTime")->isEnabled());
    EXPECT_TRUE(w->List("cboIdType")->isEnabled());
    Choose(w->List("cboChannelSel"), 1);
    EXPECT_FALSE(w->List("cboEmergencyCh")->isEnabled());
    EXPECT_EQ(a.EmergencyCh, 1);
}

TEST(FrmAlert, TheIdGroupListOffersTheMemoriesInUse) {
    TestInstall install;
    Harness h(install);
    auto& memories = h.app.doc.Settings.Dtmf.DialMemory;
    memories[2] = DtmfCodeFromText("123");
    memories[6] = DtmfCodeFromText("9");
    AlertSettings& a = h.app.doc.Settings.Alert;
    a.Type = 2;
    a.IdType = 1;
    a.IdMemory = 7;
    auto* w = Open<FrmAlert>(h, "MnuAlert");
    ASSERT_TRUE(w);
    QComboBox* memory = w->List("cboIdMemory");
    ASSERT_EQ(memory->count(), 2);
    EXPECT_EQ(memory->itemText(0), "M3");
    EXPECT_EQ(memory->currentText(), "M7");
    EXPECT_EQ(a.IdMemory, 7);
    Choose(memory, 0);
    EXPECT_EQ(a.IdMemory, 3);
    Choose(w->List("cboIdType"), 0);
    EXPECT_EQ(a.IdMemory, 0);
}

TEST(FrmKey, PressTypesOfferTheirFunctionsAndAScanModeChangeReshows) {
    TestInstall install;
    Harness h(install);
    KeySettings& k = h.app.doc.Settings.Keys;
    k.LongPressTime = 30;
    k.Pf1Short = 11; // key lock: long presses only
    k.Pf1Long = 11;
    k.Key5Short = 26; // hidden, kept
    auto* w = Open<FrmKey>(h, "MnuKey");
    ASSERT_TRUE(w);
    EXPECT_EQ(w->LongPressTime()->currentText(), "1.0");
    EXPECT_EQ(k.LongPressTime, 10);
    EXPECT_EQ(k.Pf1Short, 0);
    EXPECT_EQ(k.Pf1Long, 11);
    EXPECT_EQ(k.Key5Short, 26);
    EXPECT_EQ(w->KeyList(1)->count(), 26);
    EXPECT_EQ(w->KeyList(2)->count(), 25);
    EXPECT_EQ(w->KeyList(3)->currentText(), h.Text(29040));

    // A scan mode change makes the open key window show the document again.
    k.Key3Short = 11;
    h.app.doc.Settings.Scan.Mode = 0;
    auto* scan = Open<FrmScan>(h, "MnuScan");
    ASSERT_TRUE(scan);
    Choose(scan->List("cboMode"), 1);
    EXPECT_EQ(k.Key3Short, 0);
}

} // namespace
} // namespace pmr
