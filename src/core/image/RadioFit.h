#pragma once
// Before a write: every value of the document must reach the radio exactly as
// the editors show it. The document is encoded into a scratch image and decoded
// back; a member that comes back different would have been masked, rounded or
// dropped on its way into the radio, so the write is refused and the value named.

#include <string>
#include <vector>

namespace pmr {

struct AppContext;
class TextCatalog;

struct UnfitValue {
    int channelNo = 0;   // 1..128, 129 for the VFO; 0 for a radio-wide setting
    int labelId = 0;     // text of the member's label, 0 when it has none
    std::string member;  // the member's name, shown when there is no label
    std::string value;   // the value as the document holds it
};

/// The values the radio cannot hold exactly, channels first in table order.
std::vector<UnfitValue> FindValuesTheRadioCannotHold(const AppContext& app);

/// The refusal message: text 9069, then one line per value ("Channel 5, RX
/// frequency (MHz): NaN"), at most `maxLines` of them and a count of the rest.
std::string RefusedWriteMessage(const TextCatalog& texts, const std::vector<UnfitValue>& values,
                                std::size_t maxLines = 12);

} // namespace pmr
