#include "image/ImageAreas.h"

#include "image/MemoryMap.h"

namespace pmr {

using namespace image_map;

std::string ImageAreaName(int a) {
    if (a >= kChannelRecords && a < kVfoRecord)
        return "channel " + std::to_string(a / kChannelRecordSize + 1);
    if (a < kEmptyBitmap)
        return "VFO";
    if (a < kFmEmptyBitmap)
        return "channel list (used and scan skip)";
    if (a < kOptionBytes)
        return "FM radio presets";
    if (a < kDtmfCodeSlots)
        return "optional features";
    if (a < kDialMemory)
        return "DTMF codes";
    if (a < kDtmfOptions)
        return "DTMF memory " + std::to_string((a - kDialMemory) / kDtmfSlotSize + 1);
    if (a < kAlertBytes)
        return "DTMF settings";
    if (a < kAlertBytes + 7)
        return "emergency alert";
    if (a >= kScanBytes && a < kKeyBytes)
        return "scan";
    if (a >= kKeyBytes && a < kPowerOnText1)
        return "keys";
    if (a >= kPowerOnText1 && a < kPowerOnText2 + 8)
        return "power-on text";
    if (a >= kEmbMessage && a < kKeptAreaBegin)
        return "embedded message";
    if (a >= kModelName && a < kFeatureFlags)
        return "model and band";
    return "memory the program does not use";
}

std::vector<std::string> DescribeDifferences(const std::array<std::uint8_t, kImageSize>& a,
                                             const std::array<std::uint8_t, kImageSize>& b) {
    std::vector<std::string> names;
    for (int i = 0; i < kImageSize; ++i) {
        if (a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i)])
            continue;
        std::string name = ImageAreaName(i);
        bool known = false;
        for (const auto& n : names)
            known = known || n == name;
        if (!known)
            names.push_back(std::move(name));
    }
    return names;
}

std::string JoinAreaNames(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& n : names)
        text += (text.empty() ? "" : ", ") + n;
    return text;
}

} // namespace pmr
