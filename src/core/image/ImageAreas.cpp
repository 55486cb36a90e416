#include "image/ImageAreas.h"

#include "app/TextCatalog.h"
#include "image/MemoryMap.h"

namespace pmr {

using namespace image_map;

namespace {

/// The English name, and the catalogue's text for it where there is one
/// (0: none; the name is then also the number filled into the text).
struct AreaName {
    std::string english;
    int textId = 0;
    std::string number;
};

AreaName AreaOf(int a) {
    if (a >= kChannelRecords && a < kVfoRecord) {
        const std::string n = std::to_string(a / kChannelRecordSize + 1);
        return {"channel " + n, 9070, n};
    }
    if (a < kEmptyBitmap)
        return {"VFO"};
    if (a < kFmEmptyBitmap)
        return {"channel list (used and scan skip)", 9094};
    if (a < kOptionBytes)
        return {"FM radio presets", 12003};
    if (a < kDtmfCodeSlots)
        return {"optional features", 12002};
    if (a < kDialMemory)
        return {"DTMF codes", 9095};
    if (a < kDtmfOptions) {
        const std::string n = std::to_string((a - kDialMemory) / kDtmfSlotSize + 1);
        return {"DTMF memory " + n, 9096, n};
    }
    if (a < kAlertBytes)
        return {"DTMF settings", 12004};
    if (a < kAlertBytes + 7)
        return {"emergency alert", 27000};
    if (a >= kScanBytes && a < kKeyBytes)
        return {"scan", 28000};
    if (a >= kKeyBytes && a < kPowerOnText1)
        return {"keys", 29000};
    if (a >= kPowerOnText1 && a < kPowerOnText2 + 8)
        return {"power-on text", 9097};
    if (a >= kEmbMessage && a < kKeptAreaBegin)
        return {"embedded message", 12006};
    if (a >= kModelName && a < kFeatureFlags)
        return {"model and band", 9098};
    return {"memory the program does not use", 9099};
}

} // namespace

std::string ImageAreaName(int a, const TextCatalog* texts) {
    const AreaName name = AreaOf(a);
    if (!texts || name.textId == 0)
        return name.english;
    return FillMarker(texts->GetLangText(name.textId), "%1", name.number);
}

std::vector<std::string> DescribeDifferences(const std::array<std::uint8_t, kImageSize>& a,
                                             const std::array<std::uint8_t, kImageSize>& b,
                                             const TextCatalog* texts) {
    std::vector<std::string> names;
    for (int i = 0; i < kImageSize; ++i) {
        if (a[static_cast<std::size_t>(i)] == b[static_cast<std::size_t>(i)])
            continue;
        std::string name = ImageAreaName(i, texts);
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
