#pragma once
// The differences between the open document and a document file read beside
// it: one row each (where, what, this document's value, the file's value),
// with a count line. "Take this value" copies the file's value of the chosen
// rows into the document through the document's own route, so that the open
// windows follow, and the list is compared again. The file is never written
// and never becomes the document.

#include "document/DocumentCompare.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace pmr {

struct AppContext;
class Interaction;

class FrmCompare : public QDialog {
    Q_OBJECT
public:
    /// `file` is the document read from `fileName`; `showHelp` opens the
    /// window's help page.
    FrmCompare(AppContext& app, Interaction& ui, RadioDocument file, const std::string& fileName,
               std::function<void()> showHelp, QWidget* parent = nullptr);

    /// The differences the table shows, row by row.
    const std::vector<DocumentDifference>& Differences() const { return differences_; }
    /// Takes the file's value of every selected row (channels the file adds
    /// first, those it lacks last, the rest in row order) and compares
    /// again; says which could not be taken.
    void TakeSelected();

    QTableWidget* Table() const { return table_; }
    QLabel* Count() const { return count_; }
    QPushButton* TakeButton() const { return take_; }

private:
    void Compare();

    AppContext& app_;
    Interaction& ui_;
    const RadioDocument file_;
    std::vector<DocumentDifference> differences_;
    QTableWidget* table_;
    QLabel* count_;
    QPushButton* take_;
};

} // namespace pmr
