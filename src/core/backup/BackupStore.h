#pragma once
// The radio memories kept before each write, one backup per write in a folder
// of their own. A backup is three files with one name:
//   <name>.img  the radio's 5120-byte main image, byte for byte
//   <name>.dat  the same memory as a document file, to open and look at
//   <name>.txt  model, band, serial number, time and a CRC-32 of the image
// where <name> is MODEL_BAND_YYYYMMDD-HHMMSS[_SERIAL]. The newest
// kBackupsKeptPerRadio backups of each radio (model, band, serial number) are
// kept; the last backup of a radio is never removed.

#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pmr {

constexpr int kBackupsKeptPerRadio = 20;

struct BackupInfo {
    std::string imagePath; // <name>.img
    std::string model;
    int band = 0;
    std::string serial;    // empty when the radio holds none
    std::string time;      // "YYYY-MM-DD HH:MM:SS", local time
    std::uint32_t crc = 0;

    bool SameRadio(const BackupInfo& other) const {
        return model == other.model && band == other.band && serial == other.serial;
    }
};

/// CRC-32 (the zip polynomial) of `bytes`.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);

/// The model name (up to 7 characters at 0x13F0, ending at a 00 or FF byte) and
/// the band code (0x13F7) an image carries.
std::string ImageModelName(const std::array<std::uint8_t, kImageSize>& image);
int ImageBandCode(const std::array<std::uint8_t, kImageSize>& image);

class BackupStore {
public:
    explicit BackupStore(std::string folder) : folder_(std::move(folder)) {}
    const std::string& Folder() const { return folder_; }

    /// Makes the folder when it is missing and proves that a file can be
    /// written in it. Empty when it can, else the system's reason.
    std::string CheckWritable() const;

    /// Keeps `image` (and `datRecord` as its .dat) as a new backup made at
    /// `when`. The backup, or nothing with `error` set.
    std::optional<BackupInfo> Keep(const std::array<std::uint8_t, kImageSize>& image,
                                   const std::string& serial, std::time_t when,
                                   std::span<const std::uint8_t> datRecord,
                                   std::string& error) const;

    /// Every backup whose description can be read, newest first.
    std::vector<BackupInfo> List() const;

    /// Removes the backups of the radio of `newest` beyond the newest `keep`
    /// (at least one is always kept).
    void Prune(const BackupInfo& newest, int keep = kBackupsKeptPerRadio) const;

private:
    std::string folder_;
};

/// The description of the backup whose .img, .dat or .txt is `path`.
std::optional<BackupInfo> ReadBackupInfo(const std::string& path);

/// The image of the backup at `path` (its .img, .dat or .txt), after checking
/// it against its description; nothing with `error` naming the fault.
std::optional<std::array<std::uint8_t, kImageSize>> LoadBackupImage(const std::string& path,
                                                                     std::string& error);

} // namespace pmr
