#pragma once
// Whose files the program writes, and where. An installation is portable and
// keeps mysetup.ini, Setting.ini, BatchFun.ini and Habit.ini in its own tree
// (the build tree, a copied folder), unless
//   - its installation root holds a file named "per-user" (the Debian package
//     ships one: /usr is not the user's to write), or
//   - its shipped language/mysetup.ini exists but cannot be opened for writing;
// then it is per-user: the files live in <config>/pmrprog (mysetup.ini) and
// <config>/pmrprog/<program folder name> (the others), where <config> is
// $XDG_CONFIG_HOME or ~/.config, and the installation's own files are only the
// defaults a new user starts from.

#include "app/InstallPaths.h"

#include <string>
#include <string_view>

namespace pmr {

/// Name of the marker file in the installation root that makes it per-user.
inline constexpr std::string_view kPerUserMarker = "per-user";
/// The program's folder in the user's configuration folder.
inline constexpr std::string_view kUserFolderName = "pmrprog";

/// What the program needs to know about the user it runs for.
struct UserEnvironment {
    std::string ConfigHome; // absolute; empty when there is none
    std::string Locale;     // e.g. "zh_CN.UTF-8"; empty when unset

    /// $XDG_CONFIG_HOME when absolute, else $HOME/.config; the locale of the
    /// program's messages: LC_ALL, LC_MESSAGES or LANG, the first one set.
    static UserEnvironment FromProcess();
};

/// The rule above, for an installation laid out by InstallPathsFor.
bool IsPerUserInstallation(const InstallPaths& paths);

/// Points `paths` at the files the program reads and writes. Portable: left as
/// laid out. Per-user: the user's folders are created and every file they lack
/// is copied from the installation (a damaged mysetup.ini is first moved aside
/// as mysetup.ini.damaged; the other files are kept). With `writeFiles` false
/// nothing is created or copied: the user's files are read where they exist,
/// the installation's otherwise, and WritesFiles stays false. Without a
/// configuration folder, or when it cannot be made, nothing is written either.
void PlaceUserFiles(InstallPaths& paths, const UserEnvironment& user, bool writeFiles);

/// A setup text beyond use: it holds a NUL byte (what a crash often leaves) or
/// no section at all.
bool IsDamagedSetup(std::string_view text);

/// The language of a locale name: 2 (Chinese) for "zh" and "zh_*", else 1.
int LanguageForLocale(std::string_view locale);

} // namespace pmr
