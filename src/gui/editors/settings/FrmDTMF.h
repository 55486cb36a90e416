#pragma once
// The DTMF window: encoder timing and PTT ID codes, decoder options with the
// stun and kill codes, and the sixteen auto-dial memories, on three tabs.

#include "../shared/EditorWindow.h"
#include "document/DocumentEvents.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace pmr {

struct WindowRow;

class FrmDTMF : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmDTMF";
    FrmDTMF(const EditorContext& context, const WindowRow& row);

    QComboBox* List(const QString& name) const;
    /// Code boxes: 0 BotCode, 1 EotCode, 2 StunCode, 3 KillCode, 4.. 19 memories 1..16.
    QLineEdit* CodeBox(int index) const { return codes_[static_cast<std::size_t>(index)]; }
    /// Under the memories: which channels call a memory that holds no code.
    QLabel* EmptyMemoryNote() const { return emptyMemoryNote_; }
    /// The lists, the code boxes and the note on emptied memories again.
    void ShowDocument() override;

private:
    void RelabelControls() override;
    QLineEdit* MakeCodeBox(int index);
    void ApplySignallingRule();
    void ShowEmptyMemoryNote();

    QTabWidget* tabs_ = nullptr;
    QCheckBox* sideTone_ = nullptr;
    std::array<QLineEdit*, 20> codes_{};
    QComboBox* signalling_ = nullptr;
    QComboBox* middle_ = nullptr;
    QComboBox* dKey_ = nullptr;
    QComboBox* callPrompt_ = nullptr;
    QComboBox* groupCode_ = nullptr;
    QComboBox* autoReset_ = nullptr;
    QLabel* emptyMemoryNote_ = nullptr;
    DocumentSubscription memoryUse_;
};

} // namespace pmr
