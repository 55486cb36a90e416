#pragma once
// Bit and byte access to the image used by the channel and settings codecs.

#include "image/ImageBuffers.h"

#include <cstdint>

namespace pmr::image_detail {

using Image = std::array<std::uint8_t, kImageSize>;

/// Bit n of a channel-style bitmap: entry i is bit i % 8 of byte base + i / 8.
inline bool BitmapBit(const Image& img, int base, int i) {
    return ((img[static_cast<std::size_t>(base + i / 8)] >> (i % 8)) & 1U) != 0;
}

inline void SetBitmapBit(Image& img, int base, int i, bool on) {
    auto& byte = img[static_cast<std::size_t>(base + i / 8)];
    const auto mask = static_cast<std::uint8_t>(1U << (i % 8));
    byte = static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

/// A member as a bit field: the low `width` bits of value, moved up to `shift`.
/// Values too wide for their field are cut to it so that they can never
/// change the neighbouring fields of the same byte.
constexpr std::uint8_t Field(int value, int width, int shift) {
    return static_cast<std::uint8_t>((static_cast<unsigned>(value) & ((1U << width) - 1U))
                                     << shift);
}

/// A single-bit member: any non-zero value sets the bit.
constexpr std::uint8_t Flag(int value, int shift) {
    return static_cast<std::uint8_t>((value != 0 ? 1U : 0U) << shift);
}

constexpr int Bits(std::uint8_t byte, int width, int shift) {
    return static_cast<int>((static_cast<unsigned>(byte) >> shift) & ((1U << width) - 1U));
}

inline std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace pmr::image_detail
