#include "backup/BackupStore.h"

#include "image/MemoryMap.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace pmr {

namespace fs = std::filesystem;

namespace {

// Only letters, digits and '-' go into a file name: a model name or a serial
// number may hold anything the radio stores.
std::string NamePart(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool plain =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
        out.push_back(plain ? c : '-');
    }
    return out.empty() ? "radio" : out;
}

std::string Stem(const std::string& path) {
    for (const char* ext : {".img", ".dat", ".txt"}) {
        const std::size_t n = std::strlen(ext);
        if (path.size() > n && path.compare(path.size() - n, n, ext) == 0)
            return path.substr(0, path.size() - n);
    }
    return path;
}

bool WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

std::optional<std::vector<std::uint8_t>> ReadWhole(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(limit + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string Hex8(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

} // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string ImageModelName(const std::array<std::uint8_t, kImageSize>& image) {
    std::string name;
    for (int i = 0; i < 7; ++i) {
        const std::uint8_t b = image[static_cast<std::size_t>(image_map::kModelName + i)];
        if (b == 0x00 || b == 0xFF)
            break;
        name.push_back(static_cast<char>(b));
    }
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

int ImageBandCode(const std::array<std::uint8_t, kImageSize>& image) {
    return image[image_map::kBandCode];
}

std::string BackupStore::CheckWritable() const {
    if (folder_.empty())
        return "no home folder";
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec)
        return ec.message();
    const std::string probe = folder_ + "/.write-test";
    errno = 0;
    std::FILE* f = std::fopen(probe.c_str(), "wb");
    if (!f)
        return std::strerror(errno != 0 ? errno : EACCES);
    std::fclose(f);
    std::remove(probe.c_str());
    return {};
}

std::optional<BackupInfo> BackupStore::Keep(const std::array<std::uint8_t, kImageSize>& image,
                                            const std::string& serial, std::time_t when,
                                            std::span<const std::uint8_t> datRecord,
                                            std::string& error) const {
    if (std::string why = CheckWritable(); !why.empty()) {
        error = why;
        return std::nullopt;
    }
    BackupInfo info;
    info.model = ImageModelName(image);
    info.band = ImageBandCode(image);
    info.serial = serial;
    info.crc = Crc32(image);
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32], shown[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::strftime(shown, sizeof shown, "%Y-%m-%d %H:%M:%S", &local);
    info.time = shown;
    std::string base = folder_ + "/" + NamePart(info.model) + "_" + std::to_string(info.band) +
                       "_" + stamp + (serial.empty() ? "" : "_" + NamePart(serial));
    // Two writes within one second get names of their own, sorting after the first.
    std::string stem = base;
    for (int n = 2; fs::exists(stem + ".img") || fs::exists(stem + ".txt"); ++n)
        stem = base + "_" + std::to_string(n);
    info.imagePath = stem + ".img";
    std::ostringstream text;
    text << "model=" << info.model << "\nband=" << info.band << "\nserial=" << info.serial
         << "\ntime=" << info.time << "\ncrc32=" << Hex8(info.crc) << "\n";
    const std::string description = text.str();
    // The description goes last: a backup without one is not listed.
    if (!WriteWhole(info.imagePath, image) || !WriteWhole(stem + ".dat", datRecord) ||
        !WriteWhole(stem + ".txt",
                    std::span(reinterpret_cast<const std::uint8_t*>(description.data()),
                              description.size()))) {
        error = std::strerror(errno != 0 ? errno : EIO);
        std::remove((stem + ".txt").c_str());
        return std::nullopt;
    }
    return info;
}

std::optional<BackupInfo> ReadBackupInfo(const std::string& path) {
    const std::string stem = Stem(path);
    std::ifstream in(stem + ".txt");
    if (!in)
        return std::nullopt;
    std::map<std::string, std::string> values;
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos)
            values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    if (!values.count("model") || !values.count("band") || !values.count("time") ||
        !values.count("crc32"))
        return std::nullopt;
    BackupInfo info;
    info.imagePath = stem + ".img";
    info.model = values["model"];
    info.serial = values["serial"];
    info.time = values["time"];
    try {
        info.band = std::stoi(values["band"]);
        info.crc = static_cast<std::uint32_t>(std::stoul(values["crc32"], nullptr, 16));
    } catch (...) {
        return std::nullopt;
    }
    return info;
}

std::vector<BackupInfo> BackupStore::List() const {
    std::vector<BackupInfo> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string path = it->path().string();
        if (path.size() < 4 || path.compare(path.size() - 4, 4, ".txt") != 0)
            continue;
        if (auto info = ReadBackupInfo(path))
            found.push_back(*info);
    }
    // The time stamp sorts as text; the name breaks ties within one second.
    std::sort(found.begin(), found.end(), [](const BackupInfo& a, const BackupInfo& b) {
        return a.time != b.time ? a.time > b.time : a.imagePath > b.imagePath;
    });
    return found;
}

void BackupStore::Prune(const BackupInfo& newest, int keep) const {
    keep = std::max(keep, 1);
    int seen = 0;
    for (const BackupInfo& info : List()) {
        if (!info.SameRadio(newest))
            continue;
        if (++seen <= keep)
            continue;
        const std::string stem = Stem(info.imagePath);
        // The description first: a half-removed backup is no longer listed.
        std::remove((stem + ".txt").c_str());
        std::remove((stem + ".img").c_str());
        std::remove((stem + ".dat").c_str());
    }
}

std::optional<std::array<std::uint8_t, kImageSize>> LoadBackupImage(const std::string& path,
                                                                     std::string& error) {
    const auto info = ReadBackupInfo(path);
    if (!info) {
        error = "it has no readable description (" + Stem(path) + ".txt)";
        return std::nullopt;
    }
    const auto bytes = ReadWhole(info->imagePath, kImageSize);
    if (!bytes) {
        error = "its image " + info->imagePath + " cannot be read";
        return std::nullopt;
    }
    if (bytes->size() != static_cast<std::size_t>(kImageSize)) {
        error = "its image holds " + std::to_string(bytes->size()) + " bytes instead of " +
                std::to_string(kImageSize);
        return std::nullopt;
    }
    std::array<std::uint8_t, kImageSize> image{};
    std::copy(bytes->begin(), bytes->end(), image.begin());
    if (Crc32(image) != info->crc) {
        error = "its image does not match the check sum it was kept with";
        return std::nullopt;
    }
    if (ImageModelName(image) != info->model || ImageBandCode(image) != info->band) {
        error = "its image names another model or band than its description";
        return std::nullopt;
    }
    return image;
}

} // namespace pmr
