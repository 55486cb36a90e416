#pragma once
// Where the program keeps what it makes for the user that is no setting: the
// user's data folder, $XDG_DATA_HOME (when absolute) or ~/.local/share, with a
// folder of the program's own in it.

#include <string>

namespace pmr {

/// The program's folder in the user's data folder.
inline constexpr const char* kDataFolderName = "pmrprog";

/// <data home>/pmrprog for the given variables (either may be null or empty);
/// empty when neither names a folder.
std::string UserDataFolderFor(const char* xdgDataHome, const char* home);

/// The same for this process's environment.
std::string UserDataFolder();

/// <UserDataFolder>/backups: the radio memories kept before each write.
std::string BackupFolder();

} // namespace pmr
