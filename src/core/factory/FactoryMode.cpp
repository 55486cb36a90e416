#include "factory/FactoryMode.h"

#include "app/AppContext.h"
#include "document/TrimFix.h"
#include "factory/TestData.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace pmr {

bool IsFactoryMarker(std::string_view fileStart) {
    // Spaces after the marker, or a NUL and anything after it, still count; a
    // line break after it does not.
    return TrimFix(fileStart.substr(0, kFactoryMarkerReadLimit)) == kFactoryMarker;
}

void DetectFactoryMode(FactoryData& factory, const std::string& markerPath) {
    factory.TestData.fill(0);
    factory.SavedTestData = factory.TestData;
    factory.TestDataEnabled = false;

    std::error_code ec;
    if (!std::filesystem::exists(markerPath, ec) || std::filesystem::is_directory(markerPath, ec))
        return;
    std::FILE* f = std::fopen(markerPath.c_str(), "rb");
    if (!f)
        return;
    char buf[kFactoryMarkerReadLimit];
    const std::size_t n = std::fread(buf, 1, sizeof buf, f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (!failed)
        factory.TestDataEnabled = IsFactoryMarker(std::string_view(buf, n));
}

void DetectFactoryMode(AppContext& app) {
    DetectFactoryMode(app.factory, ProgramFile(app.paths, "TestData.ini"));
}

} // namespace pmr
