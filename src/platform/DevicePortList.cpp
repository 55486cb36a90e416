#include "DevicePortList.h"

#include <unistd.h>

namespace pmr {

int DevicePortList::NumberDevice(const std::string& device, const std::string& setupFile) const {
    if (device.empty())
        return 0;
    if (const auto port = mapping_.PortFor(device))
        return *port;
    // Numbers above the dialog's sixteen, which the rule gives to devices that
    // are rarely there, are taken from the top down.
    for (int port = PortMapping::kMaxPort; port > 16; --port) {
        if (mapping_.Overrides().count(port))
            continue;
        const std::string ruled = mapping_.DeviceFor(port);
        if (!ruled.empty() && ::access(ruled.c_str(), F_OK) == 0)
            continue;
        mapping_.SetOverride(port, device);
        mapping_.SaveOverride(setupFile, port);
        return port;
    }
    return 0;
}

} // namespace pmr
