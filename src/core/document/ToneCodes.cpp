#include "document/ToneCodes.h"

#include "app/TextCatalog.h"

namespace pmr {

const std::array<std::string_view, 50>& CtcssToneTexts() {
    static constexpr std::array<std::string_view, 50> kTones = {
        "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
        "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
        "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
        "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
        "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
    return kTones;
}

std::string ToneName(int code, std::string_view offText) {
    if (code == 0)
        return std::string(offText);
    if (code >= 1 && code < kFirstDcsNormal)
        return std::string(CtcssToneTexts()[static_cast<std::size_t>(code - 1)]);
    if (code < kFirstDcsNormal || code >= kToneCount)
        return {};
    const bool inverted = code >= kFirstDcsInverted;
    const int octal = code - (inverted ? kFirstDcsInverted : kFirstDcsNormal); // 0..511
    std::string name = "D";
    name += static_cast<char>('0' + ((octal >> 6) & 7));
    name += static_cast<char>('0' + ((octal >> 3) & 7));
    name += static_cast<char>('0' + (octal & 7));
    name += inverted ? 'I' : 'N';
    return name;
}

std::vector<std::string> ToneNames(std::string_view offText) {
    std::vector<std::string> names;
    names.reserve(kToneCount);
    for (int code = 0; code < kToneCount; ++code)
        names.push_back(ToneName(code, offText));
    return names;
}

std::vector<std::string> ToneNames(const TextCatalog& texts) {
    return ToneNames(texts.GetLangText(14013));
}

} // namespace pmr
