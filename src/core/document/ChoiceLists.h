#pragma once
// The number lists the settings editors offer.

#include <string>
#include <vector>

namespace pmr {

struct AppContext;
struct RadioDocument;

/// The used channel numbers 1..128 (the VFO left out), in table order and then
/// sorted ascending from the second entry on: the first entry keeps its place.
std::vector<int> ChannelNumberList(const RadioDocument& doc);

/// The channel-number lists of the scan and alert windows: the number of every
/// record, the VFO's 129 included, ascending, as decimal texts.
std::vector<std::string> ChannelNumberTexts(const RadioDocument& doc);

/// The numbers 1..20 of the FM presets in use.
std::vector<int> FmPresetNumberList(const RadioDocument& doc);

/// Text 14013 (none), then the numbers 1..16 of the dial memories that hold digits.
std::vector<std::string> DtmfGroupList(const AppContext& app);

} // namespace pmr
