#pragma once
// Everything the simulated radio remembers: the main memory, the information
// area (which also carries the programming password) and the factory test data.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pmr::sim {

constexpr std::uint32_t kMainBase = 0x0000, kMainSize = 5120;
constexpr std::uint32_t kInfoBase = 0x1400, kInfoSize = 512;
constexpr std::uint32_t kTestDataBase = 0x1F00, kTestDataSize = 16;
constexpr std::uint32_t kModelAddress = 0x13F0;
constexpr std::uint32_t kBandAddress = 0x13F7;
constexpr std::uint32_t kVersionAddress = 0x13F8;
constexpr std::uint32_t kFeatureAddress = 0x13FC;
constexpr std::uint32_t kPasswordAddress = 0x142C;

struct RadioMemory {
    std::array<std::uint8_t, kMainSize> image{};
    std::array<std::uint8_t, kInfoSize> info{};
    std::array<std::uint8_t, kTestDataSize> testData{};

    /// The byte at a radio address; 0xFF where the radio has no memory.
    std::uint8_t Read(std::uint32_t address) const;
    /// Stores a byte; false where the radio has no memory.
    bool Write(std::uint32_t address, std::uint8_t value);

    void SetModel(std::string_view name); // 7 bytes, 0 after the name
    void SetBand(std::uint8_t code);
    void SetVersion(std::string_view tag); // 4 bytes, 0 after the tag
    void SetFeature(std::uint8_t value);
    /// Up to 4 characters, 0 after them; an empty password erases the field to FF.
    void SetPassword(std::string_view password);
};

/// A radio fresh from the dealer: model VX210, band 4, version V100, no password,
/// eight PMR446 channels, the VFO on channel 1, an information area filled in.
RadioMemory MakeDefaultRadio();

/// Reads a file that must hold exactly dest.size() bytes.
bool LoadMemoryFile(const std::string& path, std::span<std::uint8_t> dest, std::string& error);
/// Writes the bytes as the whole file.
bool SaveMemoryFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error);

} // namespace pmr::sim
