#pragma once
// The .dat record: the whole document as one packed little-endian record of
// 11037 bytes. Every member is written at its own offset byte by byte, so the
// layout never depends on how the compiler lays out RadioDocument.

#include "document/RadioDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pmr {

constexpr std::size_t kDocumentRecordSize = 11037;

/// Offsets of the top-level members in the record.
namespace record {
constexpr std::size_t kVersion = 0;
constexpr std::size_t kChannelCount = 4;
constexpr std::size_t kChannels = 6;
constexpr std::size_t kChannelSize = 78;
constexpr std::size_t kFmPresets = 10068;
constexpr std::size_t kFmPresetSize = 10;
constexpr std::size_t kTestFreqs = 10268;
constexpr std::size_t kTestFreqSize = 16;
constexpr std::size_t kModel = 10444;
constexpr std::size_t kOpt = 10453;
constexpr std::size_t kDtmf = 10541;
constexpr std::size_t kEmbMsg = 10925;
constexpr std::size_t kKeys = 10989;
constexpr std::size_t kAlert = 11015;
constexpr std::size_t kScan = 11024;
constexpr std::size_t kAlarmMode = 11036;
} // namespace record

using DocumentRecordBytes = std::array<std::uint8_t, kDocumentRecordSize>;

/// The record of `doc`, all 129 channel entries included (unused ones as they are).
DocumentRecordBytes EncodeDocumentRecord(const RadioDocument& doc);

/// The document held by `bytes`. A shorter buffer reads as if the missing bytes
/// were 0; bytes beyond the record are ignored. No value is checked here.
RadioDocument DecodeDocumentRecord(std::span<const std::uint8_t> bytes);

} // namespace pmr
