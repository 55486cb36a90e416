#include "document/ChannelRowOperations.h"

#include "ChannelTableBuilder.h"
#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/ChannelTable.h"
#include "document/OptionRefs.h"
#include "document/TrimFix.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace pmr {
namespace {

/// Records the refreshes and answers the questions with a scripted reply.
class RecordingWindows : public ChannelRowWindows {
public:
    void RefreshChannelRow(int row) override { rows.push_back(row); }
    void RefreshAllChannels() override { ++allRefreshes; }
    void AskPasteMode() override {
        ++pasteQuestions;
        if (onPaste)
            onPaste();
    }
    void AskDeleteMode() override {
        ++deleteQuestions;
        if (onDelete)
            onDelete();
    }

    std::vector<int> rows;
    int allRefreshes = 0;
    int pasteQuestions = 0;
    int deleteQuestions = 0;
    std::function<void()> onPaste;
    std::function<void()> onDelete;
};

using testing::RecordingInteraction;
using testing::TableOf;

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i)
        v.push_back(i);
    return v;
}

/// Channel number -> name, and a check that no number is used twice.
std::map<int, std::string> Names(const AppContext& app) {
    std::map<int, std::string> names;
    for (int i = 0; i < app.doc.ChannelCount; ++i) {
        const ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
        EXPECT_TRUE(names.emplace(e.ChannelNo, TrimFix(e.Name)).second)
            << "channel " << e.ChannelNo << " twice";
    }
    return names;
}

std::string NameOf(const AppContext& app, int no) {
    const auto names = Names(app);
    const auto it = names.find(no);
    return it == names.end() ? std::string("<none>") : it->second;
}

TEST(CopyChannelRow, CopiesAnyRecordAndLeavesTheClipboardOnAnEmptyRow) {
    AppContext app = TableOf({1, 2, 129});
    EXPECT_FALSE(CopyChannelRow(app, 5));
    EXPECT_FALSE(app.habits.ClipboardValid);

    EXPECT_TRUE(CopyChannelRow(app, 2));
    EXPECT_TRUE(app.habits.ClipboardValid);
    EXPECT_EQ(TrimFix(app.habits.ChannelClipboard.Name), "C2");

    EXPECT_FALSE(CopyChannelRow(app, 7));
    EXPECT_TRUE(app.habits.ClipboardValid);
    EXPECT_EQ(TrimFix(app.habits.ChannelClipboard.Name), "C2");

    EXPECT_TRUE(CopyChannelRow(app, 129));
    EXPECT_EQ(TrimFix(app.habits.ChannelClipboard.Name), "VFO");
    EXPECT_EQ(app.doc.ChannelCount, 3);
}

TEST(DeleteChannelRow, LeavesTheRowEmptyOrClosesTheGap) {
    RecordingWindows windows;
    AppContext app = TableOf(Range(1, 128));
    app.habits.DeleteNoPrompt = true;
    DeleteChannelRow(app, windows, 5);
    EXPECT_EQ(NameOf(app, 5), "<none>");
    EXPECT_EQ(NameOf(app, 6), "C6");
    EXPECT_EQ(windows.rows, (std::vector<int>{5}));
    EXPECT_EQ(windows.allRefreshes, 0);
    EXPECT_EQ(windows.deleteQuestions, 0);

    app = TableOf([] {
        std::vector<int> all = Range(1, 129);
        std::reverse(all.begin(), all.end());
        return all;
    }());
    app.habits.DeleteNoPrompt = true;
    app.habits.DeleteRemovesRow = true;
    DeleteChannelRow(app, windows, 5);
    EXPECT_EQ(NameOf(app, 4), "C4");
    EXPECT_EQ(NameOf(app, 5), "C6");
    EXPECT_EQ(NameOf(app, 127), "C128");
    EXPECT_EQ(NameOf(app, 128), "<none>");
    EXPECT_EQ(NameOf(app, 129), "VFO");
    EXPECT_EQ(app.doc.ChannelCount, 128);
    EXPECT_EQ(windows.allRefreshes, 1);
}

