#pragma once
// The search for a port setting at which the radio answers: every listed port,
// each with handshaking 0 to 3 at 1 stop bit, then 0 to 3 at 2 stop bits.

#include "link/LinkMode.h"

#include <string>
#include <vector>

namespace pmr {

constexpr std::size_t kMaxSearchPorts = 256;

/// One port setting.
struct PortSetting {
    int port = 1;
    int handshaking = 0;
    int stopBits = 1;
    friend bool operator==(const PortSetting&, const PortSetting&) = default;
};

/// The variables of one search.
struct LinkSearchState {
    LinkMode savedMode = LinkMode::Idle;
    std::vector<int> ports; // at most kMaxSearchPorts
    std::size_t index = 0;
    PortSetting current;
    bool fallbackFound = false;
    PortSetting fallback;
    std::string savedProgressCaption;

    /// Moves to the next combination in search order; false when none is left.
    bool Advance();
    /// Leaves the current port with all its remaining combinations; false when
    /// no port is left.
    bool SkipPort();
};

/// The fixed search title of a language (1 English, 2 Chinese; others English).
std::string SearchTitle(int currentLanguage);

} // namespace pmr
