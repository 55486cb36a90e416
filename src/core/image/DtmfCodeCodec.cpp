#include "image/DtmfCodeCodec.h"

#include "document/DtmfDigits.h"
#include "document/TrimFix.h"
#include "image/CodecText.h"
#include "image/HexText.h"

#include <algorithm>

namespace pmr {

using image_detail::HexByte;

namespace {
constexpr int kMaxDigits = 16;
constexpr std::size_t kCountByte = 8;
} // namespace

void EncodeDtmfCode(const DtmfCode& code, std::span<std::uint8_t, 16> slot) {
    std::fill(slot.begin(), slot.end(), std::uint8_t{0});
    int n = code.Len;
    if (n < 0 || n > kMaxDigits)
        n = 0;
    std::string s = DtmfDigitsToHex(TrimFix(code.Digits));
    if (s.size() < static_cast<std::size_t>(n))
        s.append(static_cast<std::size_t>(n) - s.size(), '0');
    slot[kCountByte] = static_cast<std::uint8_t>(n);
    if (n % 2 != 0) {
        s += '0';
        ++n;
    }
    for (int i = 0; i < n / 2; ++i)
        slot[static_cast<std::size_t>(i)] =
            HexByte(s[static_cast<std::size_t>(2 * i)], s[static_cast<std::size_t>(2 * i + 1)]);
}

DtmfCode DecodeDtmfCode(std::span<const std::uint8_t, 16> slot) {
    int n = slot[kCountByte];
    if (n > kMaxDigits)
        n = 0;
    std::string hex;
    for (int i = 0; i < (n + 1) / 2; ++i)
        hex += HexPad(slot[static_cast<std::size_t>(i)], 2);
    hex.resize(static_cast<std::size_t>(n));
    DtmfCode code;
    code.Digits = DtmfHexToDigits(hex) + '\0';
    code.Len = static_cast<Integer>(n);
    return code;
}

} // namespace pmr
