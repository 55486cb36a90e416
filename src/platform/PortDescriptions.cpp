#include "PortDescriptions.h"

#include "PortMapping.h"

#include <QSerialPortInfo>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace pmr {
namespace {

namespace fs = std::filesystem;

std::string Canonical(const std::string& path) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    return ec ? path : resolved.string();
}

/// The by-id names that lead to `device`.
std::vector<std::string> ByIdNames(const std::string& device, const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    const std::string target = Canonical(device);
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (Canonical(entry.path().string()) == target)
            names.push_back(entry.path().filename().string());
    return names;
}

/// Another running program holds the device: serial programs (this one's
/// Qt port included) leave a lock file "LCK..ttyUSB0" with their process
/// number in the lock folder.
bool HeldByAnotherProgram(const std::string& device, const std::vector<std::string>& folders) {
    const std::string name = fs::path(Canonical(device)).filename().string();
    for (const std::string& folder : folders) {
        std::ifstream in(folder + "/LCK.." + name);
        long pid = 0;
        if (in >> pid && pid > 0 && pid != ::getpid() &&
            (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM))
            return true;
    }
    return false;
}

std::string AdapterText(const std::string& device) {
    const std::string target = Canonical(device);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (Canonical(info.systemLocation().toStdString()) != target)
            continue;
        std::string text = info.manufacturer().toStdString();
        const std::string product = info.description().toStdString();
        if (!product.empty())
            text += (text.empty() ? "" : " ") + product;
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            char ids[16];
            std::snprintf(ids, sizeof ids, "%04x:%04x", info.vendorIdentifier(),
                          info.productIdentifier());
            text += (text.empty() ? "" : " ") + std::string("(") + ids + ")";
        }
        return text;
    }
    return {};
}

} // namespace

PortInfo DescribeDevice(const std::string& device, const std::string& byIdFolder,
                        const std::vector<std::string>& lockFolders) {
    PortInfo info;
    info.device = device;
    if (device.empty())
        return info;
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0)
        return info; // Absent
    std::string detail;
    for (const std::string& name : ByIdNames(device, byIdFolder))
        if (name != fs::path(device).filename().string())
            detail += (detail.empty() ? "" : ", ") + name;
    if (const std::string adapter = AdapterText(device); !adapter.empty())
        detail += (detail.empty() ? "" : ", ") + adapter;
    info.detail = detail;
    if (::access(device.c_str(), R_OK | W_OK) != 0) {
        info.state = PortInfo::State::NoPermission;
        if (const group* g = ::getgrgid(st.st_gid))
            info.group = g->gr_name;
        return info;
    }
    info.state = HeldByAnotherProgram(device, lockFolders) ? PortInfo::State::Busy
                                                           : PortInfo::State::Present;
    return info;
}

std::vector<std::string> UnnumberedDevices(const PortMapping& mapping,
                                           const std::string& byIdFolder) {
    std::set<std::string> reached;
    for (int port = 1; port <= PortMapping::kMaxPort; ++port)
        if (const std::string device = mapping.DeviceFor(port); !device.empty())
            reached.insert(Canonical(device));
    std::vector<std::string> devices;
    auto offer = [&](const std::string& path) {
        if (!reached.count(Canonical(path)))
            devices.push_back(path);
        reached.insert(Canonical(path));
    };
    std::error_code ec;
    std::vector<std::string> byId;
    for (const auto& entry : fs::directory_iterator(byIdFolder, ec))
        byId.push_back(entry.path().string());
    std::sort(byId.begin(), byId.end());
    for (const std::string& path : byId)
        offer(path);
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        offer(info.systemLocation().toStdString());
    return devices;
}

} // namespace pmr
