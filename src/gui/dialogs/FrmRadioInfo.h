#pragma once
// The dealer and radio information window: shows the information read from
// the radio together with the document's model and band. A display only.

#include "../editors/shared/EditorWindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace pmr {

struct WindowRow;

class FrmRadioInfo : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmRadioInfo";
    FrmRadioInfo(const EditorContext& context, const WindowRow& row);

    /// Fills the controls from the radio information record.
    void ShowByData();

    QComboBox* Combo1(int index) const { return combos_[static_cast<std::size_t>(index)]; }
    /// The text of box Text1(index), 0 to 11.
    QString Text1(int index) const;

private:
    void RelabelControls() override;
    QGroupBox* dealer_ = nullptr;
    std::array<QComboBox*, 2> combos_{};
    std::array<QLineEdit*, 12> boxes_{}; // Text1(4) is the reason box below
    QPlainTextEdit* reason_ = nullptr;
};

} // namespace pmr
