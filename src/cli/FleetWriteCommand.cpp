// pmr-cli write DOC.dat --port A --port B ...: one document into several
// radios at the same time. Every radio has a transfer of its own (its own
// copy of the program's state, port, timers and safe write with backup and
// read-back) on the one event loop; one failing leaves the others be. Each
// write is a line in the log of writes, and a table ends the run.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "DevicePortList.h"
#include "PortMapping.h"
#include "QtSerialPortService.h"
#include "QtTimerService.h"
#include "StopSignals.h"
#include "backup/PlainWriteSetting.h"
#include "files/DocumentFiles.h"
#include "link/LinkHooks.h"
#include "link/TransferDriver.h"
#include "document/Bands.h"
#include "document/SettingsTexts.h"
#include "link/TransferResultWords.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace pmr::cli {

namespace {

/// A radio's own port and nothing else: the link search of one radio tries
/// the line settings on its cable, never another radio's port.
class OnePortList : public PortList {
public:
    OnePortList(const DevicePortList& all, int port) : all_(all), port_(port) {}
    std::vector<int> ExistingPorts() const override { return {port_}; }
    bool IsConsole(int port) const override { return all_.IsConsole(port); }
    PortInfo Describe(int port) const override { return all_.Describe(port); }

private:
    const DevicePortList& all_;
    int port_;
};

struct Station;

/// One radio's user: questions go to the command line's answers, messages
/// carry the port, progress is the station's line.
class StationUser : public LinkUser {
public:
    StationUser(Station& station, CliSession& session) : station_(station), session_(session) {}
    void ShowMessage(const std::string& text, Severity severity) override;
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    std::optional<std::string> AskPassword(const std::string& current) override {
        return session_.User().AskPassword(current);
    }
    bool HasEditors() const override { return false; }
    void OpenProgress(const std::string& caption, const std::string&) override;
    void SetProgress(int percent) override;
    void SetProgressCaption(const std::string& caption) override;

private:
    Station& station_;
    CliSession& session_;
};

struct Station {
    Station(CliSession& session, const std::string& portText, int number)
        : portText(portText), app(session.App()), list(session.Mapping()),
          own(list, number), user(*this, session) {
        app.config.ComPort = static_cast<std::int16_t>(number);
        port = std::make_unique<QtSerialPortService>(session.Mapping());
        driver = std::make_unique<TransferDriver>(app, *port, timers, own, user,
                                                  DefaultLinkHooks());
    }
    ~Station() { driver.reset(); } // before the port and timers it uses

    std::string portText;
    AppContext app;
    DevicePortList list;
    OnePortList own;
    StationUser user;
    QtTimerService timers;
    std::unique_ptr<QtSerialPortService> port;
    std::unique_ptr<TransferDriver> driver;
    /// The progress lines are drawn again; `phase`: a new phase began.
    std::function<void(bool phase)> changed;

    std::string phase;
    int percent = 0;
    bool done = false;
    TransferResult result = TransferResult::Success;
    QElapsedTimer clock;
    qint64 ms = 0;
};

void StationUser::ShowMessage(const std::string& text, Severity severity) {
    session_.Tell(station_.portText + ": " + text, severity != Severity::Information);
}

Answer StationUser::Ask(const std::string& text, Buttons buttons, Severity severity) {
    return session_.User().Ask(station_.portText + ": " + text, buttons, severity);
}

void StationUser::OpenProgress(const std::string& caption, const std::string&) {
    SetProgressCaption(caption);
}

void StationUser::SetProgress(int percent) {
    if (percent == station_.percent)
        return;
    station_.percent = percent;
    if (station_.changed)
        station_.changed(false);
}

void StationUser::SetProgressCaption(const std::string& caption) {
    if (caption.empty() || caption == station_.phase)
        return;
    station_.phase = caption;
    station_.percent = 0;
    if (station_.changed)
        station_.changed(true);
}

std::string Seconds(qint64 ms) {
    std::ostringstream out;
    out << ms / 1000 << "." << (ms % 1000) / 100 << " s";
    return out.str();
}

std::string ResultWords(const Station& s) {
    const WriteReport& r = s.driver->LastWrite();
    if (s.result == TransferResult::Success && r.noChange)
        return "no change";
    return DescribeResult(s.result);
}

std::string PowerOnColumn(const FixedText<12>& stored) {
    std::string shown = PowerOnTextShown(stored);
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\0'))
        shown.pop_back();
    return shown.empty() ? "-" : shown;
}

void PrintTable(std::ostream& out, const std::vector<std::unique_ptr<Station>>& stations) {
    const std::vector<std::string> head = {"port",   "model",  "band", "serial",  "power-on",
                                           "result", "blocks", "time", "backup"};
    std::vector<std::vector<std::string>> rows{head};
    for (const auto& s : stations) {
        const WriteReport& r = s->driver->LastWrite();
        const LinkState& link = s->app.link;
        const bool identified = !link.RadioModelName.empty();
        rows.push_back({s->port->Device().empty() ? s->portText : s->port->Device(),
                        identified ? link.RadioModelName : "-",
                        identified ? BandTextFromCode(link.RadioBandCode) : "-",
                        r.serial.empty() ? "-" : r.serial,
                        PowerOnColumn(s->app.doc.Settings.Opt.PowerOnText),
                        ResultWords(*s),
                        std::to_string(r.blocksWritten), Seconds(s->ms),
                        r.backupPath.empty() ? "-" : r.backupPath});
    }
    std::vector<std::size_t> width(head.size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += std::string(width[c] - row[c].size() + 2, ' ');
        }
        out << line << "\n";
    }
}

} // namespace

