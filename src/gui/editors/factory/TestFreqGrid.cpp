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

void TestFreqGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Whether the pair's first field was left empty decides the move; the
    // editor is gone once the view has closed it.
    auto* box = qobject_cast<QLineEdit*>(editor);
    const bool empty = box && box->text().isEmpty();
    // The shared grid would move straight down; this grid moves its own way.
    QTableWidget::closeEditor(editor, hint);
    if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    const PairCell next =
        NextCellOnEnter({currentRow() + 1, currentColumn()}, empty, rowCount(), columnCount() - 1);
    QMetaObject::invokeMethod(
        this, [this, next] { EditCell(next.row - 1, next.column); }, Qt::QueuedConnection);
}

} // namespace pmr
