#include "RadioMemory.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace pmr::sim {

std::uint8_t RadioMemory::Read(std::uint32_t address) const {
    if (address < kMainBase + kMainSize)
        return image[address - kMainBase];
    if (address >= kInfoBase && address < kInfoBase + kInfoSize)
        return info[address - kInfoBase];
    if (address >= kTestDataBase && address < kTestDataBase + kTestDataSize)
        return testData[address - kTestDataBase];
    return 0xFF;
}

bool RadioMemory::Write(std::uint32_t address, std::uint8_t value) {
    if (address < kMainBase + kMainSize)
        image[address - kMainBase] = value;
    else if (address >= kInfoBase && address < kInfoBase + kInfoSize)
        info[address - kInfoBase] = value;
    else if (address >= kTestDataBase && address < kTestDataBase + kTestDataSize)
        testData[address - kTestDataBase] = value;
    else
        return false;
    return true;
}

namespace {
void PutText(RadioMemory& m, std::uint32_t address, std::size_t width, std::string_view text,
             std::uint8_t fill) {
    for (std::size_t i = 0; i < width; ++i)
        m.Write(address + static_cast<std::uint32_t>(i),
                i < text.size() ? static_cast<std::uint8_t>(text[i]) : fill);
}
} // namespace

void RadioMemory::SetModel(std::string_view name) {
    PutText(*this, kModelAddress, 7, name, 0);
}
void RadioMemory::SetBand(std::uint8_t code) {
    Write(kBandAddress, code);
}
void RadioMemory::SetVersion(std::string_view tag) {
    PutText(*this, kVersionAddress, 4, tag, 0);
}
void RadioMemory::SetFeature(std::uint8_t value) {
    Write(kFeatureAddress, value);
}

void RadioMemory::SetPassword(std::string_view password) {
    PutText(*this, kPasswordAddress, 4, password, password.empty() ? 0xFF : 0x00);
}

bool LoadMemoryFile(const std::string& path, std::span<std::uint8_t> dest, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != dest.size()) {
        error = path + " holds " + std::to_string(bytes.size()) + " bytes, expected " +
                std::to_string(dest.size());
        return false;
    }
    std::transform(bytes.begin(), bytes.end(), dest.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    return true;
}

bool SaveMemoryFile(const std::string& path, std::span<const std::uint8_t> bytes,
                    std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace pmr::sim
