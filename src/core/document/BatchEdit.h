#pragma once
// Batch channel settings: chosen channel fields set over a range of channel
// numbers in one step, each value either fixed or stepped by the channel's
// distance from the first number of the range. The receive frequency creates
// the channels that do not exist yet; every other item changes existing ones.
//
// Frequencies and steps are kept as integers of 10 Hz (a step in kHz has two
// decimals, so 0.01 kHz is the same unit); texts always use ".".

#include "document/ChannelRaster.h"
#include "document/DocumentState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pmr {

struct AppContext;

/// The items in the order of BatchSwitches (BatchFun.ini).
enum BatchItem : int {
    kBatchRxFreq = 0,
    kBatchTxFreq,
    kBatchRxTone,
    kBatchTxTone,
    kBatchName,
    kBatchIdCode,
    kBatchTxPower,
    kBatchOptSignal,
    kBatchPttId,
    kBatchChSpacing,
    kBatchBusyLock,
    kBatchRevTalkMode,
    kBatchAutoDialMem,
    kBatchSignalRelation,
    kBatchScanSkip,
    kBatchScramble,
    kBatchTxInhibit,
    kBatchTalkaround,
    kBatchReverse,
    kBatchWhisper,
    kBatchCompander,
    kBatchItemCount
};

/// Items 6..13 are choices from a list, 14..20 check boxes.
inline constexpr int kBatchFirstList = kBatchTxPower;
inline constexpr int kBatchListCount = 8;
inline constexpr int kBatchFirstCheck = kBatchScanSkip;
inline constexpr int kBatchCheckCount = 7;

/// Highest channel number a range can name (the VFO is never in a range).
inline constexpr int kBatchLastChannel = 128;

// ---- The input boxes ------------------------------------------------------

/// The text when it is a count (digits, blanks around allowed), else `fallback`.
/// The boxes it serves hold intervals and steps, which are whole numbers.
std::string DefaultData(std::string_view text, std::string_view fallback);

/// A step in kHz put on the step grid (a multiple of 5 or of 6.25 kHz; any
/// other value moves down to a multiple of 5) and written without trailing
/// zeros: "7" -> "5", "6.25" -> "6.25", "12.5" -> "12.5". Not numeric or
/// negative: "0". On the PMR446 raster a step counts whole channels: the
/// nearest multiple of 12.5 kHz, at least one channel unless it is 0
/// ("5" -> "12.5", "20" -> "25").
std::string StepData(std::string_view text, const BandRule& band);

/// An offset in MHz (0 when not numeric; its size when negative) put on the
/// step grid and written "#0.00000", held within the 99.99999 MHz a channel's
/// offset can hold.
std::string StepDataFree(std::string_view text);

/// A frequency in MHz held within the band and put on the step grid, written
/// "#0.00000". Not numeric: the band's low limit. The grid is counted from
/// 0 Hz, as the radio counts its steps; every band limit lies on it. On the
/// PMR446 raster: the nearest channel ("446.01" -> "446.00625").
std::string StepDataFre(std::string_view text, const BandRule& band);

/// The own-ID start: digits only, at most `maxDigits`; fewer than 3 digits
/// (or anything else) gives "000".
std::string OwnIdStartData(std::string_view text, int maxDigits = 10);

/// A range box: a number from 1 to 128; a larger number gives 128, a smaller
/// or non-numeric entry 1.
int RangeBoxValue(std::string_view text);

struct BatchRange {
    int first = 1;
    int last = kBatchLastChannel;
};

/// All channels, or the two boxes in either order.
BatchRange RangeOf(bool allChannels, std::string_view fromBox, std::string_view toBox);

// ---- What the window gives Apply --------------------------------------------

struct SteppedFrequency {
    std::string startMhz;
    std::string stepKhz = "0";
    bool decrease = false;
};

struct ToneSeries {
    int start = 0; // tone code = list index
    std::string interval = "0";
    bool decrease = false;
    bool random = false;
};

struct IdSeries {
    std::string start = "0"; // its number of digits is the width of every value
    std::string step = "0";
    bool decrease = false;
};

enum class TxMode { Default, Offset, StartFrequency };
enum class NameMode { Fixed, DigitalId };

struct BatchInputs {
    std::array<bool, kBatchItemCount> items{}; // the items that take part
    bool allChannels = true;
    std::string fromChannel = "1";
    std::string toChannel = "128";
    bool clearOutside = false; // delete the channels 1..128 outside the range

    SteppedFrequency rx;
    TxMode txMode = TxMode::Default;
    std::string offsetMhz = "0.00000";
    bool offsetMinus = false;
    SteppedFrequency tx;
    ToneSeries rxTone;
    ToneSeries txTone;
    bool txToneSameAsDecode = true;
    NameMode nameMode = NameMode::Fixed;
    std::string fixedName;
    IdSeries nameId;
    IdSeries ownId{"000", "0", false};
    /// Items 6..13: the value each stores (a list index; for the auto-dial
    /// memory the memory's number, 0 for none).
    std::array<int, kBatchListCount> listValues{};
    /// Items 14..20: 0 or 1.
    std::array<int, kBatchCheckCount> checks{};
};

/// The initial values of a window that opens: both start frequencies at the
/// band's low limit, steps and intervals "0", own ID "000", encode tone as
/// decode, every list at its first entry. `items` stays all false.
BatchInputs InitialBatchInputs(const BandLimitPair& band);

/// Every box of a selected item put through its rule, as Apply reads them.
/// The window shows the result in its boxes.
BatchInputs NormalizeBatchInputs(const BatchInputs& in, const BandRule& band,
                                 int ownIdMaxDigits = 10);

/// A number in [0, 1).
using RandomSource = std::function<double()>;

struct BatchResult {
    int created = 0; // channels the receive frequency created
    int deleted = 0; // channels the clearing removed
    int skipped = 0; // frequencies outside the band, left as they were
    int splitRefused = 0; // PMR446 channels that kept their transmit frequency
    std::vector<RasterMove> moved; // channels put back on the PMR446 raster
};

/// Applies the inputs to the document: clears outside the range when asked,
/// then sets every chosen item on every channel of the range. A receive or
/// transmit frequency that falls outside the band is not stored: a missing
/// channel is then not created and an existing one keeps that frequency.
/// In the PMR446 band the steps go from channel to channel, a transmit
/// frequency other than the receive frequency is refused (the channels are
/// simplex), and a channel found off the raster is moved onto it.
/// Afterwards the option references follow the table and the open channel
/// windows are told (DocumentChange::ChannelTable).
BatchResult ApplyBatch(AppContext& app, const BatchInputs& in, const RandomSource& random);

} // namespace pmr
