#include "FrmProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmr {

FrmProgress::FrmProgress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmProgress"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label2_ = new QLabel(this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setMinimumWidth(40);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    auto* labels = new QHBoxLayout;
    // Label1 ends 10 twips (under a pixel) left of the percentage.
    labels->setSpacing(1);
    labels->addStretch();
    labels->addWidget(label1_);
    labels->addWidget(label2_);
    labels->addStretch();
    cancel_ = new QPushButton(this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &FrmProgress::cancelRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labels);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    setMinimumWidth(380);
}

void FrmProgress::Open(const QString& caption, const QString& label, const QString& cancel) {
    setWindowTitle(caption);
    label1_->setText(label);
    cancel_->setText(cancel);
    cancel_->setEnabled(true);
    SetProgressValue(0);
    show();
    raise();
}

void FrmProgress::SetProgressValue(int percent) {
    percent = std::clamp(percent, 0, 100);
    bar_->setValue(percent);
    label2_->setText(QString::number(percent) + QStringLiteral("%"));
}

void FrmProgress::SetLabel(const QString& label) {
    label1_->setText(label);
}

void FrmProgress::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (isVisible())
        emit cancelRequested();
}

} // namespace pmr
