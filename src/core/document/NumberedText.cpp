#include "document/NumberedText.h"

namespace pmr {

std::optional<std::string> NumberedText(const std::string& pattern, int number,
                                        std::string& error) {
    const std::size_t first = pattern.find('#');
    if (first == std::string::npos) {
        error = "the pattern \"" + pattern + "\" has no # for the number";
        return std::nullopt;
    }
    const std::size_t end = pattern.find_first_not_of('#', first);
    const std::size_t length = (end == std::string::npos ? pattern.size() : end) - first;
    if (end != std::string::npos && pattern.find('#', end) != std::string::npos) {
        error = "the pattern \"" + pattern + "\" has more than one run of #";
        return std::nullopt;
    }
    if (number < 0) {
        error = "the number " + std::to_string(number) + " is negative";
        return std::nullopt;
    }
    std::string digits = std::to_string(number);
    if (digits.size() > length) {
        error = "the number " + digits + " has more digits than the pattern \"" + pattern +
                "\" has #";
        return std::nullopt;
    }
    digits.insert(0, length - digits.size(), '0');
    return pattern.substr(0, first) + digits + pattern.substr(first + length);
}

} // namespace pmr
