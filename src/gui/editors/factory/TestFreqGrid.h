#pragma once
// The grid of the test frequency pairs: the shared document row grid with a
// cell editor of at most 9 characters ("435.10000") and the Enter moves a
// technician keys pairs in with: across the row, then on to the next pair.

#include "../shared/DocumentRowGrid.h"

namespace pmr {

/// Where Enter goes from a cell (1-based row, value column 1 or 2). An empty
/// first column skips its pair: one row down. Otherwise one column right, and
/// from the last column to the first of the next row. Both wrap to row 1.
struct PairCell {
    int row;
    int column;
    friend bool operator==(const PairCell&, const PairCell&) = default;
};
PairCell NextCellOnEnter(PairCell from, bool editorEmpty, int rows, int lastColumn);

class TestFreqGrid : public DocumentRowGrid {
    Q_OBJECT
public:
    static constexpr int kEditorLength = 9;
    TestFreqGrid(QWidget* parent, int rows, ShowCell show, CommitCell commit);

    using DocumentRowGrid::edit;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    std::pair<int, int> CellAfterEnter(int row, int column, bool editorEmpty) const override;
};

} // namespace pmr
