#include "CliSession.h"

#include "CliExitCodes.h"
#include "DevicePortList.h"
#include "PortMapping.h"
#include "QtSerialPortService.h"
#include "QtTimerService.h"
#include "SerialTraceFile.h"
#include "StopSignals.h"
#include "app/InstallPaths.h"
#include "app/Startup.h"
#include "files/DocumentFiles.h"
#include "files/SiblingProgram.h"
#include "link/LinkHooks.h"
#include "link/TransferDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

namespace pmr::cli {

bool CliLauncher::StartProgram(const std::string& path) {
    QStringList list;
    for (const auto& a : args_)
        list << QString::fromStdString(a);
    return QProcess::startDetached(QString::fromStdString(path), list);
}

CliSession::CliSession(const CliOptions& options, const std::vector<std::string>& args,
                       std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), launcher_(args) {
    const bool terminal = &err == &std::cerr && isatty(STDERR_FILENO);
    user_ = std::make_unique<CliUser>(options_, app_.texts, err_, terminal);
}

CliSession::~CliSession() {
    driver_.reset(); // before the port and timers it uses
}

std::string CliSession::PortDevice() const {
    return port_ ? port_->Device() : std::string();
}

void CliSession::Tell(const std::string& text, bool error) {
    if (error || !options_.quiet)
        err_ << "pmr-cli: " << text << '\n';
}

std::string CliSession::ProgramFolder() const {
    if (!options_.programDir.empty())
        return options_.programDir;
    if (const char* env = std::getenv("PMR_PROGRAM_DIR"); env && *env)
        return env;
    const QString own = QCoreApplication::applicationDirPath();
    if (QDir(own + "/language").exists())
        return own.toStdString();
#ifdef PMR_CLI_PROGRAM_DIR
    return PMR_CLI_PROGRAM_DIR;
#else
    return own.toStdString();
#endif
}

int CliSession::Prepare() {
    const std::string folder = ProgramFolder();
    if (!QDir(QString::fromStdString(folder + "/language")).exists()) {
        Tell("no program folder at " + folder + " (use --program-dir)", true);
        return kExitFailure;
    }
    StartupHooks startup;
    startup.user = UserEnvironment::FromProcess();
    RunStartup(app_, folder, *user_, startup);

    mapping_ = std::make_unique<PortMapping>(PortMapping::ReadOverrides(SetupFilePath(app_.paths)));
    if (!options_.port.empty())
        app_.config.ComPort = static_cast<std::int16_t>(PortNumberFor(options_.port));
    if (options_.password)
        app_.link.EnteredPassword = *options_.password;

    port_ = std::make_unique<QtSerialPortService>(*mapping_);
    timers_ = std::make_unique<QtTimerService>();
    portList_ = std::make_unique<DevicePortList>(*mapping_);

    LinkHooks hooks = DefaultLinkHooks();
    hooks.startProgramFor = [this](AppContext& app, const std::string& tag) {
        return StartProgramFor(app, *user_, launcher_, tag);
    };
    hooks.saveDocument = [this](AppContext& app) {
        DocumentFiles files(app, *user_, launcher_);
        return files.SaveDocumentFile() == FileOutcome::Done;
    };
    SaveFoundPortOverrides(hooks, *mapping_);
    driver_ = std::make_unique<TransferDriver>(app_, *port_, *timers_, *portList_, *user_,
                                               std::move(hooks));
    if (!options_.trace.empty()) {
        trace_ = std::make_unique<SerialTraceFile>();
        std::string error;
        if (!trace_->Open(options_.trace, error)) {
            Tell("cannot write the trace: " + error, true);
            return kExitFileError;
        }
        driver_->SetTrace(trace_.get());
    }
    return kExitOk;
}

int CliSession::PortNumberFor(const std::string& port) {
    if (port[0] != '/')
        return std::stoi(port);
    if (const auto number = mapping_->PortFor(port))
        return *number;
    // A device outside the rule: give it the first number after every number
    // in use, for this run only.
    int free = 16;
    for (int p : mapping_->ExistingPorts())
        free = std::max(free, p);
    for (const auto& [p, device] : mapping_->Overrides())
        free = std::max(free, p);
    mapping_->SetOverride(free + 1, port);
    return free + 1;
}

TransferResult CliSession::Run(const std::function<bool(TransferDriver&)>& start,
                               bool waitForDecode) {
    QEventLoop loop;
    bool done = false;
    TransferResult result = TransferResult::Success;
    driver_->SetFinishedHandler([&](LinkMode, TransferResult r) {
        result = r;
        if (r != TransferResult::Success || !waitForDecode) {
            done = true;
            loop.quit();
        }
    });
    driver_->SetReadDecodedHandler([&] {
        done = true;
        loop.quit();
    });

    // Ctrl+C and SIGTERM end the transfer through the driver, so the radio
    // gets its end frame and the port is closed.
    StopSignals stop([&] {
        driver_->Abort();
        done = true;
        result = TransferResult::Aborted;
        loop.quit();
    });

    if (!start(*driver_)) {
        Tell("the link is busy", true);
        result = TransferResult::Declined;
        done = true;
    }
    if (!done)
        loop.exec();

    driver_->SetFinishedHandler(nullptr);
    driver_->SetReadDecodedHandler(nullptr);
    if (trace_)
        trace_->Close();
    return result;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(args, options, error)) {
        err << "pmr-cli: " << error << "\nTry 'pmr-cli --help'.\n";
        return kExitUsage;
    }
    if (options.help) {
        out << CliUsageText();
        return kExitOk;
    }
    CliSession session(options, args, out, err);
    if (const int rc = session.Prepare(); rc != kExitOk)
        return options.command == "diff" && rc == kExitFailure ? kExitNotCompared : rc;
    if (options.command == "read")
        return ReadCommand(session, options);
    if (options.command == "write")
        return options.ports.size() > 1 ? FleetWriteCommand(session, options)
                                        : WriteCommand(session, options);
    if (options.command == "restore")
        return RestoreCommand(session, options);
    if (options.command == "csv-export")
        return CsvExportCommand(session, options);
    if (options.command == "csv-import")
        return CsvImportCommand(session, options);
    if (options.command == "diff")
        return DiffCommand(session, options);
    if (options.command == "report")
        return ReportCommand(session, options);
    return InfoCommand(session, options);
}

} // namespace pmr::cli
