#include "ChannelRowCommandsRecorders.h"
#include "dialogs/FrmHabits.h"
#include "dialogs/FrmMsgConfirm.h"

#include <QDir>
#include <QLabel>

namespace pmr::testing {
namespace {

using Log = std::vector<std::string>;

std::vector<bool> Flags(const Habits& h) {
    return {h.PasteNoPrompt, h.PasteInserts, h.DeleteNoPrompt, h.DeleteRemovesRow, h.UseOffsetFreq};
}

TEST(HabitsDialog, ShowsTheFlagsAndOkTakesAndSavesThemAll) {
    TestInstall install;
    Harness h(install);
    h.app.habits.PasteInserts = true;
    h.app.habits.DeleteRemovesRow = true;
    FrmHabits dialog(h.app);
    EXPECT_EQ(dialog.windowTitle(), h.Text(25006));
    EXPECT_EQ(dialog.CommandOK()->text(), h.Text(25004));
    EXPECT_EQ(dialog.CommandCancel()->text(), h.Text(25005));
    std::vector<bool> shown;
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(dialog.Check(i)->text(), h.Text(25006 + i));
        shown.push_back(dialog.Check(i)->isChecked());
    }
    EXPECT_EQ(shown, Flags(h.app.habits));

    Show(dialog);
    for (int i : {1, 2, 5})
        Tick(dialog.Check(i));
    // Enter in a check box moves on instead of pressing OK.
    dialog.Check(3)->setFocus();
    QTest::keyClick(dialog.Check(3), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.CommandOK(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Flags(h.app.habits), (std::vector<bool>{true, false, false, true, true}));
    QFile file(install.ProgramFolder() + "/Habit.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray::fromHex("ffff00000000ffffffff"));
}

TEST(HabitsDialog, CancelChangesNothing) {
    TestInstall install;
    Harness h(install);
    h.app.habits.DeleteNoPrompt = true;
    FrmHabits dialog(h.app);
    Show(dialog);
    for (int i = 1; i <= 5; ++i)
        Tick(dialog.Check(i));
    QTest::mouseClick(dialog.CommandCancel(), Qt::LeftButton);
    EXPECT_EQ(Flags(h.app.habits), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_FALSE(QFile::exists(install.ProgramFolder() + "/Habit.ini"));
}

TEST(HabitsDialog, AHabitFileThatCannotBeWrittenIsIgnored) {
    TestInstall install;
    Harness h(install);
    // A folder in the file's place makes every write fail.
    ASSERT_TRUE(QDir().mkpath(install.ProgramFolder() + "/Habit.ini"));
    FrmHabits dialog(h.app);
    Show(dialog);
    Tick(dialog.Check(4));
    QTest::mouseClick(dialog.CommandOK(), Qt::LeftButton);
    EXPECT_TRUE(h.app.habits.DeleteRemovesRow);
    EXPECT_TRUE(h.ui.Messages().empty());
}

TEST(HabitsDialog, SwitchingToOffsetsRedisplaysTheOpenTransmitColumns) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(3);
    r.OpenEditDialog(1);
    r.h.ui.HandleDialogNext(Click("CommandOK", "Check5"));
    ASSERT_TRUE(r.Command("MnuCHHabits"));
    EXPECT_EQ(r.h.ui.Events().back().text, "FrmHabits");
    EXPECT_TRUE(r.h.app.habits.UseOffsetFreq);
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "ReShowAllTxFre 1",
                          "ReShowEditTxFre 1", "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.reconciles, 0);

    // Unchanged: nothing to redisplay.
    r.h.ui.HandleDialogNext(Click("CommandOK", "Check1"));
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHHabits"));
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "SetCodeMoveTopRow 0"}));

    // Back to frequencies, with only the grid open.
    r.h.main->CloseWindowByName(QStringLiteral("FrmCHInfoEdit"));
    ASSERT_TRUE(WaitFor([&] { return !r.h.main->FindChildWindow("FrmCHInfoEdit"); }));
    r.h.ui.HandleDialogNext(Click("CommandOK", "Check5"));
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHHabits"));
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "ReShowAllTxFre 0",
                          "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.HabitFileBytes(), QByteArray::fromHex("ffff0000000000000000"));
}

TEST(HabitsDialog, OpensWithoutTheChannelGrid) {
    TestInstall install;
    RowCommandHarness r(install);
    r.h.main->CloseWindowByName(QStringLiteral("frmCommChInfo"));
    ASSERT_TRUE(WaitFor([&] { return !r.h.main->FindChildWindow("frmCommChInfo"); }));
    r.h.ui.HandleDialogNext(Click("CommandOK", "Check5"));
    ASSERT_TRUE(r.Command("MnuCHHabits"));
    EXPECT_TRUE(r.h.app.habits.UseOffsetFreq);
    EXPECT_TRUE(r.h.ui.ScriptUsedUp());
}

TEST(ConfirmDialog, EachModeSetsItsOwnPairOfHabits) {
    TestInstall install;
    Harness h(install);
    {
        FrmMsgConfirm paste(h.app, FrmMsgConfirm::Mode::Paste);
        EXPECT_EQ(paste.windowTitle(), h.Text(25000));
        EXPECT_EQ(paste.Label1()->text(), h.Text(25001));
        EXPECT_EQ(paste.Check1()->text(), h.Text(25003));
        EXPECT_EQ(paste.CommandYes()->text(), h.Text(25004));
        EXPECT_EQ(paste.CommandNo()->text(), h.Text(25005));
        Show(paste);
        Tick(paste.Check1());
        QTest::mouseClick(paste.CommandYes(), Qt::LeftButton);
    }
    EXPECT_EQ(Flags(h.app.habits), (std::vector<bool>{true, true, false, false, false}));
    {
        FrmMsgConfirm remove(h.app, FrmMsgConfirm::Mode::Delete);
        EXPECT_EQ(remove.Label1()->text(), h.Text(25002));
        Show(remove);
        // Enter answers: the focus starts on the answer, not on "do not ask again".
        ASSERT_TRUE(remove.focusWidget());
        QTest::keyClick(remove.focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(Flags(h.app.habits), (std::vector<bool>{true, true, false, true, false}));
    {
        FrmMsgConfirm paste(h.app, FrmMsgConfirm::Mode::Paste);
        Show(paste);
        QTest::mouseClick(paste.CommandNo(), Qt::LeftButton);
    }
    EXPECT_EQ(Flags(h.app.habits), (std::vector<bool>{false, false, false, true, false}));
    QFile file(install.ProgramFolder() + "/Habit.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray::fromHex("000000000000ffff0000"));
}

} // namespace
} // namespace pmr::testing
