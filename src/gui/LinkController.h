#pragma once
// The radio link of the GUI: the serial port, the link's timers on the main
// window, the transfer driver and the user's side of a transfer (questions,
// password dialog, progress window, window actions), all on the GUI thread.

#include "RadioLink.h"
#include "link/LinkMode.h"
#include "link/LinkUser.h"

#include <QObject>
#include <memory>

class QTimer;

namespace pmr {

struct AppContext;
class DevicePortList;
class FrmProgress;
class Interaction;
class LinkTimers;
class PortList;
class PortMapping;
class ProgramLauncher;
class QtSerialPortService;
class TransferDriver;
class frmMain;

class LinkController : public QObject, public RadioLink, public LinkUser {
    Q_OBJECT
public:
    LinkController(AppContext& app, Interaction& ui, frmMain& main, ProgramLauncher& launcher);
    ~LinkController() override;

    PortMapping& Mapping() { return *mapping_; }
    const PortList& Ports() const;
    TransferDriver& Driver() { return *driver_; }
    FrmProgress* Progress() const { return progress_; }

    // RadioLink
    void StartRead() override;
    void StartWrite() override;
    void StartRestore(const std::array<std::uint8_t, kImageSize>& image) override;
    void ReadRadioInfo() override;
    bool Busy() const override;
    void ClosePortIfOpen() override;

    // LinkUser
    void ShowMessage(const std::string& text, Severity severity) override;
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    std::optional<std::string> AskPassword(const std::string& current) override;
    void CommitEdits(LinkMode mode) override;
    void OpenProgress(const std::string& caption, const std::string& label) override;
    void SetProgress(int percent) override;
    void SetProgressLabel(const std::string& label) override;
    void SetProgressCaption(const std::string& caption) override;
    void CloseProgress() override;
    void ShowPortStatus(const std::string& text) override;
    void CloseAllChildWindows() override;
    void ReadDecoded() override;
    void ShowRadioInfo() override;
    void EndProgram() override;

    /// The progress window's Cancel (also Escape and its close button): ends
    /// the running read or write and says what that left behind.
    void CancelTransfer();

private:
    /// The write's line in the log of writes; a log that cannot be written
    /// costs only a warning, never the write.
    void LogWrite(TransferResult result);

    /// The read or write the user started last (the driver's mode is Search
    /// while it looks for the radio).
    LinkMode started_ = LinkMode::Idle;
    AppContext& app_;
    Interaction& ui_;
    frmMain& main_;
    ProgramLauncher& launcher_;
    QTimer* waitTimer_;
    std::unique_ptr<PortMapping> mapping_;
    std::unique_ptr<DevicePortList> ports_;
    std::unique_ptr<QtSerialPortService> port_;
    std::unique_ptr<LinkTimers> timers_;
    FrmProgress* progress_;
    std::unique_ptr<TransferDriver> driver_;
};

} // namespace pmr
