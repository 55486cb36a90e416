#pragma once
// The serial ports the system has, as port numbers (1 = COM1), in the system's
// own stable order. The platform maps numbers to devices by its documented rule
// and the overrides of mysetup.ini; this list uses the same numbers.

#include <string>
#include <vector>

namespace pmr {

/// What the port dialog shows beside a port number.
struct PortInfo {
    enum class State { Absent, Present, Busy, NoPermission };
    std::string device; // the device behind the number; empty when none
    std::string detail; // its other names and the adapter's maker and product
    State state = State::Absent;
    std::string group;  // with NoPermission: the group that may use the device
};

class PortList {
public:
    virtual ~PortList() = default;
    /// The port numbers that exist now, in the system's order. Numbers above 16
    /// are kept (the link search tries them; the port dialog cannot show them).
    virtual std::vector<int> ExistingPorts() const = 0;
    /// Whether the port is the system's console: the link search never sends
    /// to it (a "PROGRAM" frame on the kernel's console reaches the machine,
    /// not a radio).
    virtual bool IsConsole(int port) const {
        (void)port;
        return false;
    }
    /// The device behind a number and its state now.
    virtual PortInfo Describe(int port) const {
        (void)port;
        return {};
    }
    /// Serial devices the system has that no number reaches (a by-id name of
    /// an adapter whose number is reached by another name counts as reached).
    virtual std::vector<std::string> UnnumberedDevices() const { return {}; }
    /// Gives `device` a number of its own, kept in section [ports] of
    /// `setupFile` so that it reaches the same device next time; a device that
    /// has a number keeps it. 0 when no number is free.
    virtual int NumberDevice(const std::string& device, const std::string& setupFile) const {
        (void)device;
        (void)setupFile;
        return 0;
    }
};

} // namespace pmr
