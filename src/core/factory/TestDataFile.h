#pragma once
// The ".ted" side file: exactly the 16 test-data bytes, index 0 first, kept
// beside a document file of the same name.

#include "factory/TestData.h"

#include <optional>
#include <string>

namespace pmr {

struct AppContext;

/// Reads the first 16 bytes of the file at `path` into `buffer`. A missing or
/// unreadable file leaves `buffer` unchanged; a shorter file gives 0 for the
/// missing bytes. Returns true when the file was read.
bool LoadTestDataFile(const std::string& path, TestDataBytes& buffer);

/// Writes `buffer` as the first 16 bytes of the file at `path` (created when
/// missing; bytes beyond the 16th of an existing file stay). Failures leave the
/// old file as it was. Returns true when written.
bool SaveTestDataFile(const std::string& path, const TestDataBytes& buffer);

/// The side file of a document: its path without the last four characters,
/// then ".ted" (radio.dat -> radio.ted). None for a path of 3 characters or fewer.
std::optional<std::string> TestDataSideFileName(const std::string& documentPath);

/// LoadTestDataFile of the document's side file into SavedTestData.
void LoadTestDataBeside(AppContext& app, const std::string& documentPath);

/// SaveTestDataFile of SavedTestData to the document's side file.
void SaveTestDataBeside(AppContext& app, const std::string& documentPath);

} // namespace pmr
