// Arbitrary radio memory must decode into a document that keeps its invariants,
// and encoding that document must be stable: decoding and encoding the result
// again gives the same bytes, and the bytes the program does not interpret stay.

#include "app/AppContext.h"
#include "image/ImageCodec.h"
#include "image/RadioFit.h"
#include "image/MemoryMap.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

bool IsDigits(const pmr::FixedText<8>& t) {
    return std::all_of(t.chars.begin(), t.chars.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void CheckInvariants(const pmr::RadioDocument& doc) {
    Check(doc.ChannelCount >= 0 && doc.ChannelCount <= pmr::kMaxChannelEntries);
    bool seen[pmr::kVfoChannelNo + 1] = {};
    for (int i = 0; i < doc.ChannelCount; ++i) {
        const pmr::ChannelRecord& c = doc.Channels[static_cast<std::size_t>(i)];
        Check(c.ChannelNo >= 1 && c.ChannelNo <= pmr::kVfoChannelNo);
        Check(!seen[c.ChannelNo]); // unique numbers, at most one VFO
        seen[c.ChannelNo] = true;
        Check(c.IsEmpty == 0 && IsDigits(c.RxFreq));
        Check(c.ChannelNo != pmr::kVfoChannelNo || i == doc.ChannelCount - 1);
        Check(c.RxTone >= 0 && c.RxTone <= 1074 && c.TxTone >= 0 && c.TxTone <= 1074);
        Check(c.TxShiftDir <= 2 && c.TxPower >= 0 && c.TxPower <= 2);
    }
    for (const auto& code : doc.Settings.Dtmf.DialMemory)
        Check(code.Len >= 0 && code.Len <= 16);
    Check(doc.Settings.Opt.VoxLevel <= 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto app = std::make_unique<pmr::AppContext>();
    auto& img = app->images.ImageBuf;
    auto& info = app->images.InfoBuf;
    const std::size_t inImage = std::min(size, img.size());
    std::memcpy(img.data(), data, inImage);
    if (size > inImage)
        std::memcpy(info.data(), data + inImage, std::min(size - inImage, info.size()));
    const auto original = img;

    pmr::DecodeImage(*app);
    CheckInvariants(app->doc);
    // Whatever channels a radio holds, what was read can be written back; a
    // radio-wide setting no window would store is named with its window.
    for (const pmr::UnfitValue& v : pmr::FindValuesTheRadioCannotHold(*app))
        Check(v.channelNo == 0 && v.windowId != 0);
    pmr::EncodeImage(*app);
    using namespace pmr::image_map;
    Check(std::equal(img.begin() + kKeptAreaBegin, img.begin() + kKeptAreaEnd,
                     original.begin() + kKeptAreaBegin));
    Check(std::equal(img.begin() + kKeptTailBegin, img.begin() + kKeptTailEnd,
                     original.begin() + kKeptTailBegin));

    auto again = std::make_unique<pmr::AppContext>();
    again->images = app->images;
    pmr::DecodeImage(*again);
    CheckInvariants(again->doc);
    Check(again->doc.ChannelCount == app->doc.ChannelCount);
    pmr::EncodeImage(*again);
    Check(again->images.ImageBuf == img);
    return 0;
}
