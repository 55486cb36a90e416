#pragma once
// Where the program runs from: the program folder (named after its version tag)
// and the installation root one level above it, with the files kept in each,
// and where the files the program writes live (see UserFiles.h for the rule).

#include <string>
#include <string_view>

namespace pmr {

struct InstallPaths {
    std::string ProgramFolder; // e.g. "/opt/pmr/V100", no trailing "/"
    std::string InstallRoot;   // ParentFolder(ProgramFolder)
    // The files the program writes. A portable installation keeps them in its
    // own tree: mysetup.ini in <InstallRoot>/language, Setting.ini, BatchFun.ini
    // and Habit.ini in the program folder. A per-user installation keeps them in
    // the user's configuration folder.
    std::string SetupFolder; // holds mysetup.ini
    std::string UserFolder;  // holds Setting.ini, BatchFun.ini, Habit.ini
    bool PerUser = false;
    // False while nothing may be written (the demo, or a per-user installation
    // without a home): the files are read, never created or changed.
    bool WritesFiles = true;
    // A damaged per-user mysetup.ini moved aside at start-up, or empty.
    std::string DamagedSetupKept;
};

/// The path without its last component: the text before the last "/", unless
/// that "/" is the first character (or there is none), when the path is returned
/// unchanged.
std::string ParentFolder(std::string_view path);

/// Program folder as given (a trailing "/" removed, except for "/" itself) and
/// its installation root, laid out as a portable installation.
InstallPaths InstallPathsFor(std::string_view programFolder);

/// <SetupFolder>/mysetup.ini: the setup the program reads and writes.
std::string SetupFilePath(const InstallPaths& paths);
/// <InstallRoot>/language/mysetup.ini: the setup the installation ships.
std::string ShippedSetupFilePath(const InstallPaths& paths);
/// <InstallRoot>/Version.ini
std::string VersionFilePath(const InstallPaths& paths);
/// <ProgramFolder>/<name>: the files shipped with the program (TestData.ini).
std::string ProgramFile(const InstallPaths& paths, std::string_view name);
/// <UserFolder>/<name>: Setting.ini, BatchFun.ini, Habit.ini.
std::string UserFile(const InstallPaths& paths, std::string_view name);
/// <ProgramFolder>/language/<languageFile>
std::string LanguageFilePath(const InstallPaths& paths, std::string_view languageFile);

} // namespace pmr
