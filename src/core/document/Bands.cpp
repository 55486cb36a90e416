#include "document/Bands.h"

#include "document/DecimalText.h"
#include "document/DocumentState.h"

namespace pmr {

const std::array<BandRow, 17>& BandTable() {
    static constexpr std::array<BandRow, 17> kBands = {{
        {0, "400 - 470 MHz", 1},
        {1, "430 - 450 MHz", 2},
        {2, "400 - 440 MHz", 3},
        {3, "440 - 470 MHz", 4},
        {4, kPmr446BandText, 5},
        {5, "430 - 432 MHz", 6},
        {6, "430 - 440 MHz", 7},
        {7, "430 - 470 MHz", 8},
        {8, "136 - 174 MHz", 9},
        {9, "136 - 150 MHz", 10},
        {10, "150 - 174 MHz", 11},
        {11, "136 - 145 MHz", 12},
        {12, "145 - 174 MHz", 13},
        {13, "144 - 146 MHz", 14},
        {14, "144 - 148 MHz", 15},
        {16, "350 - 390 MHz", 16},
        {32, "450 - 520 MHz", 17},
    }};
    return kBands;
}

int BandCodeFromText(std::string_view text) {
    for (const BandRow& row : BandTable())
        if (row.text == text)
            return row.code;
    return 0;
}

std::string BandTextFromCode(int code) {
    for (const BandRow& row : BandTable())
        if (row.code == code)
            return std::string(row.text);
    return {};
}

std::vector<std::string> BandTextsInListOrder() {
    std::vector<std::string> texts(BandTable().size());
    for (const BandRow& row : BandTable())
        texts[static_cast<std::size_t>(row.listPosition - 1)] = std::string(row.text);
    return texts;
}

std::optional<BandLimitPair> BandLimitsFromText(std::string_view text) {
    // "<low> - <high> MHz": both numbers whole, so that "446.00625 - 446.19375 MHz"
    // gives the PMR446 channel frequencies themselves as the limits.
    constexpr std::string_view kDash = " - ";
    constexpr std::string_view kUnit = " MHz";
    const std::size_t dash = text.find(kDash);
    if (dash == std::string_view::npos || !text.ends_with(kUnit))
        return std::nullopt;
    const std::size_t highBegin = dash + kDash.size();
    if (highBegin + kUnit.size() > text.size())
        return std::nullopt;
    const std::string_view lowText = text.substr(0, dash);
    const std::string_view highText = text.substr(highBegin, text.size() - kUnit.size() - highBegin);
    if (!IsNumeric(lowText) || !IsNumeric(highText))
        return std::nullopt;
    const auto low = ParseUnits(lowText, 5);
    const auto high = ParseUnits(highText, 5);
    if (!low || !high || *low <= 0 || *high < *low)
        return std::nullopt;
    return BandLimitPair{*low, *high};
}

bool ComputeBandLimits(DocumentState& state) {
    const auto limits = BandLimitsFromText(state.BandText);
    if (!limits)
        return false;
    state.BandLimits = *limits;
    return true;
}

std::int64_t MiddleChannel10Hz(const BandLimitPair& limits) {
    const std::int64_t half = (limits.high10Hz - limits.low10Hz) / 2;
    return limits.low10Hz + half / kChannelRaster10Hz * kChannelRaster10Hz;
}

} // namespace pmr
