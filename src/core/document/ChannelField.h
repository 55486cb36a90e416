#pragma once
// The one way editors change a channel: by channel number, column and value.

#include <string_view>

namespace pmr {

struct AppContext;
class UserInteraction;

/// The columns of SetChannelField (1..9 are also the channel grid's columns).
enum ChannelColumn : int {
    kColRxFreq = 1,
    kColTxFreq = 2,
    kColName = 3,
    kColRxTone = 4,
    kColTxTone = 5,
    kColTxPower = 6,
    kColScanSkip = 7,
    kColOptSignal = 8,
    kColChSpacing = 9,
    kColPttId = 10,
    kColBusyLock = 11,
    kColRevTalkMode = 12,
    kColAutoDialMem = 13,
    kColScramble = 14,
    kColTxInhibit = 15,
    kColTalkaround = 16,
    kColReverse = 17,
    kColWhisper = 18,
    kColCompander = 19,
    kColIdCode = 20,
    kColSignalRelation = 21,
};

/// Sets one field of channel `channelNo` from an editor's value (a frequency
/// text, a name, an ID code or a list index as decimal text), with the column's
/// side rules; creates the channel when column 1 names a channel that does not
/// exist yet; deletes it when column 1 is cleared (not the last channel).
/// In the PMR446 band a frequency that is not one of the sixteen channels is
/// moved to the nearest channel with a message saying so, and an offset other
/// than none is refused with a message: those channels are simplex.
/// Afterwards the grid row and the open channel edit dialog are refreshed.
/// An integer column given a value that is not a whole number in range is left
/// unchanged.
void SetChannelField(AppContext& app, UserInteraction& ui, int channelNo, int column,
                     std::string_view value);

/// The same with a list index or flag.
void SetChannelField(AppContext& app, UserInteraction& ui, int channelNo, int column, int value);

} // namespace pmr
