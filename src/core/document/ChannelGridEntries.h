#pragma once
// The entries of the channel grid's list columns (TX power, scan, signalling,
// spacing) and the text the grid shows for a stored value, so that whatever
// shows a channel as the grid does (the printed report) reads the same.

#include "document/ChannelField.h"

#include <string>
#include <vector>

namespace pmr {

class TextCatalog;

/// The entries of list column `column` (kColTxPower, kColScanSkip,
/// kColOptSignal or kColChSpacing) in the language of `texts`; empty for
/// any other column.
std::vector<std::string> ChannelGridEntries(const TextCatalog& texts, ChannelColumn column);

/// The grid's text for `value` in that column: its entry, the first entry for
/// a value the list has no entry for.
std::string ChannelGridEntry(const TextCatalog& texts, ChannelColumn column, int value);

} // namespace pmr
