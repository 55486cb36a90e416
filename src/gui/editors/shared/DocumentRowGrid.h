#pragma once
// A grid over rows of the document (the FM presets, the test frequencies): a
// number column, then value columns edited in place. Entering a cell opens its
// editor; leaving it commits the text, which the owner converts and stores,
// and the cell then shows the stored value. Enter commits and moves down,
// from the last row back to the first.

#include "KeyRules.h"

#include <QPointer>
#include <QTableWidget>
#include <functional>
#include <utility>
#include <vector>

class QLineEdit;

namespace pmr {

class DocumentRowGrid : public QTableWidget {
    Q_OBJECT
public:
    /// The text a value cell shows for data row `row` (0-based), column `column`
    /// (0-based among the value columns).
    using ShowCell = std::function<QString(int row, int column)>;
    /// Stores an edited text.
    using CommitCell = std::function<void(int row, int column, const QString& text)>;
    /// The text the editor starts with, from the cell's text.
    using EditText = std::function<QString(const QString& shown)>;

    DocumentRowGrid(QWidget* parent, int rows, int valueColumns, CharSet chars, ShowCell show,
                    CommitCell commit, EditText editText);

    /// Shows every row from the document; an open editor takes its cell's new
    /// text with it (the view hands a changed cell on to its editor).
    void Reload();
    /// Commits the cell being edited, if any, and keeps editing it.
    void CommitOpenEdit();
    /// The open editor, if any.
    QLineEdit* Editor() const;
    /// Makes (row, column) the current cell and opens its editor.
    void EditCell(int row, int column);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    /// The cell Enter moves on to from (row, column), 0-based rows and the
    /// grid's own column numbers; `editorEmpty` tells whether the editor was
    /// left empty. One row down, from the last back to the first.
    virtual std::pair<int, int> CellAfterEnter(int row, int column, bool editorEmpty) const;

private:
    friend class RowGridDelegate;
    void KeepEveryRowInView();
    // Set by the Enter key's own close: the view also closes an editor with
    // the submit hint when a click moves the current cell to another row, and
    // that close must not move the edit on a second time.
    bool closingOnEnter_ = false;
    bool committing_ = false;
    ShowCell show_;
    CommitCell commit_;
    EditText editText_;
    CharSet chars_;
    QPointer<QLineEdit> editor_;
};

} // namespace pmr
