#pragma once
// The transfer driver: reads the radio's main memory into the document, writes
// the document into the radio, and reads the dealer and radio information. One
// event-driven state machine: every step sends one frame and then waits for the
// port's receive event or the 150 ms response timer. No threads, no waiting;
// everything runs on the thread that delivers the port's and the timers' events.
//
// Use:
//   TransferDriver driver(app, port, timers, portList, user);
//   driver.SetFinishedHandler([](LinkMode m, TransferResult r) { ... });
//   driver.StartRead();   // returns at once; the handler reports the end
//
// The finished handler is called exactly once for every Start...() that
// returned true: when the transfer does not start (port not opened, question
// declined) or from FinishTransfer, the one place every transfer ends. After a
// successful read the image is decoded into the document 500 ms later; the
// read-decoded handler (and LinkUser::ReadDecoded) report that.
//
// The driver must outlive its port listener and timers: its destructor cancels
// its timers and removes the listener, closing the port.

#include "app/UserInteraction.h"
#include "document/DocumentCompare.h"
#include "link/AnswerTiming.h"
#include "link/LinkFrames.h"
#include "link/LinkHooks.h"
#include "link/LinkMode.h"
#include "link/LinkSearch.h"
#include "link/TimerService.h"
#include "link/TransferPlan.h"
#include "link/TransferQuestions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pmr {

struct AppContext;
class SerialPortService;
struct PortOpenResult;
class PortList;
class LinkUser;
class LinkTrace;

/// Response time-out of every step.
constexpr int kWaitTimerMs = 150;
/// From a successful read to the decode of the image.
constexpr int kReadOkTimerMs = 500;
/// From the write command to the start of the write (editors commit first).
constexpr int kWaitSaveDataTimerMs = 100;
/// Resend requests one write block may draw before the write gives up on it.
/// A resend request means the radio received the block damaged; line noise
/// spoils a few frames in a row, not dozens. A block refused 32 times running
/// (about 0.8 s of the radio turning down the same 22 bytes at 9600 bit/s)
/// will not get through, and the write ends as for a block that goes
/// unacknowledged. It lies well above the three time-out retries because a
/// resend costs one frame time, not a 150 ms wait.
constexpr int kResendsPerBlock = 32;

/// Where a transfer is in the protocol. Every mode walks the same steps in
/// this order; the radio-information read leaves out the password and the
/// test data, and the link search uses only the handshake and the
/// identification. Whether the blocks (and the test data) are read or written
/// follows from the mode and the write phase.
enum class LinkStep {
    Idle,
    Handshake,
    Ident,
    Password,
    TestData, // the factory's test data, read or written before the blocks
    Blocks,   // the walk over the transfer plan
    End,      // the end frame is out
};

/// Reply lengths, echo not counted. The handshake reply is "K W ACK"; the
/// identification 16 bytes; a block reply 'W' AH AL N, the N data bytes,
/// checksum and ACK; a write block, the test data and the end frame are
/// answered with one byte (ACK, or a resend request).
constexpr int kHandshakeReplyLength = 3;
constexpr int kIdentReplyLength = 16;
constexpr int kBlockReplyHeader = 4; // 'W' AH AL N: the data starts after it
constexpr int kBlockReplyLengthAt = 3;
constexpr int kBlockReplyOverhead = kBlockReplyHeader + 2;
constexpr int kOneByteReplyLength = 1;

/// The program's own version tag, tested against the radio's version.
inline constexpr const char* kProgramVersionTag = "V100";

/// How a write treats the radio.
enum class WriteKind {
    /// Every block of the encoded document, over a cleared image.
    Plain,
    /// The radio's whole memory is read and kept as a backup first; the
    /// document is encoded over it, only the blocks that differ are sent, and
    /// after the end frame a second short session reads them back to compare.
    Safe,
    /// As Safe, but the image written is a kept backup's, every block of it.
    Restore,
};

struct WriteRequest {
    WriteKind kind = WriteKind::Plain;
    /// Safe: read the radio and work out what would change, but send nothing
    /// but the end frame.
    bool dryRun = false;
    /// Restore: the image to write back; the radio must be of its model and band.
    ImageBytes restoreImage{};
};

