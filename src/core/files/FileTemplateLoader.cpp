#include "files/FileTemplateLoader.h"

#include "files/DocumentFiles.h"

namespace pmr {

bool FileTemplateLoader::LoadTemplate(AppContext& app, UserInteraction& ui,
                                      const std::string& path) {
    return DocumentFiles(app, ui, launcher_).LoadTemplate(path);
}

bool FileTemplateLoader::LoadBuiltInTemplate(AppContext& app, UserInteraction& ui,
                                             const std::string& path) {
    return DocumentFiles(app, ui, launcher_).LoadBuiltInTemplate(path);
}

} // namespace pmr
