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

bool ComputeBandLimits(DocumentState& state) {
    const std::string_view text = state.BandText;
    // Characters 1 to 3 and 7 to 9: the two whole-MHz numbers of "400 - 470 MHz".
    const auto low = LeadingNumber(text.substr(0, 3));
    const auto high = text.size() > 6 ? LeadingNumber(text.substr(6, 3)) : std::nullopt;
    if (!low || !high)
        return false;
    state.BandLimits.low = *low;
    state.BandLimits.high = *high;
    return true;
}

} // namespace pmr
