#pragma once
// The report shown before a CSV channel list is imported: the file, what the
// import will take, every row it refuses or changes (line, column and why, in
// the user's language), and the choice between replacing the channel table
// and filling in only the channels the file names. Nothing changes here: the
// caller imports in the chosen way once the dialog is accepted.

#include "csv/ChannelCsvImport.h"

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace pmr {

class TextCatalog;

class FrmCsvImport : public QDialog {
    Q_OBJECT
public:
    /// The reports of the same file planned both ways; the dialog shows the
    /// one of the chosen way.
    FrmCsvImport(const TextCatalog& texts, const std::string& fileName, CsvImportReport replace,
                 CsvImportReport fill, QWidget* parent = nullptr);

    /// Replace unless the user chose to fill.
    CsvImportMode Mode() const;

    QTreeWidget* Report() const { return report_; }
    QLabel* Summary() const { return summary_; }
    QRadioButton* ReplaceChoice() const { return replace_; }
    QRadioButton* FillChoice() const { return fill_; }
    QPushButton* ImportButton() const { return import_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void ShowReport();

    const TextCatalog& texts_;
    const CsvImportReport replaceReport_;
    const CsvImportReport fillReport_;
    QLabel* notes_;
    QTreeWidget* report_;
    QLabel* summary_;
    QRadioButton* replace_;
    QRadioButton* fill_;
    QPushButton* import_;
    QPushButton* cancel_;
};

} // namespace pmr
