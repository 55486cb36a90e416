#pragma once
// Whole-file reads and crash-safe replacement of the start of a file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pmr {

/// At most `maxBytes` bytes from the start of the file; nullopt when the file
/// cannot be opened or read (a missing file included).
std::optional<std::vector<std::uint8_t>> ReadFileStart(const std::string& path,
                                                       std::size_t maxBytes);

/// Makes `bytes` the start of the file at `path`, keeping any bytes an existing
/// longer file has beyond them; a missing file is created. The new contents are
/// written to a temporary file in the same folder, flushed and renamed over the
/// old one, so on any failure the old file stays exactly as it was.
bool ReplaceFileStart(const std::string& path, std::span<const std::uint8_t> bytes);

/// The temporary file ReplaceFileStart writes beside `path`.
std::string TemporaryFileBeside(const std::string& path);

} // namespace pmr
