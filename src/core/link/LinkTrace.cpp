#include "link/LinkTrace.h"

namespace pmr {

std::string FormatTraceBytes(std::int64_t ms, const char* direction,
                             const std::vector<std::uint8_t>& bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = std::to_string(ms);
    line += ' ';
    line += direction;
    for (auto b : bytes) {
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 0x0F];
    }
    return line;
}

} // namespace pmr
