#include "LinkWorld.h"

#include "app/TextCatalog.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pmr::test {

std::string T(int id) {
    return "T" + std::to_string(id);
}

// ---------------------------------------------------------------- clock

TimerHandle VirtualClock::Start(int milliseconds, std::function<void()> callback) {
    const TimerHandle handle = nextHandle_++;
    events_.push_back({now_ + std::max(milliseconds, 0), seq_++, handle, std::move(callback)});
    return handle;
}

void VirtualClock::Post(int delayMs, std::function<void()> callback) {
    events_.push_back({now_ + std::max(delayMs, 0), seq_++, 0, std::move(callback)});
}

bool VirtualClock::RunOne(std::int64_t until) {
    std::erase_if(events_,
                  [&](const Event& e) { return e.handle != 0 && cancelled_.count(e.handle); });
    if (events_.empty())
        return false;
    auto next =
        std::min_element(events_.begin(), events_.end(), [](const Event& a, const Event& b) {
            return a.time < b.time || (a.time == b.time && a.seq < b.seq);
        });
    if (next->time > until)
        return false;
    Event event = std::move(*next);
    events_.erase(next);
    now_ = event.time;
    event.callback();
    return true;
}

bool VirtualClock::RunUntil(const std::function<bool()>& done, std::int64_t limitMs) {
    const std::int64_t end = now_ + limitMs;
    while (!done()) {
        if (!RunOne(end))
            break;
    }
    return done();
}

void VirtualClock::RunFor(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    while (RunOne(end)) {
    }
    now_ = std::max(now_, end);
}

int VirtualClock::PendingTimers() const {
    return static_cast<int>(std::count_if(events_.begin(), events_.end(), [&](const Event& e) {
        return e.handle != 0 && !cancelled_.count(e.handle);
    }));
}

// ---------------------------------------------------------------- radio

