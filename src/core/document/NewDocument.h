#pragma once
// Starting a new document (at start-up and by the New command).

#include <string>

namespace pmr {

struct AppContext;
class UserInteraction;
class TemplateLoader;

/// The built-in template's file name in the program's Init folder.
inline constexpr const char* kBuiltInTemplateName = "VX210_4.dat";

/// The model's template path: <program folder>/Init/<model>_<band code>.dat.
std::string ModelTemplatePath(const AppContext& app);

/// Gives the working copy the defaults of a new document, resets the radio
/// information, copies the result into the file buffer and then starts from the
/// model's template when one exists. With `templates` == nullptr (or failing
/// loads) the defaults stay.
void NewDocument(AppContext& app, UserInteraction& ui, TemplateLoader* templates);

} // namespace pmr
