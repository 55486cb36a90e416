#pragma once
// Loading a template document into a new document; implemented with the
// document files.

#include <string>

namespace pmr {

struct AppContext;
class UserInteraction;

class TemplateLoader {
public:
    virtual ~TemplateLoader() = default;
    /// The model's own template, without version check; errors are silent.
    virtual bool LoadTemplate(AppContext& app, UserInteraction& ui, const std::string& path) = 0;
    /// The built-in template, with the version check; contributes no channels
    /// and keeps the model. Errors are reported to the user.
    virtual bool LoadBuiltInTemplate(AppContext& app, UserInteraction& ui,
                                     const std::string& path) = 0;
};

} // namespace pmr
