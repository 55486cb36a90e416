#pragma once
// The whole-image conversions between the document and the radio's memory.

namespace pmr {

struct AppContext;

/// Builds the main image from the document before a write. Also brings the
/// document's derived channel members (IsEmpty, out-of-range step, power flags)
/// and its Model record in line with what was written.
void EncodeImage(AppContext& app);

/// Rebuilds the document from the main image after a read. Accepts any bytes:
/// the result always has unique channel numbers, at most one VFO (the last
/// entry) and a receive frequency in every used entry.
void DecodeImage(AppContext& app);

} // namespace pmr
