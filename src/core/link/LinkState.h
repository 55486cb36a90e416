#pragma once
// Link values that outlive one transfer: the echo assumption, the password the
// user entered, and what the last radio said about itself. Lives in AppContext.

#include <cstdint>
#include <string>

namespace pmr {

struct LinkState {
    /// Whether the cable echoes every sent byte. True at start-up, flipped on
    /// handshake retries, kept between transfers.
    bool EchoExpected = true;
    /// The programming password entered by the user (at most 4 characters).
    /// Empty at start-up, never saved, never sent to the radio.
    std::string EnteredPassword;
    /// The last identification: model name and version up to their first byte
    /// 00, and the band code.
    std::string RadioModelName;
    std::string RadioVersion;
    std::int16_t RadioBandCode = 0;
};

} // namespace pmr
