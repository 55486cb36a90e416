#include "FrmSetComm.h"

#include "WidgetCaptions.h"
#include "app/AppContext.h"
#include "app/SetupValues.h"
#include "link/PortList.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmr {

FrmSetComm::FrmSetComm(AppContext& app, const PortList& ports, QWidget* parent)
    : QDialog(parent), app_(app), ports_(ports) {
    setObjectName(QStringLiteral("FrmSetComm"));
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame_);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 16; ++i) {
        auto* option = new QRadioButton(frame_);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        group->addButton(option, i);
        grid->addWidget(option, i % 4, i / 4);
        options_[static_cast<std::size_t>(i)] = option;
    }
    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    setWindowTitle(QString::fromStdString(app_.texts.GetLangText(22000)));
    frame_->setTitle(QString::fromStdString(app_.texts.GetLangText(22001)));
    const QString prefix = QString::fromStdString(app_.texts.GetLangText(22002));
    for (int i = 0; i < 16; ++i)
        options_[static_cast<std::size_t>(i)]->setText(prefix + QString::number(i + 1));
    RefreshAvailability();
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app_.texts);
    if (app_.config.ComPort >= 1 && app_.config.ComPort <= 16)
        options_[static_cast<std::size_t>(app_.config.ComPort - 1)]->setChecked(true);

    ReCommTimer.setObjectName(QStringLiteral("ReCommTimer"));
    ReCommTimer.setInterval(1000);
    connect(&ReCommTimer, &QTimer::timeout, this, &FrmSetComm::RefreshKeepingSelection);
    ReCommTimer.start();

    connect(ok, &QPushButton::clicked, this, &FrmSetComm::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmSetComm::RefreshAvailability() {
    std::array<bool, 16> enabled{};
    if (app_.config.UseFixedPortList) {
        enabled.fill(true);
    } else {
        for (int port : ports_.ExistingPorts())
            if (port >= 1 && port <= 16)
                enabled[static_cast<std::size_t>(port - 1)] = true;
    }
    for (std::size_t i = 0; i < 16; ++i)
        options_[i]->setEnabled(enabled[i]);
}

void FrmSetComm::RefreshKeepingSelection() {
    int selected = -1;
    for (int i = 0; i < 16; ++i)
        if (options_[static_cast<std::size_t>(i)]->isChecked())
            selected = i;
    RefreshAvailability();
    if (selected >= 0)
        options_[static_cast<std::size_t>(selected)]->setChecked(true);
}

void FrmSetComm::OnOk() {
    for (int i = 0; i < 16; ++i)
        if (options_[static_cast<std::size_t>(i)]->isChecked())
            app_.config.ComPort = static_cast<std::int16_t>(i + 1);
    WriteSetupValue(app_.paths, "comPort", app_.config.ComPort);
    accept();
}

void FrmSetComm::done(int result) {
    ReCommTimer.stop();
    QDialog::done(result);
}

} // namespace pmr
