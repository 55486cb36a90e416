#pragma once
// The setup switch that makes the window's write and pmr-cli's write the plain
// one (every block of the document over a cleared image, no backup, no reading
// back): PlainWrite=1 in mysetup.ini. Missing or anything else: the safe write.

#include "app/InstallPaths.h"

namespace pmr {

inline constexpr const char* kPlainWriteKey = "PlainWrite";

bool PlainWriteChosen(const InstallPaths& paths);

} // namespace pmr
