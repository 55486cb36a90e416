#pragma once
// What an undo step is called in the Edit menu ("channel 3 RX frequency",
// "channels 1-16", "DTMF Settings"): said by the command that made the change
// where it knows better (a paste, a batch), otherwise read from the
// differences between the document before and after.

#include "document/RadioDocument.h"

#include <string>
#include <vector>

namespace pmr {

class TextCatalog;

/// The change from `before` to `after` in the words of `texts`; "" when the
/// two are alike in every member the user edits.
std::string ChangeName(const RadioDocument& before, const RadioDocument& after,
                       const TextCatalog& texts);

/// Channel numbers as runs: {1, 2, 3, 5, 7, 8} gives "1-3, 5, 7-8". The
/// numbers are sorted first; the VFO (129) is "VFO".
std::string ChannelRuns(std::vector<int> numbers);

} // namespace pmr
