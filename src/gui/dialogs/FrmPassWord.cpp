#include "FrmPassWord.h"

#include "WidgetCaptions.h"
#include "app/AppContext.h"
#include "document/TrimFix.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace pmr {

FrmPassWord::FrmPassWord(const AppContext& app, const std::string& current, QWidget* parent)
    : QDialog(parent) {
    Build(app, current);
}

FrmPassWord::FrmPassWord(AppContext& app, QWidget* parent) : QDialog(parent), target_(&app) {
    Build(app, app.link.EnteredPassword);
}

void FrmPassWord::Build(const AppContext& app, const std::string& current) {
    setObjectName(QStringLiteral("FrmPassWord"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setMaxLength(4);
    text_->setEchoMode(QLineEdit::Password);
    text_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    text_->setMinimumWidth(90);
    // The radio keeps one byte per character: printable ASCII only.
    text_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x20-\\x7E]{0,4}")), text_));
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* grid = new QGridLayout(this);
    // The label's right edge sits 50 twips (about 3 pixels) left of the box.
    grid->setHorizontalSpacing(3);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(text_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 1, 0, 1, 2);

    setWindowTitle(QString::fromStdString(app.texts.GetLangText(23100)));
    label_->setText(QString::fromStdString(app.texts.GetLangText(23101)));
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app.texts);
    text_->setText(QString::fromStdString(current));
    text_->selectAll();

    connect(ok, &QPushButton::clicked, this, &FrmPassWord::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPassWord::OnOk() {
    entered_ = TrimFix(text_->text().toLatin1().toStdString());
    if (target_)
        target_->link.EnteredPassword = entered_;
    accept();
}

} // namespace pmr
