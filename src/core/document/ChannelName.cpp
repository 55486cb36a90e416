#include "document/ChannelName.h"

namespace pmr {

std::string RadioNameText(std::string_view name) {
    std::string out;
    for (const char c : name) {
        // A blank inside a name is a character box the radio shows empty.
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == ' ')
            out += c;
        else if (c >= 'a' && c <= 'z')
            out += static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

} // namespace pmr
