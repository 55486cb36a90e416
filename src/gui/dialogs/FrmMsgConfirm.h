#pragma once
// The question before a paste or a delete: insert or overwrite, close the gap
// or leave the channel empty, and whether to ask again. Either button stores
// the answer as an editing habit and saves the habits; closing the window any
// other way changes nothing.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pmr {

struct AppContext;

class FrmMsgConfirm : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Paste, Delete };
    FrmMsgConfirm(AppContext& app, Mode mode, QWidget* parent = nullptr);

    Mode ConfirmMode() const { return mode_; }
    QLabel* Label1() const { return label_; }
    QCheckBox* Check1() const { return check_; }
    QPushButton* CommandYes() const { return yes_; }
    QPushButton* CommandNo() const { return no_; }

private:
    void Answer(bool yes);

    AppContext& app_;
    Mode mode_;
    QLabel* label_;
    QCheckBox* check_;
    QPushButton* yes_;
    QPushButton* no_;
};

} // namespace pmr
