#include "image/RadioInfoDecoder.h"

#include "app/AppContext.h"

#include <string>

namespace pmr {

namespace {

// A field ends at its first 00 or FF byte, or at its full width.
std::string FieldBytes(const std::array<std::uint8_t, 512>& buf, std::size_t first,
                       std::size_t width) {
    std::string out;
    for (std::size_t i = first; i < first + width; ++i) {
        if (buf[i] == 0x00 || buf[i] == 0xFF)
            break;
        out.push_back(static_cast<char>(buf[i]));
    }
    return out;
}

// Trailing spaces go, one character code 0 marks the end; a field of full
// width keeps all its characters and loses the marker when it is stored.
template <std::size_t N>
void Store(FixedText<N>& member, const std::array<std::uint8_t, 512>& buf, std::size_t first,
           std::size_t width) {
    std::string text = FieldBytes(buf, first, width);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    text.push_back('\0');
    member = text;
}

} // namespace

void DecodeRadioInfo(const std::array<std::uint8_t, 512>& buf, RadioInfo& info) {
    info.AreaCode = FieldBytes(buf, 0, 4);
    Store(info.BatchNo, buf, 16, 8);
    Store(info.CustomerCode, buf, 32, 4);
    Store(info.SerialNo, buf, 48, 16);
    Store(info.FactoryDate, buf, 64, 16);
    Store(info.RepairDate, buf, 80, 16);
    Store(info.RepairReason, buf, 96, 96);
    Store(info.DealerCode, buf, 448, 16);
    Store(info.StockInDate, buf, 464, 16);
    Store(info.SaleDate, buf, 480, 16);
    Store(info.HandledBy, buf, 496, 16);
}

void DecodeRadioInfo(AppContext& app) {
    DecodeRadioInfo(app.images.InfoBuf, app.radioInfo);
}

} // namespace pmr
