#include "document/ShownNumber.h"

#include "app/TextCatalog.h"
#include "document/DocumentMembers.h"
#include "document/ToneCodes.h"

#include <cstdlib>

namespace pmr {

namespace {

std::string NumberText(const NumberShape& s, int value) {
    const long long n = (static_cast<long long>(value) + s.add) * s.times;
    std::string text;
    if (s.tenths) {
        const long long whole = std::llabs(n);
        text = (n < 0 ? "-" : "") + std::to_string(whole / 10) + "." + std::to_string(whole % 10);
    } else {
        text = std::to_string(n);
    }
    return std::string(s.prefix) + text + std::string(s.suffix);
}

} // namespace

std::string ShownNumber(const TextCatalog& texts, const NumberShape& s, int value) {
    switch (s.as) {
    case ShownAs::Flag:
        return texts.GetLangText(value != 0 ? 16047 : 16046);
    case ShownAs::Tone: {
        std::string name = ToneName(value, texts.GetLangText(15030));
        return name.empty() ? std::to_string(value) : name;
    }
    case ShownAs::Custom:
        return s.custom(texts, value);
    case ShownAs::Number:
        break;
    }
    if (value >= 0 && value < static_cast<int>(s.texts.size()) &&
        s.texts[static_cast<std::size_t>(value)] != 0)
        return texts.GetLangText(s.texts[static_cast<std::size_t>(value)]);
    if (value >= 0 && value < s.textCount)
        return texts.GetLangText(s.textBase + value);
    if (value >= 0 && value < static_cast<int>(s.symbols.size()) &&
        !s.symbols[static_cast<std::size_t>(value)].empty())
        return std::string(s.symbols[static_cast<std::size_t>(value)]);
    return NumberText(s, value);
}

} // namespace pmr
