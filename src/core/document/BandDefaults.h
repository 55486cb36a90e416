#pragma once
// Defaults that depend on the band: the test frequencies of a new document and
// the five-point tuning table shown beside them.

#include "document/FixedText.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace pmr {

struct RadioDocument;

/// One tuning point: two frequencies in the 8-digit stored form.
struct TuningPoint {
    FixedText<8> first;
    FixedText<8> second;
    friend bool operator==(const TuningPoint&, const TuningPoint&) = default;
};
using TuningTable = std::array<TuningPoint, 5>;

/// True when the band takes the VHF tables (only "136 - 174 MHz").
bool UsesVhfTestTables(std::string_view bandText);

/// The first test frequency of a new document in the band, in 10 Hz units:
/// 435.10000 or 155.10000 MHz, whichever the band holds, else the band's middle
/// channel. A band text without limits takes its table's frequency.
std::int64_t DefaultTestFreq10Hz(std::string_view bandText);

/// Test frequency pair 1 at DefaultTestFreq10Hz in both fields; pairs 2 to 11
/// cleared to a single NUL.
void ApplyTestFreqDefaults(RadioDocument& doc, std::string_view bandText);

/// The five-point table of the band: lower edge, quarters, middle, upper edge.
TuningTable MakeTuningTable(std::string_view bandText);

} // namespace pmr
