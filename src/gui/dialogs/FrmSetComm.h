#pragma once
// The port dialog: COM1 to COM16, each with the device behind it and its state
// (present, absent, in use, no permission), and any other serial device by its
// path, which is then given a number of its own. Refreshed every second while
// the dialog is open, so that it follows plugging and unplugging.

#include <QDialog>
#include <QTimer>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace pmr {

struct AppContext;
struct PortInfo;
class PortList;

class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    FrmSetComm(AppContext& app, const PortList& ports, QWidget* parent = nullptr);

    QRadioButton* Option(int index) const { return options_[static_cast<std::size_t>(index)]; }
    QLabel* Detail(int index) const { return details_[static_cast<std::size_t>(index)]; }
    QRadioButton* OtherOption() const { return other_; }
    QComboBox* OtherDevice() const { return otherDevice_; }
    /// The port availability and states: all sixteen enabled with the fixed
    /// list, otherwise those the system lists now.
    void RefreshAvailability();
    /// What the 1-second timer does: availability again, selection kept.
    void RefreshKeepingSelection();
    QTimer ReCommTimer;

protected:
    void done(int result) override;

private:
    void OnOk();
    QString StateText(const PortInfo& info) const;
    void RefreshOtherDevices();

    AppContext& app_;
    const PortList& ports_;
    QGroupBox* frame_;
    std::array<QRadioButton*, 16> options_{};
    std::array<QLabel*, 16> details_{};
    QRadioButton* other_;
    QComboBox* otherDevice_;
    QLabel* otherState_;
};

} // namespace pmr
