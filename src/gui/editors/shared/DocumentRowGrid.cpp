#include "DocumentRowGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace pmr {

class RowGridDelegate : public QStyledItemDelegate {
public:
    explicit RowGridDelegate(DocumentRowGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("Text1"));
        box->setAlignment(Qt::AlignCenter);
        box->setFrame(false);
        // Enter is the delegate's (eventFilter).
        ApplyTextRules(box, grid_.chars_, {}, EnterKey::LeftToOwner);
        grid_.editor_ = box;
        return box;
    }
    // Enter commits and closes the editor at once (the grid then moves down);
    // the stock delegate would do it later, after the grid may have moved on.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && IsEnterKey(*static_cast<QKeyEvent*>(event))) {
            auto* editor = static_cast<QWidget*>(object);
            emit commitData(editor);
            grid_.closingOnEnter_ = true;
            emit closeEditor(editor, QAbstractItemDelegate::SubmitModelCache);
            grid_.closingOnEnter_ = false;
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QLineEdit*>(editor);
        box->setText(grid_.editText_(index.data().toString()));
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        // A commit may warn in a message box; the editor losing the focus to
        // the box asks for the same commit again, which must not run twice.
        if (grid_.committing_)
            return;
        const QScopedValueRollback<bool> committing(grid_.committing_, true);
        const int column = index.column() - 1;
        grid_.commit_(index.row(), column, static_cast<QLineEdit*>(editor)->text());
        grid_.item(index.row(), index.column())->setText(grid_.show_(index.row(), column));
    }

private:
    DocumentRowGrid& grid_;
};

DocumentRowGrid::DocumentRowGrid(QWidget* parent, int rows, int valueColumns, CharSet chars,
                                 ShowCell show, CommitCell commit, EditText editText)
    : QTableWidget(rows, valueColumns + 1, parent), show_(std::move(show)),
      commit_(std::move(commit)), editText_(std::move(editText)), chars_(chars) {
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new RowGridDelegate(*this));
    for (int r = 0; r < rows; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        setItem(r, 0, number);
        for (int c = 1; c <= valueColumns; ++c) {
            auto* value = new QTableWidgetItem;
            value->setTextAlignment(Qt::AlignCenter);
            setItem(r, c, value);
        }
    }
    Reload();
    KeepEveryRowInView();
    // A caption in another language may need a taller header (the Chinese
    // glyphs are higher than the Latin ones).
    connect(model(), &QAbstractItemModel::headerDataChanged, this,
            &DocumentRowGrid::KeepEveryRowInView);
}

void DocumentRowGrid::KeepEveryRowInView() {
    // Every row in view at once: the lists are short.
    setMinimumHeight(horizontalHeader()->sizeHint().height() + rowCount() * rowHeight(0) +
                     2 * frameWidth());
}

void DocumentRowGrid::Reload() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 1; c < columnCount(); ++c)
            item(r, c)->setText(show_(r, c - 1));
}

void DocumentRowGrid::CommitOpenEdit() {
    if (editor_)
        emit itemDelegate()->commitData(editor_);
}

QLineEdit* DocumentRowGrid::Editor() const {
    return editor_;
}

void DocumentRowGrid::EditCell(int row, int column) {
    setCurrentCell(row, column);
    if (state() != QAbstractItemView::EditingState)
        edit(currentIndex());
}

void DocumentRowGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Whether the editor was left empty may decide the move; the editor is
    // gone once the view has closed it.
    auto* box = qobject_cast<QLineEdit*>(editor);
    const bool empty = box && box->text().isEmpty();
    const bool enter = closingOnEnter_ && hint == QAbstractItemDelegate::SubmitModelCache;
    closingOnEnter_ = false;
    QTableWidget::closeEditor(editor, hint);
    if (!enter)
        return;
    // On to the next cell once the closed editor is gone.
    const auto [row, column] = CellAfterEnter(currentRow(), currentColumn(), empty);
    QMetaObject::invokeMethod(this, [this, row, column] { EditCell(row, column); },
                              Qt::QueuedConnection);
}

std::pair<int, int> DocumentRowGrid::CellAfterEnter(int row, int column, bool) const {
    return {(row + 1) % rowCount(), column};
}

} // namespace pmr
