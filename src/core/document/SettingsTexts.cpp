#include "document/SettingsTexts.h"

#include "document/DecimalText.h"
#include "document/TrimFix.h"

#include <algorithm>

namespace pmr {

namespace {

constexpr std::size_t kLineLength = 16;
constexpr std::size_t kCodeLength = 16;

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

std::string PowerOnTextShown(const FixedText<12>& stored) {
    std::string text = TrimFix(stored);
    text.resize(12, ' ');
    return text;
}

std::string StoredMessageLine(std::string_view text) {
    std::string line(text.substr(0, kLineLength));
    if (line.size() < kLineLength) {
        line += '\0';
        line.resize(kLineLength, ' ');
    }
    return line;
}

std::string DtmfCodeShown(const DtmfCode& code) {
    if (code.Len < 0 || code.Len > static_cast<int>(kCodeLength))
        return {};
    return code.Digits.raw().substr(0, static_cast<std::size_t>(code.Len));
}

DtmfCode DtmfCodeFromText(std::string_view text) {
    std::string symbols = TrimFix(text);
    symbols.resize(std::min(symbols.size(), kCodeLength));
    DtmfCode code;
    code.Len = static_cast<Integer>(symbols.size());
    code.Digits = symbols;
    return code;
}

std::int64_t StepRadio(std::int64_t value10Hz) {
    // 10 kHz steps, the half rounded to even.
    std::int64_t n = value10Hz / 1000;
    const std::int64_t rest = value10Hz % 1000;
    if (rest > 500 || (rest == 500 && n % 2 != 0))
        ++n;
    const std::int64_t r = n % 5;
    n -= r;
    if (r > 2)
        n += 5;
    return n * 1000;
}

std::string CheckRadioFre(std::string_view text) {
    if (IsBlankText(text))
        return {};
    std::int64_t value = kFmLow10Hz;
    if (const auto units = ParseUnits(text, 5))
        value = StepRadio(std::clamp(*units, kFmLow10Hz, kFmHigh10Hz));
    return FormatUnits(value, 5, 3);
}

std::string GetSaveRadioFreData(std::string_view text) {
    if (IsBlankText(text))
        return std::string(text);
    const std::string s = IsNumeric(text) ? std::string(text) : std::string("76");
    const std::size_t dot = s.find('.');
    if (dot == std::string::npos)
        return s;
    return s.substr(0, dot) + s.substr(dot + 1);
}

} // namespace pmr
