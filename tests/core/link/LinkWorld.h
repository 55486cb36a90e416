#pragma once
// The tests' stand-in for the world around the transfer driver: a virtual
// clock that also runs the event loop, a serial port wired to in-process
// radios, the system's port list and a user who answers by script.

#include "app/AppContext.h"
#include "link/LinkFrames.h"
#include "link/LinkHooks.h"
#include "link/LinkTrace.h"
#include "link/LinkUser.h"
#include "link/PortList.h"

#include <algorithm>
#include "link/SerialPortService.h"
#include "link/TimerService.h"
#include "link/TransferDriver.h"

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pmr::test {

// ---------------------------------------------------------------- clock

class VirtualClock : public TimerService {
public:
    TimerHandle Start(int milliseconds, std::function<void()> callback) override;
    void Cancel(TimerHandle handle) override {
        if (!ignoreCancel)
            cancelled_.insert(handle);
    }
    /// A timer service whose Cancel comes too late: every timer fires.
    bool ignoreCancel = false;
    std::int64_t NowMs() const override { return now_; }

    /// Queues an event (not a timer) at now + delay.
    void Post(int delayMs, std::function<void()> callback);
    /// Runs events in time order until `done` holds or `limitMs` of virtual time
    /// have passed or nothing is left. Returns `done()`.
    bool RunUntil(const std::function<bool()>& done, std::int64_t limitMs);
    void RunFor(std::int64_t ms);
    /// Timers started and not yet fired or cancelled.
    int PendingTimers() const;

private:
    struct Event {
        std::int64_t time;
        std::uint64_t seq;
        TimerHandle handle; // 0 for posted events
        std::function<void()> callback;
    };
    bool RunOne(std::int64_t until);
    std::int64_t now_ = 0;
    std::uint64_t seq_ = 0;
    TimerHandle nextHandle_ = 1;
    std::vector<Event> events_;
    std::set<TimerHandle> cancelled_;
};

// ---------------------------------------------------------------- radio

/// A radio at the end of a cable: answers every frame of the protocol from its
/// memory, with switches for the faults the driver must survive.
class FakeRadio {
public:
    FakeRadio();

    std::string model = "T446";
    int band = 16;
    std::string version = "V100";
    std::uint8_t feature = 0;
    std::array<std::uint8_t, 0x10000> mem{};

    /// The port setting at which it answers (-1: any).
    int handshaking = -1;
    int stopBits = -1;
    /// Ignore the first n - 1 handshakes.
    int answerFromHandshake = 1;
    bool ackEnd = false;
    /// Requests (read or write) for an address that go unanswered, counted down.
    std::map<int, int> dropRequests;
    /// Write blocks answered with a resend request, counted down.
    std::map<int, int> resendWrites;
    /// From this block address on, the radio says nothing (-1: never).
    int silentFrom = -1;
    /// Write blocks acknowledged but not stored (a radio that loses them).
    std::set<int> ignoreWrites;
    /// After storing this many write blocks the radio says nothing (-1: never):
    /// the cable dropped out.
    int silentAfterWrites = -1;
    int storedWrites = 0;
    bool silent = false;
    /// Replaces a reply (nothing = say nothing). Called with the request too.
    std::function<std::optional<Bytes>(const Bytes& request, const Bytes& reply)> tamper;
    /// Each reply is cut into pieces of these sizes (the rest in one piece).
    std::vector<std::size_t> split;
    int latencyMs = 2;

    // What it saw.
    int handshakes = 0;
    int identRequests = 0;
    int ends = 0;
    std::map<int, int> reads;
    std::map<int, int> writes;
    std::vector<Bytes> requests;

    void SetPassword(std::initializer_list<std::uint8_t> bytes);
    /// Writes model, band, version and feature into its memory 0x13F0..0x13FD.
    void SyncIdentToMemory();
    Bytes IdentReply() const;
    /// Takes the bytes the program sent; returns the frames to answer, each
    /// with its reply (possibly empty = silence).
    std::vector<Bytes> Receive(const Bytes& bytes);

private:
    std::optional<Bytes> Answer(const Bytes& frame);
    Bytes pending_;
};

// ---------------------------------------------------------------- port

class FakePort : public SerialPortService {
public:
    explicit FakePort(VirtualClock& clock) : clock_(clock) {}

    // Wiring of the test bench.
    std::map<int, FakeRadio*> radios; // port number -> radio
    std::map<int, bool> echo;         // port number -> cable echoes (default true)
    std::map<int, PortOpenError> openErrors;
    int parityEventOnOpenFailure = 0; // CommEvent after a failed open
    bool failed = false;              // device gone: writes fail, nothing arrives
    int failAfterWrites = -1;         // fail at the n-th write from now (-1: never)
    bool eventPerChunk = false;       // raise the event on every arrival (threshold ignored)
    /// The radio's cable carries 9600 bit/s, 10 bits a byte: a frame reaches
    /// the radio only after its bytes' time, and a reply takes its own time
    /// back (the radio's latency comes in between). Off, bytes take no time,
    /// as on a pseudo-terminal.
    bool lineTime = false;

    // What the program did.
    std::vector<Bytes> sent;
    std::vector<PortSetting> opened; // every successful open
    int openAttempts = 0;
    std::vector<std::string> settingsTexts;

    /// Bytes arriving from the line now (as if the radio sent them).
    void Inject(const Bytes& bytes, int delayMs = 0);
    /// The adapter is pulled: the port closes itself and reports its failure.
    void Unplug();

    void SetCommPort(int port) override { port_ = port; }
    int CommPort() const override { return port_; }
    bool SetHandshaking(int code) override;
    bool SetSettings(const std::string& settings) override;
    void SetInputMode(int) override {}
    void SetInputLen(int) override {}
    void SetRThreshold(int threshold) override { threshold_ = threshold; }
    int RThreshold() const override { return threshold_; }
    PortOpenResult OpenPort() override;
    void ClosePort() override;
    bool PortOpen() const override { return open_; }
    void DiscardOutput() override {}
    void DiscardInput() override { input_.clear(); }
    bool Output(const Bytes& bytes) override;
    Bytes Input() override;
    int CommEvent() const override { return event_; }
    void SetReceiveListener(ReceiveListener listener) override { listener_ = std::move(listener); }

private:
    void Arrive(std::uint64_t session, const Bytes& bytes);
    VirtualClock& clock_;
    int port_ = 1;
    int handshaking_ = 0;
    int stopBits_ = 1;
    int threshold_ = 0;
    bool open_ = false;
    std::uint64_t session_ = 0;
    Bytes input_;
    int event_ = 0;
    ReceiveListener listener_;
};

class FakePortList : public PortList {
public:
    std::vector<int> ports{1};
    std::vector<int> consoles;
    std::vector<int> ExistingPorts() const override { return ports; }
    bool IsConsole(int port) const override {
        return std::find(consoles.begin(), consoles.end(), port) != consoles.end();
    }
};

// ---------------------------------------------------------------- user

class ScriptedUser : public LinkUser {
public:
    struct Asked {
        std::string text;
        Buttons buttons;
    };
    std::vector<std::string> messages;
    std::vector<Severity> messageSeverities;
    std::vector<Asked> questions;
    /// Answers by text; the default: OK to 9004/9005, the safe answer otherwise.
    std::function<pmr::Answer(const std::string&, Buttons)> answer;
    /// Runs inside every question and the password dialog (a nested event loop).
    std::function<void()> whileOpen;
    /// False for a front end without editors (the command line).
    bool hasEditors = true;
    bool HasEditors() const override { return hasEditors; }
    std::optional<std::string> passwordEntry; // nothing = Cancel
    std::vector<std::string> passwordShown;   // the text each dialog opened with
    std::vector<std::string> captions;
    std::vector<int> percents;
    std::vector<std::string> labels; // after the one the progress opened with
    int progressOpened = 0, progressClosed = 0, commits = 0, closeAll = 0, decoded = 0,
        radioInfoShown = 0, endProgram = 0;
    std::vector<std::string> portStatus;

    void ShowMessage(const std::string& text, Severity severity) override;
    pmr::Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    std::optional<std::string> AskPassword(const std::string& current) override;
    void CommitEdits(LinkMode) override { ++commits; }
    void OpenProgress(const std::string& caption, const std::string&) override {
        ++progressOpened;
        captions.push_back(caption);
    }
    void SetProgress(int percent) override { percents.push_back(percent); }
    void SetProgressLabel(const std::string& label) override { labels.push_back(label); }
    void SetProgressCaption(const std::string& caption) override { captions.push_back(caption); }
    void CloseProgress() override { ++progressClosed; }
    void ShowPortStatus(const std::string& text) override { portStatus.push_back(text); }
    void CloseAllChildWindows() override { ++closeAll; }
    void ReadDecoded() override { ++decoded; }
    void ShowRadioInfo() override { ++radioInfoShown; }
    void EndProgram() override { ++endProgram; }

    int CountQuestions(const std::string& text) const;
    int CountMessages(const std::string& text) const;
};

class RecordingTrace : public LinkTrace {
public:
    std::vector<std::string> lines;
    int timeouts = 0;
    bool throwNow = false;
    void Sent(std::int64_t ms, const Bytes& b) override;
    void Received(std::int64_t ms, const Bytes& b) override;
    void Timeout(std::int64_t ms, int mode, int state) override;
    void Note(std::int64_t ms, const std::string& text) override;
};

// ---------------------------------------------------------------- bench

/// Everything a driver test needs: a radio on port 1, a document of the same
/// model and band, hooks that record what the driver asks of the codec.
struct LinkWorld {
    LinkWorld();

    VirtualClock clock;
    FakePort port{clock};
    FakePortList portList;
    ScriptedUser user;
    AppContext app;
    FakeRadio radio;

    // Hook bench.
    std::set<std::string> listedVersions{"V100"};
    bool documentChanged = false;
    bool saveSucceeds = true;
    int saves = 0, encodes = 0, decodes = 0, radioInfoDecodes = 0;
    std::vector<std::string> programsStarted;
    bool programStarts = true;    // whether a listed program version exists
    std::string writeRefusal;     // what the check before a write answers
    std::vector<std::pair<std::string, int>> setupWrites;
    std::array<std::uint8_t, kImageSize> encodedImage{}; // what EncodeImage produces
    /// Bytes below this address are the document's when encoded over the
    /// radio's image; the radio's own bytes above it are kept.
    int interpretedEnd = 0x1340;
    std::vector<std::array<std::uint8_t, kImageSize>> backups; // kept, in order
    std::vector<std::string> backupSerials;
    std::string backupFolderProblem; // what the folder check answers
    bool backupKeepFails = false;
    int prunes = 0;
    LinkHooks hooks;

    std::unique_ptr<TransferDriver> driver;
    std::vector<std::pair<LinkMode, TransferResult>> finished;
    int readDecodedCount = 0;

    /// Creates the driver (after the test adjusted the hooks).
    TransferDriver& Driver();
    /// Runs until the transfer ended and the driver is idle again.
    bool RunToEnd(std::int64_t limitMs = 600000);
    TransferResult Result() const {
        return finished.empty() ? TransferResult::Aborted : finished.back().second;
    }
    /// Frames sent to the radio that start with `first`.
    int SentCount(std::uint8_t first) const;
    int SentHandshakes() const { return SentCount(0x50); }
};

/// The text the test catalogue holds for `id`: "T" followed by the number.
std::string T(int id);

} // namespace pmr::test
