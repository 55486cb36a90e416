#pragma once
// Shared set-up for the image codec tests: an application object with a
// PMR446 document and helpers to build channels and read image bytes.

#include "app/AppContext.h"
#include "image/MemoryMap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pmr::test {

inline std::unique_ptr<AppContext> MakeApp() {
    auto app = std::make_unique<AppContext>();
    app->docState.ModelNameText = "VX210";
    app->docState.BandText = "446.00625 - 446.19375 MHz";
    app->images.ImageBuf.fill(0xFF);
    return app;
}

inline ChannelRecord MakeChannel(int no, std::string_view rx, int step625 = 1) {
    ChannelRecord c;
    c.ChannelNo = static_cast<Integer>(no);
    c.RxFreq = rx;
    c.RxStep625 = static_cast<Integer>(step625);
    c.TxShift = "0000000";
    c.IdCode = std::string("000") + '\0';
    c.Name = "";
    return c;
}

inline void SetTable(AppContext& app, const std::vector<ChannelRecord>& channels) {
    app.doc.ChannelCount = static_cast<Integer>(channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i)
        app.doc.Channels[i] = channels[i];
}

inline std::vector<std::uint8_t> Bytes(const AppContext& app, int address, int n) {
    return {app.images.ImageBuf.begin() + address, app.images.ImageBuf.begin() + address + n};
}

inline const std::uint8_t* Record(const AppContext& app, int channelNo) {
    return app.images.ImageBuf.data() +
           (channelNo > 128 ? image_map::kVfoRecord : (channelNo - 1) * 32);
}

inline std::uint8_t* Record(AppContext& app, int channelNo) {
    return app.images.ImageBuf.data() +
           (channelNo > 128 ? image_map::kVfoRecord : (channelNo - 1) * 32);
}

inline bool EmptyBit(const AppContext& app, int channelNo) {
    const int i = channelNo - 1;
    return ((app.images.ImageBuf[image_map::kEmptyBitmap + i / 8] >> (i % 8)) & 1) != 0;
}

inline bool ScanSkipBit(const AppContext& app, int channelNo) {
    const int i = channelNo - 1;
    return ((app.images.ImageBuf[image_map::kScanSkipBitmap + i / 8] >> (i % 8)) & 1) != 0;
}

/// Marks channel n present in an image prepared by hand.
inline void MarkPresent(AppContext& app, int channelNo) {
    const int i = channelNo - 1;
    app.images.ImageBuf[image_map::kEmptyBitmap + i / 8] &=
        static_cast<std::uint8_t>(~(1 << (i % 8)));
}

/// Trailing spaces off, cut at the first NUL: how every text member is compared.
inline std::string Trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    const auto nul = s.find('\0');
    if (nul != std::string::npos)
        s.resize(nul);
    return s;
}

template <std::size_t N> std::string Trimmed(const FixedText<N>& t) {
    return Trimmed(t.raw());
}

} // namespace pmr::test