/// What the last write did, for the front ends' reports.
struct WriteReport {
    WriteKind kind = WriteKind::Plain;
    bool dryRun = false;
    std::string backupPath;    // the backup kept before the write (empty: none)
    ImageBytes radioBefore{};  // the radio's memory the write started from
    ImageBytes intended{};     // what the radio should hold afterwards
    TransferPlan changed;      // blocks that differ (sent, unless a dry run)
    bool noChange = false;     // the radio held the document already
    std::vector<int> mismatched;            // blocks that read back otherwise
    std::vector<std::string> mismatchAreas; // what those bytes hold, in words
    /// The members those bytes hold, written (old) and read back (new), named
    /// from the table of the document's members; empty when the bytes hold none.
    std::vector<DocumentDifference> mismatchMembers;
    bool restoreWanted = false;             // the user asked for the backup back
    int refusedBlock = -1; // the block the radio refused again and again
    int refusals = 0;      // how often it refused it
    int blocksWritten = 0; // blocks the radio took (acknowledged), the test data not counted
    std::string serial;    // the radio's serial number, when the write read it
};

/// The phases of a write that keeps a backup.
enum class WritePhase { None, Backup, Write, Verify };

class TransferDriver : private TransferQuestions {
public:
    using FinishedHandler = std::function<void(LinkMode, TransferResult)>;

    TransferDriver(AppContext& app, SerialPortService& port, TimerService& timers,
                   const PortList& ports, LinkUser& user, LinkHooks hooks = DefaultLinkHooks());
    ~TransferDriver();
    TransferDriver(const TransferDriver&) = delete;
    TransferDriver& operator=(const TransferDriver&) = delete;

    /// Read the radio (menu "Read" / toolbar "ReadRadio"). False when busy.
    bool StartRead();
    /// Write the radio (menu "Write" / toolbar "WriteRadio"). False when busy.
    bool StartWrite(WriteRequest request = {});
    /// Read the dealer and radio information. False when busy.
    bool ReadRMGDataFromRadio();
    /// End a running transfer with failure (program closing, Ctrl+C). Nothing
    /// when idle.
    void Abort();

    /// A transfer is running or about to (also while the write-start or the
    /// read-decode timer is pending).
    bool Busy() const;
    LinkMode Mode() const { return mode_; }
    LinkStep Step() const { return step_; }
    bool LinkActive() const { return linkActive_; }
    int CurrentAddress() const { return currentAddress_; }
    WritePhase Phase() const { return phase_; }
    /// The report of the write that ended last (or is running).
    const WriteReport& LastWrite() const { return report_; }

    void SetFinishedHandler(FinishedHandler handler) { finished_ = std::move(handler); }
    void SetReadDecodedHandler(std::function<void()> handler) { readDecoded_ = std::move(handler); }
    /// The serial trace; nullptr switches it off. The sink must outlive its use.
    void SetTrace(LinkTrace* trace) { trace_ = trace; }

    /// ClosePortIfOpen: for the main window closing.
    void ClosePortIfOpen();

private:
    // Preparation and start.
    bool PrepareTransfer();
    /// Opens the configured port; tells the user when it cannot be opened.
    bool OpenLinkPort();
    PortSetting ConfiguredPort() const;
    /// Who opens the port: a transfer at the configured setting, or the link
    /// search (and the restart after it), which tries settings quietly.
    enum class PortUse { Transfer, Search };
    /// Closes the port if open and opens it at `setting` for the link; true
    /// when it is open. On failure `failure` (if given) gets the reason.
    bool OpenPortAt(const PortSetting& setting, PortUse use, PortOpenResult* failure = nullptr);
    void BeginWriteAfterCommit();
    void OpenProgressAndLink();
    void NotStarted(TransferResult result);

    // Sending: each arms the reception and restarts the response timer.
    void SendFrame(const Bytes& frame, int threshold, int expectedLength, bool activate);
    int EchoFor(const Bytes& frame) const;
    void SendHandshake();
    void SendIdentRequest();
    void SendReadRequest(int address);
    void SendWriteBlock(int address);
    void SendTestDataWrite();
    /// The test-data step's frame: the read request, or the write of a write.
    void SendTestData();
    void SendEnd();
    void StartWaitTimer();
    void StopWaitTimer();

