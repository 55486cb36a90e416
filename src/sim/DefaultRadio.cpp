#include "RadioMemory.h"

#include <algorithm>
#include <string>

namespace pmr::sim {
namespace {

constexpr std::uint32_t kChannelBytes = 32;
constexpr std::uint32_t kVfoBase = 0x1000;
constexpr std::uint32_t kEmptyBitmap = 0x1020;
constexpr std::uint32_t kScanSkipBitmap = 0x1030;

// A PMR446 channel: 12.5 kHz raster from 446.00625 MHz, counted in 6.25 kHz steps.
void PutChannel(RadioMemory& m, std::uint32_t base, int pmrChannel, const std::string& name) {
    const std::uint32_t steps =
        4460062500u / 62500u + 2u * static_cast<std::uint32_t>(pmrChannel - 1);
    auto* rec = &m.image[base];
    std::fill(rec, rec + kChannelBytes, 0);
    rec[0] = static_cast<std::uint8_t>(steps >> 16);
    rec[1] = static_cast<std::uint8_t>(steps >> 8);
    rec[2] = static_cast<std::uint8_t>(steps);
    rec[5] = 0x60; // receive and offset counted in 6.25 kHz steps, no tones
    rec[7] = 0x02; // power level 0
    for (std::size_t i = 0; i < 6 && i < name.size(); ++i)
        rec[16 + i] = static_cast<std::uint8_t>(name[i]);
    rec[27] = 3; // three-digit ID code 000
}

void PutText(RadioMemory& m, std::uint32_t address, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        m.Write(address + static_cast<std::uint32_t>(i), static_cast<std::uint8_t>(text[i]));
}

} // namespace

RadioMemory MakeDefaultRadio() {
    RadioMemory m;
    m.image.fill(0xFF);
    std::fill(m.image.begin() + 0x1040, m.image.begin() + 0x1340, 0);
    std::fill(m.image.begin() + kVfoBase, m.image.begin() + kVfoBase + kChannelBytes, 0);

    constexpr int kChannels = 8;
    for (int ch = 1; ch <= kChannels; ++ch)
        PutChannel(m, static_cast<std::uint32_t>(ch - 1) * kChannelBytes, ch,
                   "PMR " + std::to_string(ch));
    PutChannel(m, kVfoBase, 1, "");
    // Bitmaps: 1 = empty / skipped by scan; channels 1 to 8 are used and scanned.
    std::fill(m.image.begin() + kEmptyBitmap, m.image.begin() + kEmptyBitmap + 16, 0xFF);
    std::fill(m.image.begin() + kScanSkipBitmap, m.image.begin() + kScanSkipBitmap + 16, 0xFF);
    m.image[kEmptyBitmap] = 0x00;
    m.image[kScanSkipBitmap] = 0x00;

    // No FM presets; the constant block and a few sensible radio-wide settings.
    m.image[0x1040] = 0xFF;
    m.image[0x1041] = 0xFF;
    m.image[0x1042] = 0x0F;
    const std::uint8_t constant[] = {0x09, 0x05, 0x00, 0x00};
    std::copy(std::begin(constant), std::end(constant), m.image.begin() + 0x1050);
    m.image[0x10B0] = 0x30; // squelch level 3
    m.image[0x10B2] = 0x0B; // key beep on, prompt volume 2
    m.image[0x10B6] = 60;   // transmit time-out, seconds
    m.image[0x10BA] = 0x01; // current channel 1
    // Scan look-back times 2.0 and 3.0 s, resume delays 3.0 s, wait time 6;
    // long press 2.0 s: values the program's windows offer.
    const std::uint8_t scan[] = {20, 30, 30, 30, 6};
    std::copy(std::begin(scan), std::end(scan), m.image.begin() + 0x1223);
    m.image[0x1228] = 20;
    PutText(m, 0x1240, "PMR446");
    PutText(m, 0x1248, "      ");
    PutText(m, 0x1300, "SIMULATED RADIO");

    m.SetModel("VX210");
    m.SetBand(4);
    m.SetVersion("V100");
    m.SetFeature(0);
    m.image[0x13FD] = 0x00;

    // Information area: never-written bytes read FF.
    m.info.fill(0xFF);
    PutText(m, 0x1400, "0595");
    PutText(m, 0x1410, "07-1-E-1");
    PutText(m, 0x1420, "001A");
    PutText(m, 0x1430, "SIM00000001");
    m.Write(0x1430 + 11, 0);
    PutText(m, 0x1440, "2026-01-15");
    m.Write(0x1440 + 10, 0);
    PutText(m, 0x15C0, "DEMO DEALER");
    m.Write(0x15C0 + 11, 0);
    PutText(m, 0x15D0, "2026-02-01");
    m.Write(0x15D0 + 10, 0);
    m.SetPassword("");

    const std::uint8_t test[16] = {0x80, 0xC8, 0x96, 0x50, 0x70, 0x60, 0x58, 0x40,
                                   0x48, 0x4C, 0x52, 0x00, 0x00, 0x00, 0x00, 0xA5};
    std::copy(std::begin(test), std::end(test), m.testData.begin());
    return m;
}

} // namespace pmr::sim
