#include "FrmMsgConfirm.h"

#include "../editors/shared/KeyRules.h"
#include "app/AppContext.h"
#include "app/HabitFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {

FrmMsgConfirm::FrmMsgConfirm(AppContext& app, Mode mode, QWidget* parent)
    : QDialog(parent), app_(app), mode_(mode) {
    setObjectName(QStringLiteral("FrmMsgConfirm"));
    const auto text = [&](int id) { return QString::fromStdString(app_.texts.GetLangText(id)); };
    setWindowTitle(text(25000));

    label_ = new QLabel(text(mode == Mode::Paste ? 25001 : 25002), this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setWordWrap(true);
    label_->setMinimumWidth(320);
    check_ = new QCheckBox(text(25003), this);
    check_->setObjectName(QStringLiteral("Check1"));
    check_->setChecked(false);
    EnterMovesOn(check_);
    yes_ = new QPushButton(text(25004), this);
    yes_->setObjectName(QStringLiteral("CommandYes"));
    yes_->setDefault(true);
    no_ = new QPushButton(text(25005), this);
    no_->setObjectName(QStringLiteral("CommandNo"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(check_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    layout->addLayout(buttons);

    // The answer has the focus, so that Enter answers instead of ticking
    // "do not ask again".
    setTabOrder(yes_, no_);
    setTabOrder(no_, check_);
    yes_->setFocus();

    connect(yes_, &QPushButton::clicked, this, [this] { Answer(true); });
    connect(no_, &QPushButton::clicked, this, [this] { Answer(false); });
}

void FrmMsgConfirm::Answer(bool yes) {
    Habits& habits = app_.habits;
    if (mode_ == Mode::Paste) {
        habits.PasteInserts = yes;
        habits.PasteNoPrompt = check_->isChecked();
    } else {
        habits.DeleteRemovesRow = yes;
        habits.DeleteNoPrompt = check_->isChecked();
    }
    // A habit file that cannot be written only means the answer is not kept
    // for the next run; nothing to tell the user.
    SaveHabits(app_);
    accept();
}

} // namespace pmr
