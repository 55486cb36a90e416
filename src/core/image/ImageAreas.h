#pragma once
// What a place in the radio's memory holds, in words a user knows: used to say
// which channels and settings a write changes or failed to change.

#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pmr {

class TextCatalog;

/// The name of what the byte at `address` belongs to ("channel 5", "DTMF
/// settings", "memory the program does not use"): in the language of `texts`,
/// in English without it (the command line's block lists).
std::string ImageAreaName(int address, const TextCatalog* texts = nullptr);

/// The names of everything in which the two images differ, each once, in
/// address order.
std::vector<std::string> DescribeDifferences(const std::array<std::uint8_t, kImageSize>& a,
                                             const std::array<std::uint8_t, kImageSize>& b,
                                             const TextCatalog* texts = nullptr);

/// The names joined with ", ".
std::string JoinAreaNames(const std::vector<std::string>& names);

} // namespace pmr
