#pragma once
// The port dialog: COM1 to COM16, those the system has enabled, refreshed
// every second while the dialog is open.

#include <QDialog>
#include <QTimer>
#include <array>

class QGroupBox;
class QRadioButton;

namespace pmr {

struct AppContext;
class PortList;

class FrmSetComm : public QDialog {
    Q_OBJECT
public:
    FrmSetComm(AppContext& app, const PortList& ports, QWidget* parent = nullptr);

    QRadioButton* Option(int index) const { return options_[static_cast<std::size_t>(index)]; }
    /// The port availability: all sixteen with the fixed list, otherwise those
    /// the system lists now.
    void RefreshAvailability();
    /// What the 1-second timer does: availability again, selection kept.
    void RefreshKeepingSelection();
    QTimer ReCommTimer;

protected:
    void done(int result) override;

private:
    void OnOk();

    AppContext& app_;
    const PortList& ports_;
    QGroupBox* frame_;
    std::array<QRadioButton*, 16> options_{};
};

} // namespace pmr
