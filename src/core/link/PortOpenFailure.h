#pragma once
// What to tell a user whose port would not open, after text 9003.

#include "link/SerialPortService.h"

#include <string>

namespace pmr {

/// One or two sentences naming the device and what to do about it; empty when
/// the result is a success.
std::string PortOpenFailureReason(const PortOpenResult& result);

} // namespace pmr