TEST(DeleteChannelRow, TheAnswerChoosesHowAndTheChannelGoesEvenWithoutOne) {
    RecordingWindows windows;
    AppContext app = TableOf({1, 2, 3, 129});
    // Closed without an answer: the habits stay, the channel still goes.
    DeleteChannelRow(app, windows, 2);
    EXPECT_EQ(windows.deleteQuestions, 1);
    EXPECT_EQ(NameOf(app, 2), "<none>");
    EXPECT_EQ(NameOf(app, 3), "C3");

    // "No" with "do not ask again": no closing of the gap, and no more questions.
    windows.onDelete = [&] {
        app.habits.DeleteRemovesRow = false;
        app.habits.DeleteNoPrompt = true;
    };
    DeleteChannelRow(app, windows, 1);
    DeleteChannelRow(app, windows, 3);
    EXPECT_EQ(windows.deleteQuestions, 2);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{129, "VFO"}}));
}

TEST(DeleteChannelRow, DoesNothingOnTheVfoRow) {
    RecordingWindows windows;
    AppContext app = TableOf({1, 129});
    app.habits.DeleteRemovesRow = true;
    DeleteChannelRow(app, windows, 129);
    EXPECT_EQ(windows.deleteQuestions, 0);
    EXPECT_EQ(app.doc.ChannelCount, 2);
}

TEST(CutChannelRow, CopiesThenDeletes) {
    RecordingWindows windows;
    AppContext app = TableOf({1, 2, 3});
    app.habits.DeleteNoPrompt = true;
    app.habits.DeleteRemovesRow = true;
    CutChannelRow(app, windows, 2);
    EXPECT_TRUE(app.habits.ClipboardValid);
    EXPECT_EQ(TrimFix(app.habits.ChannelClipboard.Name), "C2");
    EXPECT_EQ(app.habits.ChannelClipboard.ChannelNo, 2);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{1, "C1"}, {2, "C3"}}));
}

TEST(InsertChannelRow, PushesChannel128OutWhateverTheTableOrder) {
    std::vector<int> ordered = Range(1, 129);
    std::vector<int> shuffled = ordered;
    // 128 first, 127 last, the VFO in the middle: the record that becomes 128
    // must not be taken for the one that falls off.
    std::rotate(shuffled.begin(), shuffled.begin() + 127, shuffled.end());
    std::swap(shuffled[5], shuffled[60]);
    std::swap(shuffled[2], shuffled.back());
    for (const auto& order : {ordered, shuffled}) {
        RecordingWindows windows;
        AppContext app = TableOf(order);
        InsertChannelRow(app, windows, 10);
        EXPECT_EQ(app.doc.ChannelCount, 128);
        EXPECT_EQ(NameOf(app, 9), "C9");
        EXPECT_EQ(NameOf(app, 10), "<none>");
        EXPECT_EQ(NameOf(app, 11), "C10");
        EXPECT_EQ(NameOf(app, 128), "C127");
        EXPECT_EQ(NameOf(app, 129), "VFO");
        EXPECT_EQ(windows.allRefreshes, 1);
        EXPECT_EQ(windows.rows, (std::vector<int>{10}));
    }
}

TEST(InsertChannelRow, AtTheLastRowOnlyEmptiesItAndNeverTouchesTheVfo) {
    RecordingWindows windows;
    AppContext app = TableOf({127, 128, 129});
    InsertChannelRow(app, windows, 128);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{127, "C127"}, {129, "VFO"}}));
    InsertChannelRow(app, windows, 129);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{127, "C127"}, {129, "VFO"}}));
}

TEST(InsertChannelRow, OptionReferencesComeOutTheSameWhateverTheTableOrder) {
    // Reconciling halfway (with 128 gone and 127 not yet renumbered) would move
    // the current channel away from 128 in one order and not in the other.
    for (const std::vector<int>& order :
         {std::vector<int>{128, 10, 127}, std::vector<int>{10, 127, 128}}) {
        RecordingWindows windows;
        AppContext app = TableOf(order);
        app.doc.Settings.Opt.CurrentCh = 128;
        InsertChannelRow(app, windows, 10);
        EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 128);
        ReconcileOptionRefs(app);
        EXPECT_EQ(app.doc.Settings.Opt.CurrentCh, 128);
        EXPECT_EQ(Names(app), (std::map<int, std::string>{{11, "C10"}, {128, "C127"}}));
    }
}

