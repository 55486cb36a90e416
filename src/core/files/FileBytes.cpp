#include "files/FileBytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pmr {

namespace fs = std::filesystem;

std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(path), ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(maxBytes);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(maxBytes));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string TemporaryFileBeside(const std::string& path) {
    return path + ".saving";
}

namespace {

// Copies what `old` holds beyond `skip` bytes to `out`.
bool CopyTail(const std::string& old, std::size_t skip, std::ofstream& out) {
    std::ifstream in(old, std::ios::binary);
    if (!in)
        return false;
    in.seekg(static_cast<std::streamoff>(skip));
    if (!in)
        return false;
    char chunk[8192];
    while (in) {
        in.read(chunk, sizeof chunk);
        const auto got = in.gcount();
        if (got > 0)
            out.write(chunk, got);
        if (!out)
            return false;
    }
    return !in.bad();
}

} // namespace

bool ReplaceFileStart(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    const fs::path target(path);
    const auto status = fs::status(target, ec); // a missing file is no error here
    if (status.type() == fs::file_type::none || status.type() == fs::file_type::unknown)
        return false;
    const bool exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status))
        return false;
    std::uintmax_t oldSize = 0;
    if (exists) {
        oldSize = fs::file_size(target, ec);
        if (ec)
            return false;
    }

    const std::string temp = TemporaryFileBeside(path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        bool ok = static_cast<bool>(out);
        if (ok && oldSize > bytes.size())
            ok = CopyTail(path, bytes.size(), out);
        if (ok)
            out.flush();
        out.close();
        if (!ok || !out) {
            fs::remove(temp, ec);
            return false;
        }
    }
    const auto written = fs::file_size(temp, ec);
    const auto expected = std::max<std::uintmax_t>(oldSize, bytes.size());
    if (ec || written != expected) {
        fs::remove(temp, ec);
        return false;
    }
    if (exists) {
        std::error_code ignored; // a copy that cannot take the old permissions is still sound
        fs::permissions(temp, status.permissions(), ignored);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

} // namespace pmr
