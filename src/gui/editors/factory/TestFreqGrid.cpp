#include "TestFreqGrid.h"

#include <QLineEdit>

namespace pmr {

PairCell NextCellOnEnter(PairCell from, bool editorEmpty, int rows, int lastColumn) {
    if (from.column == 1 && editorEmpty)
        return {from.row % rows + 1, 1};
    if (from.column < lastColumn)
        return {from.row, from.column + 1};
    return {from.row % rows + 1, 1};
}

TestFreqGrid::TestFreqGrid(QWidget* parent, int rows, ShowCell show, CommitCell commit)
    : DocumentRowGrid(parent, rows, 2, CharSet::Decimal, std::move(show), std::move(commit),
                      [](const QString& shown) { return shown; }) {}

bool TestFreqGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool opened = DocumentRowGrid::edit(index, trigger, event);
    if (opened && Editor())
        Editor()->setMaxLength(kEditorLength);
    return opened;
}

std::pair<int, int> TestFreqGrid::CellAfterEnter(int row, int column, bool editorEmpty) const {
    const PairCell next = NextCellOnEnter({row + 1, column}, editorEmpty, rowCount(), columnCount() - 1);
    return {next.row - 1, next.column};
}

} // namespace pmr
