#pragma once
// Asking a serial device to pass received bytes on at once. USB serial
// adapters otherwise hold short replies back for their latency timer (16 ms on
// the common chips) before handing them over, which makes a transfer of many
// short block replies markedly slower than the wire; in low-latency mode the
// driver shortens the timer (to 1 ms).

namespace pmr {

enum class LowLatency {
    Asked,     // the device took the request
    AlreadyOn, // it was in low-latency mode before
    Refused,   // the device has no such mode (pseudo-terminals, some adapters) or refused it
};

/// Puts the open serial device `fd` in low-latency mode where it has one. A
/// refusal leaves the device as it was and is harmless: the link then works at
/// the adapter's own pace.
LowLatency AskLowLatency(int fd);

} // namespace pmr
