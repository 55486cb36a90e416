#include "factory/TestDataFile.h"

#include "app/AppContext.h"
#include "files/FileBytes.h"

#include <algorithm>

namespace pmr {

bool LoadTestDataFile(const std::string& path, TestDataBytes& buffer) {
    const auto bytes = ReadFileStart(path, kTestDataSize);
    if (!bytes)
        return false;
    // A short file gives what it holds and 0 for the rest, as a short document
    // file does; nothing beyond its end is ever read.
    TestDataBytes read{};
    std::copy(bytes->begin(), bytes->end(), read.begin());
    buffer = read;
    return true;
}

bool SaveTestDataFile(const std::string& path, const TestDataBytes& buffer) {
    return ReplaceFileStart(path, buffer);
}

std::optional<std::string> TestDataSideFileName(const std::string& documentPath) {
    if (documentPath.size() <= 3)
        return std::nullopt;
    return documentPath.substr(0, documentPath.size() - 4) + ".ted";
}

void LoadTestDataBeside(AppContext& app, const std::string& documentPath) {
    if (const auto side = TestDataSideFileName(documentPath))
        LoadTestDataFile(*side, app.factory.SavedTestData);
}

void SaveTestDataBeside(AppContext& app, const std::string& documentPath) {
    if (const auto side = TestDataSideFileName(documentPath))
        SaveTestDataFile(*side, app.factory.SavedTestData);
}

} // namespace pmr
