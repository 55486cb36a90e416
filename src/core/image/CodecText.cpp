#include "image/CodecText.h"

#include <array>
#include <utility>

namespace pmr::image_detail {

std::string TrimFix(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const auto nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    return std::string(text);
}

bool IsDecimalDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::uint64_t DecimalValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

std::uint64_t RoundHalfEven(std::uint64_t value, std::uint64_t step) {
    std::uint64_t q = value / step;
    const std::uint64_t twiceRest = 2 * (value % step);
    if (twiceRest > step || (twiceRest == step && (q & 1U) != 0))
        ++q;
    return q;
}

int HexNibble(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

std::uint8_t HexByte(char high, char low) {
    return static_cast<std::uint8_t>(HexNibble(high) * 16 + HexNibble(low));
}

std::string DtmfDigitsToHex(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '*')
            c = 'E';
        else if (c == '#')
            c = 'F';
    }
    return out;
}

std::string DtmfHexToDigits(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == 'E')
            c = '*';
        else if (c == 'F')
            c = '#';
    }
    return out;
}

namespace {

constexpr std::array<std::pair<int, std::string_view>, 17> kBands{{
    {0, "400 - 470 MHz"},
    {1, "430 - 450 MHz"},
    {2, "400 - 440 MHz"},
    {3, "440 - 470 MHz"},
    {4, "446.00625 - 446.19375 MHz"},
    {5, "430 - 432 MHz"},
    {6, "430 - 440 MHz"},
    {7, "430 - 470 MHz"},
    {8, "136 - 174 MHz"},
    {9, "136 - 150 MHz"},
    {10, "150 - 174 MHz"},
    {11, "136 - 145 MHz"},
    {12, "145 - 174 MHz"},
    {13, "144 - 146 MHz"},
    {14, "144 - 148 MHz"},
    {16, "350 - 390 MHz"},
    {32, "450 - 520 MHz"},
}};

bool ThreeDigits(std::string_view text, std::size_t at, int& value) {
    if (text.size() < at + 3)
        return false;
    const auto part = text.substr(at, 3);
    if (!IsDecimalDigits(part))
        return false;
    value = static_cast<int>(DecimalValue(part));
    return true;
}

} // namespace

std::string BandTextFromCode(int code) {
    for (const auto& [c, text] : kBands)
        if (c == code)
            return std::string(text);
    return {};
}

int BandCodeFromText(std::string_view text) {
    for (const auto& [c, t] : kBands)
        if (t == text)
            return c;
    return 0;
}

void ComputeBandLimits(DocumentState& state) {
    int low = 0;
    int high = 0;
    // Characters 1-3 and 7-9: "446.00625 - 446.19375 MHz" therefore gives 446 and 625.
    if (!ThreeDigits(state.BandText, 0, low) || !ThreeDigits(state.BandText, 6, high))
        return;
    state.BandLimits.low = low;
    state.BandLimits.high = high;
}

void ApplyIdLengthRule(RadioDocument& doc) {
    const Integer rule = doc.Settings.Dtmf.DtmfSignalling != 0 ? 3 : 10;
    const int count = doc.ChannelCount < 0                    ? 0
                      : doc.ChannelCount > kMaxChannelEntries ? kMaxChannelEntries
                                                              : doc.ChannelCount;
    for (int i = 0; i < count; ++i) {
        ChannelRecord& entry = doc.Channels[static_cast<std::size_t>(i)];
        if (entry.IdCodeMaxLen == rule)
            continue;
        entry.IdCodeMaxLen = rule;
        if (rule == 3 && TrimFix(entry.IdCode).size() >= 4)
            entry.IdCode = "000";
    }
}

} // namespace pmr::image_detail
