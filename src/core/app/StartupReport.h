#pragma once
// A plain-text account of what start-up found: where the installation lives,
// which files were read and the values they gave.

#include <string>

namespace pmr {

struct AppContext;

/// Several lines, each "Label: value", ending with a line break.
std::string DescribeStartup(const AppContext& app);

} // namespace pmr
