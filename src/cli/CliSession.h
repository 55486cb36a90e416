#pragma once
// Everything one pmr-cli command needs around the transfer driver: the program's
// start-up over its installation folder, the port mapping with the --port
// choice, the Qt port and timers, the trace file, and an event loop that runs
// until the driver reports the end (or Ctrl+C ends it).

#include "CliOptions.h"
#include "CliUser.h"
#include "app/AppContext.h"
#include "files/ProgramLauncher.h"
#include "link/LinkMode.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace pmr {
struct WriteReport;
class PortMapping;
class QtSerialPortService;
class QtTimerService;
class DevicePortList;
class SerialTraceFile;
class TransferDriver;
} // namespace pmr

namespace pmr::cli {

/// Starts another program version with this command's own arguments.
class CliLauncher : public ProgramLauncher {
public:
    explicit CliLauncher(std::vector<std::string> args) : args_(std::move(args)) {}
    std::string OwnExecutableName() const override { return "pmr-cli"; }
    bool StartProgram(const std::string& path) override;
    void EndThisProgram() override { ended_ = true; }
    bool Ended() const { return ended_; }

private:
    std::vector<std::string> args_;
    bool ended_ = false;
};

class CliSession {
public:
    CliSession(const CliOptions& options, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err);
    ~CliSession();

    /// Start-up, port and trace; kExitOk or the exit code of the failure.
    int Prepare();

    AppContext& App() { return app_; }
    CliUser& User() { return *user_; }
    CliLauncher& Launcher() { return launcher_; }
    TransferDriver& Driver() { return *driver_; }
    const CliOptions& Options() const { return options_; }
    /// The device of the port the last transfer opened.
    std::string PortDevice() const;
    /// The port number of a --port value (a number, or a device path given a
    /// number of its own for this run); after Prepare.
    int PortNumberFor(const std::string& port);
    PortMapping& Mapping() { return *mapping_; }
    std::ostream& Out() { return out_; }
    /// A line on stderr (not when quiet, unless it is an error).
    void Tell(const std::string& text, bool error = false);

    /// Runs a transfer: `start` starts it; returns when the driver has ended it
    /// (for a successful read: once the image has been decoded).
    TransferResult Run(const std::function<bool(TransferDriver&)>& start, bool waitForDecode);

private:
    std::string ProgramFolder() const;

    const CliOptions& options_;
    std::ostream& out_;
    std::ostream& err_;
    AppContext app_;
    CliLauncher launcher_;
    std::unique_ptr<CliUser> user_;
    std::unique_ptr<PortMapping> mapping_;
    std::unique_ptr<QtSerialPortService> port_;
    std::unique_ptr<QtTimerService> timers_;
    std::unique_ptr<DevicePortList> portList_;
    std::unique_ptr<SerialTraceFile> trace_;
    std::unique_ptr<TransferDriver> driver_;
};

/// pmr-cli as a function: argv[1..] in, exit status out. Needs a
/// QCoreApplication (report: a QGuiApplication); runs its own event loop
/// while a transfer runs.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

/// The subcommands, one file each.
int ReadCommand(CliSession& session, const CliOptions& options);
int WriteCommand(CliSession& session, const CliOptions& options);
/// write with several --port: every radio at once, then a table of them.
int FleetWriteCommand(CliSession& session, const CliOptions& options);
/// With --power-on-text: the radio numbered `number` gets its own power-on
/// text in `app`'s document; false (said) when the number does not fit.
bool GivePowerOnText(CliSession& session, AppContext& app, int number);
/// Adds the line of a write to the log of writes; a log that cannot be
/// written costs a warning.
void LogWrite(CliSession& session, const AppContext& app, const WriteReport& report,
              TransferResult result, const std::string& port, const std::string& documentFile);
int RestoreCommand(CliSession& session, const CliOptions& options);
/// The outcome of a write or restore on stderr; its exit status.
int ReportWrite(CliSession& session, TransferResult result, const std::string& what);
int InfoCommand(CliSession& session, const CliOptions& options);
int CsvExportCommand(CliSession& session, const CliOptions& options);
int CsvImportCommand(CliSession& session, const CliOptions& options);
int DiffCommand(CliSession& session, const CliOptions& options);
int ReportCommand(CliSession& session, const CliOptions& options);
/// Opens the document file `path` names; kExitOk or the failure's exit status.
int OpenDocumentArgument(CliSession& session, const std::string& path);

} // namespace pmr::cli
