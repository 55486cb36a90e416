#include "image/CodecText.h"

namespace pmr::image_detail {

bool IsDecimalDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::uint64_t DecimalValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

std::uint64_t RoundHalfEven(std::uint64_t value, std::uint64_t step) {
    std::uint64_t q = value / step;
    const std::uint64_t twiceRest = 2 * (value % step);
    if (twiceRest > step || (twiceRest == step && (q & 1U) != 0))
        ++q;
    return q;
}

int HexNibble(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

std::uint8_t HexByte(char high, char low) {
    return static_cast<std::uint8_t>(HexNibble(high) * 16 + HexNibble(low));
}

} // namespace pmr::image_detail
