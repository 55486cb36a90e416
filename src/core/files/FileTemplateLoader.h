#pragma once
// The template loader a new document uses, backed by the document files.

#include "document/TemplateLoader.h"

namespace pmr {

class ProgramLauncher;

class FileTemplateLoader : public TemplateLoader {
public:
    explicit FileTemplateLoader(ProgramLauncher& launcher) : launcher_(launcher) {}
    bool LoadTemplate(AppContext& app, UserInteraction& ui, const std::string& path) override;
    bool LoadBuiltInTemplate(AppContext& app, UserInteraction& ui,
                             const std::string& path) override;

private:
    ProgramLauncher& launcher_;
};

} // namespace pmr
