#include "files/VersionTag.h"

#include "document/TrimFix.h"

namespace pmr {

bool IsWellFormedVersionTag(std::string_view tag) {
    const std::string t = TrimFix(tag);
    if (t.size() != 4 || t[0] != 'V')
        return false;
    // Plain digits only: a sign, a decimal point or blanks would also "form a
    // number" loosely, but the tag names a folder and must stay that simple.
    for (std::size_t i = 1; i < 4; ++i)
        if (t[i] < '0' || t[i] > '9')
            return false;
    return true;
}

std::string DottedVersionTag(std::string_view tag) {
    const std::size_t n = tag.size() < 2 ? tag.size() : 2;
    return std::string(tag.substr(0, n)) + "." + std::string(tag.substr(tag.size() - n));
}

} // namespace pmr
