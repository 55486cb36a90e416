#include "ChannelRowCommandsRecorders.h"

#include <QLabel>

namespace pmr::testing {
namespace {

using Log = std::vector<std::string>;

TEST(ChannelRowCommands, ACommandWaitsForTheTimerAfterTheGridCommitted) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(3);
    r.grid->row = 2;
    r.h.Button("CHCopy")->trigger();
    // Nothing has happened yet but the grid's commit.
    EXPECT_EQ(r.log, (Log{"SetEditDisable"}));
    EXPECT_FALSE(r.h.app.habits.ClipboardValid);
    EXPECT_EQ(r.h.main->PendingRowCommand, 2);
    ASSERT_TRUE(WaitFor([&] { return r.h.app.habits.ClipboardValid; }));
    EXPECT_EQ(TrimFix(r.h.app.habits.ChannelClipboard.Name), "C2");
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "SetCodeMoveTopRow 0"}));
    // A copy changes no channel: nothing to reconcile, yet paste is offered at once.
    EXPECT_EQ(r.reconciles, 0);
    EXPECT_TRUE(r.h.Menu("MnuCHPaste")->isEnabled());
    EXPECT_TRUE(r.h.Button("CHPaste")->isEnabled());
}

TEST(ChannelRowCommands, ASecondCommandBeforeTheTickReplacesTheFirst) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(3);
    r.h.app.habits.DeleteNoPrompt = true;
    r.grid->row = 1;
    r.h.Menu("MnuCHDelete")->trigger();
    ASSERT_TRUE(r.Command("MnuCHCopy"));
    QTest::qWait(50);
    EXPECT_EQ(r.NameOf(1), "C1");
    EXPECT_TRUE(r.h.app.habits.ClipboardValid);
}

TEST(ChannelRowCommands, DeleteAnsweredNoWithTheBoxTickedLeavesAGapAndNeverAsksAgain) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(10);
    r.grid->row = 5;
    std::string title, message;
    bool tickedAtStart = true;
    r.h.ui.HandleDialogNext([&](QDialog& dialog) {
        title = dialog.windowTitle().toStdString();
        message = dialog.findChild<QLabel*>("Label1")->text().toStdString();
        tickedAtStart = dialog.findChild<QCheckBox*>("Check1")->isChecked();
        return Click("CommandNo", "Check1")(dialog);
    });
    ASSERT_TRUE(r.Command("MnuCHDelete"));
    EXPECT_EQ(title, r.h.app.texts.GetLangText(25000));
    EXPECT_EQ(message, r.h.app.texts.GetLangText(25002));
    EXPECT_FALSE(tickedAtStart);
    EXPECT_EQ(r.NameOf(5), "-");
    EXPECT_EQ(r.NameOf(6), "C6");
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "reShowGrid 5",
                          "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.reconciles, 1);
    EXPECT_TRUE(r.h.app.habits.DeleteNoPrompt);
    EXPECT_FALSE(r.h.app.habits.DeleteRemovesRow);
    // Kept for the next run: only DeleteNoPrompt is set.
    EXPECT_EQ(r.HabitFileBytes(), QByteArray::fromHex("00000000ffff00000000"));

    r.grid->row = 6;
    ASSERT_TRUE(r.Command("MnuCHDelete"));
    EXPECT_EQ(r.NameOf(6), "-");
    EXPECT_EQ(r.NameOf(7), "C7");
    EXPECT_EQ(r.h.ui.Unexpected(), 0);
    EXPECT_TRUE(r.h.ui.ScriptUsedUp());
    EXPECT_EQ(r.grid->unmarkedMoves, 0);
}

TEST(ChannelRowCommands, DeleteClosingTheGapRefreshesEverythingAndTheEditDialog) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(10);
    r.OpenEditDialog(5);
    r.grid->row = 5;
    r.h.ui.HandleDialogNext(Click("CommandYes"));
    ASSERT_TRUE(r.Command("MnuCHDelete"));
    EXPECT_EQ(r.NameOf(5), "C6");
    EXPECT_EQ(r.NameOf(9), "C10");
    EXPECT_EQ(r.NameOf(10), "-");
    EXPECT_EQ(r.log,
              (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "reShowGrid 5", "SetGridEditData 0",
                   "reShowAllGrid", "SetGridEditData 1", "SetCodeMoveTopRow 0"}));
    // Asked again next time: the box was left clear.
    EXPECT_FALSE(r.h.app.habits.DeleteNoPrompt);
    EXPECT_TRUE(r.h.app.habits.DeleteRemovesRow);
}