int FleetWriteCommand(CliSession& session, const CliOptions& options) {
    AppContext& app = session.App();
    app.docState.CurrentFileName = options.file;
    DocumentFiles files(app, session.User(), session.Launcher());
    if (files.OpenDocumentFile() != FileOutcome::Done) {
        session.Tell(options.file + " is not a document file this program can read", true);
        return kExitFileError;
    }
    WriteRequest request;
    request.kind = options.plain || PlainWriteChosen(app.paths) ? WriteKind::Plain : WriteKind::Safe;

    std::vector<std::unique_ptr<Station>> stations;
    for (const std::string& port : options.ports) {
        stations.push_back(std::make_unique<Station>(session, port, session.PortNumberFor(port)));
        // Numbered in the order of the ports.
        const int number = options.numberFrom + static_cast<int>(stations.size()) - 1;
        if (!GivePowerOnText(session, stations.back()->app, number))
            return kExitUsage;
    }

    // Progress: one line per radio, drawn again in place on a terminal and
    // written once per phase otherwise.
    const bool terminal = isatty(STDERR_FILENO) && !options.quiet;
    bool drawn = false;
    auto draw = [&] {
        if (options.quiet)
            return;
        if (!terminal)
            return;
        std::ostringstream out;
        if (drawn)
            out << "\x1b[" << stations.size() << "A";
        for (const auto& s : stations)
            out << "\r\x1b[K" << s->portText << "  "
                << (s->done ? ResultWords(*s) : s->phase + " " + std::to_string(s->percent) + "%")
                << "\n";
        std::cerr << out.str() << std::flush;
        drawn = true;
    };
    QEventLoop loop;
    int running = 0;
    for (auto& s : stations) {
        Station* st = s.get();
        st->changed = [&, st](bool phase) {
            if (terminal)
                draw();
            else if (phase && !options.quiet && !st->done)
                session.Tell(st->portText + ": " + st->phase);
        };
        st->driver->SetFinishedHandler([&, st](LinkMode, TransferResult r) {
            st->result = r;
            st->done = true;
            st->ms = st->clock.elapsed();
            LogWrite(session, st->app, st->driver->LastWrite(), r, st->port->Device(), options.file);
            if (terminal)
                draw();
            else
                session.Tell(st->portText + ": " + ResultWords(*st), r != TransferResult::Success);
            if (--running == 0)
                loop.quit();
        });
        st->clock.start();
        if (st->driver->StartWrite(request)) {
            ++running;
        } else {
            st->done = true;
            st->result = TransferResult::Declined;
        }
    }

    // Ctrl+C and SIGTERM end every transfer through its driver, so each radio
    // gets its end frame.
    bool interrupted = false;
    StopSignals stop([&] {
        interrupted = true;
        for (auto& s : stations)
            s->driver->Abort();
        loop.quit();
    });
    draw();
    if (running > 0)
        loop.exec();

    PrintTable(session.Out(), stations);
    if (interrupted)
        return kExitInterrupted;
    for (const auto& s : stations)
        if (s->result != TransferResult::Success)
            return kExitSomeRadiosFailed;
    return kExitOk;
}

} // namespace pmr::cli
