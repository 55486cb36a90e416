#pragma once
// Setting.ini (the four configured feature switches, 4 bytes) and BatchFun.ini
// (the 21 batch-function switches, 21 bytes), both in the user folder (InstallPaths).

namespace pmr {

struct AppContext;

/// Start-up: reads Setting.ini into ConfiguredFeatures, then BatchFun.ini into
/// BatchSwitches; a missing file is created and reads as zeros. When either file
/// cannot be opened or read, the four feature switches become 0 and all 21 batch
/// switches 1. Returns false in that case (nothing is reported to the user).
bool LoadSwitchFiles(AppContext& app);

/// End of the program: writes ConfiguredFeatures to Setting.ini. A failure is
/// not reported; the result says whether it worked.
bool SaveFeatureSwitches(const AppContext& app);

/// Writes BatchSwitches to BatchFun.ini (for the batch settings dialog).
bool SaveBatchSwitches(const AppContext& app);

} // namespace pmr
