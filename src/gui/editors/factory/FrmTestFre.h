#pragma once
// The test frequencies window: the eleven transmit/receive pairs a technician
// keeps with the document, and beside them the band's five-point tuning
// frequencies for reference.

#include "../shared/EditorWindow.h"

namespace pmr {

class DocumentRowGrid;
class TestFreqGrid;
struct WindowRow;

class FrmTestFre : public EditorWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "FrmTestFre";
    FrmTestFre(const EditorContext& context, const WindowRow& row);

    /// The pairs: column 1 transmit, column 2 receive.
    TestFreqGrid* Grid() const { return grid_; }
    /// The five points: column 1 the second frequency, column 2 the first.
    DocumentRowGrid* TuningGrid() const { return tuning_; }
    void CommitFocusedEdit() override;
    /// Every pair again, and the band's points.
    void ShowDocument() override;

private:
    void RelabelControls() override;

    TestFreqGrid* grid_ = nullptr;
    DocumentRowGrid* tuning_ = nullptr;
    QLabel* gridTitle_ = nullptr;
    QLabel* tuningTitle_ = nullptr;
};

} // namespace pmr