FakeRadio::FakeRadio() {
    for (std::size_t i = 0; i < mem.size(); ++i)
        mem[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    SetPassword({0xFF, 0xFF, 0xFF, 0xFF});
    SyncIdentToMemory();
}

void FakeRadio::SetPassword(std::initializer_list<std::uint8_t> bytes) {
    int i = 0;
    for (auto b : bytes)
        mem[0x142C + i++] = b;
}

void FakeRadio::SyncIdentToMemory() {
    for (int i = 0; i < 7; ++i)
        mem[0x13F0 + i] = i < static_cast<int>(model.size()) ? model[i] : 0;
    mem[0x13F7] = static_cast<std::uint8_t>(band);
    for (int i = 0; i < 4; ++i)
        mem[0x13F8 + i] = i < static_cast<int>(version.size()) ? version[i] : 0;
    mem[0x13FC] = feature;
    mem[0x13FD] = 0;
}

Bytes FakeRadio::IdentReply() const {
    Bytes reply{0x50};
    for (int i = 0; i < 7; ++i)
        reply.push_back(i < static_cast<int>(model.size()) ? model[i] : 0);
    reply.push_back(static_cast<std::uint8_t>(band));
    for (int i = 0; i < 4; ++i)
        reply.push_back(i < static_cast<int>(version.size()) ? version[i] : 0);
    reply.push_back(feature);
    reply.push_back(0);
    reply.push_back(kAck);
    return reply;
}

std::vector<Bytes> FakeRadio::Receive(const Bytes& bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    std::vector<Bytes> replies;
    for (;;) {
        if (pending_.empty())
            break;
        std::size_t need = 0;
        switch (pending_[0]) {
        case 0x50:
            need = 7;
            break;
        case 0x02:
            need = 1;
            break;
        case 0x52:
            need = 4;
            break;
        case 0x45:
            need = 3;
            break;
        case 0x57:
            need = pending_.size() >= 4 ? pending_[3] + 6u : 4u;
            break;
        default:
            pending_.erase(pending_.begin());
            continue;
        }
        if (pending_.size() < need)
            break;
        const Bytes frame(pending_.begin(), pending_.begin() + need);
        pending_.erase(pending_.begin(), pending_.begin() + need);
        requests.push_back(frame);
        std::optional<Bytes> reply = Answer(frame);
        if (tamper)
            reply = tamper(frame, reply.value_or(Bytes{}));
        replies.push_back(reply.value_or(Bytes{}));
    }
    return replies;
}

std::optional<Bytes> FakeRadio::Answer(const Bytes& frame) {
    const auto dropped = [&](int address) {
        auto it = dropRequests.find(address);
        if (it == dropRequests.end() || it->second <= 0)
            return false;
        --it->second;
        return true;
    };
    switch (frame[0]) {
    case 0x50:
        if (frame != HandshakeFrame())
            return std::nullopt;
        ++handshakes;
        if (silent || handshakes < answerFromHandshake)
            return std::nullopt;
        return Bytes{0x4B, 0x57, kAck};
    case 0x02:
        ++identRequests;
        if (silent)
            return std::nullopt;
        return IdentReply();
    case 0x52: {
        const int address = (frame[1] << 8) | frame[2];
        ++reads[address];
        if (silentFrom >= 0 && address >= silentFrom && address < 0x1400)
            silent = true;
        if (silent || dropped(address))
            return std::nullopt;
        Bytes reply{0x57, frame[1], frame[2], frame[3]};
        for (int i = 0; i < frame[3]; ++i)
            reply.push_back(mem[(address + i) & 0xFFFF]);
        reply.push_back(FrameChecksum(reply, 1, reply.size() - 1));
        reply.push_back(kAck);
        return reply;
    }
    case 0x57: {
        const int address = (frame[1] << 8) | frame[2];
        ++writes[address];
        if (silentFrom >= 0 && address >= silentFrom && address < 0x1400)
            silent = true;
        if (silent || dropped(address))
            return std::nullopt;
        const bool sound = frame.back() == kAck &&
                           FrameChecksum(frame, 1, frame.size() - 3) == frame[frame.size() - 2];
        auto resend = resendWrites.find(address);
        if (!sound || (resend != resendWrites.end() && resend->second-- > 0))
            return Bytes{kResend};
        if (ignoreWrites.count(address) == 0)
            for (int i = 0; i < frame[3]; ++i)
                mem[(address + i) & 0xFFFF] = frame[4 + i];
        if (silentAfterWrites >= 0 && ++storedWrites >= silentAfterWrites)
            silent = true;
        return Bytes{kAck};
    }
    case 0x45:
        if (frame != EndFrame())
            return std::nullopt;
        ++ends;
        if (ackEnd && !silent)
            return Bytes{kAck};
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// ---------------------------------------------------------------- port

bool FakePort::SetHandshaking(int code) {
    if (code < 0 || code > 3)
        return false;
    handshaking_ = code;
    return true;
}

bool FakePort::SetSettings(const std::string& settings) {
    settingsTexts.push_back(settings);
    if (settings.size() != 10 || settings.compare(0, 5, "9600,") != 0)
        return false;
    const char stop = settings.back();
    if (stop != '1' && stop != '2')
        return false;
    stopBits_ = stop - '0';
    return true;
}

PortOpenResult FakePort::OpenPort() {
    ++openAttempts;
    PortOpenResult result;
    result.device = "/dev/fake" + std::to_string(port_);
    auto error = openErrors.find(port_);
    if (error != openErrors.end()) {
        open_ = false;
        event_ = parityEventOnOpenFailure;
        result.error = error->second;
        return result;
    }
    open_ = true;
    ++session_;
    input_.clear();
    event_ = 0;
    opened.push_back({port_, handshaking_, stopBits_});
    return result;
}

void FakePort::ClosePort() {
    open_ = false;
    ++session_;
    input_.clear();
}

bool FakePort::Output(const Bytes& bytes) {
    if (!open_ || failed)
        return false;
    if (failAfterWrites == 0) {
        failed = true;
        return false;
    }
    if (failAfterWrites > 0)
        --failAfterWrites;
    sent.push_back(bytes);
    const std::uint64_t session = session_;
    auto echoes = echo.find(port_);
    if (echoes == echo.end() || echoes->second)
        clock_.Post(1, [this, session, bytes] { Arrive(session, bytes); });
    auto radio = radios.find(port_);
    if (radio == radios.end())
        return true;
    FakeRadio& r = *radio->second;
    if ((r.handshaking >= 0 && r.handshaking != handshaking_) ||
        (r.stopBits >= 0 && r.stopBits != stopBits_))
        return true; // garbled at a wrong setting: the radio hears nothing
    // Whole milliseconds, rounded up: bytes are never quicker than the line.
    const auto lineMs = [this](std::size_t n) {
        return lineTime ? static_cast<int>((n * 10 * 1000 + 9599) / 9600) : 0;
    };
    const int arrived = lineMs(bytes.size());
    for (const Bytes& reply : r.Receive(bytes)) {
        if (reply.empty())
            continue;
        std::size_t at = 0;
        int delay = arrived + r.latencyMs;
        for (std::size_t piece : r.split) {
            if (at >= reply.size())
                break;
            const std::size_t n = std::min(piece, reply.size() - at);
            const Bytes part(reply.begin() + at, reply.begin() + at + n);
            delay += lineMs(n);
            clock_.Post(delay++, [this, session, part] { Arrive(session, part); });
            at += n;
        }
        if (at < reply.size()) {
            const Bytes rest(reply.begin() + at, reply.end());
            delay += lineMs(rest.size());
            clock_.Post(delay, [this, session, rest] { Arrive(session, rest); });
        }
    }
    return true;
}

void FakePort::Unplug() {
    failed = true;
    open_ = false;
    input_.clear();
    event_ = kCommEventPortFailed;
    if (listener_)
        listener_();
}

void FakePort::Inject(const Bytes& bytes, int delayMs) {
    const std::uint64_t session = session_;
    clock_.Post(delayMs, [this, session, bytes] { Arrive(session, bytes); });
}

Bytes FakePort::Input() {
    Bytes out;
    out.swap(input_);
    return out;
}

void FakePort::Arrive(std::uint64_t session, const Bytes& bytes) {
    if (session != session_ || !open_ || failed)
        return;
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    if (eventPerChunk ||
        (threshold_ > 0 && input_.size() >= static_cast<std::size_t>(threshold_))) {
        event_ = kCommEventReceive;
        if (listener_)
            listener_();
    }
}

// ---------------------------------------------------------------- user

void ScriptedUser::ShowMessage(const std::string& text, Severity severity) {
    messages.push_back(text);
    messageSeverities.push_back(severity);
    if (whileOpen)
        whileOpen();
}

pmr::Answer ScriptedUser::Ask(const std::string& text, Buttons buttons, Severity) {
    questions.push_back({text, buttons});
    if (whileOpen)
        whileOpen();
    if (answer)
        return answer(text, buttons);
    if (text == T(9004) || text == T(9005) || text == T(9190))
        return pmr::Answer::Ok;
    switch (buttons) {
    case Buttons::Ok:
        return pmr::Answer::Ok;
    case Buttons::YesNo:
        return pmr::Answer::No;
    default:
        return pmr::Answer::Cancel;
    }
}

std::optional<std::string> ScriptedUser::AskPassword(const std::string& current) {
    passwordShown.push_back(current);
    if (whileOpen)
        whileOpen();
    return passwordEntry;
}

int ScriptedUser::CountQuestions(const std::string& text) const {
    return static_cast<int>(std::count_if(questions.begin(), questions.end(),
                                          [&](const Asked& a) { return a.text == text; }));
}

int ScriptedUser::CountMessages(const std::string& text) const {
    return static_cast<int>(std::count(messages.begin(), messages.end(), text));
}

void RecordingTrace::Sent(std::int64_t ms, const Bytes& b) {
    if (throwNow)
        throw std::runtime_error("disk full");
    lines.push_back(FormatTraceBytes(ms, "TX", b));
}
void RecordingTrace::Received(std::int64_t ms, const Bytes& b) {
    lines.push_back(FormatTraceBytes(ms, "RX", b));
}
void RecordingTrace::Timeout(std::int64_t ms, int mode, int state) {
    ++timeouts;
    lines.push_back(std::to_string(ms) + " TIMEOUT " + std::to_string(mode) + " " +
                    std::to_string(state));
}
void RecordingTrace::Note(std::int64_t ms, const std::string& text) {
    lines.push_back(std::to_string(ms) + " NOTE " + text);
}

// ---------------------------------------------------------------- bench

namespace {

// The catalogue is built in memory: a shared file would be truncated by one
// test process while another reads it when ctest runs them side by side.
std::string TestTexts() {
    const int ids[] = {9003, 9004, 9005, 9006, 9008, 9009, 9010, 9012, 9027, 9028, 9029,
                       9030, 9031, 9032, 9070, 9072, 9073, 9120, 9121, 9123, 9133, 9134, 9135, 9180, 9190,
                       12008};
    std::map<std::string, std::vector<int>> bySection;
    for (int id : ids)
        bySection[std::string(SectionForTextId(id))].push_back(id);
    std::ostringstream out;
    for (const auto& [section, list] : bySection) {
        out << "[" << section << "]\n";
        for (int id : list)
            // "Channel %1", "refused the block at %1 %2 times"
            out << id << "=" << T(id) << (id == 9070 ? " %1" : id == 9180 ? " %1 %2" : "")
                << "\n";
    }
    return out.str();
}

} // namespace

LinkWorld::LinkWorld() {
    app.texts.LoadFromText(TestTexts());
    app.docState.ModelNameText = "T446";
    app.docState.BandText = "BAND16";
    port.radios[1] = &radio;
    for (std::size_t i = 0; i < encodedImage.size(); ++i)
        encodedImage[i] = static_cast<std::uint8_t>((i * 13 + 5) & 0xFF);

    hooks.clearImage = [](AppContext& a, LinkMode mode) {
        if (mode != LinkMode::RadioInfo)
            a.images.ImageBuf.fill(0xFF);
    };
    hooks.encodeImage = [this](AppContext& a) {
        ++encodes;
        a.images.ImageBuf = encodedImage;
    };
    hooks.decodeImage = [this](AppContext&) {
        ++decodes;
        return std::string();
    };
    hooks.decodeFeatureFlags = [](AppContext& a) {
        const std::uint8_t f = a.images.ImageBuf[0x13FC];
        for (int i = 0; i < 4; ++i)
            a.config.RadioFeatures[i] = (f >> (3 - i)) & 1;
    };
    hooks.decodeRadioInfo = [this](AppContext&) { ++radioInfoDecodes; };
    hooks.bandCodeFromText = [](const std::string& text) {
        return text == "BAND16" ? 16 : text == "BAND17" ? 17 : 0;
    };
    hooks.isVersionPairListed = [this](AppContext&, const std::string& program,
                                       const std::string& data) {
        return program == "V100" && listedVersions.count(data) > 0;
    };
    hooks.versionQuestion = [](AppContext&, const std::string&, const std::string& data) {
        return "VQ " + data;
    };
    hooks.startProgramFor = [this](AppContext&, const std::string& tag) {
        programsStarted.push_back(tag);
        return programStarts;
    };
    hooks.refuseWrite = [this](AppContext&) { return writeRefusal; };
    hooks.documentChanged = [this](AppContext&) { return documentChanged; };
    hooks.saveDocument = [this](AppContext&) {
        ++saves;
        return saveSucceeds;
    };
    hooks.writeSetupValue = [this](AppContext&, const std::string& key, int value) {
        setupWrites.emplace_back(key, value);
    };
    hooks.encodeOver = [this](AppContext& a, const std::array<std::uint8_t, kImageSize>& radio) {
        ++encodes;
        a.images.ImageBuf = radio;
        std::copy(encodedImage.begin(), encodedImage.begin() + interpretedEnd,
                  a.images.ImageBuf.begin());
    };
    hooks.backupFolderProblem = [this](AppContext&) { return backupFolderProblem; };
    hooks.keepBackup = [this](AppContext&, const std::array<std::uint8_t, kImageSize>& image,
                              const std::string& serial, std::string& message) {
        if (backupKeepFails) {
            message = "the disk is full";
            return std::string();
        }
        backups.push_back(image);
        backupSerials.push_back(serial);
        return "backup " + std::to_string(backups.size());
    };
    hooks.pruneBackups = [this](AppContext&, const std::string&) { ++prunes; };
}

TransferDriver& LinkWorld::Driver() {
    if (!driver) {
        driver = std::make_unique<TransferDriver>(app, port, clock, portList, user, hooks);
        driver->SetFinishedHandler(
            [this](LinkMode mode, TransferResult result) { finished.emplace_back(mode, result); });
        driver->SetReadDecodedHandler([this] { ++readDecodedCount; });
    }
    return *driver;
}

bool LinkWorld::RunToEnd(std::int64_t limitMs) {
    return clock.RunUntil([this] { return !finished.empty() && !driver->Busy(); }, limitMs);
}

int LinkWorld::SentCount(std::uint8_t first) const {
    return static_cast<int>(std::count_if(port.sent.begin(), port.sent.end(), [&](const Bytes& b) {
        return !b.empty() && b[0] == first;
    }));
}

} // namespace pmr::test
