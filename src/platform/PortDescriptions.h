#pragma once
// What the system knows about a serial device: whether it is there, whether
// this user may open it (and which group may), whether another program holds
// it, its /dev/serial/by-id name and the adapter's maker and product.

#include "link/PortList.h"

#include <string>
#include <vector>

namespace pmr {

class PortMapping;

/// `byIdFolder` and `lockFolders` are the system's; tests lay out their own.
PortInfo DescribeDevice(const std::string& device,
                        const std::string& byIdFolder = "/dev/serial/by-id",
                        const std::vector<std::string>& lockFolders = {"/run/lock", "/var/lock"});

/// The serial devices the system lists (and the by-id names) that no number of
/// `mapping` reaches.
std::vector<std::string> UnnumberedDevices(const PortMapping& mapping,
                                           const std::string& byIdFolder = "/dev/serial/by-id");

} // namespace pmr
