#include "document/ChannelRowOperations.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "document/ChannelRaster.h"
#include "document/ChannelTable.h"
#include "document/StepGrid.h"

#include <algorithm>

namespace pmr {
namespace {

int UsedEntries(const RadioDocument& doc) {
    return std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
}

/// Removes the record of a channel row and shows the row again.
void RemoveRowRecord(AppContext& app, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row))
        return;
    DeleteChannelByNo(app, row);
    windows.RefreshChannelRow(row);
}

/// Gives every record numbered `a` the number `b` and every record numbered `b`
/// the number `a`, in one pass so that no record is renumbered twice.
void SwapRows(RadioDocument& doc, int a, int b) {
    const int count = UsedEntries(doc);
    for (int i = 0; i < count; ++i) {
        Integer& no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no == a)
            no = static_cast<Integer>(b);
        else if (no == b)
            no = static_cast<Integer>(a);
    }
}

int MoveChannelRow(AppContext& app, ChannelRowWindows& windows, int row, int target) {
    SwapRows(app.doc, row, target);
    windows.RefreshChannelRow(row);
    windows.RefreshChannelRow(target);
    return target;
}

} // namespace

bool IsRowChannel(int row) {
    return row >= kFirstRowChannel && row <= kLastRowChannel;
}

bool CopyChannelRow(AppContext& app, int row) {
    const ChannelRecord* record = FindChannel(app.doc, row);
    if (!record)
        return false;
    app.habits.ChannelClipboard = *record;
    app.habits.ClipboardValid = true;
    return true;
}

void CutChannelRow(AppContext& app, ChannelRowWindows& windows, int row) {
    CopyChannelRow(app, row);
    DeleteChannelRow(app, windows, row);
}

void DeleteChannelRow(AppContext& app, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row))
        return;
    if (!app.habits.DeleteNoPrompt)
        windows.AskDeleteMode();
    // The question only chooses how: the channel goes in every case.
    RemoveRowRecord(app, windows, row);
    if (!app.habits.DeleteRemovesRow)
        return;
    RadioDocument& doc = app.doc;
    const int count = UsedEntries(doc);
    for (int i = 0; i < count; ++i) {
        Integer& no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no > row && no <= kLastRowChannel)
            --no;
    }
    windows.RefreshAllChannels();
}

void InsertChannelRow(AppContext& app, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row))
        return;
    // One pass that drops channel 128 and renumbers the rest, so every record is
    // looked at exactly once whatever the order of the table: the channel that
    // becomes 128 is never mistaken for the one that falls off the end.
    RadioDocument& doc = app.doc;
    const int count = UsedEntries(doc);
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        ChannelRecord record = doc.Channels[static_cast<std::size_t>(i)];
        if (record.ChannelNo == kLastRowChannel)
            continue;
        if (record.ChannelNo >= row && record.ChannelNo < kLastRowChannel)
            ++record.ChannelNo;
        doc.Channels[static_cast<std::size_t>(kept++)] = record;
    }
    doc.ChannelCount = static_cast<Integer>(kept);
    windows.RefreshAllChannels();
    RemoveRowRecord(app, windows, row);
}

bool PasteChannelRow(AppContext& app, UserInteraction& ui, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row) || !app.habits.ClipboardValid)
        return false;
    if (!app.habits.PasteNoPrompt)
        windows.AskPasteMode();
    if (app.habits.PasteInserts)
        InsertChannelRow(app, windows, row);
    app.docState.NextStepName = FillMarker(app.texts.GetLangText(9374), "%1", std::to_string(row));

    RadioDocument& doc = app.doc;
    const ChannelRecord& clip = app.habits.ChannelClipboard;
    ChannelRecord* pasted = nullptr;
    if (clip.IsEmpty != 0) {
        DeleteChannelByNo(app, row);
    } else if ((pasted = FindChannel(doc, row))) {
        *pasted = clip;
    } else if (UsedEntries(doc) < kMaxChannelEntries) {
        pasted = &doc.Channels[static_cast<std::size_t>(UsedEntries(doc))];
        *pasted = clip;
        doc.ChannelCount = static_cast<Integer>(UsedEntries(doc) + 1);
    }
    if (pasted) {
        pasted->ChannelNo = static_cast<Integer>(row);
        if (UsesChannelRaster(app.docState.BandText))
            if (const auto move = KeepOnChannelRaster(*pasted))
                ui.ShowMessage(RasterMovesText(app.texts, {*move}), Severity::Information);
        AlignStepFlags(*pasted);
    }
    windows.RefreshChannelRow(row);
    return true;
}

int MoveChannelRowUp(AppContext& app, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row))
        return 0;
    return MoveChannelRow(app, windows, row, row == kFirstRowChannel ? kLastRowChannel : row - 1);
}

int MoveChannelRowDown(AppContext& app, ChannelRowWindows& windows, int row) {
    if (!IsRowChannel(row))
        return 0;
    return MoveChannelRow(app, windows, row, row == kLastRowChannel ? kFirstRowChannel : row + 1);
}

int TopRowAfterMoveUp(int target, int topRow, int shownRows) {
    const int lastShown = topRow + std::max(shownRows, 1) - 1;
    return target < topRow || target > lastShown ? target : 0;
}

int TopRowAfterMoveDown(int target, int topRow, int shownRows) {
    if (target < topRow)
        return 1;
    return std::max(topRow, target - std::max(shownRows, 1) + 1);
}

} // namespace pmr
