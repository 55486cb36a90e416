#include "backup/PlainWriteSetting.h"

#include "app/SetupValues.h"

namespace pmr {

bool PlainWriteChosen(const InstallPaths& paths) {
    const auto value = ParseSetupNumber(ReadSetupValue(paths, kPlainWriteKey));
    return value && *value == 1;
}

} // namespace pmr
