#include "link/TransferPlan.h"

#include <algorithm>

namespace pmr {

TransferPlan WholeImagePlan() {
    TransferPlan plan;
    for (int i = 0; i < kImageBlocks; ++i)
        plan.addresses.push_back(i * kBlockLength);
    return plan;
}

TransferPlan InfoAreaPlan() {
    TransferPlan plan;
    for (int i = 0; i < kInfoBlocks; ++i)
        plan.addresses.push_back(kInfoAreaBegin + i * kBlockLength);
    return plan;
}

TransferPlan ChangedBlocks(const ImageBytes& before, const ImageBytes& after) {
    TransferPlan plan;
    for (int address = 0; address < kImageSize; address += kBlockLength) {
        const auto from = static_cast<std::ptrdiff_t>(address);
        if (!std::equal(before.begin() + from, before.begin() + from + kBlockLength,
                        after.begin() + from))
            plan.addresses.push_back(address);
    }
    return plan;
}

} // namespace pmr
