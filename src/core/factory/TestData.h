#pragma once
// Factory mode and the radio's 16 bytes of factory test data (radio address
// 0x1F00): tuning values for frequency, the three power levels and the
// deviations. Byte 15 is set to 0xA5 before every write to the radio.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pmr {

constexpr std::size_t kTestDataSize = 16;
using TestDataBytes = std::array<std::uint8_t, kTestDataSize>;

struct FactoryData {
    bool TestDataEnabled = false;  // factory mode, switched on by the marker file
    TestDataBytes TestData{};      // current: from or for the radio, edited in the window
    TestDataBytes SavedTestData{}; // as last loaded from or saved to the side file
};

} // namespace pmr
