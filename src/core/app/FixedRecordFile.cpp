#include "app/FixedRecordFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace pmr {

bool ReadFixedRecord(const std::string& path, std::span<std::uint8_t> record, bool createMissing) {
    std::fill(record.begin(), record.end(), std::uint8_t{0});
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        if (!createMissing)
            return false;
        std::FILE* created = std::fopen(path.c_str(), "ab");
        if (!created)
            return false;
        return std::fclose(created) == 0;
    }
    if (ec || std::filesystem::is_directory(status))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    // A short file fills what it holds; the rest stays 0.
    std::fread(record.data(), 1, record.size(), f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return !failed;
}

bool WriteFixedRecord(const std::string& path, std::span<const std::uint8_t> record) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    // "r+b" keeps the bytes after the record; a missing file is made with "wb".
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (!f)
        f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(record.data(), 1, record.size(), f) == record.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

} // namespace pmr
