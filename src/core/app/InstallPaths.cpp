#include "app/InstallPaths.h"

namespace pmr {

std::string ParentFolder(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos || slash == 0)
        return std::string(path);
    return std::string(path.substr(0, slash));
}

InstallPaths InstallPathsFor(std::string_view programFolder) {
    while (programFolder.size() > 1 && programFolder.back() == '/')
        programFolder.remove_suffix(1);
    InstallPaths paths;
    paths.ProgramFolder = std::string(programFolder);
    paths.InstallRoot = ParentFolder(programFolder);
    paths.SetupFolder = paths.InstallRoot + "/language";
    paths.UserFolder = paths.ProgramFolder;
    return paths;
}

std::string SetupFilePath(const InstallPaths& paths) {
    return paths.SetupFolder + "/mysetup.ini";
}

std::string ShippedSetupFilePath(const InstallPaths& paths) {
    return paths.InstallRoot + "/language/mysetup.ini";
}

std::string VersionFilePath(const InstallPaths& paths) {
    return paths.InstallRoot + "/Version.ini";
}

std::string ProgramFile(const InstallPaths& paths, std::string_view name) {
    return paths.ProgramFolder + "/" + std::string(name);
}

std::string UserFile(const InstallPaths& paths, std::string_view name) {
    return paths.UserFolder + "/" + std::string(name);
}

std::string LanguageFilePath(const InstallPaths& paths, std::string_view languageFile) {
    return paths.ProgramFolder + "/language/" + std::string(languageFile);
}

} // namespace pmr