TEST(ChannelRowCommands, ClosingTheQuestionStillDeletesButKeepsTheHabits) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(4);
    r.h.app.habits.DeleteRemovesRow = true;
    r.grid->row = 2;
    r.h.ui.HandleDialogNext([](QDialog& dialog) {
        Show(dialog);
        Tick(dialog.findChild<QCheckBox*>("Check1"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        return dialog.result();
    });
    ASSERT_TRUE(r.Command("MnuCHDelete"));
    EXPECT_EQ(r.NameOf(2), "C3");
    EXPECT_TRUE(r.h.app.habits.DeleteRemovesRow);
    EXPECT_FALSE(r.h.app.habits.DeleteNoPrompt);
    EXPECT_TRUE(r.HabitFileBytes().isEmpty());
}

TEST(ChannelRowCommands, PasteAnsweredYesInsertsTheCopiedChannel) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(128);
    r.grid->row = 50;
    ASSERT_TRUE(r.Command("MnuCHCopy"));
    r.grid->row = 3;
    std::string message;
    r.h.ui.HandleDialogNext([&](QDialog& dialog) {
        message = dialog.findChild<QLabel*>("Label1")->text().toStdString();
        return Click("CommandYes")(dialog);
    });
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHPaste"));
    EXPECT_EQ(message, r.h.app.texts.GetLangText(25001));
    EXPECT_EQ(r.NameOf(3), "C50");
    EXPECT_EQ(r.NameOf(4), "C3");
    EXPECT_EQ(r.NameOf(128), "C127");
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "reShowAllGrid", "reShowGrid 3",
                          "reShowGrid 3", "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.reconciles, 1);
    EXPECT_TRUE(r.h.app.habits.PasteInserts);
    EXPECT_FALSE(r.h.app.habits.PasteNoPrompt);
}

TEST(ChannelRowCommands, PasteOnTheVfoRowIsRefusedWithoutReconciling) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(2);
    r.grid->row = 1;
    ASSERT_TRUE(r.Command("MnuCHCopy"));
    r.grid->row = 129;
    r.h.main->UpdateChannelCommands(129);
    EXPECT_TRUE(r.h.Menu("MnuCHPaste")->isEnabled());
    EXPECT_FALSE(r.h.Menu("MnuCHCut")->isEnabled());
    EXPECT_FALSE(r.h.Menu("MnuCHInsert")->isEnabled());
    EXPECT_FALSE(r.h.Menu("MnuCHDelete")->isEnabled());
    EXPECT_FALSE(r.h.Menu("MnuCHMoveUp")->isEnabled());
    EXPECT_FALSE(r.h.Button("CHMoveDown")->isEnabled());
    const RadioDocument before = r.h.app.doc;
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHPaste"));
    EXPECT_EQ(r.log, (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.reconciles, 0);
    EXPECT_TRUE(r.h.app.doc == before);
    EXPECT_EQ(r.h.ui.Unexpected(), 0);
}

TEST(ChannelRowCommands, MoveDownScrollsTheMovedChannelIntoView) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(128);
    r.grid->row = 10;
    r.grid->top = 1;
    r.grid->shown = 10;
    ASSERT_TRUE(r.Command("MnuCHMoveDown"));
    EXPECT_EQ(r.NameOf(11), "C10");
    EXPECT_EQ(r.log,
              (Log{"SetEditDisable", "SetCodeMoveTopRow 1", "reShowGrid 10", "reShowGrid 11",
                   "SetCurrentRow 11", "SetTopRow 2", "SetOLdTopRow 2", "SetCodeMoveTopRow 0"}));
    EXPECT_EQ(r.reconciles, 1);

    // Row 128 wraps to row 1 at the top.
    r.grid->row = 128;
    r.grid->top = 119;
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHMoveDown"));
    EXPECT_EQ(r.NameOf(1), "C128");
    EXPECT_EQ(r.NameOf(128), "C1");
    EXPECT_EQ(r.grid->row, 1);
    EXPECT_EQ(r.grid->top, 1);
    EXPECT_NE(std::find(r.log.begin(), r.log.end(), "SetOLdTopRow 1"), r.log.end());
    EXPECT_EQ(r.grid->unmarkedMoves, 0);
}

TEST(ChannelRowCommands, MoveUpScrollsOnlyWhenTheTargetLeftTheView) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(128);
    r.grid->row = 12;
    r.grid->top = 10;
    ASSERT_TRUE(r.h.ui.ScriptUsedUp());
    ASSERT_TRUE(r.Command("MnuCHMoveUp"));
    EXPECT_EQ(r.NameOf(11), "C12");
    EXPECT_EQ(r.grid->row, 11);
    EXPECT_EQ(r.grid->top, 10);
    EXPECT_EQ(std::count_if(r.log.begin(), r.log.end(),
                            [](const std::string& s) { return s.rfind("SetOLdTopRow", 0) == 0; }),
              0);

    r.grid->row = 1;
    r.grid->top = 1;
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHMoveUp"));
    EXPECT_EQ(r.NameOf(128), "C1");
    EXPECT_EQ(r.grid->row, 128);
    EXPECT_EQ(r.grid->top, 128);
    EXPECT_NE(std::find(r.log.begin(), r.log.end(), "SetOLdTopRow 128"), r.log.end());
}

TEST(ChannelRowCommands, TheEditDialogFollowsOnlyTheChannelItShows) {
    TestInstall install;
    RowCommandHarness r(install);
    r.Channels(10);
    r.OpenEditDialog(7);
    r.grid->row = 3;
    ASSERT_TRUE(r.Command("MnuCHMoveUp"));
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "SetGridEditData 0"), 0);
    r.grid->row = 7;
    r.log.clear();
    ASSERT_TRUE(r.Command("MnuCHMoveDown"));
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "SetGridEditData 0"), 1);
}

} // namespace
} // namespace pmr::testing
