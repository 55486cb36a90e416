#pragma once
// Before a write: every value of the document must reach the radio exactly as
// the editors show it. The document is encoded into a scratch image and decoded
// back; a member that comes back different would have been masked, rounded or
// dropped on its way into the radio, so the write is refused and the value named.
// A radio-wide value that comes back unchanged must still be one its window
// would store (an entry of its list, the characters its boxes take, an FM
// frequency on the grid): the radio has no meaning for any other. Members are
// named from the table of the document's members.

#include "document/DocumentMembers.h"

#include <string>
#include <vector>

namespace pmr {

struct AppContext;
class TextCatalog;

struct UnfitValue {
    int channelNo = 0;   // 1..128, 129 for the VFO; 0 for a radio-wide setting
    int labelId = 0;     // text of the member's caption, 0 when it has none
    std::string member;  // the member's name, shown when there is no caption
    std::string value;   // the value as the document holds it
    int windowId = 0;    // a radio-wide setting: the caption of the window that edits it
    Mend mend = Mend::Channel;
    int number = 0;      // a preset's, memory's or line's number, after the caption
    int partId = 0;      // a second caption the label is made of (a key's press)
};
/// The values the radio cannot hold exactly, and the radio-wide values no
/// window would store, channels first in table order.
std::vector<UnfitValue> FindValuesTheRadioCannotHold(const AppContext& app);

/// The refusal message: text 9069, then one line per value that names where
/// it is edited and how to mend it ("DTMF Settings, DTMF side tone: 5 - open
/// DTMF Settings and tick or clear DTMF side tone"), at most `maxLines` of
/// them and a count of the rest.
std::string RefusedWriteMessage(const TextCatalog& texts, const std::vector<UnfitValue>& values,
                                std::size_t maxLines = 12);

} // namespace pmr