TEST(PasteChannelRow, OverwritesOrAddsTheRow) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf({1, 2, 129});
    app.habits.PasteNoPrompt = true;
    ASSERT_TRUE(CopyChannelRow(app, 1));
    EXPECT_TRUE(PasteChannelRow(app, ui, windows, 2));
    EXPECT_TRUE(PasteChannelRow(app, ui, windows, 40));
    EXPECT_EQ(Names(app),
              (std::map<int, std::string>{{1, "C1"}, {2, "C1"}, {40, "C1"}, {129, "VFO"}}));
    EXPECT_EQ(FindChannel(app.doc, 40), &app.doc.Channels[3]);
    EXPECT_EQ(windows.rows, (std::vector<int>{2, 40}));
    EXPECT_EQ(windows.pasteQuestions, 0);

    // The VFO pastes as an ordinary channel.
    ASSERT_TRUE(CopyChannelRow(app, 129));
    EXPECT_TRUE(PasteChannelRow(app, ui, windows, 1));
    EXPECT_EQ(NameOf(app, 1), "VFO");
    EXPECT_EQ(NameOf(app, 129), "VFO");
}

TEST(PasteChannelRow, APastedChannelGetsTheStepItsFrequencyNeeds) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf({1, 2, 129});
    app.habits.PasteNoPrompt = true;
    app.habits.ClipboardValid = true;
    app.habits.ChannelClipboard = app.doc.Channels[0];
    app.habits.ChannelClipboard.RxFreq = "44600625"; // 6.25 kHz only, flagged 5 kHz
    app.habits.ChannelClipboard.RxStep625 = 0;
    for (const int row : {2, 40}) {
        ASSERT_TRUE(PasteChannelRow(app, ui, windows, row));
        EXPECT_EQ(FindChannel(app.doc, row)->RxStep625, 1) << row;
    }
}

TEST(PasteChannelRow, AChannelFromAnotherBandLandsOnTheNearestPmrChannel) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf({1, 2}); // the PMR446 band
    app.texts.LoadFromText("[Msg]\n9070=Channel %1\n9161=Moved:\n9162=%1: %2 to %3 (PMR %4)\n"
                           "9163=%1: transmit %2 to %3\n");
    app.habits.PasteNoPrompt = true;
    app.habits.ClipboardValid = true;
    ChannelRecord& clip = app.habits.ChannelClipboard;
    clip = app.doc.Channels[0];
    clip.RxFreq = "44606000"; // copied while a 400-470 MHz document was open
    clip.TxShiftDir = 1;
    clip.TxShift = "0500000";
    clip.RxTone = 12;
    ASSERT_TRUE(PasteChannelRow(app, ui, windows, 2));
    const ChannelRecord& pasted = *FindChannel(app.doc, 2);
    EXPECT_EQ(pasted.RxFreq.raw(), "44605625");
    EXPECT_EQ(pasted.RxStep625, 1);
    EXPECT_EQ(pasted.TxShiftDir, 0);
    EXPECT_EQ(pasted.RxTone, 12); // the rest of what was copied arrives
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Moved:\r\nChannel 2: 446.06000 to 446.05625 (PMR 5)\r\n"
                                   "Channel 2: transmit 441.06000 to 446.05625");
    // A channel of the raster pastes silently.
    ui.messages.clear();
    ASSERT_TRUE(CopyChannelRow(app, 2));
    ASSERT_TRUE(PasteChannelRow(app, ui, windows, 1));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PasteChannelRow, WithInsertShiftsTheFollowingChannelsDown) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf(Range(1, 129));
    ASSERT_TRUE(CopyChannelRow(app, 50));
    windows.onPaste = [&] {
        app.habits.PasteInserts = true;
        app.habits.PasteNoPrompt = false;
    };
    EXPECT_TRUE(PasteChannelRow(app, ui, windows, 3));
    EXPECT_EQ(windows.pasteQuestions, 1);
    EXPECT_EQ(NameOf(app, 2), "C2");
    EXPECT_EQ(NameOf(app, 3), "C50");
    EXPECT_EQ(NameOf(app, 4), "C3");
    EXPECT_EQ(NameOf(app, 128), "C127");
    EXPECT_EQ(NameOf(app, 129), "VFO");
    EXPECT_EQ(app.doc.ChannelCount, 129);
    EXPECT_EQ(windows.allRefreshes, 1);
}

TEST(PasteChannelRow, AnEmptyMarkedClipboardClearsTheRow) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf({1, 2, 3});
    app.habits.PasteNoPrompt = true;
    app.doc.Channels[0].IsEmpty = 1;
    ASSERT_TRUE(CopyChannelRow(app, 1));
    EXPECT_TRUE(PasteChannelRow(app, ui, windows, 3));
    EXPECT_EQ(NameOf(app, 3), "<none>");
    EXPECT_EQ(windows.rows, (std::vector<int>{3}));
}

