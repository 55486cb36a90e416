#include "image/ImageCodec.h"

#include "app/AppContext.h"
#include "document/IdLengthRule.h"
#include "image/ChannelCodec.h"
#include "image/MemoryMap.h"
#include "image/SettingsCodec.h"

#include <algorithm>

namespace pmr {

using namespace image_map;

void EncodeImage(AppContext& app) {
    auto& img = app.images.ImageBuf;
    std::fill(img.begin() + kEmptyBitmap, img.begin() + kFmEmptyBitmap, std::uint8_t{0xFF});
    std::fill(img.begin() + kClearedLowBegin, img.begin() + kClearedLowEnd, std::uint8_t{0});
    std::fill(img.begin() + kClearedHighBegin, img.begin() + kClearedHighEnd, std::uint8_t{0});
    // Without a VFO in the table the record stays erased, so that reading the
    // image back does not invent a VFO at 0 MHz.
    std::fill(img.begin() + kVfoRecord, img.begin() + kVfoRecord + kChannelRecordSize,
              std::uint8_t{0xFF});

    RadioDocument& doc = app.doc;
    const int count = std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
    for (int i = 0; i < count; ++i)
        EncodeChannel(app, doc.Channels[static_cast<std::size_t>(i)]);
    EncodeSettings(app);
}

void DecodeImage(AppContext& app) {
    app.doc.ChannelCount = 0;
    for (int i = 0; i <= kMaxChannelEntries - 1; ++i)
        DecodeChannel(app, i);
    DecodeSettings(app);
    ApplyIdLengthRule(app);
}

} // namespace pmr
