#pragma once
// Where the program runs from: the program folder (named after its version tag)
// and the installation root one level above it.

#include <string>

namespace pmr {

struct InstallPaths {
    std::string ProgramFolder; // e.g. "/opt/pmr/V100", no trailing "/"
    std::string InstallRoot;   // ParentFolder(ProgramFolder)
};

} // namespace pmr
