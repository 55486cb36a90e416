#include "PortMapping.h"

#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/InstallPaths.h"
#include "link/LinkHooks.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace pmr {
namespace {

struct RuleRange {
    int firstPort, lastPort;
    const char* name;
    int firstIndex;
};
constexpr RuleRange kRule[] = {
    {1, 4, "ttyS", 0},   {5, 12, "ttyUSB", 0},   {13, 16, "ttyACM", 0},
    {17, 44, "ttyS", 4}, {45, 100, "ttyUSB", 8}, {101, 160, "ttyACM", 4},
};

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

} // namespace

PortMapping::PortMapping(std::map<int, std::string> overrides, std::string devRoot,
                         std::string sysRoot, std::string consolesFile)
    : overrides_(std::move(overrides)), devRoot_(std::move(devRoot)), sysRoot_(std::move(sysRoot)),
      consolesFile_(std::move(consolesFile)) {}

std::map<int, std::string> PortMapping::ReadOverrides(const std::string& setupFile) {
    std::map<int, std::string> result;
    auto text = ReadWholeFile(setupFile);
    if (!text)
        return result;
    for (const auto& [key, value] : IniDocument::Parse(*text).Entries("ports")) {
        int port = 0;
        const std::string k = TrimBlanks(key);
        auto [end, ec] = std::from_chars(k.data(), k.data() + k.size(), port);
        if (ec != std::errc() || end != k.data() + k.size() || port < 1 || port > kMaxPort ||
            value.empty())
            continue;
        result.emplace(port, value); // the first entry of a number wins
    }
    return result;
}

std::string PortMapping::RuleDevice(int port) const {
    for (const auto& r : kRule)
        if (port >= r.firstPort && port <= r.lastPort)
            return devRoot_ + "/" + r.name + std::to_string(r.firstIndex + port - r.firstPort);
    return {};
}

std::string PortMapping::DeviceFor(int port) const {
    if (auto it = overrides_.find(port); it != overrides_.end())
        return it->second;
    return RuleDevice(port);
}

std::optional<int> PortMapping::PortFor(const std::string& device) const {
    for (const auto& [port, path] : overrides_)
        if (path == device)
            return port;
    for (int port = 1; port <= kMaxPort; ++port)
        if (!overrides_.count(port) && RuleDevice(port) == device)
            return port;
    return std::nullopt;
}

bool PortMapping::Exists(int port, const std::string& device) const {
    if (device.empty() || !PathExists(device))
        return false;
    if (overrides_.count(port))
        return true;
    const auto slash = device.rfind('/');
    const std::string name = device.substr(slash + 1);
    if (name.rfind("ttyS", 0) != 0)
        return true;
    // Built-in ports: the 8250 driver keeps a node for every possible port; only
    // a port whose UART type is not 0 ("unknown") is really there.
    std::ifstream type(sysRoot_ + "/" + name + "/type");
    int t = 0;
    if (type >> t)
        return t != 0;
    return PathExists(sysRoot_ + "/" + name + "/device");
}

std::vector<int> PortMapping::ExistingPorts() const {
    std::vector<int> ports;
    for (int port = 1; port <= kMaxPort; ++port)
        if (Exists(port, DeviceFor(port)))
            ports.push_back(port);
    return ports;
}

bool PortMapping::IsConsole(int port) const {
    std::string device = DeviceFor(port);
    if (device.empty())
        return false;
    // A by-id link or another name of the same node counts as well.
    char resolved[4096];
    if (::realpath(device.c_str(), resolved))
        device = resolved;
    const std::string name = device.substr(device.rfind('/') + 1);
    // Both files name the consoles by their device name: "ttyS0 -W- (EC p a) 4:64"
    // in /proc/consoles, "tty0 ttyS0" in console/active.
    for (const std::string& file : {consolesFile_, sysRoot_ + "/console/active"}) {
        std::ifstream in(file);
        std::string word;
        while (in >> word)
            if (word == name)
                return true;
    }
    return false;
}

bool PortMapping::SaveOverride(const std::string& setupFile, int port) const {
    const auto it = overrides_.find(port);
    if (it == overrides_.end())
        return false;
    return WriteProfileString(setupFile, "ports", std::to_string(port), it->second);
}

void SaveFoundPortOverrides(LinkHooks& hooks, const PortMapping& mapping) {
    hooks.writeSetupValue = [base = hooks.writeSetupValue, &mapping](
                                AppContext& app, const std::string& key, int value) {
        if (base)
            base(app, key, value);
        if (key == "comPort" && app.paths.WritesFiles)
            mapping.SaveOverride(SetupFilePath(app.paths), value);
    };
}

} // namespace pmr
