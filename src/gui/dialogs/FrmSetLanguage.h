#pragma once
// The language dialog: English or Chinese, written to mysetup.ini on OK.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace pmr {

struct AppContext;

class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    FrmSetLanguage(AppContext& app, QWidget* parent = nullptr);
    QComboBox* Combo1() const { return combo_; }

private:
    void OnOk();

    AppContext& app_;
    QLabel* label_;
    QComboBox* combo_;
};

} // namespace pmr