TEST(PasteChannelRow, IsRefusedOnTheVfoRowAndBeforeTheFirstCopy) {
    RecordingWindows windows;
    RecordingInteraction ui;
    AppContext app = TableOf({1, 129});
    EXPECT_FALSE(PasteChannelRow(app, ui, windows, 1));
    ASSERT_TRUE(CopyChannelRow(app, 1));
    app.habits.PasteInserts = true;
    EXPECT_FALSE(PasteChannelRow(app, ui, windows, 129));
    EXPECT_FALSE(PasteChannelRow(app, ui, windows, 0));
    EXPECT_EQ(windows.pasteQuestions, 0);
    EXPECT_TRUE(windows.rows.empty());
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{1, "C1"}, {129, "VFO"}}));
}

TEST(MoveChannelRow, SwapsWithTheNeighbourAndWrapsAround) {
    RecordingWindows windows;
    AppContext app = TableOf({1, 2, 128, 129});
    EXPECT_EQ(MoveChannelRowUp(app, windows, 1), 128);
    EXPECT_EQ(Names(app),
              (std::map<int, std::string>{{1, "C128"}, {2, "C2"}, {128, "C1"}, {129, "VFO"}}));
    EXPECT_EQ(windows.rows, (std::vector<int>{1, 128}));

    EXPECT_EQ(MoveChannelRowDown(app, windows, 128), 1);
    EXPECT_EQ(Names(app),
              (std::map<int, std::string>{{1, "C1"}, {2, "C2"}, {128, "C128"}, {129, "VFO"}}));

    EXPECT_EQ(MoveChannelRowDown(app, windows, 1), 2);
    EXPECT_EQ(NameOf(app, 1), "C2");
    EXPECT_EQ(NameOf(app, 2), "C1");
}

TEST(MoveChannelRow, IntoAnEmptyRowLeavesTheOldRowEmpty) {
    RecordingWindows windows;
    AppContext app = TableOf({5, 129});
    EXPECT_EQ(MoveChannelRowUp(app, windows, 5), 4);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{4, "C5"}, {129, "VFO"}}));
    // Moving an empty row pulls its neighbour across.
    EXPECT_EQ(MoveChannelRowDown(app, windows, 3), 4);
    EXPECT_EQ(Names(app), (std::map<int, std::string>{{3, "C5"}, {129, "VFO"}}));
}

TEST(MoveChannelRow, NeverMovesTheVfo) {
    RecordingWindows windows;
    AppContext app = TableOf({1, 128, 129});
    EXPECT_EQ(MoveChannelRowUp(app, windows, 129), 0);
    EXPECT_EQ(MoveChannelRowDown(app, windows, 129), 0);
    EXPECT_TRUE(windows.rows.empty());
    EXPECT_EQ(NameOf(app, 129), "VFO");
    EXPECT_EQ(NameOf(app, 128), "C128");
}

TEST(TopRowAfterMove, UpShowsTheTargetAtTheTopWhenItLeftTheView) {
    EXPECT_EQ(TopRowAfterMoveUp(9, 10, 12), 9);    // above the top row
    EXPECT_EQ(TopRowAfterMoveUp(10, 10, 12), 0);   // still the top row
    EXPECT_EQ(TopRowAfterMoveUp(21, 10, 12), 0);   // the last fully shown row
    EXPECT_EQ(TopRowAfterMoveUp(22, 10, 12), 22);  // below it
    EXPECT_EQ(TopRowAfterMoveUp(128, 1, 12), 128); // the wrap from row 1
}

TEST(TopRowAfterMove, DownKeepsTheTargetOnTheLastShownRow) {
    EXPECT_EQ(TopRowAfterMoveDown(15, 10, 12), 10);
    EXPECT_EQ(TopRowAfterMoveDown(21, 10, 12), 10);
    EXPECT_EQ(TopRowAfterMoveDown(22, 10, 12), 11);
    EXPECT_EQ(TopRowAfterMoveDown(60, 10, 12), 49); // cursor scrolled out of view
    EXPECT_EQ(TopRowAfterMoveDown(1, 117, 12), 1);  // the wrap from row 128
    // A grid too small to show a whole row still keeps the target on top.
    EXPECT_EQ(TopRowAfterMoveDown(30, 10, 0), 30);
}

} // namespace
} // namespace pmr
