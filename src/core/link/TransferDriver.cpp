#include "link/TransferDriver.h"

#include "app/AppContext.h"
#include "backup/BackupStore.h"
#include "backup/RadioBackup.h"
#include "document/TrimFix.h"
#include "image/ImageAreas.h"
#include "image/ImageDifferences.h"
#include "link/LinkTrace.h"
#include "link/LinkUser.h"
#include "link/PortList.h"
#include "link/PortOpenFailure.h"
#include "link/ProgramHandOver.h"
#include "link/RadioPassword.h"
#include "link/SerialPortService.h"

#include <algorithm>

namespace pmr {

namespace {

constexpr int kHandshakeRetriesRead = 5;
constexpr int kHandshakeRetriesWrite = 3;
constexpr int kHandshakeRetriesInfo = 3;
constexpr int kStartRetries = 3;
/// The progress label of each phase of a write that keeps a backup.
constexpr int kPhaseLabelTexts[] = {9029, 9133, 9134, 9135}; // by WritePhase
/// The radio features that refuse a write, each with its own text.
constexpr std::size_t kFeatureRefusesWrite = 0;
constexpr std::size_t kFeatureRefusesWriteOther = 1;

// value * 100 / total, rounded to the nearest integer, a tie going to the even one.
int PercentHalfEven(long value, long total) {
    if (total <= 0 || value <= 0)
        return 0;
    const long num = value * 100;
    long q = num / total;
    const long r2 = 2 * (num % total);
    if (r2 > total || (r2 == total && (q % 2) != 0))
        ++q;
    return static_cast<int>(q);
}

// The radio answers a write block (and the end frame) with a single byte. An
// ACK carries nothing that ties it to the frame just sent: when more than one
// byte follows the echo, an ACK among them may be a late duplicate of the
// previous block's or a stray byte, while the radio's real answer is another.
// So such an answer acknowledges only when it is ACKs and nothing else; a
// resend request anywhere in it asks for the block again; anything else is no
// answer the driver knows (the time-out sends the block again). A stray ACK
// that arrives in a receive of its own before the real answer cannot be told
// from one by its bytes: with an echoing cable it overtakes the echo and fails
// that check; without one, its time gives it away (AnswerTiming).
Bytes OneByteAnswer(const Bytes& received, std::size_t echo) {
    const auto answer = received.begin() + static_cast<std::ptrdiff_t>(echo);
    Bytes whole(received.begin(), answer);
    if (std::all_of(answer, received.end(), [](std::uint8_t b) { return b == kAck; }))
        whole.push_back(kAck);
    else if (std::find(answer, received.end(), kResend) != received.end())
        whole.push_back(kResend);
    else
        whole.insert(whole.end(), answer, received.end());
    return whole;
}

std::string Hex4(int value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0000";
    for (int i = 3; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

} // namespace

TransferDriver::TransferDriver(AppContext& app, SerialPortService& port, TimerService& timers,
                               const PortList& ports, LinkUser& user, LinkHooks hooks)
    : app_(app), port_(port), timers_(timers), portList_(ports), user_(user),
      hooks_(std::move(hooks)) {
    port_.SetReceiveListener([this] { OnLinkReceive(); });
}

TransferDriver::~TransferDriver() {
    timers_.Cancel(waitTimer_);
    timers_.Cancel(readOkTimer_);
    timers_.Cancel(waitSaveTimer_);
    port_.SetReceiveListener({});
    if (mode_ != LinkMode::Idle)
        ClosePortIfOpen();
}

bool TransferDriver::Busy() const {
    return mode_ != LinkMode::Idle || waitSaveTimer_ != 0 || readOkTimer_ != 0;
}

// ---------------------------------------------------------------- start

bool TransferDriver::StartRead() {
    if (Busy())
        return false;
    user_.CommitEdits(LinkMode::Read);
    mode_ = LinkMode::Read;
    step_ = LinkStep::Idle;
    linkActive_ = false;
    TraceNote("read started");
    if (!PrepareTransfer()) {
        NotStarted(TransferResult::PortNotOpened);
        return true;
    }
    // The question is asked with the port closed; the progress window reopens it.
    port_.ClosePort();
    const auto answer =
        Ask(app_.texts.GetLangText(9004), Buttons::OkCancel, Severity::Question);
    if (!answer)
        return true;
    if (*answer != Answer::Ok) {
        ClosePortIfOpen();
        NotStarted(TransferResult::Declined);
        return true;
    }
    if (hooks_.clearImage)
        hooks_.clearImage(app_, mode_);
    OpenProgressAndLink();
    return true;
}

bool TransferDriver::StartWrite(WriteRequest request) {
    if (Busy())
        return false;
    request_ = std::move(request);
    user_.CommitEdits(LinkMode::Write);
    // The editors commit their focused control through their own events; the
    // write starts after those have run.
    waitSaveTimer_ = timers_.Start(user_.HasEditors() ? kWaitSaveDataTimerMs : 0, [this] {
        waitSaveTimer_ = 0;
        BeginWriteAfterCommit();
    });
    return true;
}

void TransferDriver::BeginWriteAfterCommit() {
    mode_ = LinkMode::Write;
    step_ = LinkStep::Idle;
    linkActive_ = false;
    TraceNote(request_.kind == WriteKind::Plain ? "write started"
              : request_.kind == WriteKind::Safe ? "write started, keeping a backup"
                                                 : "restore of a backup started");
    report_ = WriteReport{};
    report_.kind = request_.kind;
    report_.dryRun = request_.dryRun;
    phase_ = WritePhase::None;
    // A restore writes a kept image: the document plays no part in it.
    if (hooks_.refuseWrite && request_.kind != WriteKind::Restore) {
        if (const std::string why = hooks_.refuseWrite(app_); !why.empty()) {
            user_.ShowMessage(why, Severity::Critical);
            NotStarted(TransferResult::DocumentUnfit);
            return;
        }
    }
    // Nothing may be sent while the radio's memory could not be kept.
    if (KeepsBackup() && hooks_.backupFolderProblem) {
        if (const std::string why = hooks_.backupFolderProblem(app_); !why.empty()) {
            user_.ShowMessage(why, Severity::Critical);
            NotStarted(TransferResult::BackupFailed);
            return;
        }
    }
    if (!PrepareTransfer()) {
        NotStarted(TransferResult::PortNotOpened);
        return;
    }
    port_.ClosePort();
    // A restore writes the backup, not the data the windows show.
    const int question = request_.kind == WriteKind::Restore ? 9190 : 9005;
    const auto answer =
        Ask(app_.texts.GetLangText(question), Buttons::OkCancel, Severity::Question);
    if (!answer)
        return;
    if (*answer != Answer::Ok) {
        ClosePortIfOpen();
        NotStarted(TransferResult::Declined);
        return;
    }
    // A write that keeps a backup encodes once the radio's memory is read.
    if (!KeepsBackup()) {
        if (hooks_.clearImage)
            hooks_.clearImage(app_, mode_);
        if (hooks_.encodeImage)
            hooks_.encodeImage(app_);
    }
    OpenProgressAndLink();
}

bool TransferDriver::ReadRMGDataFromRadio() {
    if (Busy())
        return false;
    mode_ = LinkMode::RadioInfo;
    step_ = LinkStep::Idle;
    linkActive_ = false;
    TraceNote("radio information read started");
    if (!PrepareTransfer()) {
        NotStarted(TransferResult::PortNotOpened);
        return true;
    }
    if (hooks_.clearImage)
        hooks_.clearImage(app_, mode_);
    handshakeCount_ = 0;
    identRetries_ = kStartRetries;
    SendHandshake();
    return true;
}

void TransferDriver::Abort() {
    if (waitSaveTimer_ != 0) {
        timers_.Cancel(waitSaveTimer_);
        waitSaveTimer_ = 0;
        mode_ = LinkMode::Write;
        NotStarted(TransferResult::Aborted);
        return;
    }
    if (mode_ == LinkMode::Idle)
        return;
    if (mode_ == LinkMode::Search) {
        mode_ = search_.savedMode;
        user_.SetProgressCaption(search_.savedProgressCaption);
    }
    Fail(TransferResult::Aborted);
}

void TransferDriver::NotStarted(TransferResult result) {
    const LinkMode mode = mode_;
    StopWaitTimer();
    linkActive_ = false;
    mode_ = LinkMode::Idle;
    step_ = LinkStep::Idle;
    ++transferSerial_;
    TraceNote("transfer not started");
    if (finished_)
        finished_(mode, result);
}

bool TransferDriver::PrepareTransfer() {
    StartPlan(mode_ == LinkMode::RadioInfo ? InfoAreaPlan() : WholeImagePlan());
    phase_ = WritePhase::None;
    if (mode_ == LinkMode::Write && KeepsBackup()) {
        // The backup names the radio by its serial number too: one block more.
        phase_ = WritePhase::Backup;
        plan_.addresses.push_back(kSerialBlockAddress);
        StartPlan(plan_);
    }
    blockLength_ = kBlockLength;
    lastPercent_ = 0;
    StopWaitTimer();
    passwordRetries_ = kStartRetries;
    testDataRetries_ = kStartRetries;
    blockResends_ = 0;
    fallbackRestarted_ = false;
    reopenBeforeRestart_ = false;
    result_ = TransferResult::Success;
    // An identity check must never see the answer of an earlier radio.
    app_.link.RadioModelName.clear();
    app_.link.RadioVersion.clear();
    app_.link.RadioBandCode = 0;
    return OpenLinkPort();
}

PortSetting TransferDriver::ConfiguredPort() const {
    return {app_.config.ComPort, app_.config.HandshakingMode, app_.config.StopBits};
}

bool TransferDriver::OpenLinkPort() {
    PortOpenResult result;
    if (OpenPortAt(ConfiguredPort(), PortUse::Transfer, &result))
        return true;
    std::string text = app_.texts.GetLangText(9003);
    const std::string reason = PortOpenFailureReason(result, &app_.texts);
    if (!reason.empty())
        text += (text.empty() ? "" : "\n") + reason;
    Tell(text, Severity::Critical);
    return false;
}

bool TransferDriver::OpenPortAt(const PortSetting& setting, PortUse use,
                                PortOpenResult* failure) {
    linkActive_ = false;
    if (port_.PortOpen())
        port_.ClosePort();
    port_.SetCommPort(setting.port);
    // 9600 bit/s, no parity, 8 data bits. The search has always spelt the
    // parity in capitals; the port takes either.
    const std::string parity = use == PortUse::Search ? "N" : "n";
    bool accepted = port_.SetHandshaking(setting.handshaking);
    accepted = port_.SetSettings("9600," + parity + ",8," + std::to_string(setting.stopBits)) &&
               accepted;
    port_.SetInputMode(1);
    port_.SetInputLen(0);
    port_.SetRThreshold(1);
    expectedLength_ = port_.RThreshold();
    PortOpenResult result;
    if (accepted)
        result = port_.OpenPort();
    else
        result.error = PortOpenError::BadSettings;
    // The search's trace names the whole setting: it tries many on one port.
    std::string where = "port " + std::to_string(setting.port);
    if (use == PortUse::Search)
        where += " handshaking " + std::to_string(setting.handshaking) + " stop bits " +
                 std::to_string(setting.stopBits);
    if (result.ok()) {
        TraceNote(where + " opened");
        return true;
    }
    TraceNote(where + " failed: " + PortOpenFailureReason(result));
    if (failure)
        *failure = result;
    // A parity error raised while opening leaves the port open and usable.
    return port_.CommEvent() == kCommEventRxParity;
}

void TransferDriver::ClosePortIfOpen() {
    if (port_.PortOpen())
        port_.ClosePort();
}

void TransferDriver::OpenProgressAndLink() {
    progressCaption_ =
        mode_ == LinkMode::Read ? app_.texts.GetLangText(9027) : app_.texts.GetLangText(9028);
    user_.OpenProgress(progressCaption_, PhaseLabel());
    progressOpen_ = true;
    handshakeCount_ = 0;
    identRetries_ = kStartRetries;
    const PortOpenResult opened = port_.OpenPort();
    if (!opened.ok())
        TraceNote("port failed: " + PortOpenFailureReason(opened)); // silence leads to the search
    SendHandshake();
}

// ---------------------------------------------------------------- sending

void TransferDriver::StartWaitTimer() {
    timers_.Cancel(waitTimer_);
    const std::uint64_t generation = ++waitGeneration_;
    waitTimer_ = timers_.Start(kWaitTimerMs, [this, generation] { OnResponseTimeout(generation); });
}

void TransferDriver::StopWaitTimer() {
    timers_.Cancel(waitTimer_);
    waitTimer_ = 0;
    ++waitGeneration_;
}

void TransferDriver::SendFrame(const Bytes& frame, int threshold, int expectedLength,
                               bool activate) {
    StartWaitTimer();
    port_.SetRThreshold(threshold);
    expectedLength_ = expectedLength > 0 ? expectedLength : port_.RThreshold();
    port_.DiscardOutput();
    DiscardUnreadInput();
    receiveBuffer_.clear();
    replyTaken_ = false;
    timing_.FrameSent(timers_.NowMs(), frame.size());
    sentFrame_ = frame;
    if (activate)
        linkActive_ = true;
    TraceBytes(true, frame);
    if (!port_.Output(frame))
        TraceNote("write failed");
}

int TransferDriver::EchoFor(const Bytes& frame) const {
    return app_.link.EchoExpected ? static_cast<int>(frame.size()) : 0;
}

void TransferDriver::SendHandshake() {
    switch (mode_) {
    case LinkMode::Read:
    case LinkMode::RadioInfo:
    case LinkMode::Write:
        step_ = LinkStep::Handshake;
        break;
    default:
        mode_ = LinkMode::Idle;
        step_ = LinkStep::Idle;
        break;
    }
    const Bytes frame = HandshakeFrame();
    echoLength_ = EchoFor(frame);
    // The event comes from the third byte on, so that a reply without echo is
    // seen even while an echo is expected (see AdoptHandshakeEcho).
    SendFrame(frame, kHandshakeReplyLength, echoLength_ + kHandshakeReplyLength, true);
}

void TransferDriver::SendIdentRequest() {
    const Bytes frame = IdentRequestFrame();
    echoLength_ = EchoFor(frame);
    // The identification comes in pieces: every byte raises an event and the
    // bytes are collected until the whole reply is there.
    SendFrame(frame, 1, echoLength_ + kIdentReplyLength, false);
}

void TransferDriver::SendReadRequest(int address) {
    const Bytes frame = ReadRequestFrame(address);
    echoLength_ = EchoFor(frame);
    SendFrame(frame, echoLength_ + kBlockLength + kBlockReplyOverhead, 0, false);
}

void TransferDriver::SendWriteBlock(int address) {
    UpdateProgress();
    const auto first = app_.images.ImageBuf.begin() + address;
    const Bytes frame =
        WriteBlockFrame(address, std::span<const std::uint8_t>(&*first, kBlockLength));
    echoLength_ = EchoFor(frame);
    SendFrame(frame, echoLength_ + kOneByteReplyLength, 0, false);
}

void TransferDriver::SendTestDataWrite() {
    const Bytes frame = TestDataWriteFrame(app_);
    echoLength_ = EchoFor(frame);
    SendFrame(frame, echoLength_ + kOneByteReplyLength, 0, false);
}

void TransferDriver::SendTestData() {
    if (WritingBlocks())
        SendTestDataWrite();
    else
        SendReadRequest(kTestDataAddress);
}

void TransferDriver::SendEnd() {
    const Bytes frame = EndFrame();
    echoLength_ = EchoFor(frame);
    SendFrame(frame, echoLength_ + kOneByteReplyLength, 0, false);
}

// ---------------------------------------------------------------- receiving

void TransferDriver::OnLinkReceive() {
    if (port_.CommEvent() == kCommEventPortFailed) {
        OnPortLost();
        return;
    }
    if (port_.CommEvent() != kCommEventReceive)
        return;
    const Bytes received = port_.Input();
    if (received.empty())
        return;
    TraceBytes(false, received);
    if (!linkActive_ || dialogDepth_ > 0 || mode_ == LinkMode::Idle || replyTaken_)
        return; // dropped: nobody waits for them, or the reply was classified already
    receiveBuffer_.insert(receiveBuffer_.end(), received.begin(), received.end());
    if (AdoptHandshakeEcho())
        return;
    if (receiveBuffer_.size() < static_cast<std::size_t>(expectedLength_))
        return;
    if (SetAsideEarlyAnswer())
        return;
    TakeReply();
}

bool TransferDriver::SetAsideEarlyAnswer() {
    // With an echo, a byte ahead of the radio's answer spoils the echo instead.
    if (echoLength_ != 0 || expectedLength_ != kOneByteReplyLength ||
        !timing_.SetAside(timers_.NowMs()))
        return false;
    TraceNote("the " + std::to_string(receiveBuffer_.size()) +
              " bytes above came too soon to answer the frame: set aside");
    receiveBuffer_.clear();
    return true;
}

void TransferDriver::TakeReply() {
    // Further bytes beyond the expected count are dropped with the buffer,
    // except after a frame the radio answers with one byte.
    Bytes whole(receiveBuffer_.begin(), receiveBuffer_.begin() + expectedLength_);
    if (expectedLength_ == echoLength_ + kOneByteReplyLength &&
        receiveBuffer_.size() > whole.size())
        whole = OneByteAnswer(receiveBuffer_, static_cast<std::size_t>(echoLength_));
    receiveBuffer_.clear();
    replyTaken_ = true;
    ClassifyReply(whole);
}

bool TransferDriver::AdoptHandshakeEcho() {
    const bool transfer =
        mode_ == LinkMode::Read || mode_ == LinkMode::Write || mode_ == LinkMode::RadioInfo;
    if (!transfer || step_ != LinkStep::Handshake)
        return false;
    // The handshake is where the cable's echo is learnt. Its reply counts in
    // either shape, "K W ACK" alone or after the echo of the handshake frame;
    // a whole reply of the other shape than expected switches the echo
    // assumption at once instead of waiting for the time-out to flip it.
    const Bytes plain{0x4B, 0x57, kAck};
    Bytes echoed = HandshakeFrame();
    echoed.insert(echoed.end(), plain.begin(), plain.end());
    const Bytes& got = receiveBuffer_;
    if (got == plain || got == echoed) {
        app_.link.EchoExpected = got == echoed;
        echoLength_ = static_cast<int>(got.size() - plain.size());
        expectedLength_ = static_cast<int>(got.size());
        return false;
    }
    // Bytes that may still become one of the two wait for the rest.
    const auto beginsOf = [&](const Bytes& whole) {
        return got.size() < whole.size() && std::equal(got.begin(), got.end(), whole.begin());
    };
    return beginsOf(plain) || beginsOf(echoed);
}

bool TransferDriver::PasswordStep() const {
    return (mode_ == LinkMode::Read || mode_ == LinkMode::Write) && step_ == LinkStep::Password;
}

bool TransferDriver::WritingBlocks() const {
    // A write that keeps a backup reads the radio's memory before it writes
    // and reads the written blocks back after it.
    return mode_ == LinkMode::Write &&
           (phase_ == WritePhase::None || phase_ == WritePhase::Write);
}

bool TransferDriver::ClassifyReply(const Bytes& whole) {
    ClassifyContext ctx;
    ctx.echoLength = echoLength_;
    ctx.passwordStep = PasswordStep();
    ctx.currentAddress = currentAddress_;
    ctx.blockLength = blockLength_;
    // With an echoing cable the echo of the frame comes back first, byte for
    // byte: anything that overtakes or spoils it (a stray ACK, say) means the
    // reply after it cannot be told from the bytes around it. It is a wrong
    // reply, and the time-out asks again.
    const std::size_t echo = static_cast<std::size_t>(echoLength_);
    const bool echoIntact =
        whole.size() >= echo && sentFrame_.size() >= echo &&
        std::equal(sentFrame_.begin(), sentFrame_.begin() + echo, whole.begin());
    const ReplyKind kind = echoIntact ? Classify(whole, ctx) : ReplyKind::None;
    const auto reply = ReplyPart(whole, echoLength_);
    if (kind != ReplyKind::None && kind != ReplyKind::Ack && kind != ReplyKind::ResendRequest)
        timing_.NamedReply(timers_.NowMs(), reply.size(), kind == ReplyKind::HandshakeReply);
    if (mode_ == LinkMode::Search) {
        if (kind == ReplyKind::HandshakeReply && step_ == LinkStep::Handshake) {
            SearchStep();
            return true;
        }
        if (kind == ReplyKind::IdentReply && step_ == LinkStep::Ident) {
            StoreIdent(app_, reply);
            if (hooks_.decodeFeatureFlags)
                hooks_.decodeFeatureFlags(app_);
            SearchStep();
            return true;
        }
        return false;
    }
    return HandleReply(kind, reply);
}

bool TransferDriver::HandleReply(ReplyKind kind, std::span<const std::uint8_t> reply) {
    const bool blockSteps = step_ == LinkStep::TestData || step_ == LinkStep::Blocks;
    switch (kind) {
    case ReplyKind::None:
        return false;
    case ReplyKind::Ack:
        // An acknowledgement never stands for the identification, the
        // password block or a block read: those steps must see the radio's
        // data, and a read without it is asked for again like any wrong reply.
        // (The information read has always taken one for its identification.)
        if ((mode_ == LinkMode::Read || mode_ == LinkMode::Write) &&
            (step_ == LinkStep::Ident || step_ == LinkStep::Password))
            return false;
        if (blockSteps && !WritingBlocks())
            return false;
        if (step_ == LinkStep::Blocks)
            ++report_.blocksWritten;
        StopWaitTimer();
        NextStep();
        return true;
    case ReplyKind::ResendRequest:
        // Only a written block (or the written test data) can be sent again;
        // in any other step the radio has nothing to ask for.
        if (!blockSteps || !WritingBlocks())
            return false;
        StopWaitTimer();
        if (++blockResends_ > kResendsPerBlock) {
            AskRestartAfterRefusals();
            return true;
        }
        if (step_ == LinkStep::TestData)
            SendTestDataWrite();
        else
            SendWriteBlock(currentAddress_);
        return true;
    case ReplyKind::HandshakeReply:
        if (step_ != LinkStep::Handshake)
            return false;
        StopWaitTimer();
        NextStep();
        return true;
    case ReplyKind::IdentReply:
        if (step_ != LinkStep::Ident)
            return false;
        // The information read only needs the radio to answer.
        if (mode_ != LinkMode::RadioInfo) {
            StoreIdent(app_, reply);
            if (hooks_.decodeFeatureFlags)
                hooks_.decodeFeatureFlags(app_);
            if (mode_ == LinkMode::Write && RefuseWrite())
                return true;
        }
        NextStep();
        return true;
    case ReplyKind::TestDataReply:
        if (step_ != LinkStep::TestData || mode_ != LinkMode::Read)
            return false;
        StoreTestDataReply(app_, reply);
        NextStep();
        return true;
    case ReplyKind::PasswordReply:
        HandlePasswordReply(reply);
        return true;
    case ReplyKind::BlockReply:
        if (step_ != LinkStep::Blocks || WritingBlocks())
            return false;
        if (mode_ == LinkMode::Write)
            StoreWriteSessionBlock(reply);
        else
            StoreBlock(app_, reply, currentAddress_);
        if (mode_ != LinkMode::RadioInfo)
            UpdateProgress();
        NextStep();
        return true;
    }
    return false;
}

bool TransferDriver::RefuseWrite() {
    const auto& features = app_.config.RadioFeatures;
    int textId = 0;
    if (features[kFeatureRefusesWrite] != 0)
        textId = 9031;
    else if (features[kFeatureRefusesWriteOther] != 0)
        textId = 9032;
    if (textId == 0)
        return false;
    StopWaitTimer();
    const std::string text =
        textId == 9031 ? app_.texts.GetLangText(9031) : app_.texts.GetLangText(9032);
    if (Tell(text, Severity::Information))
        Fail(TransferResult::WriteRefused);
    return true;
}

void TransferDriver::HandlePasswordReply(std::span<const std::uint8_t> reply) {
    if (CheckRadioPassword(reply, app_.link.EnteredPassword)) {
        NextStep();
        return;
    }
    StopWaitTimer();
    const Bytes block(reply.begin(), reply.end()); // the reply lives only as long as this call
    const std::uint64_t serial = transferSerial_;
    const bool wasActive = linkActive_;
    linkActive_ = false;
    ++dialogDepth_;
    const std::optional<std::string> entered = user_.AskPassword(app_.link.EnteredPassword);
    --dialogDepth_;
    if (serial != transferSerial_)
        return;
    AfterDialog(wasActive);
    if (entered)
        app_.link.EnteredPassword = TrimFix(entered->substr(0, 4));
    if (CheckRadioPassword(block, app_.link.EnteredPassword)) {
        NextStep();
        return;
    }
    if (Tell("PassWord Failure!", Severity::Information))
        Fail(TransferResult::WrongPassword);
}

// ---------------------------------------------------------------- steps

void TransferDriver::NextStep() {
    StopWaitTimer();
    blockResends_ = 0;
    const bool transfer =
        mode_ == LinkMode::Read || mode_ == LinkMode::Write || mode_ == LinkMode::RadioInfo;
    switch (transfer ? step_ : LinkStep::Idle) {
    case LinkStep::Handshake:
        step_ = LinkStep::Ident;
        SendIdentRequest();
        return;
    case LinkStep::Ident:
        // The information area is read without the password.
        if (mode_ == LinkMode::RadioInfo) {
            BeginBlocks();
            return;
        }
        step_ = LinkStep::Password;
        SendReadRequest(kPasswordAddress);
        return;
    case LinkStep::Password:
        if (!CheckRadioIdentity())
            return;
        BeginBlocks();
        return;
    case LinkStep::TestData:
    case LinkStep::Blocks:
        step_ = LinkStep::Blocks;
        NextBlock();
        return;
    case LinkStep::End:
        AfterEndFrame();
        return;
    case LinkStep::Idle:
        break;
    }
    FinishTransfer(false);
}

void TransferDriver::StartPlan(TransferPlan plan) {
    plan_ = std::move(plan);
    planIndex_ = -1;
    currentAddress_ = -kBlockLength;
    blockRetries_.assign(static_cast<std::size_t>(plan_.Size()), kStartRetries);
}

void TransferDriver::NextBlock() {
    ++planIndex_;
    if (planIndex_ >= plan_.Size()) {
        if (mode_ == LinkMode::Write && phase_ == WritePhase::Backup)
            AfterBackupRead();
        else
            BeginEnd();
        return;
    }
    currentAddress_ = plan_.addresses[static_cast<std::size_t>(planIndex_)];
    if (WritingBlocks())
        SendWriteBlock(currentAddress_);
    else
        SendReadRequest(currentAddress_);
}

void TransferDriver::BeginBlocks() {
    // The factory's test data goes with the main memory's read and write; the
    // reads around a write that keeps a backup and the information read go
    // without it.
    const bool testData = app_.factory.TestDataEnabled &&
                          (mode_ == LinkMode::Read || WritingBlocks());
    if (testData) {
        step_ = LinkStep::TestData;
        SendTestData();
        return;
    }
    step_ = LinkStep::Blocks;
    NextBlock();
}

void TransferDriver::StoreWriteSessionBlock(std::span<const std::uint8_t> reply) {
    constexpr std::size_t overhead = kBlockReplyOverhead;
    if (reply.size() < overhead)
        return;
    const std::size_t length =
        std::min<std::size_t>(reply[kBlockReplyLengthAt], reply.size() - overhead);
    const auto data = reply.subspan(kBlockReplyHeader, std::min<std::size_t>(length, kBlockLength));
    if (currentAddress_ == kSerialBlockAddress) {
        std::array<std::uint8_t, kBlockLength> block{};
        std::copy(data.begin(), data.end(), block.begin());
        serial_ = SerialFromBlock(block.data());
        report_.serial = serial_;
        return;
    }
    if (currentAddress_ < 0 || currentAddress_ + kBlockLength > kImageSize)
        return;
    ImageBytes& into = phase_ == WritePhase::Verify ? readBack_ : report_.radioBefore;
    std::copy(data.begin(), data.end(), into.begin() + currentAddress_);
}

void TransferDriver::AfterBackupRead() {
    StopWaitTimer();
    const ImageBytes& radio = report_.radioBefore;
    std::string message;
    const std::string path =
        hooks_.keepBackup ? hooks_.keepBackup(app_, radio, serial_, message) : std::string();
    if (path.empty()) {
        TraceNote("the backup could not be kept: nothing is written");
        if (Tell(message, Severity::Critical))
            Fail(TransferResult::BackupFailed);
        return;
    }
    report_.backupPath = path;
    TraceNote("backup kept: " + path);
    if (request_.kind == WriteKind::Restore) {
        app_.images.ImageBuf = request_.restoreImage;
        report_.changed = WholeImagePlan();
    } else {
        if (hooks_.encodeOver)
            hooks_.encodeOver(app_, radio);
        report_.changed = ChangedBlocks(radio, app_.images.ImageBuf);
    }
    report_.intended = app_.images.ImageBuf;
    // The test data has no copy in the memory read: in the factory mode it is
    // written every time.
    report_.noChange = report_.changed.Empty() && !app_.factory.TestDataEnabled;
    TraceNote(std::to_string(report_.changed.Size()) + " blocks differ");
    if (request_.dryRun || report_.noChange) {
        BeginEnd();
        return;
    }
    phase_ = WritePhase::Write;
    StartPlan(report_.changed);
    BeginPhaseProgress();
    BeginBlocks();
}

void TransferDriver::AfterEndFrame() {
    if (mode_ != LinkMode::Write || phase_ != WritePhase::Write || report_.changed.Empty()) {
        if (phase_ == WritePhase::Verify)
            CompareReadBack();
        else
            FinishTransfer(true);
        return;
    }
    // The radio takes what was written with the end frame; a session of its
    // own then reads the written blocks back.
    TraceNote("reading the written blocks back");
    phase_ = WritePhase::Verify;
    StartPlan(report_.changed);
    BeginPhaseProgress();
    readBack_ = report_.intended;
    handshakeCount_ = 0;
    identRetries_ = kStartRetries;
    passwordRetries_ = kStartRetries;
    SendHandshake();
}

void TransferDriver::CompareReadBack() {
    StopWaitTimer();
    report_.mismatched.clear();
    ImageBytes expected = report_.radioBefore, found = report_.radioBefore;
    for (int address : report_.changed.addresses) {
        const auto from = static_cast<std::ptrdiff_t>(address);
        const auto to = from + kBlockLength;
        if (!std::equal(readBack_.begin() + from, readBack_.begin() + to,
                        report_.intended.begin() + from))
            report_.mismatched.push_back(address);
        std::copy(report_.intended.begin() + from, report_.intended.begin() + to,
                  expected.begin() + from);
        std::copy(readBack_.begin() + from, readBack_.begin() + to, found.begin() + from);
    }
    if (report_.mismatched.empty()) {
        FinishTransfer(true);
        return;
    }
    report_.mismatchAreas = DescribeDifferences(expected, found, &app_.texts);
    report_.mismatchMembers = CompareImages(app_, expected, found, app_.texts, hooks_.decodeImage);
    TraceNote(std::to_string(report_.mismatched.size()) + " blocks read back otherwise");
    // The members the user knows, where the bytes hold any; else their areas.
    std::vector<std::string> names;
    for (const DocumentDifference& d : report_.mismatchMembers)
        if (std::find(names.begin(), names.end(), DifferenceCaption(app_.texts, d)) == names.end())
            names.push_back(DifferenceCaption(app_.texts, d));
    std::string text = FillMarker(app_.texts.GetLangText(9123), "%1",
                                  JoinAreaNames(names.empty() ? report_.mismatchAreas : names));
    text = FillMarker(text, "%2", report_.backupPath);
    const auto answer = Ask(text, Buttons::YesNo, Severity::Critical);
    if (!answer)
        return;
    report_.restoreWanted = *answer == Answer::Yes;
    Fail(TransferResult::VerifyFailed);
}

void TransferDriver::BeginEnd() {
    if (mode_ != LinkMode::Read && mode_ != LinkMode::Write && mode_ != LinkMode::RadioInfo) {
        FinishTransfer(false);
        return;
    }
    step_ = LinkStep::End;
    SendEnd();
}

bool TransferDriver::CheckRadioIdentity() {
    StopWaitTimer();
    const LinkState& radio = app_.link;
    const bool restoring = mode_ == LinkMode::Write && request_.kind == WriteKind::Restore;
    // A backup goes back only into a radio of the model and band it came from.
    const int docBand = restoring ? ImageBandCode(request_.restoreImage)
                        : hooks_.bandCodeFromText ? hooks_.bandCodeFromText(app_.docState.BandText)
                                                  : 0;
    const bool bandOk = docBand == radio.RadioBandCode;
    const std::string radioModel = TrimFix(radio.RadioModelName);
    const std::string docModel =
        restoring ? ImageModelName(request_.restoreImage) : TrimFix(app_.docState.ModelNameText);
    const bool modelOk =
        radioModel == docModel || (mode_ == LinkMode::Read && radioModel == "VX210");
    const bool versionOk = hooks_.isVersionPairListed &&
                           hooks_.isVersionPairListed(app_, kProgramVersionTag, radio.RadioVersion);
    if (bandOk && modelOk && versionOk)
        return true;
    if (!modelOk) {
        if (Tell(app_.texts.GetLangText(9012), Severity::Information))
            Fail(TransferResult::OtherModel);
        return false;
    }
    if (!versionOk) {
        const auto handOver =
            OfferProgramHandOver(app_, hooks_, *this, kProgramVersionTag, radio.RadioVersion);
        if (handOver)
            Fail(*handOver == HandOver::Started ? TransferResult::ProgramSwitch
                                                : TransferResult::OtherVersion);
        return false;
    }
    if (Tell(app_.texts.GetLangText(9030), Severity::Warning))
        Fail(TransferResult::OtherBand);
    return false;
}

std::string TransferDriver::PhaseLabel() const {
    return app_.texts.GetLangText(kPhaseLabelTexts[static_cast<int>(phase_)]);
}

void TransferDriver::BeginPhaseProgress() {
    // How many blocks the write and the read-back take is known only after the
    // backup read, so each phase has a bar of its own under its own name.
    lastPercent_ = 0;
    if (progressOpen_) {
        user_.SetProgressLabel(PhaseLabel());
        user_.SetProgress(0);
    }
}

void TransferDriver::UpdateProgress() {
    // Counted in bytes up to the start of the current block, over all but the
    // last byte of the phase: its last block shows 100%.
    const int percent = PercentHalfEven(static_cast<long>(planIndex_) * kBlockLength,
                                        static_cast<long>(plan_.Size()) * kBlockLength - 1);
    if (percent - lastPercent_ >= 1) {
        lastPercent_ = percent;
        if (progressOpen_)
            user_.SetProgress(percent);
    }
}

// ---------------------------------------------------------------- time-outs

void TransferDriver::OnResponseTimeout(std::uint64_t generation) {
    if (generation != waitGeneration_ || waitTimer_ == 0)
        return; // stopped or restarted since it was armed
    waitTimer_ = 0;
    ++waitGeneration_;
    if (trace_)
        TraceTimeout();
    if (timing_.SetAsideAnswerStoodAlone())
        TraceNote("nothing came after the answer set aside: it was the radio's; answers are "
                  "no longer judged by their time");
    if (mode_ == LinkMode::Search) {
        SearchTimeout();
        return;
    }
    if (mode_ != LinkMode::Read && mode_ != LinkMode::Write && mode_ != LinkMode::RadioInfo)
        return;
    // The information read asks the user at once when the radio goes quiet
    // after the handshake; the read and the write first repeat the frame.
    const bool info = mode_ == LinkMode::RadioInfo;
    switch (step_) {
    case LinkStep::Handshake: {
        const int limit = info                      ? kHandshakeRetriesInfo
                          : mode_ == LinkMode::Read ? kHandshakeRetriesRead
                                                    : kHandshakeRetriesWrite;
        ++handshakeCount_;
        if (handshakeCount_ <= limit) {
            app_.link.EchoExpected = !app_.link.EchoExpected;
            SendHandshake();
        } else if (info) {
            AskRetryAfterTimeout();
        } else {
            GiveUpHandshake();
        }
        return;
    }
    case LinkStep::Ident:
        if (info)
            AskRetryAfterTimeout();
        else if (--identRetries_ > 0)
            SendIdentRequest();
        else
            GiveUpHandshake();
        return;
    case LinkStep::Password:
        if (info)
            AskRetryAfterTimeout();
        else if (--passwordRetries_ > 0)
            SendReadRequest(kPasswordAddress);
        else
            AskRestartAfterTimeout();
        return;
    case LinkStep::TestData:
        if (info)
            AskRetryAfterTimeout();
        else if (--testDataRetries_ > 0)
            SendTestData();
        else
            AskRestartAfterTimeout();
        return;
    case LinkStep::Blocks: {
        if (info) {
            AskRetryAfterTimeout();
            return;
        }
        const auto index = static_cast<std::size_t>(planIndex_);
        if (planIndex_ < 0 || index >= blockRetries_.size() || blockRetries_[index] <= 0) {
            AskRestartAfterTimeout();
            return;
        }
        --blockRetries_[index];
        if (WritingBlocks())
            SendWriteBlock(currentAddress_);
        else
            SendReadRequest(currentAddress_);
        return;
    }
    case LinkStep::End:
        AfterEndFrame(); // the end frame needs no acknowledgement
        return;
    case LinkStep::Idle:
        return;
    }
}

void TransferDriver::GiveUpHandshake() {
    if (app_.factory.TestDataEnabled)
        AskRestartAfterTimeout();
    else
        StartLinkSearch();
}

void TransferDriver::AskRestartAfterTimeout() {
    AskRestart(app_.texts.GetLangText(9008), Buttons::OkCancel, TransferResult::RadioSilent);
}

void TransferDriver::AskRestartAfterRefusals() {
    // The radio answered every time: it received the block and would not take
    // it, which is no silence.
    report_.refusedBlock = step_ == LinkStep::TestData ? kTestDataAddress : currentAddress_;
    report_.refusals = blockResends_;
    TraceNote("block " + Hex4(report_.refusedBlock) + " refused " +
              std::to_string(report_.refusals) + " times");
    const std::string text =
        FillMarker(FillMarker(app_.texts.GetLangText(9180), "%1", "0x" + Hex4(report_.refusedBlock)),
                   "%2", std::to_string(report_.refusals));
    AskRestart(text, Buttons::RetryCancel, TransferResult::BlockRefused);
}

void TransferDriver::AskRestart(const std::string& question, Buttons buttons,
                                TransferResult onCancel) {
    identRetries_ = kStartRetries;
    passwordRetries_ = kStartRetries;
    testDataRetries_ = kStartRetries;
    blockResends_ = 0;
    std::fill(blockRetries_.begin(), blockRetries_.end(), kStartRetries);
    handshakeCount_ = 0;
    linkActive_ = false;
    const auto answer = Ask(question, buttons, Severity::Question);
    if (!answer)
        return;
    if (*answer != Answer::Ok && *answer != Answer::Retry) {
        Fail(onCancel);
        return;
    }
    if (reopenBeforeRestart_) {
        // After a search without result the port is where the last attempt
        // left it; the restart runs at the configured setting again.
        reopenBeforeRestart_ = false;
        OpenPortAt(ConfiguredPort(), PortUse::Search);
    }
    fallbackRestarted_ = false;
    SendHandshake();
    // The phase in progress starts again at its first block.
    planIndex_ = -1;
    currentAddress_ = -kBlockLength;
    lastPercent_ = 0;
    if (progressOpen_)
        user_.SetProgress(0);
}

void TransferDriver::AskRetryAfterTimeout() {
    linkActive_ = false;
    const bool inBlocks = step_ == LinkStep::Blocks;
    const auto answer =
        Ask(app_.texts.GetLangText(9008), Buttons::RetryCancel, Severity::Question);
    if (!answer)
        return;
    if (*answer != Answer::Retry) {
        Fail(TransferResult::RadioSilent);
        return;
    }
    // The block that timed out is asked for again, so that no block of the
    // information area keeps an old value.
    if (inBlocks)
        --planIndex_;
    SendHandshake();
}

// ---------------------------------------------------------------- the end

void TransferDriver::OnPortLost() {
    // The search meets failing ports on its way and moves on by its time-outs.
    if (mode_ == LinkMode::Idle || mode_ == LinkMode::Search)
        return;
    TraceNote("the port failed: the device is gone");
    // Said at once: waiting for the time-outs would only report a silent radio.
    const std::string text =
        FillMarker(app_.texts.GetLangText(9073), "%1", "COM" + std::to_string(app_.config.ComPort));
    if (Tell(text, Severity::Critical))
        Fail(TransferResult::PortLost);
}

void TransferDriver::Fail(TransferResult result) {
    result_ = result;
    FinishTransfer(false);
}

void TransferDriver::FinishTransfer(bool success) {
    if (!success)
        SendEnd(); // nothing waits for its reply
    linkActive_ = false;
    ClosePortIfOpen();
    const LinkMode mode = mode_;
    const TransferResult result = success ? TransferResult::Success : result_;
    if ((mode == LinkMode::Read || mode == LinkMode::Write) && progressOpen_) {
        user_.CloseProgress();
        progressOpen_ = false;
    }
    StopWaitTimer();
    mode_ = LinkMode::Idle;
    step_ = LinkStep::Idle;
    phase_ = WritePhase::None;
    ++transferSerial_;
    TraceNote(success ? "transfer finished" : "transfer failed");
    if (success) {
        if (mode == LinkMode::Read) {
            user_.CloseAllChildWindows();
            readOkTimer_ =
                timers_.Start(user_.HasEditors() ? kReadOkTimerMs : 0, [this] { OnReadOk(); });
        } else if (mode == LinkMode::RadioInfo) {
            if (hooks_.decodeRadioInfo)
                hooks_.decodeRadioInfo(app_);
            user_.ShowRadioInfo();
        }
        if (mode == LinkMode::Read)
            user_.ShowMessage(app_.texts.GetLangText(9009));
        else if (mode == LinkMode::Write && report_.noChange)
            user_.ShowMessage(app_.texts.GetLangText(9121));
        else if (mode == LinkMode::Write && !report_.dryRun)
            user_.ShowMessage(app_.texts.GetLangText(9010));
        // Old backups of the radio go only once the write is known to be good.
        if (mode == LinkMode::Write && !report_.backupPath.empty() && hooks_.pruneBackups)
            hooks_.pruneBackups(app_, report_.backupPath);
    }
    if (finished_)
        finished_(mode, result);
    if (result == TransferResult::ProgramSwitch)
        user_.EndProgram();
}

void TransferDriver::OnReadOk() {
    readOkTimer_ = 0;
    const std::string corrected = hooks_.decodeImage ? hooks_.decodeImage(app_) : std::string();
    app_.docState.CurrentFileName = "new.dat";
    user_.ReadDecoded();
    if (!corrected.empty())
        user_.ShowMessage(corrected, Severity::Information);
    if (readDecoded_)
        readDecoded_();
}

// ---------------------------------------------------------------- questions

std::optional<Answer> TransferDriver::Ask(const std::string& text, Buttons buttons,
                                              Severity severity) {
    StopWaitTimer();
    const bool wasActive = linkActive_;
    linkActive_ = false;
    const std::uint64_t serial = transferSerial_;
    ++dialogDepth_;
    const Answer answer = user_.Ask(text, buttons, severity);
    --dialogDepth_;
    if (serial != transferSerial_)
        return std::nullopt; // the transfer was ended while the question was open
    AfterDialog(wasActive);
    return answer;
}

bool TransferDriver::Tell(const std::string& text, Severity severity) {
    StopWaitTimer();
    const bool wasActive = linkActive_;
    linkActive_ = false;
    const std::uint64_t serial = transferSerial_;
    ++dialogDepth_;
    user_.ShowMessage(text, severity);
    --dialogDepth_;
    if (serial != transferSerial_)
        return false;
    AfterDialog(wasActive);
    return true;
}

void TransferDriver::AfterDialog(bool wasActive) {
    // Whatever the radio sent while the user was asked belongs to no step.
    if (port_.PortOpen())
        DiscardUnreadInput();
    receiveBuffer_.clear();
    replyTaken_ = true;
    linkActive_ = wasActive;
}

void TransferDriver::DiscardUnreadInput() {
    // Bytes held below the receive threshold were never handed over; the trace
    // gets them before they go, so that it holds every byte received.
    const Bytes unread = port_.Input();
    if (!unread.empty()) {
        TraceBytes(false, unread);
        TraceNote("the " + std::to_string(unread.size()) + " bytes above were discarded unread");
    }
    port_.DiscardInput();
}

// ---------------------------------------------------------------- trace

void TransferDriver::TraceNote(const std::string& text) {
    if (!trace_)
        return;
    try {
        trace_->Note(timers_.NowMs(), text);
    } catch (...) {
        trace_ = nullptr;
    }
}

void TransferDriver::TraceBytes(bool sent, const Bytes& bytes) {
    if (!trace_)
        return;
    try {
        if (sent)
            trace_->Sent(timers_.NowMs(), bytes);
        else
            trace_->Received(timers_.NowMs(), bytes);
    } catch (...) {
        trace_ = nullptr;
    }
}

void TransferDriver::TraceTimeout() {
    // The trace numbers the steps as its readers know them: the blocks (and
    // the test data) are 4 when written and 5 when read, the end frame 69.
    int number = 0;
    switch (step_) {
    case LinkStep::Idle: number = 0; break;
    case LinkStep::Handshake: number = 1; break;
    case LinkStep::Ident: number = 2; break;
    case LinkStep::Password: number = 3; break;
    case LinkStep::TestData:
    case LinkStep::Blocks: number = WritingBlocks() ? 4 : 5; break;
    case LinkStep::End: number = 69; break;
    }
    try {
        trace_->Timeout(timers_.NowMs(), static_cast<int>(mode_), number);
    } catch (...) {
        trace_ = nullptr;
    }
}

} // namespace pmr
