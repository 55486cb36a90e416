#pragma once
// The editing habits dialog: the five habit flags as check boxes; OK takes
// and saves them, Cancel leaves them as they were.

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace pmr {

struct AppContext;

class FrmHabits : public QDialog {
    Q_OBJECT
public:
    explicit FrmHabits(AppContext& app, QWidget* parent = nullptr);

    /// Check1..Check5: PasteNoPrompt, PasteInserts, DeleteNoPrompt,
    /// DeleteRemovesRow, UseOffsetFreq.
    QCheckBox* Check(int index) const { return checks_[index - 1]; }
    QPushButton* CommandOK() const { return ok_; }
    QPushButton* CommandCancel() const { return cancel_; }

private:
    void OnOk();

    AppContext& app_;
    QCheckBox* checks_[5] = {};
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace pmr
