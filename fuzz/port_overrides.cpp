// Any bytes as the setup file's [ports] section: every override read has a
// number from 1 to 256 and a device, the mapping gives that device for the
// number, and saving an override and reading the file again gives it back.

#include "PortMapping.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

std::string ScratchFile() {
    return "/tmp/fuzz_port_overrides_" + std::to_string(::getpid()) + ".ini";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = ScratchFile();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const auto overrides = pmr::PortMapping::ReadOverrides(file);
    pmr::PortMapping mapping(overrides, "/nonexistent/dev", "/nonexistent/sys", "/nonexistent");
    for (const auto& [port, device] : overrides) {
        Check(port >= 1 && port <= pmr::PortMapping::kMaxPort && !device.empty());
        Check(mapping.DeviceFor(port) == device);
        Check(mapping.PortFor(device).has_value());
    }
    if (!overrides.empty()) {
        // Saved into the same file, the first override reads back unchanged.
        const auto& [port, device] = *overrides.begin();
        if (mapping.SaveOverride(file, port)) {
            const auto again = pmr::PortMapping::ReadOverrides(file);
            Check(again.count(port) && again.at(port) == device);
        }
    }
    ::unlink(file.c_str());
    return 0;
}
