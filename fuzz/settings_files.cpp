// Any bytes as each of the small files the program reads at start-up and on
// demand: the fixed-record settings files (Setting.ini, BatchFun.ini,
// Habit.ini), the factory marker, a ".ted" test data file, the version table,
// and the radio information area. Reading never fails hard, what is read stays
// within its limits, and the habits written back read back the same.

#include "app/AppContext.h"
#include "app/FeatureSwitches.h"
#include "app/HabitFile.h"
#include "factory/FactoryMode.h"
#include "factory/TestDataFile.h"
#include "files/VersionTable.h"
#include "image/RadioInfoDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

const std::string& Folder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("pmr-fuzz-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path / "V100");
        return path.string();
    }();
    return folder;
}

void WriteFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto app = std::make_unique<pmr::AppContext>();
    app->paths = pmr::InstallPathsFor(Folder() + "/V100");
    for (const char* name : {"Setting.ini", "BatchFun.ini", "Habit.ini", "TestData.ini"})
        WriteFile(pmr::ProgramFile(app->paths, name), data, size);
    WriteFile(pmr::VersionFilePath(app->paths), data, size);

    pmr::LoadSwitchFiles(*app);
    pmr::LoadHabits(*app);
    // What was read is written back and read again unchanged.
    const auto record = pmr::EncodeHabits(app->habits);
    pmr::Habits again;
    pmr::DecodeHabits(record, again);
    Check(pmr::EncodeHabits(again) == record);

    pmr::DetectFactoryMode(*app);
    pmr::TestDataBytes testData{};
    pmr::LoadTestDataFile(pmr::ProgramFile(app->paths, "TestData.ini"), testData);

    const pmr::VersionTable table = pmr::ReadVersionTable(pmr::VersionFilePath(app->paths));
    Check(table.VersionPairs.size() % 2 == 0);
    for (const std::string& tag : table.VersionPairs)
        Check(tag.size() <= 4);

    std::array<std::uint8_t, 512> info{};
    std::memcpy(info.data(), data, std::min(size, info.size()));
    pmr::RadioInfo radioInfo;
    pmr::DecodeRadioInfo(info, radioInfo);
    Check(radioInfo.AreaCode.size() <= 4);
    return 0;
}
