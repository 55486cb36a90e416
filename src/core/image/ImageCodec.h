#pragma once
// The whole-image conversions between the document and the radio's memory.

#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>

namespace pmr {

struct AppContext;

/// Builds the main image from the document before a write. Also brings the
/// document's derived channel members (IsEmpty, out-of-range step, power flags)
/// and its Model record in line with what was written.
void EncodeImage(AppContext& app);

/// The same, over the image the radio holds now: every bit the encoder sets
/// from the document takes the document's value, every other bit (memory the
/// program does not interpret) keeps the radio's. The result is in ImageBuf.
void EncodeImageOver(AppContext& app, const std::array<std::uint8_t, kImageSize>& radio);

/// Rebuilds the document from the main image after a read. Accepts any bytes:
/// the result always has unique channel numbers, at most one VFO (the last
/// entry) and a receive frequency in every used entry.
void DecodeImage(AppContext& app);

} // namespace pmr
