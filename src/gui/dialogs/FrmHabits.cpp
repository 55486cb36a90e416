#include "FrmHabits.h"

#include "../editors/shared/KeyRules.h"
#include "app/AppContext.h"
#include "app/HabitFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {
namespace {

constexpr bool Habits::*kFlags[5] = {&Habits::PasteNoPrompt, &Habits::PasteInserts,
                                     &Habits::DeleteNoPrompt, &Habits::DeleteRemovesRow,
                                     &Habits::UseOffsetFreq};

} // namespace

FrmHabits::FrmHabits(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("FrmHabits"));
    const auto text = [&](int id) { return QString::fromStdString(app_.texts.GetLangText(id)); };
    setWindowTitle(text(25006));

    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        checks_[i] = new QCheckBox(text(25007 + i), this);
        checks_[i]->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        checks_[i]->setChecked(app_.habits.*kFlags[i]);
        EnterMovesOn(checks_[i]);
        layout->addWidget(checks_[i]);
    }
    ok_ = new QPushButton(text(25004), this);
    ok_->setObjectName(QStringLiteral("CommandOK"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(text(25005), this);
    cancel_->setObjectName(QStringLiteral("CommandCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &FrmHabits::OnOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmHabits::OnOk() {
    for (int i = 0; i < 5; ++i)
        app_.habits.*kFlags[i] = checks_[i]->isChecked();
    // A habit file that cannot be written only means the flags are not kept
    // for the next run; nothing to tell the user.
    SaveHabits(app_);
    accept();
}

} // namespace pmr
