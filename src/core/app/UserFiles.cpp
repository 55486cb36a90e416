#include "app/UserFiles.h"

#include "app/IniFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace pmr {

namespace fs = std::filesystem;

namespace {

// The files a user's folder takes from the program folder when it lacks them.
constexpr std::string_view kProgramStateFiles[] = {"Setting.ini", "BatchFun.ini", "Habit.ini"};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool IsDamagedSetupFile(const std::string& path) {
    auto text = ReadWholeFile(path);
    return !text || IsDamagedSetup(*text);
}

// A copy the user can write, whatever the shipped file's permissions.
bool Seed(const std::string& from, const std::string& to) {
    std::error_code ec;
    if (!IsFile(from) || !fs::copy_file(from, to, fs::copy_options::none, ec))
        return false;
    fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

} // namespace

UserEnvironment UserEnvironment::FromProcess() {
    UserEnvironment user;
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    const std::string xdg = Env("XDG_CONFIG_HOME");
    const std::string home = Env("HOME");
    if (!xdg.empty() && xdg.front() == '/')
        user.ConfigHome = xdg;
    else if (!home.empty())
        user.ConfigHome = (home.back() == '/' ? home : home + "/") + ".config";
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        user.Locale = Env(name);
        if (!user.Locale.empty())
            break;
    }
    return user;
}

bool IsPerUserInstallation(const InstallPaths& paths) {
    if (IsFile(paths.InstallRoot + "/" + std::string(kPerUserMarker)))
        return true;
    // "r+" opens for writing without creating or changing anything.
    const std::string shipped = ShippedSetupFilePath(paths);
    if (!IsFile(shipped))
        return false;
    std::FILE* f = std::fopen(shipped.c_str(), "r+b");
    if (!f)
        return true;
    std::fclose(f);
    return false;
}

void PlaceUserFiles(InstallPaths& paths, const UserEnvironment& user, bool writeFiles) {
    paths.WritesFiles = writeFiles;
    if (!IsPerUserInstallation(paths))
        return;
    paths.PerUser = true;
    if (user.ConfigHome.empty()) {
        // Nowhere of the user's: run on the installation's files, unchanged.
        paths.WritesFiles = false;
        return;
    }
    const fs::path own = fs::path(user.ConfigHome) / kUserFolderName;
    const fs::path state = own / fs::path(paths.ProgramFolder).filename();
    const std::string setup = (own / "mysetup.ini").string();

    if (!writeFiles) {
        if (IsFile(setup) && !IsDamagedSetupFile(setup))
            paths.SetupFolder = own.string();
        std::error_code ec;
        if (fs::is_directory(state, ec))
            paths.UserFolder = state.string();
        return;
    }

    std::error_code ec;
    fs::create_directories(state, ec);
    if (ec || !fs::is_directory(state, ec)) {
        paths.WritesFiles = false;
        return;
    }
    if (fs::exists(setup, ec) && IsDamagedSetupFile(setup)) {
        const std::string kept = setup + ".damaged";
        fs::rename(setup, kept, ec);
        if (!ec)
            paths.DamagedSetupKept = kept;
    }
    if (!fs::exists(setup, ec))
        Seed(ShippedSetupFilePath(paths), setup);
    for (std::string_view name : kProgramStateFiles) {
        const fs::path target = state / name;
        if (!fs::exists(target, ec))
            Seed(ProgramFile(paths, name), target.string());
    }
    paths.SetupFolder = own.string();
    paths.UserFolder = state.string();
}

bool IsDamagedSetup(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return true;
    return IniDocument::Parse(text).Sections().empty();
}

int LanguageForLocale(std::string_view locale) {
    if (locale.size() < 2 || locale.substr(0, 2) != "zh")
        return 1;
    if (locale.size() == 2)
        return 2;
    const char next = locale[2];
    return next == '_' || next == '-' || next == '.' || next == '@' ? 2 : 1;
}

} // namespace pmr
