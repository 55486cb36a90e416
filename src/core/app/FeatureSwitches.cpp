#include "app/FeatureSwitches.h"

#include "app/AppContext.h"
#include "app/FixedRecordFile.h"

#include <algorithm>
#include <filesystem>

namespace pmr {

namespace {
std::string SettingFile(const AppContext& app) {
    return UserFile(app.paths, "Setting.ini");
}
std::string BatchFile(const AppContext& app) {
    return UserFile(app.paths, "BatchFun.ini");
}
// A missing file reads as an empty one; it is created only when files may be written.
bool ReadSwitches(const AppContext& app, const std::string& path, std::span<std::uint8_t> record) {
    if (!app.paths.WritesFiles && !std::filesystem::exists(path)) {
        std::fill(record.begin(), record.end(), std::uint8_t{0});
        return true;
    }
    return ReadFixedRecord(path, record, true);
}
} // namespace

bool LoadSwitchFiles(AppContext& app) {
    std::array<std::uint8_t, kFeatureSwitchCount> features{};
    std::array<std::uint8_t, kBatchSwitchCount> batch{};
    const bool ok =
        ReadSwitches(app, SettingFile(app), features) && ReadSwitches(app, BatchFile(app), batch);
    if (ok) {
        app.config.ConfiguredFeatures = features;
        app.config.BatchSwitches = batch;
    } else {
        app.config.ConfiguredFeatures.fill(0);
        app.config.BatchSwitches.fill(1);
    }
    return ok;
}

bool SaveFeatureSwitches(const AppContext& app) {
    return app.paths.WritesFiles &&
           WriteFixedRecord(SettingFile(app), app.config.ConfiguredFeatures);
}

bool SaveBatchSwitches(const AppContext& app) {
    return app.paths.WritesFiles && WriteFixedRecord(BatchFile(app), app.config.BatchSwitches);
}

} // namespace pmr
