#pragma once
// The serial port as the link code sees it: the properties and the one event of
// a classic communications control. The platform side implements it (QSerialPort
// on the desktop); the tests implement it with an in-process radio.
//
// Contract for implementers:
// - Everything runs on one thread. The receive listener is called from that
//   thread's event loop, never from inside one of the calls below (no
//   re-entrancy): Output() returns before any reply is delivered.
// - The receive threshold: once at least RThreshold() bytes are waiting (and
//   the threshold is above 0), raise one event with CommEvent() ==
//   kCommEventReceive; the listener then takes everything with Input(). Bytes
//   that arrive while fewer than the threshold are waiting are kept, not lost.
// - Setting CommPort, Handshaking and Settings while the port is closed only
//   records them; OpenPort() applies them. Setting them while open applies them
//   at once where the platform can (the link code always closes first).
// - A port that fails while open (cable pulled, device gone) may raise any
//   other event code or simply fall silent; writes then return false. The link
//   code copes with silence through its time-outs.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pmr {

/// The last event of the port (CommEvent).
constexpr int kCommEventNone = 0;
constexpr int kCommEventReceive = 2;       // data received (threshold reached)
constexpr int kCommEventRxParity = 1009;   // receive parity error
constexpr int kCommEventPortFailed = 1011; // the device failed or vanished while open

/// Handshaking codes.
constexpr int kHandshakeNone = 0;
constexpr int kHandshakeXonXoff = 1;
constexpr int kHandshakeRtsCts = 2;
constexpr int kHandshakeRtsCtsXonXoff = 3;

/// Why a port could not be opened, in terms a user can act on.
enum class PortOpenError {
    None,             // opened
    NoSuchDevice,     // the port number maps to no device, or the device is gone
    PermissionDenied, // the device exists but this user may not open it
    Busy,             // another program holds the device
    BadSettings,      // the settings text or handshaking code was not accepted
    Other,            // anything else; see detail
};

struct PortOpenResult {
    PortOpenError error = PortOpenError::None;
    std::string device; // the device the port number maps to ("/dev/ttyUSB0"), when known
    std::string group;  // for PermissionDenied: the group owning the device, when known
    std::string detail; // the system's own words, for the trace and the report
    bool ok() const { return error == PortOpenError::None; }
};

class SerialPortService {
public:
    using ReceiveListener = std::function<void()>;

    virtual ~SerialPortService() = default;

    /// CommPort: the port number, 1 = COM1. The platform maps it to a device.
    virtual void SetCommPort(int port) = 0;
    virtual int CommPort() const = 0;
    /// Handshaking: 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 RTS/CTS and XON/XOFF.
    /// False when the code is not one of these.
    virtual bool SetHandshaking(int code) = 0;
    /// Settings: "9600,n,8,1" (speed, parity n/e/o/m/s in either case, data
    /// bits, stop bits 1 or 2). False when the text is not understood.
    virtual bool SetSettings(const std::string& settings) = 0;
    /// InputMode: 1 = binary (the only mode the link uses; 0 = text is allowed
    /// to behave like binary).
    virtual void SetInputMode(int mode) = 0;
    /// InputLen: 0 = Input() returns everything received.
    virtual void SetInputLen(int length) = 0;
    /// RThreshold: bytes waiting at which the receive event fires; 0 = never.
    virtual void SetRThreshold(int threshold) = 0;
    /// The threshold read back (what the platform actually uses).
    virtual int RThreshold() const = 0;

    /// PortOpen = true. Opening an open port reopens it.
    virtual PortOpenResult OpenPort() = 0;
    /// PortOpen = false; harmless when closed. Pending input is discarded.
    virtual void ClosePort() = 0;
    virtual bool PortOpen() const = 0;

    /// OutBufferCount = 0: unsent output is dropped.
    virtual void DiscardOutput() = 0;
    /// InBufferCount = 0: unread input is dropped.
    virtual void DiscardInput() = 0;
    /// Output: queue bytes for sending. False when the port is closed or failed.
    virtual bool Output(const std::vector<std::uint8_t>& bytes) = 0;
    /// Input: take all received bytes (may be empty).
    virtual std::vector<std::uint8_t> Input() = 0;
    /// CommEvent: the last event (kCommEvent...).
    virtual int CommEvent() const = 0;

    /// OnComm: the one listener (an empty function removes it).
    virtual void SetReceiveListener(ReceiveListener listener) = 0;
};

} // namespace pmr
