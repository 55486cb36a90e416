#pragma once
// The radio's memory as bytes: the configuration image that the transfer driver
// reads and writes block by block, and the dealer and radio information area.

#include <array>
#include <cstdint>

namespace pmr {

constexpr int kImageSize = 5120; // radio addresses 0x0000..0x13FF
constexpr int kInfoSize = 512;   // radio addresses 0x1400..0x15FF

struct ImageBuffers {
    std::array<std::uint8_t, kImageSize> ImageBuf{};
    std::array<std::uint8_t, kInfoSize> InfoBuf{};
};

/// The link mode in which the dealer and radio information is read; the main
/// image is left alone then, because that read only fills InfoBuf.
constexpr int kLinkModeRadioInfo = 3;

/// Sets the whole main image to 0xFF (erased memory) before a read or a write,
/// except in the radio-information mode, in which the image stays unchanged.
void ClearImage(ImageBuffers& images, int linkMode);

} // namespace pmr
