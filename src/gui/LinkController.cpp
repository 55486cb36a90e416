#include "LinkController.h"

#include "DevicePortList.h"
#include "Interaction.h"
#include "LinkTimers.h"
#include "PortMapping.h"
#include "QtSerialPortService.h"
#include "app/AppContext.h"
#include "backup/PlainWriteSetting.h"
#include "backup/WriteLog.h"
#include "dialogs/FrmPassWord.h"
#include "dialogs/FrmProgress.h"
#include "files/ProgramLauncher.h"
#include "files/SiblingProgram.h"
#include "frmMain.h"
#include "image/RadioInfoDecoder.h"
#include "link/TransferDriver.h"

#include <QTimer>
#include <ctime>

namespace pmr {

LinkController::LinkController(AppContext& app, Interaction& ui, frmMain& main,
                               ProgramLauncher& launcher)
    : QObject(&main), app_(app), ui_(ui), main_(main), launcher_(launcher) {
    waitTimer_ = new QTimer(&main);
    waitTimer_->setObjectName(QStringLiteral("WaitTimer"));
    mapping_ = std::make_unique<PortMapping>(PortMapping::ReadOverrides(SetupFilePath(app_.paths)));
    ports_ = std::make_unique<DevicePortList>(*mapping_);
    port_ = std::make_unique<QtSerialPortService>(*mapping_);
    port_->setObjectName(QStringLiteral("MSComm1"));
    timers_ = std::make_unique<LinkTimers>(std::map<int, QTimer*>{
        {kWaitTimerMs, waitTimer_},
        {kReadOkTimerMs, &main.ReadOKTimer},
        {kWaitSaveDataTimerMs, &main.WaitSaveDataTimer},
    });
    progress_ = new FrmProgress(&main);
    connect(progress_, &FrmProgress::cancelRequested, this, &LinkController::CancelTransfer);

    LinkHooks hooks = DefaultLinkHooks();
    hooks.decodeRadioInfo = [](AppContext& a) { DecodeRadioInfo(a); };
    hooks.startProgramFor = [this](AppContext& a, const std::string& tag) {
        return StartProgramFor(a, ui_, launcher_, tag);
    };
    hooks.saveDocument = [this](AppContext&) { return main_.FileSave(); };
    SaveFoundPortOverrides(hooks, *mapping_);
    driver_ = std::make_unique<TransferDriver>(app_, *port_, *timers_, *ports_, *this, hooks);
    // A write the radio did not take, when the user asked for it: the memory
    // kept before it goes back, whole.
    driver_->SetFinishedHandler([this](LinkMode mode, TransferResult result) {
        const WriteReport& report = driver_->LastWrite();
        if (mode == LinkMode::Write && !report.dryRun)
            LogWrite(result);
        if (mode == LinkMode::Write && result == TransferResult::VerifyFailed &&
            report.restoreWanted) {
            const auto image = report.radioBefore;
            QTimer::singleShot(0, this, [this, image] { StartRestore(image); });
        }
    });
    main.SetRadioLink(this);
    main.SetPortList(ports_.get());
}

LinkController::~LinkController() {
    main_.SetRadioLink(nullptr);
    main_.SetPortList(nullptr);
    driver_.reset();
}

void LinkController::LogWrite(TransferResult result) {
    const WriteReport& report = driver_->LastWrite();
    // A restore writes a kept memory, not the open document.
    const std::string document =
        report.kind == WriteKind::Restore ? std::string() : app_.docState.CurrentFileName;
    const WriteLogEntry entry = WriteLogEntryFor(app_.docState, app_.link, report, result,
                                                 port_->Device(), document, std::time(nullptr));
    std::string error;
    if (!AppendWriteLog(DefaultWriteLogPath(), entry, error))
        ui_.ShowMessage(FillMarker(app_.texts.GetLangText(9191), "%1", error), Severity::Warning);
}

const PortList& LinkController::Ports() const {
    return *ports_;
}

void LinkController::StartRead() {
    if (driver_->StartRead())
        started_ = LinkMode::Read;
}
void LinkController::StartWrite() {
    WriteRequest request;
    request.kind = PlainWriteChosen(app_.paths) ? WriteKind::Plain : WriteKind::Safe;
    if (driver_->StartWrite(request))
        started_ = LinkMode::Write;
}

void LinkController::StartRestore(const std::array<std::uint8_t, kImageSize>& image) {
    WriteRequest request{WriteKind::Restore};
    request.restoreImage = image;
    if (driver_->StartWrite(request))
        started_ = LinkMode::Write;
}

void LinkController::CancelTransfer() {
    if (!driver_->Busy() || !progress_->isVisible())
        return;
    // The driver sends the end frame and closes the port; a read's image is
    // never decoded, so the document stays as it was. What a write left in
    // the radio depends on how far it had come.
    const WritePhase phase = driver_->Phase();
    driver_->Abort();
    if (started_ != LinkMode::Write)
        ui_.ShowMessage(app_.texts.GetLangText(9091), Severity::Information);
    else if (phase == WritePhase::Backup)
        ui_.ShowMessage(app_.texts.GetLangText(9092), Severity::Information);
    else if (phase == WritePhase::Verify)
        ui_.ShowMessage(app_.texts.GetLangText(9093), Severity::Warning);
    else
        ui_.ShowMessage(app_.texts.GetLangText(9090), Severity::Warning);
}
void LinkController::ReadRadioInfo() {
    driver_->ReadRMGDataFromRadio();
}
bool LinkController::Busy() const {
    return driver_->Busy();
}

void LinkController::ClosePortIfOpen() {
    driver_->Abort();
    driver_->ClosePortIfOpen();
}

void LinkController::ShowMessage(const std::string& text, Severity severity) {
    ui_.ShowMessage(text, severity);
}

Answer LinkController::Ask(const std::string& text, Buttons buttons, Severity severity) {
    return ui_.Ask(text, buttons, severity);
}

std::optional<std::string> LinkController::AskPassword(const std::string& current) {
    FrmPassWord dialog(app_, current, &main_);
    if (ui_.RunDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Entered();
}

void LinkController::CommitEdits(LinkMode mode) {
    main_.CommitEdits(mode == LinkMode::Write);
}

void LinkController::OpenProgress(const std::string& caption, const std::string& label) {
    progress_->Open(QString::fromStdString(caption), QString::fromStdString(label),
                    QString::fromStdString(app_.texts.GetLangText(9018)));
}

void LinkController::SetProgress(int percent) {
    progress_->SetProgressValue(percent);
}

void LinkController::SetProgressLabel(const std::string& label) {
    progress_->SetLabel(QString::fromStdString(label));
}

void LinkController::SetProgressCaption(const std::string& caption) {
    progress_->SetCaption(QString::fromStdString(caption));
}

void LinkController::CloseProgress() {
    progress_->hide();
}

void LinkController::ShowPortStatus(const std::string& text) {
    main_.ShowPortStatus(QString::fromStdString(text));
}

void LinkController::CloseAllChildWindows() {
    main_.CloseCurAllWindows();
}

void LinkController::ReadDecoded() {
    main_.OnReadDecoded();
}

void LinkController::ShowRadioInfo() {
    main_.OnRadioInfoRead();
}

void LinkController::EndProgram() {
    launcher_.EndThisProgram();
}

} // namespace pmr
