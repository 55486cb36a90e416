#pragma once
// Where things live in the radio's configuration image (ImageBuf indices are
// radio addresses). Multi-byte numbers in the image are big-endian.

namespace pmr::image_map {

constexpr int kChannelRecordSize = 32;
constexpr int kChannelRecords = 0x0000; // channel n at (n - 1) * 32, n = 1..128
constexpr int kVfoRecord = 0x1000;
constexpr int kEmptyBitmap = 0x1020;    // channel n: bit (n-1)%8 of byte (n-1)/8; 1 = empty
constexpr int kScanSkipBitmap = 0x1030; // same bit order; 1 = skipped by scan
constexpr int kFmEmptyBitmap = 0x1040;  // presets 1..20; 1 = empty
constexpr int kFmConstant = 0x1050;     // always 09 05 00 00
constexpr int kFmPresets = 0x1060;      // 20 x 4 bytes of packed BCD
constexpr int kOptionBytes = 0x10B0;    // 12 bytes
constexpr int kDtmfCodeSlots = 0x10C0;  // BOT, EOT, stun, kill; 16 bytes each
constexpr int kDialMemory = 0x1100;     // 16 x 16 bytes
constexpr int kDtmfSlotSize = 16;
constexpr int kDtmfOptions = 0x1200; // 8 bytes
constexpr int kAlertBytes = 0x1208;  // 7 bytes
constexpr int kScanBytes = 0x1220;   // 8 bytes
constexpr int kKeyBytes = 0x1228;    // 20 bytes, some unused
constexpr int kDirectCh1 = 0x123E;
constexpr int kDirectCh2 = 0x123F;
constexpr int kPowerOnText1 = 0x1240; // characters 1..6
constexpr int kPowerOnText2 = 0x1248; // characters 7..12
constexpr int kEmbMessage = 0x1300;   // 4 lines of 16 bytes
constexpr int kModelName = 0x13F0;    // 7 bytes
constexpr int kBandCode = 0x13F7;
constexpr int kFormatTag = 0x13F8; // "V100"
constexpr int kFeatureFlags = 0x13FC;

/// Ranges the encoder clears before it writes the document into them; every
/// byte outside them that no block claims keeps what the radio sent.
constexpr int kClearedLowBegin = 0x0000, kClearedLowEnd = 0x1020;
constexpr int kClearedHighBegin = 0x1040, kClearedHighEnd = 0x1340;

/// Never written by the encoder: the program does not know what the radio keeps there.
constexpr int kKeptAreaBegin = 0x1340, kKeptAreaEnd = 0x13F0;
constexpr int kKeptTailBegin = 0x13FC, kKeptTailEnd = 0x1400;

} // namespace pmr::image_map
