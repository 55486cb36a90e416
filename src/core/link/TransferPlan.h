#pragma once
// The blocks one phase of a transfer reads or writes, in the order it visits
// them. Reading every block, writing some of them and reading those back are
// one walk over a list of addresses; only the list differs.

#include "image/ImageBuffers.h"
#include "link/LinkFrames.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pmr {

/// Blocks of the main image (0x0000..0x13FF) and of the information area
/// (0x1400..0x15FF) that follows it in the radio's address space.
constexpr int kImageBlocks = kImageSize / kBlockLength;
constexpr int kInfoAreaBegin = kImageSize;
constexpr int kInfoBlocks = kInfoSize / kBlockLength;
/// The block of the information area that holds the radio's serial number.
constexpr int kSerialBlockAddress = kInfoAreaBegin + 0x30;

using ImageBytes = std::array<std::uint8_t, kImageSize>;

struct TransferPlan {
    std::vector<int> addresses;

    int Size() const { return static_cast<int>(addresses.size()); }
    bool Empty() const { return addresses.empty(); }
};

/// Every block of the main image, in address order.
TransferPlan WholeImagePlan();
/// Every block of the information area, in address order.
TransferPlan InfoAreaPlan();
/// The blocks of the main image in which `after` differs from `before`.
TransferPlan ChangedBlocks(const ImageBytes& before, const ImageBytes& after);

} // namespace pmr
