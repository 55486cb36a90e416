#include "TestDataBoxText.h"

namespace pmr {

std::string TestDataBoxText(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string_view whole = text.substr(0, text.find('.'));
    const std::string_view fraction =
        whole.size() < text.size() ? text.substr(whole.size() + 1) : std::string_view();
    auto digitsOnly = [](std::string_view s) {
        return s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.size() + fraction.size() == 0 || !digitsOnly(whole) || !digitsOnly(fraction))
        return "0";
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    if (negative || whole.empty())
        return "0";
    // More than three digits is above 255 whatever they are; no overflow.
    if (whole.size() > 3)
        return "255";
    const int value = std::stoi(std::string(whole));
    return std::to_string(value > 255 ? 255 : value);
}

} // namespace pmr
