#pragma once
// The help of this platform is a folder of HTML pages per language, in the
// program folder: help/english for every language but 2, help/chinese for 2.
// Each page is named after its topic number ("<topic>.html"); index.html is the
// contents page. The folder path is the process-wide "help file".

#include "app/InstallPaths.h"

#include <string>

namespace pmr {

struct Config;

/// <ProgramFolder>/help/chinese when language is 2, else <ProgramFolder>/help/english.
std::string HelpFileFor(const InstallPaths& paths, int language);

/// Help is offered when it is switched on and the folder of the language exists.
bool IsHelpAvailable(const Config& config);

/// The page of a topic: <HelpFile>/<topic>.html, or <HelpFile>/index.html for
/// topic 0 or below.
std::string HelpTopicPage(const Config& config, int topic);

} // namespace pmr
