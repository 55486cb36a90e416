#include "link/LinkSearch.h"

#include "app/AppContext.h"
#include "document/TrimFix.h"
#include "link/LinkUser.h"
#include "link/PortList.h"
#include "link/TransferDriver.h"

namespace pmr {

namespace {

/// Every port setting the search tries: handshaking codes 0 to 3 at 1 and at 2
/// stop bits.
constexpr int kLastHandshaking = 3;
constexpr int kLastStopBits = 2;
/// The fixed port list: COM1 to COM16.
constexpr int kFixedPortCount = 16;
/// Handshakes one setting may go unanswered, each with the other echo assumption.
constexpr int kSearchHandshakeRetries = 3;

} // namespace

bool LinkSearchState::Advance() {
    if (++current.handshaking <= kLastHandshaking)
        return true;
    current.handshaking = 0;
    if (++current.stopBits <= kLastStopBits)
        return true;
    current.stopBits = 1;
    if (++index >= ports.size())
        return false;
    current.port = ports[index];
    return true;
}

bool LinkSearchState::SkipPort() {
    if (index + 1 >= ports.size())
        return false;
    ++index;
    current = {ports[index], 0, 1};
    return true;
}

std::string SearchTitle(int currentLanguage) {
    if (currentLanguage == 2)
        return "正在匹配串口配置，可能需要几分钟，请等待。。。";
    return "Search for communication setting,please wait for a few minutes...";
}

void TransferDriver::StartLinkSearch() {
    search_ = LinkSearchState{};
    search_.savedMode = mode_;
    mode_ = LinkMode::Search;
    step_ = LinkStep::Idle;
    search_.savedProgressCaption = progressCaption_;
    user_.SetProgressCaption(SearchTitle(app_.config.CurrentLanguage));
    ClosePortIfOpen();
    TraceNote("link search started");
    std::vector<int> candidates;
    if (app_.config.UseFixedPortList) {
        for (int port = 1; port <= kFixedPortCount; ++port)
            candidates.push_back(port);
    } else {
        candidates = portList_.ExistingPorts();
    }
    std::string tried;
    std::string consoles;
    for (int port : candidates) {
        std::string& list = portList_.IsConsole(port) ? consoles : tried;
        list += (list.empty() ? "" : ", ") + std::to_string(port);
        if (!portList_.IsConsole(port) && search_.ports.size() < kMaxSearchPorts)
            search_.ports.push_back(port);
    }
    // Which ports the search tries, and which consoles it leaves alone.
    user_.ShowSearchPorts(tried, consoles);
    TraceNote("link search tries ports: " + (tried.empty() ? std::string("none") : tried) +
              (consoles.empty() ? std::string() : "; consoles left out: " + consoles));
    if (search_.ports.empty()) {
        // No port to try: the search ends as one that found nothing, so the
        // user is asked whether to start again instead of waiting for ever.
        SearchEnd();
        return;
    }
    search_.index = 0;
    search_.current = {search_.ports[0], 0, 1};
    handshakeCount_ = 0;
    AdvanceCandidate(false);
}

void TransferDriver::AdvanceCandidate(bool advance) {
    if (advance && !search_.Advance()) {
        SearchEnd();
        return;
    }
    bool ok = OpenPortAt(search_.current, PortUse::Search);
    // A port that cannot be opened is left with all its remaining combinations.
    while (!ok && search_.SkipPort())
        ok = OpenPortAt(search_.current, PortUse::Search);
    if (!ok) {
        SearchEnd();
        return;
    }
    handshakeCount_ = 0;
    SendSearchHandshake();
}

void TransferDriver::SendSearchHandshake() {
    step_ = LinkStep::Handshake;
    const Bytes frame = HandshakeFrame();
    echoLength_ = EchoFor(frame);
    SendFrame(frame, echoLength_ + kHandshakeReplyLength, 0, true);
}

void TransferDriver::SearchStep() {
    StopWaitTimer();
    if (step_ == LinkStep::Handshake) {
        step_ = LinkStep::Ident;
        SendIdentRequest();
        return;
    }
    if (step_ != LinkStep::Ident)
        return;
    if (!SearchModelMatches()) {
        AdvanceCandidate(true);
        return;
    }
    // The transfer goes on from the identification it has just received.
    mode_ = search_.savedMode;
    app_.config.ComPort = static_cast<std::int16_t>(search_.current.port);
    app_.config.HandshakingMode = static_cast<std::int16_t>(search_.current.handshaking);
    app_.config.StopBits = static_cast<std::int16_t>(search_.current.stopBits);
    SaveLinkSettings();
    user_.SetProgressCaption(search_.savedProgressCaption);
    TraceNote("link search found the radio");
    // A radio that must not be written is refused whichever way it was found.
    if (mode_ == LinkMode::Write && RefuseWrite())
        return;
    NextStep();
}

bool TransferDriver::SearchModelMatches() {
    StopWaitTimer();
    if (TrimFix(app_.link.RadioModelName) == TrimFix(app_.docState.ModelNameText))
        return true;
    if (!search_.fallbackFound) {
        search_.fallbackFound = true;
        search_.fallback = search_.current;
    }
    return false;
}

void TransferDriver::SearchTimeout() {
    if (step_ == LinkStep::Handshake) {
        ++handshakeCount_;
        if (handshakeCount_ <= kSearchHandshakeRetries) {
            app_.link.EchoExpected = !app_.link.EchoExpected;
            SendSearchHandshake();
        } else {
            AdvanceCandidate(true);
        }
    } else {
        AdvanceCandidate(true); // the identification request is not repeated
    }
}

void TransferDriver::SearchEnd() {
    mode_ = search_.savedMode;
    user_.SetProgressCaption(search_.savedProgressCaption);
    step_ = LinkStep::Idle;
    // Only one restart on another model's radio per attempt: a second search
    // that again finds only that radio asks the user instead of looping.
    if (search_.fallbackFound && !fallbackRestarted_) {
        TraceNote("link search fell back to a radio of another model");
        app_.config.ComPort = static_cast<std::int16_t>(search_.fallback.port);
        app_.config.HandshakingMode = static_cast<std::int16_t>(search_.fallback.handshaking);
        app_.config.StopBits = static_cast<std::int16_t>(search_.fallback.stopBits);
        step_ = LinkStep::Handshake;
        SaveLinkSettings();
        if (OpenPortAt(search_.fallback, PortUse::Search)) {
            fallbackRestarted_ = true;
            SendHandshake();
            return;
        }
    }
    TraceNote("link search found nothing");
    ClosePortIfOpen();
    reopenBeforeRestart_ = true;
    AskRestartAfterTimeout();
}

void TransferDriver::SaveLinkSettings() {
    if (hooks_.writeSetupValue) {
        hooks_.writeSetupValue(app_, "comPort", app_.config.ComPort);
        hooks_.writeSetupValue(app_, "Handshaking", app_.config.HandshakingMode);
        hooks_.writeSetupValue(app_, "StopBit", app_.config.StopBits);
    }
    user_.ShowPortStatus(app_.texts.GetLangText(12008) + std::to_string(app_.config.ComPort));
}

} // namespace pmr
