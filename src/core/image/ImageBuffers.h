#pragma once
// The radio's memory as bytes: the configuration image and the information area.

#include <array>
#include <cstdint>

namespace pmr {

constexpr int kImageSize = 5120; // radio addresses 0x0000..0x13FF
constexpr int kInfoSize = 512;   // radio addresses 0x1400..0x15FF

struct ImageBuffers {
    std::array<std::uint8_t, kImageSize> ImageBuf{};
    std::array<std::uint8_t, kInfoSize> InfoBuf{};
};

} // namespace pmr
