#pragma once
// The channel list layout that radio programs exchange as CSV: the 21 columns
// every such program reads and writes, in their order, then one column for each
// channel member that layout has no place for, so that a list written here and
// read back loses nothing while other programs ignore the extra columns.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pmr {

enum class CsvColumn : int {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    UrCall,
    Rpt1Call,
    Rpt2Call,
    DvCode,
    // The members of this radio's channels that the common layout lacks.
    Signalling,
    PttId,
    BusyLock,
    Scramble,
    Compander,
    Whisper,
    TxInhibit,
    AutoDialMemory,
    IdCode,
    SignalRelation,
    RevTalkMode,
    Talkaround,
    Reverse,
};

inline constexpr int kCsvColumnCount = static_cast<int>(CsvColumn::Reverse) + 1;

/// The header name of a column ("Location", "rToneFreq", "Busy Lock").
std::string_view CsvColumnName(CsvColumn column);

/// The column a header names: case-insensitive, blanks around ignored; "Step"
/// is the older name of TStep. Nothing for a column this layout does not have.
std::optional<CsvColumn> CsvColumnFromHeader(std::string_view header);

/// The tone columns of one channel.
struct CsvTones {
    std::string tone; // "", "Tone", "TSQL", "DTCS" or "Cross"
    std::string rToneFreq = "88.5";
    std::string cToneFreq = "88.5";
    std::string dtcsCode = "023";
    std::string dtcsPolarity = "NN";
    std::string rxDtcsCode = "023";
    std::string crossMode = "Tone->Tone";
};

/// The columns for an encode (sent) and a decode (received) tone code.
CsvTones TonesToCsv(int txTone, int rxTone);

/// A CTCSS frequency as the layout writes it ("88.5", also "88.50") to its tone
/// code 1..50; nothing when this radio has no such tone.
std::optional<int> CtcssCodeFromCsv(std::string_view text);

/// A DCS code of 1 to 3 octal digits ("023") with its polarity letter (N or R)
/// to the tone code; nothing when it is not one.
std::optional<int> DcsCodeFromCsv(std::string_view digits, char polarity);

/// The power level as the layout's Power column names it: 0 "Low", 1 "Mid",
/// 2 "High".
std::string_view PowerLevelName(int txPower);
/// The other way, case-insensitive; nothing for another text.
std::optional<int> PowerLevelFromName(std::string_view name);

/// "NFM" for the 12.5 kHz spacing (code 2), "FM" for every other code, the
/// wider spacings (the channel setter keeps every channel at 12.5 kHz anyway).
std::string_view ModeName(int chSpacing);

/// Case-insensitive comparison of ASCII texts.
bool SameWord(std::string_view a, std::string_view b);

} // namespace pmr
