#pragma once
// The FM radio window: the 20 broadcast presets, 76 to 108 MHz on a 50 kHz grid.

#include "../shared/EditorWindow.h"

namespace pmr {

class DocumentRowGrid;
struct WindowRow;

class FrmRadio : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmRadio";
    FrmRadio(const EditorContext& context, const WindowRow& row);

    DocumentRowGrid* Grid() const { return grid_; }
    void CommitFocusedEdit() override;
    /// Every preset again.
    void ShowDocument() override;

private:
    void RelabelControls() override;
    DocumentRowGrid* grid_ = nullptr;
};

} // namespace pmr
