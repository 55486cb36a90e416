#pragma once
// Which device a port number (1 = COM1) means on this system.
//
// The rule, fixed so that a number always means the same device:
//   COM1  to COM4   /dev/ttyS0   to /dev/ttyS3    (built-in serial ports)
//   COM5  to COM12  /dev/ttyUSB0 to /dev/ttyUSB7  (USB serial adapters)
//   COM13 to COM16  /dev/ttyACM0 to /dev/ttyACM3  (USB modem-class adapters)
//   COM17 to COM44  /dev/ttyS4   to /dev/ttyS31
//   COM45 to COM100 /dev/ttyUSB8 to /dev/ttyUSB63
//   COM101 to COM160 /dev/ttyACM4 to /dev/ttyACM63
// A built-in port counts as existing only when the system reports hardware
// behind it (the kernel creates ttyS nodes for absent ports too); USB devices
// exist while their node exists.
//
// The section [ports] of mysetup.ini overrides the rule per number, e.g.
//   [ports]
//   3=/dev/ttyUSB0
//   7=/dev/serial/by-id/usb-Prolific_Technology_Inc._USB-Serial_Controller-if00-port0
// An overridden number means that device only (the rule's device for that
// number is then not reachable under it); it exists while the path exists.

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace pmr {

struct LinkHooks;

class PortMapping {
public:
    /// `devRoot` and `sysRoot` are "/dev" and "/sys/class/tty" on a real system;
    /// tests lay out their own.
    explicit PortMapping(std::map<int, std::string> overrides = {}, std::string devRoot = "/dev",
                         std::string sysRoot = "/sys/class/tty",
                         std::string consolesFile = "/proc/consoles");

    /// The overrides of section [ports] of the setup file (missing file or
    /// section: none). Keys that are not numbers 1 to 256 are ignored.
    static std::map<int, std::string> ReadOverrides(const std::string& setupFile);

    /// The device of a number by the rule or an override; empty when none.
    std::string DeviceFor(int port) const;
    /// The number a device has (exact path of an override or of the rule).
    std::optional<int> PortFor(const std::string& device) const;
    /// The numbers whose devices exist now, ascending.
    std::vector<int> ExistingPorts() const;
    /// Whether the port's device is a console of the system (listed in
    /// /proc/consoles or /sys/class/tty/console/active).
    bool IsConsole(int port) const;
    /// Writes the override of `port`, if it has one, into section [ports] of
    /// the setup file, so that the number reaches the same device next time.
    bool SaveOverride(const std::string& setupFile, int port) const;
    /// Adds or replaces one override.
    void SetOverride(int port, const std::string& device) { overrides_[port] = device; }
    const std::map<int, std::string>& Overrides() const { return overrides_; }

    static constexpr int kMaxPort = 256;

private:
    std::string RuleDevice(int port) const;
    bool Exists(int port, const std::string& device) const;

    std::map<int, std::string> overrides_;
    std::string devRoot_, sysRoot_, consolesFile_;
};

/// Makes the hooks' setup writer save, with the port number the link search
/// keeps, that number's override (a pseudo-terminal, a by-id path given for
/// this run): otherwise the saved number would mean another device next time.
void SaveFoundPortOverrides(LinkHooks& hooks, const PortMapping& mapping);

} // namespace pmr
