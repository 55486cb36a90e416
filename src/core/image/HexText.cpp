#include "image/HexText.h"

#include "document/TrimFix.h"

namespace pmr {
namespace {

std::string PadDigits(std::uint64_t value, int n, unsigned base) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[value % base]);
        value /= base;
    } while (value != 0);
    if (n <= 0)
        return {};
    const auto width = static_cast<std::size_t>(n);
    if (digits.size() >= width)
        return digits.substr(0, width);
    return std::string(width - digits.size(), '0') + digits;
}

} // namespace

std::string HexPad(std::uint64_t value, int n) {
    return PadDigits(value, n, 16);
}

std::string OctPad(std::uint64_t value, int n) {
    return PadDigits(value, n, 8);
}

std::string HexOrBlank(std::string_view text) {
    std::string s = TrimFix(text);
    if (s.empty() || s == "FFFFFFFF")
        return "FFFFFFFF";
    if (s.size() % 2 != 0)
        s += '0';
    return s;
}

} // namespace pmr