    // Reception and steps.
    void OnLinkReceive();
    /// At the handshake: a whole reply of either echo shape is taken and sets
    /// the echo assumption. True while the bytes may still become one (wait).
    bool AdoptHandshakeEcho();
    /// A one-byte answer that came too soon to answer the frame is dropped
    /// (see AnswerTiming): true when it was.
    bool SetAsideEarlyAnswer();
    /// The expected bytes are there: classify them.
    void TakeReply();
    bool ClassifyReply(const Bytes& whole);
    bool PasswordStep() const;
    /// The blocks of the phase in progress are sent to the radio, not read.
    bool WritingBlocks() const;
    bool HandleReply(ReplyKind kind, std::span<const std::uint8_t> reply);
    bool RefuseWrite();
    void HandlePasswordReply(std::span<const std::uint8_t> reply);
    void NextStep();
    void NextBlock();
    /// After the password step (the identification, for the information
    /// area): the test data where it goes with the phase, then its blocks.
    void BeginBlocks();
    void StartPlan(TransferPlan plan);
    /// The radio's memory has been read: keep it, work out the blocks to send.
    void AfterBackupRead();
    /// The end frame is through (acknowledged or timed out).
    void AfterEndFrame();
    void CompareReadBack();
    void StoreWriteSessionBlock(std::span<const std::uint8_t> reply);
    bool KeepsBackup() const { return request_.kind != WriteKind::Plain; }
    void BeginEnd();
    bool CheckRadioIdentity();
    /// The progress label of the write phase in progress ("Progress:" outside
    /// a write that keeps a backup).
    std::string PhaseLabel() const;
    /// A write phase starts: its label, and the bar back at 0.
    void BeginPhaseProgress();
    void UpdateProgress();
    void OnResponseTimeout(std::uint64_t generation);
    void GiveUpHandshake();
    void AskRestartAfterTimeout();
    /// The radio refused the block in progress more often than it may.
    void AskRestartAfterRefusals();
    /// Asks whether to start the transfer again from the handshake; Cancel
    /// ends it with `onCancel`.
    void AskRestart(const std::string& question, Buttons buttons, TransferResult onCancel);
    void AskRetryAfterTimeout();
    /// The port reports its device gone: the transfer ends with PortLost.
    void OnPortLost();
    void Fail(TransferResult result);
    void FinishTransfer(bool success);
    void OnReadOk();

    // Questions (TransferQuestions): reception is off while one is open and
    // stale input is dropped after it. Nothing (false) when the transfer was
    // ended meanwhile.
    std::optional<Answer> Ask(const std::string& text, Buttons buttons,
                              Severity severity) override;
    bool Tell(const std::string& text, Severity severity) override;
    void AfterDialog(bool wasActive);

    // Link search.
    void StartLinkSearch();
    void AdvanceCandidate(bool advance);
    void SendSearchHandshake();
    void SearchStep();
    bool SearchModelMatches();
    void SearchEnd();
    void SaveLinkSettings();
    void SearchTimeout();

    // Trace.
    /// Drops the input nobody read, after putting it in the trace.
    void DiscardUnreadInput();
    void TraceNote(const std::string& text);
    void TraceBytes(bool sent, const Bytes& bytes);
    void TraceTimeout();

    AppContext& app_;
    SerialPortService& port_;
    TimerService& timers_;
    const PortList& portList_;
    LinkUser& user_;
    LinkHooks hooks_;
    LinkTrace* trace_ = nullptr;
    FinishedHandler finished_;
    std::function<void()> readDecoded_;

    LinkMode mode_ = LinkMode::Idle;
    LinkStep step_ = LinkStep::Idle;
    int currentAddress_ = 0;
    TransferPlan plan_; // the blocks of the phase in progress
    int planIndex_ = -1;
    WriteRequest request_;
    WritePhase phase_ = WritePhase::None;
    WriteReport report_;
    ImageBytes readBack_{};
    std::string serial_;
    int blockLength_ = kBlockLength;
    std::vector<std::int16_t> blockRetries_;
    int handshakeCount_ = 0;
    int identRetries_ = 3;
    int passwordRetries_ = 3;
    int testDataRetries_ = 3;
    int blockResends_ = 0;         // resend requests for the write block in progress
    bool linkActive_ = false;
    int lastPercent_ = 0;
    bool fallbackRestarted_ = false;
    bool reopenBeforeRestart_ = false;
    TransferResult result_ = TransferResult::Success;

    // Reception of the frame last sent.
    int echoLength_ = 0;
    int expectedLength_ = 0;
    Bytes sentFrame_; // its echo must lead the reply
    Bytes receiveBuffer_;
    bool replyTaken_ = false; // the expected bytes have been classified
    AnswerTiming timing_;     // whether a one-byte answer came too soon to be one

    // Timers: the generation makes a time-out that was already due when the
    // timer was stopped or restarted harmless.
    TimerHandle waitTimer_ = 0;
    std::uint64_t waitGeneration_ = 0;
    TimerHandle readOkTimer_ = 0;
    TimerHandle waitSaveTimer_ = 0;
    int dialogDepth_ = 0;
    std::uint64_t transferSerial_ = 0; // counts ended transfers

    LinkSearchState search_;
    std::string progressCaption_;
    bool progressOpen_ = false;
};

} // namespace pmr
