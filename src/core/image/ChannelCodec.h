#pragma once
// One channel record of the image (32 bytes) and the two channel bitmaps.

#include "document/RadioDocument.h"

namespace pmr {

struct AppContext;

/// Writes one channel table entry into its record and marks it in the empty
/// and scan-skip bitmaps. Recomputes entry.IsEmpty and normalises the step
/// flags and power the image cannot hold. Entries whose ChannelNo lies outside
/// 1..129 have no place in the image and are skipped.
void EncodeChannel(AppContext& app, ChannelRecord& entry);

/// Appends channel index + 1 (index 128 = the VFO) to the document's table when
/// the image holds it; returns whether it did. index outside 0..128 does nothing.
bool DecodeChannel(AppContext& app, int index);

} // namespace pmr
