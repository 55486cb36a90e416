#include "backup/UserDataFolder.h"

#include <cstdlib>

namespace pmr {

std::string UserDataFolderFor(const char* xdgDataHome, const char* home) {
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/')
        return std::string(xdgDataHome) + "/" + kDataFolderName;
    if (home && home[0] != '\0')
        return std::string(home) + "/.local/share/" + kDataFolderName;
    return {};
}

std::string UserDataFolder() {
    return UserDataFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string BackupFolder() {
    const std::string data = UserDataFolder();
    return data.empty() ? std::string() : data + "/backups";
}

} // namespace pmr
