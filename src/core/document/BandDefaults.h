#pragma once
// Defaults that depend on the band: the test frequencies of a new document and
// the five-point tuning table shown beside them.

#include "document/FixedText.h"

#include <array>
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

/// Test frequency pair 1 at 155.10000 MHz (VHF) or 435.10000 MHz (UHF) in both
/// fields; pairs 2 to 11 cleared to a single NUL.
void ApplyTestFreqDefaults(RadioDocument& doc, std::string_view bandText);

/// The five-point table of the band: lower edge, quarters, middle, upper edge.
TuningTable MakeTuningTable(std::string_view bandText);

} // namespace pmr
