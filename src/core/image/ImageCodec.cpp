#include "image/ImageCodec.h"

#include "app/AppContext.h"
#include "document/BandDefaults.h"
#include "document/DocumentDefaults.h"
#include "document/TrimFix.h"
#include "image/ChannelCodec.h"
#include "image/MemoryMap.h"
#include "image/SettingsCodec.h"

#include <algorithm>

namespace pmr {

using namespace image_map;

namespace {

// The records of unused channels and the gaps between the settings the
// program knows mean nothing to it; the plain write fills them with `gapFill`.
void EncodeWithGapFill(AppContext& app, std::uint8_t gapFill, bool plain) {
    auto& img = app.images.ImageBuf;
    std::fill(img.begin() + kEmptyBitmap, img.begin() + kFmEmptyBitmap, std::uint8_t{0xFF});
    std::fill(img.begin() + kClearedLowBegin, img.begin() + kClearedLowEnd, gapFill);
    std::fill(img.begin() + kClearedHighBegin, img.begin() + kClearedHighEnd, gapFill);
    // The plain write leaves the FM list's spare bits as erased memory holds them.
    if (plain)
        std::fill(img.begin() + kFmEmptyBitmap, img.begin() + kFmConstant, std::uint8_t{0xFF});
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

} // namespace

void EncodeImage(AppContext& app) {
    EncodeWithGapFill(app, 0, true);
}

void EncodeImageOver(AppContext& app, const std::array<std::uint8_t, kImageSize>& radio) {
    // Which bits the encoder owns is learnt from the encoder itself: encoded
    // over all-zero and over all-one memory, a bit it sets from the document
    // comes out the same both times; a bit it leaves alone follows the memory.
    auto& img = app.images.ImageBuf;
    img.fill(0x00);
    EncodeWithGapFill(app, 0x00, false);
    const auto overZero = img;
    img.fill(0xFF);
    EncodeWithGapFill(app, 0xFF, false);
    for (std::size_t i = 0; i < img.size(); ++i) {
        const auto owned = static_cast<std::uint8_t>(~(overZero[i] ^ img[i]));
        img[i] = static_cast<std::uint8_t>((overZero[i] & owned) | (radio[i] & ~owned));
    }
}

void DecodeImage(AppContext& app) {
    // A read gives a new document filled from the image: nothing of the document
    // open before survives, so reading the same radio twice gives the same
    // document (and the same .dat file) whatever was open.
    RadioDocument& doc = app.doc;
    doc.Channels.fill(ChannelRecord{});
    doc.ChannelCount = 0;
    ResetSettings(doc);
    for (int i = 0; i <= kMaxChannelEntries - 1; ++i)
        DecodeChannel(app, i);
    DecodeSettings(app);
    ApplyTestFreqDefaults(doc, app.docState.BandText);
    app.docState.TuningPoints = MakeTuningTable(app.docState.BandText);
    // The ID codes follow the length rule of the radio's own DTMF signalling:
    // with it on, the radio sends the first three digits, and those are the code.
    const Integer idRule = doc.Settings.Dtmf.DtmfSignalling != 0 ? 3 : 10;
    for (int i = 0; i < doc.ChannelCount; ++i) {
        ChannelRecord& entry = doc.Channels[static_cast<std::size_t>(i)];
        entry.IdCodeMaxLen = idRule;
        const std::string id = TrimFix(entry.IdCode);
        if (id.size() > static_cast<std::size_t>(idRule))
            entry.IdCode = id.substr(0, static_cast<std::size_t>(idRule)) + '\0';
    }
}

} // namespace pmr
