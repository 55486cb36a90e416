#pragma once
// Factory mode and the radio's 16 bytes of factory test data.

#include <array>
#include <cstdint>

namespace pmr {

struct FactoryData {
    bool TestDataEnabled = false; // factory mode, switched on by the marker file
    std::array<std::uint8_t, 16> TestData{};
    std::array<std::uint8_t, 16> SavedTestData{};
};

} // namespace pmr
