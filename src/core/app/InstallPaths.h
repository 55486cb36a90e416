#pragma once
// Where the program runs from: the program folder (named after its version tag)
// and the installation root one level above it, with the files kept in each.

#include <string>
#include <string_view>

namespace pmr {

struct InstallPaths {
    std::string ProgramFolder; // e.g. "/opt/pmr/V100", no trailing "/"
    std::string InstallRoot;   // ParentFolder(ProgramFolder)
};

/// The path without its last component: the text before the last "/", unless
/// that "/" is the first character (or there is none), when the path is returned
/// unchanged.
std::string ParentFolder(std::string_view path);

/// Program folder as given (a trailing "/" removed, except for "/" itself) and
/// its installation root.
InstallPaths InstallPathsFor(std::string_view programFolder);

/// <InstallRoot>/language/mysetup.ini
std::string SetupFilePath(const InstallPaths& paths);
/// <InstallRoot>/Version.ini
std::string VersionFilePath(const InstallPaths& paths);
/// <ProgramFolder>/<name>, for Setting.ini, BatchFun.ini, Habit.ini, TestData.ini.
std::string ProgramFile(const InstallPaths& paths, std::string_view name);
/// <ProgramFolder>/language/<languageFile>
std::string LanguageFilePath(const InstallPaths& paths, std::string_view languageFile);

} // namespace pmr
