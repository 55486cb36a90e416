#pragma once
// The link's list of existing serial ports, from the port mapping.

#include "PortDescriptions.h"
#include "PortMapping.h"
#include "link/PortList.h"

namespace pmr {

class DevicePortList : public PortList {
public:
    /// Numbering a device adds an override to `mapping`.
    explicit DevicePortList(PortMapping& mapping) : mapping_(mapping) {}
    std::vector<int> ExistingPorts() const override { return mapping_.ExistingPorts(); }
    bool IsConsole(int port) const override { return mapping_.IsConsole(port); }
    PortInfo Describe(int port) const override { return DescribeDevice(mapping_.DeviceFor(port)); }
    std::vector<std::string> UnnumberedDevices() const override {
        return pmr::UnnumberedDevices(mapping_);
    }
    int NumberDevice(const std::string& device, const std::string& setupFile) const override;

private:
    PortMapping& mapping_;
};

} // namespace pmr
