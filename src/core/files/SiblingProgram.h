#pragma once
// Starting the installed program version that handles a data version: every
// version lives in a folder named after its tag under the common parent folder.

#include <optional>
#include <string>
#include <string_view>

namespace pmr {

struct AppContext;
class ProgramLauncher;
class UserInteraction;

/// The program file of the version `programTag`: install root, "/", tag, "/",
/// executable name. Empty when the tag is not well-formed, so that a crafted
/// table can never lead outside the sibling folders.
std::optional<std::string> SiblingProgramPath(const std::string& installRoot,
                                              std::string_view programTag,
                                              const std::string& executableName);

/// Starts the program listed first for `dataTag`. When none is listed, or the
/// listed program tag is not well-formed, shows 9063 instead. Either way the
/// caller ends this program afterwards. Returns true when a program was started.
bool StartProgramFor(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                     std::string_view dataTag);

} // namespace pmr
