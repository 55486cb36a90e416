#pragma once
// The backup a write keeps of the radio's memory before it changes anything,
// and the messages that go with it.

#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>
#include <string>

namespace pmr {

struct AppContext;

/// Empty when a backup can be kept in `folder`; else the message (text 9120)
/// that names the folder and the reason.
std::string BackupFolderProblem(const AppContext& app, const std::string& folder);

/// Keeps `image` in `folder`, with a .dat of it decoded the way a read would
/// decode it (the open document is left alone). The .img path, or empty with
/// `message` (text 9120) set.
std::string KeepRadioBackup(const AppContext& app, const std::array<std::uint8_t, kImageSize>& image,
                            const std::string& serial, const std::string& folder,
                            std::string& message);

/// The serial number an information-area block at 0x1430 holds (16 bytes,
/// ending at a 00 or FF byte, trailing blanks dropped).
std::string SerialFromBlock(const std::uint8_t* block16);

} // namespace pmr
