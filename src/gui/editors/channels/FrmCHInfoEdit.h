#pragma once
// The channel edit dialog: every member of one channel at once, including
// those the grid has no column for. A modeless window opened from the channel
// grid; it follows the grid's edit row and can pick a channel of its own.
// Like the grid it writes each change into the document at once (through
// SetChannelField) and has no OK or Cancel.

#include "../shared/EditorWindow.h"
#include "ChildWindow.h"
#include "document/DocumentEvents.h"

#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace pmr {

class CharacterBoxRow;
struct ChannelRecord;
struct WindowRow;

class FrmCHInfoEdit : public EditorWindow, public ChannelEditWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmCHInfoEdit";
    FrmCHInfoEdit(const EditorContext& context, const WindowRow& row);
    ~FrmCHInfoEdit() override;

    /// Shows a channel: with `rIsGridChange` the grid's edit row (the selector
    /// follows it), else the selector's channel (the edit row follows it).
    void SetGridEditData(bool rIsGridChange) override;
    /// Labels the transmit list as a shift (`rOffSet`) or a frequency and shows
    /// the channel's transmit entry in that mode.
    void ReShowEditTxFre(bool rOffSet) override;
    int ShownChannel() const override;
    /// Commits the focused name box, ID code box or list, as leaving it would.
    void CommitFocusedEdit() override;
    /// Rebuilds the auto-dial memory list after the DTMF memories changed,
    /// keeping the entry shown when it is still there.
    void RebuildAutoDialList();
    /// The selector's channel as the document now holds it (the empty channel
    /// of that number when it is gone).
    void ShowDocument() override;

    /// Clicks commit only while this is set; showing a channel clears it.
    bool WandToSave = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The ten lists whose index (or entry) is a channel member.
    enum MemberList {
        kRxTone,
        kTxTone,
        kPower,
        kOptSignal,
        kPttId,
        kSpacing,
        kBusyLock,
        kRevTalk,
        kAutoDial,
        kSignalRelation,
        kMemberListCount
    };
    /// The seven on/off members.
    enum MemberFlag {
        kScanSkip,
        kScramble,
        kTxInhibit,
        kTalkaround,
        kReverse,
        kWhisper,
        kCompander,
        kMemberFlagCount
    };

    void BuildControls();
    /// Lays the controls out: each label 100 twips left of its control.
    void PlaceControls();
    /// The texts of the language; the shown channel again with them.
    void RelabelControls() override;
    /// The entries a member list offers for an existing channel.
    QStringList FixedEntries(MemberList list) const;
    /// Makes each list wide enough for every entry it can offer.
    void FitListWidths();

    /// Shows the selector's channel.
    void ShowSelected();
    /// The same, as the program's own filling: nothing commits.
    void ShowSelectedQuietly();
    void ShowChannel(const ChannelRecord& e);
    void ShowEmptyChannel();
    void ShowTxFreq(const ChannelRecord& e, bool offset);
    /// The lockout list for the shown channel; keeps the document's value in
    /// line with what the list can offer.
    void ShowBusyLock(const ChannelRecord& e);
    /// Offers hidden entries 0 and 1, plus 2 with `tone`, and selects the entry
    /// of hidden index `value` (the first entry when it is not offered).
    void FillBusyLock(bool tone, int value);
    void SelectAutoDial(int memory);
    void ApplyRevTalkRule();

    void OnRxFreqChosen();
    void OnTxFreqChosen();
    void OnListChosen(MemberList list);
    void OnListLeft(MemberList list);
    void OnFlagClicked(MemberFlag flag, bool on);
    /// False when the list shows no entry (nothing to store).
    bool CommitList(MemberList list);
    void CommitName();
    void CommitIdCode();

    /// Set while controls are filled by program: nothing commits then, and a
    /// refresh the filling itself sets off is not started again.
    bool filling_ = false;
    DocumentSubscription documentChanges_;
    /// The four lockout entries in stored order; the visible list offers a subset.
    QStringList busyLockAll_;

    QComboBox* channel_ = nullptr;
    QComboBox* rxFreq_ = nullptr;
    QComboBox* txFreq_ = nullptr;
    CharacterBoxRow* nameRow_ = nullptr;
    std::array<QLineEdit*, 6> names_{};
    QLineEdit* idCode_ = nullptr;
    std::array<QComboBox*, kMemberListCount> lists_{};
    std::array<QCheckBox*, kMemberFlagCount> flags_{};
    QLabel* txFreqLabel_ = nullptr;
};

} // namespace pmr
