#pragma once
// The channel table: entries 0..ChannelCount-1 of RadioDocument::Channels, in
// display order, with distinct channel numbers (129 is the VFO record).

#include <string_view>

namespace pmr {

struct AppContext;
struct RadioDocument;
struct ChannelRecord;

/// Index of the used entry with this channel number, or -1.
int FindChannelIndex(const RadioDocument& doc, int channelNo);

/// The used entry with this channel number, or nullptr.
ChannelRecord* FindChannel(RadioDocument& doc, int channelNo);

/// Appends a channel at `rxFreqMhz` (a megahertz text such as "446.00625") with
/// the creation defaults of the current band and the step flags its frequency
/// needs, then reconciles the option references. Does nothing (and returns false) when the table is full or the
/// number is already in use.
bool AddChannel(AppContext& app, int channelNo, std::string_view rxFreqMhz);

/// Empties the table, then creates the VFO (entry 0) and channel 1 (entry 1) on
/// the band's middle channel.
void ResetChannels(AppContext& app);

/// Removes entry `index` (0-based), moves the following entries one place down
/// and reconciles the option references. Out-of-range indices are ignored.
void DeleteChannelAt(AppContext& app, int index);

/// Removes the entry with this channel number, without the reconciliation;
/// nothing happens when no entry has it.
void DeleteChannelByNo(AppContext& app, int channelNo);

} // namespace pmr
