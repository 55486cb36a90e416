#pragma once
// A DTMF code slot of the image: 16 bytes, digits packed two per byte (high
// nibble first, "*" as E, "#" as F), the digit count in byte 8, the rest 0.

#include "document/RadioDocument.h"

#include <cstdint>
#include <span>

namespace pmr {

void EncodeDtmfCode(const DtmfCode& code, std::span<std::uint8_t, 16> slot);
DtmfCode DecodeDtmfCode(std::span<const std::uint8_t, 16> slot);

} // namespace pmr
