#include "document/Models.h"

#include "document/TrimFix.h"

namespace pmr {

std::string ModelCodeFromDisplay(std::string_view display) {
    std::string name = TrimFix(display);
    return name == kDefaultModelDisplay ? std::string(kDefaultModelCode) : name;
}

std::string ModelDisplayFromCode(std::string_view code) {
    std::string name = TrimFix(code);
    return name == kDefaultModelCode ? std::string(kDefaultModelDisplay) : name;
}

std::vector<std::string> ModelDisplayNames() {
    return {std::string(kDefaultModelDisplay)};
}

} // namespace pmr
