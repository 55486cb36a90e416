#pragma once
// Writing a file the program makes whole (a CSV channel list): written beside
// the target and renamed over it, so that a failure part-way keeps the old
// file as it was and never leaves half a file behind.

#include <string>
#include <string_view>

namespace pmr {

/// Makes `bytes` the whole contents of the file at `path`; false when the file
/// could not be written (the old file, if any, is then unchanged).
bool WriteWholeFile(const std::string& path, std::string_view bytes);

} // namespace pmr
