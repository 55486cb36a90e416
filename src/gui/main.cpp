#include "app/AppContext.h"

#include <cstdio>
#include <filesystem>

int main() {
    pmr::AppContext app;
    app.paths.ProgramFolder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    std::printf("Program folder: %s\n", app.paths.ProgramFolder.c_str());
    return 0;
}
