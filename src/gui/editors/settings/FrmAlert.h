#pragma once
// The emergency alert window: the alarm type, the ID it sends (none or a DTMF
// auto-dial memory), the alarm, transmit and receive times, the channel it is
// sent on, the cycles and the alarm mode.

#include "../shared/EditorWindow.h"

#include <map>

class QComboBox;

namespace pmr {

struct WindowRow;

class FrmAlert : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmAlert";
    FrmAlert(const EditorContext& context, const WindowRow& row);

    QComboBox* List(const QString& name) const;
    /// The emergency channel list offers the channels of the table again.
    void ShowDocument() override;

private:
    void RelabelControls() override;
    void ApplyTypeRule();
    void ApplyChannelRule();
    /// The ID-group list: "M" and the number of every DTMF memory in use.
    void RebuildMemoryList();
    void StoreMemory();

    std::map<QString, QComboBox*> lists_;
};

} // namespace pmr
