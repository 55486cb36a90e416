#include "app/HelpPages.h"

#include "app/Config.h"

#include <filesystem>
#include <system_error>

namespace pmr {

std::string HelpFileFor(const InstallPaths& paths, int language) {
    return paths.ProgramFolder + (language == 2 ? "/help/chinese" : "/help/english");
}

bool IsHelpAvailable(const Config& config) {
    std::error_code ec;
    return config.HelpEnabled && !config.HelpFile.empty() &&
           std::filesystem::is_directory(config.HelpFile, ec);
}

std::string HelpTopicPage(const Config& config, int topic) {
    if (topic <= 0)
        return config.HelpFile + "/index.html";
    return config.HelpFile + "/" + std::to_string(topic) + ".html";
}

} // namespace pmr
