#pragma once
// The user's setup (section "language" of mysetup.ini, wherever SetupFilePath
// puts it: the installation's, or the user's own copy):
// serial port, handshaking, stop bits, language, the first-run marker and the
// switch that offers the batch and test-frequency windows.

#include "app/InstallPaths.h"

#include <optional>
#include <string>
#include <string_view>

namespace pmr {

/// The value of `key`, trimmed, at most 511 characters; empty when missing.
std::string ReadSetupValue(const InstallPaths& paths, std::string_view key);

/// Writes one key; false when the file could not be written.
bool WriteSetupValue(const InstallPaths& paths, std::string_view key, std::string_view value);
/// Writes a number as plain decimal text.
bool WriteSetupValue(const InstallPaths& paths, std::string_view key, int value);

/// A setup value as a 16-bit number: optional sign and decimal digits with
/// blanks around; nothing for any other text or a value out of range.
std::optional<short> ParseSetupNumber(std::string_view text);

} // namespace pmr
