#pragma once
// The serial ports the system has, as port numbers (1 = COM1), in the system's
// own stable order. The platform maps numbers to devices by its documented rule
// and the overrides of mysetup.ini; this list uses the same numbers.

#include <vector>

namespace pmr {

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
};

} // namespace pmr
