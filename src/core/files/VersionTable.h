#pragma once
// Which program version handles which data version (Version.ini).

#include <string>
#include <vector>

namespace pmr {

struct VersionTable {
    std::vector<std::string> Soft;
    std::vector<std::string> Firm;
};

} // namespace pmr
