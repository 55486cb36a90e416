#include "app/FeatureSwitches.h"

#include "app/AppContext.h"
#include "app/FixedRecordFile.h"

namespace pmr {

namespace {
std::string SettingFile(const AppContext& app) {
    return ProgramFile(app.paths, "Setting.ini");
}
std::string BatchFile(const AppContext& app) {
    return ProgramFile(app.paths, "BatchFun.ini");
}
} // namespace

bool LoadSwitchFiles(AppContext& app) {
    std::array<std::uint8_t, kFeatureSwitchCount> features{};
    std::array<std::uint8_t, kBatchSwitchCount> batch{};
    const bool ok = ReadFixedRecord(SettingFile(app), features, true) &&
                    ReadFixedRecord(BatchFile(app), batch, true);
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
    return WriteFixedRecord(SettingFile(app), app.config.ConfiguredFeatures);
}

bool SaveBatchSwitches(const AppContext& app) {
    return WriteFixedRecord(BatchFile(app), app.config.BatchSwitches);
}

} // namespace pmr
