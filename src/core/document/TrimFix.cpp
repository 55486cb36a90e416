#include "document/TrimFix.h"

namespace pmr {

std::string TrimFix(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    text = text.substr(0, end);
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    return std::string(text);
}

} // namespace pmr
