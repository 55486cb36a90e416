#pragma once
// What to tell a user whose port would not open, after text 9003.

#include "link/SerialPortService.h"

#include <string>

namespace pmr {

class TextCatalog;

/// One or two sentences naming the device and what to do about it; empty when
/// the result is a success. The sentences come from the language file (texts
/// 9101 to 9107) and fall back to English where it lacks them; without a
/// catalogue they are English, as the serial trace wants them.
std::string PortOpenFailureReason(const PortOpenResult& result, const TextCatalog* texts = nullptr);

} // namespace pmr
