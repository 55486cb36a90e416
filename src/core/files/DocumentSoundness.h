#pragma once
// The checks a document read from a file must pass before it may replace the
// working copy: the channel table must keep the document's invariants, since the
// editors and the image encoder index by them.

#include "document/RadioDocument.h"

#include <string>

namespace pmr {

enum class DocumentFlaw {
    None,
    ChannelCountOutOfRange, // not 0..129
    ChannelNoOutOfRange,    // a used entry's ChannelNo not 1..129
    DuplicateChannelNo,     // two used entries share a ChannelNo (two VFOs included)
};

/// The first flaw of the used channel entries, or None.
DocumentFlaw FindDocumentFlaw(const RadioDocument& doc);

} // namespace pmr
