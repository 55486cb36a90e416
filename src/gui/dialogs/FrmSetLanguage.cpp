#include "FrmSetLanguage.h"

#include "../editors/shared/KeyRules.h"
#include "WidgetCaptions.h"
#include "app/AppContext.h"
#include "app/LanguageChoice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pmr {

FrmSetLanguage::FrmSetLanguage(AppContext& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    EnterMovesOn(combo_);
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(combo_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 0, 1, 2);

    combo_->clear();
    setWindowTitle(QString::fromStdString(app_.texts.GetLangText(23000)));
    label_->setText(QString::fromStdString(app_.texts.GetLangText(23001)));
    combo_->addItem(QString::fromStdString(app_.texts.GetLangText(23002)));
    combo_->addItem(QString::fromStdString(app_.texts.GetLangText(23003)));
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app_.texts);
    combo_->setCurrentIndex(app_.config.CurrentLanguage - 1);

    connect(ok, &QPushButton::clicked, this, &FrmSetLanguage::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmSetLanguage::OnOk() {
    ApplyLanguageChoice(app_, combo_->currentIndex() < 0 ? 0 : combo_->currentIndex());
    accept();
}

} // namespace pmr
