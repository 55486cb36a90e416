#include "FrmModelInfo.h"

#include "../Interaction.h"
#include "../frmMain.h"
#include "../editors/shared/KeyRules.h"
#include "WidgetCaptions.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/ModelRecord.h"
#include "document/Models.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pmr {

FrmModelInfo::FrmModelInfo(AppContext& app, Interaction& ui, frmMain& main, QWidget* parent)
    : QDialog(parent), app_(app), ui_(ui), main_(main) {
    setObjectName(QStringLiteral("FrmModelInfo"));
    auto* modelLabel = new QLabel(this);
    modelLabel->setObjectName(QStringLiteral("Label1"));
    auto* bandLabel = new QLabel(this);
    bandLabel->setObjectName(QStringLiteral("Label2"));
    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("Combo1"));
    band_ = new QComboBox(this);
    band_->setObjectName(QStringLiteral("Combo2"));
    band_->setMinimumWidth(200);
    EnterMovesOn(model_);
    EnterMovesOn(band_);
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(modelLabel, 0, 0);
    grid->addWidget(model_, 0, 1);
    grid->addWidget(bandLabel, 1, 0);
    grid->addWidget(band_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);

    setWindowTitle(QString::fromStdString(app_.texts.GetLangText(13000)));
    modelLabel->setText(QString::fromStdString(app_.texts.GetLangText(13001)));
    bandLabel->setText(QString::fromStdString(app_.texts.GetLangText(13002)));
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app_.texts);

    for (const std::string& name : ModelDisplayNames())
        model_->addItem(QString::fromStdString(name));
    const int current =
        model_->findText(QString::fromStdString(ModelDisplayFromCode(app_.docState.ModelNameText)));
    model_->setCurrentIndex(current >= 0 ? current : 0);
    FillBands();
    const int band = band_->findText(QString::fromStdString(app_.docState.BandText));
    if (band >= 0)
        band_->setCurrentIndex(band);

    connect(model_, &QComboBox::currentIndexChanged, this, [this] { FillBands(); });
    connect(ok, &QPushButton::clicked, this, &FrmModelInfo::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmModelInfo::FillBands() {
    band_->clear();
    if (ModelCodeFromDisplay(model_->currentText().toStdString()) == kDefaultModelCode)
        for (const std::string& text : BandTextsInListOrder())
            band_->addItem(QString::fromStdString(text));
    if (band_->count() > 0)
        band_->setCurrentIndex(0);
}

void FrmModelInfo::OnOk() {
    const std::string model = ModelCodeFromDisplay(model_->currentText().toStdString());
    const std::string band = band_->currentText().toStdString();
    if (model != app_.docState.ModelNameText || band != app_.docState.BandText) {
        if (ui_.AskTitled(app_.texts.GetLangText(9019), app_.texts.GetLangText(9016),
                          Buttons::OkCancel, Severity::Warning) == Answer::Ok) {
            main_.CloseCurAllWindows();
            app_.docState.ModelNameText = model;
            app_.docState.BandText = band;
            app_.doc.Model = StoreModelRecord(app_.docState, app_.doc.Model);
            LoadModelRecord(app_, app_.doc.Model);
            main_.LoadNewDoc();
        }
    }
    accept();
}

} // namespace pmr
