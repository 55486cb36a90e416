#include "FrmSetComm.h"

#include "PortDescriptions.h"
#include "WidgetCaptions.h"
#include "app/AppContext.h"
#include "app/InstallPaths.h"
#include "app/SetupValues.h"
#include "link/PortList.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pmr {

namespace {
constexpr int kShownPorts = 16;
}

FrmSetComm::FrmSetComm(AppContext& app, const PortList& ports, QWidget* parent)
    : QDialog(parent), app_(app), ports_(ports) {
    setObjectName(QStringLiteral("FrmSetComm"));
    const auto text = [&](int id) { return QString::fromStdString(app_.texts.GetLangText(id)); };
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(frame_);
    grid->setColumnStretch(1, 1);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < kShownPorts; ++i) {
        auto* option = new QRadioButton(frame_);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        group->addButton(option, i);
        auto* detail = new QLabel(frame_);
        detail->setObjectName(QStringLiteral("Detail(%1)").arg(i));
        detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(option, i, 0);
        grid->addWidget(detail, i, 1);
        options_[static_cast<std::size_t>(i)] = option;
        details_[static_cast<std::size_t>(i)] = detail;
    }
    other_ = new QRadioButton(text(22014), frame_);
    other_->setObjectName(QStringLiteral("OptionOther"));
    group->addButton(other_, kShownPorts);
    otherDevice_ = new QComboBox(frame_);
    otherDevice_->setObjectName(QStringLiteral("cboOtherDevice"));
    otherDevice_->setEditable(true);
    otherDevice_->setInsertPolicy(QComboBox::NoInsert);
    otherDevice_->setMinimumContentsLength(28);
    otherState_ = new QLabel(frame_);
    otherState_->setObjectName(QStringLiteral("lblOtherState"));
    grid->addWidget(other_, kShownPorts, 0);
    grid->addWidget(otherDevice_, kShownPorts, 1);
    grid->addWidget(otherState_, kShownPorts + 1, 1);
    // Typing or choosing a device chooses the other-device option.
    connect(otherDevice_, &QComboBox::editTextChanged, this, [this] {
        if (otherDevice_->hasFocus())
            other_->setChecked(true);
    });

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

    setWindowTitle(text(22000));
    frame_->setTitle(text(22001));
    const QString prefix = text(22002);
    for (int i = 0; i < kShownPorts; ++i)
        options_[static_cast<std::size_t>(i)]->setText(prefix + QString::number(i + 1));
    RefreshAvailability();
    WidgetCaptions captions(*this);
    SetOkCancelCaptions(captions, app_.texts);
    const int current = app_.config.ComPort;
    if (current >= 1 && current <= kShownPorts) {
        options_[static_cast<std::size_t>(current - 1)]->setChecked(true);
    } else if (const std::string device = ports_.Describe(current).device; !device.empty()) {
        // A device numbered beyond the sixteen (an adapter's by-id name, a
        // pseudo-terminal) shows as the other device.
        other_->setChecked(true);
        otherDevice_->setEditText(QString::fromStdString(device));
    }

    ReCommTimer.setObjectName(QStringLiteral("ReCommTimer"));
    ReCommTimer.setInterval(1000);
    connect(&ReCommTimer, &QTimer::timeout, this, &FrmSetComm::RefreshKeepingSelection);
    ReCommTimer.start();

    connect(ok, &QPushButton::clicked, this, &FrmSetComm::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FrmSetComm::StateText(const PortInfo& info) const {
    const auto text = [&](int id) { return QString::fromStdString(app_.texts.GetLangText(id)); };
    switch (info.state) {
    case PortInfo::State::Present:
        return text(22010);
    case PortInfo::State::Absent:
        return text(22011);
    case PortInfo::State::Busy:
        return text(22012);
    case PortInfo::State::NoPermission:
        return text(22013).replace(QStringLiteral("%1"), QString::fromStdString(info.group));
    }
    return {};
}

void FrmSetComm::RefreshAvailability() {
    std::array<bool, kShownPorts> enabled{};
    if (app_.config.UseFixedPortList) {
        enabled.fill(true);
    } else {
        for (int port : ports_.ExistingPorts())
            if (port >= 1 && port <= kShownPorts)
                enabled[static_cast<std::size_t>(port - 1)] = true;
    }
    for (std::size_t i = 0; i < kShownPorts; ++i) {
        options_[i]->setEnabled(enabled[i]);
        const PortInfo info = ports_.Describe(static_cast<int>(i) + 1);
        QString line = QString::fromStdString(info.device);
        if (!info.device.empty())
            line += QStringLiteral("  ") + StateText(info);
        if (!info.detail.empty())
            line += QStringLiteral("  (") + QString::fromStdString(info.detail) + u')';
        details_[i]->setText(line);
        details_[i]->setEnabled(enabled[i]);
    }
    RefreshOtherDevices();
}

void FrmSetComm::RefreshOtherDevices() {
    const QString typed = otherDevice_->currentText();
    QStringList entries;
    for (const std::string& device : ports_.UnnumberedDevices())
        entries << QString::fromStdString(device);
    for (int port : ports_.ExistingPorts())
        if (port > kShownPorts)
            entries << QString::fromStdString(ports_.Describe(port).device);
    entries.removeDuplicates();
    QStringList shown;
    for (int i = 0; i < otherDevice_->count(); ++i)
        shown << otherDevice_->itemText(i);
    if (shown != entries) {
        otherDevice_->clear();
        otherDevice_->addItems(entries);
    }
    otherDevice_->setEditText(typed);
    // The state of the device typed or chosen.
    const std::string device = typed.trimmed().toStdString();
    if (device.empty())
        otherState_->clear();
    else
        otherState_->setText(StateText(DescribeDevice(device)));
}

void FrmSetComm::RefreshKeepingSelection() {
    QAbstractButton* selected = nullptr;
    for (QRadioButton* option : options_)
        if (option->isChecked())
            selected = option;
    if (other_->isChecked())
        selected = other_;
    RefreshAvailability();
    if (selected)
        selected->setChecked(true);
}

void FrmSetComm::OnOk() {
    if (other_->isChecked()) {
        const std::string device = otherDevice_->currentText().trimmed().toStdString();
        const int port = device.empty() ? 0 : ports_.NumberDevice(device, SetupFilePath(app_.paths));
        if (port == 0) {
            otherState_->setText(QString::fromStdString(app_.texts.GetLangText(22015)));
            return;
        }
        app_.config.ComPort = static_cast<std::int16_t>(port);
    }
    for (int i = 0; i < kShownPorts; ++i)
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
