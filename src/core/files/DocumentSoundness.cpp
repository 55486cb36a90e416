#include "files/DocumentSoundness.h"

#include <bitset>

namespace pmr {

DocumentFlaw FindDocumentFlaw(const RadioDocument& doc) {
    if (doc.ChannelCount < 0 || doc.ChannelCount > kMaxChannelEntries)
        return DocumentFlaw::ChannelCountOutOfRange;
    std::bitset<kMaxChannelEntries + 1> seen;
    for (int i = 0; i < doc.ChannelCount; ++i) {
        const int no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no < 1 || no > kVfoChannelNo)
            return DocumentFlaw::ChannelNoOutOfRange;
        if (seen.test(static_cast<std::size_t>(no)))
            return DocumentFlaw::DuplicateChannelNo;
        seen.set(static_cast<std::size_t>(no));
    }
    return DocumentFlaw::None;
}

} // namespace pmr
