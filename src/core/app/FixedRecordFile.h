#pragma once
// Small binary settings files that hold one fixed-length record at offset 0
// (Setting.ini, BatchFun.ini, Habit.ini).

#include <cstdint>
#include <span>
#include <string>

namespace pmr {

/// Reads the record at offset 0 into `record`. Bytes the file does not hold read
/// as 0. A missing file is created empty (and reads all 0) when `createMissing`.
/// Returns false when the file cannot be opened, created or read; `record` is
/// then unspecified.
bool ReadFixedRecord(const std::string& path, std::span<std::uint8_t> record, bool createMissing);

/// Writes the record at offset 0, creating the file when missing; bytes of an
/// existing file beyond the record stay as they were.
bool WriteFixedRecord(const std::string& path, std::span<const std::uint8_t> record);

} // namespace pmr
