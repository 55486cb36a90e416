#pragma once
// The frequency bands the radio comes in: band code (kept in the document and
// the radio), band text (compared exactly) and the order the model dialog
// offers them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

struct DocumentState;

struct BandRow {
    int code;
    std::string_view text;
    int listPosition; // 1..17
};

/// The PMR446 band, the start-up band.
inline constexpr std::string_view kPmr446BandText = "446.00625 - 446.19375 MHz";
/// The one band that takes the VHF test frequencies.
inline constexpr std::string_view kVhfTestBandText = "136 - 174 MHz";

/// The seventeen bands in list-position order (codes 0..14, 16, 32).
const std::array<BandRow, 17>& BandTable();

/// The code of the band with exactly this text; 0 when none has it.
int BandCodeFromText(std::string_view text);

/// The text of the band with this code; empty when no band has it.
std::string BandTextFromCode(int code);

/// The band texts in list-position order.
std::vector<std::string> BandTextsInListOrder();

/// Sets BandLimits from BandText: the numbers at characters 1 to 3 and 7 to 9,
/// as whole MHz (so the PMR446 text gives 446 and 625; documents rely on it).
/// A BandText from which no limits can be read (empty, as for an unknown band
/// code) keeps the previous limits and returns false.
bool ComputeBandLimits(DocumentState& state);

} // namespace pmr
