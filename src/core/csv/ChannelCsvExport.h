#pragma once
// The channel table as a CSV channel list: a header row, then one row per used
// channel 1..128 in channel-number order (the VFO is no channel of the list).

#include <string>

namespace pmr {

struct RadioDocument;

/// The whole file: UTF-8 without byte order mark, CRLF line ends.
std::string ExportChannelCsv(const RadioDocument& doc);

} // namespace pmr
