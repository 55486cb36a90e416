#pragma once
// The key settings window: the function of a long and a short press of each
// programmable key, and how long a press must last to count as long.

#include "../shared/EditorWindow.h"
#include "document/DocumentEvents.h"

#include <array>

class QComboBox;
class QGroupBox;

namespace pmr {

struct WindowRow;

class FrmKey : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmKey";
    FrmKey(const EditorContext& context, const WindowRow& row);

    /// The long-press time list.
    QComboBox* LongPressTime() const { return longPress_; }
    /// The list of Keys(field), field 1..12 (keys 5 and 6 hidden).
    QComboBox* KeyList(int field) const { return keys_[static_cast<std::size_t>(field)]; }

private:
    void RelabelControls() override;

    QComboBox* longPress_ = nullptr;
    std::array<QComboBox*, 13> keys_{};
    std::array<QGroupBox*, 4> groups_{};
    DocumentSubscription scanChanges_;
};

} // namespace pmr
