#pragma once
// The words for how a transfer ended, as pmr-cli prints them after "writing
// failed: " and as the log of writes keeps them: "done", or what went wrong.

#include "link/LinkMode.h"

namespace pmr {

/// "done" for a success, otherwise one line saying what went wrong.
const char* DescribeResult(TransferResult result);

} // namespace pmr
