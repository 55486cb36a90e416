#pragma once
// The link's list of existing serial ports, from the port mapping.

#include "PortMapping.h"
#include "link/PortList.h"

namespace pmr {

class DevicePortList : public PortList {
public:
    explicit DevicePortList(const PortMapping& mapping) : mapping_(mapping) {}
    std::vector<int> ExistingPorts() const override { return mapping_.ExistingPorts(); }
    bool IsConsole(int port) const override { return mapping_.IsConsole(port); }

private:
    const PortMapping& mapping_;
};

} // namespace pmr
