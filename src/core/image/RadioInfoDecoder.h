#pragma once
// The dealer and radio information area (InfoBuf, radio 0x1400 to 0x15FF) into
// the radio information record. Only the fields the area holds change; the
// model, band, version and spare members keep their values.

#include <array>
#include <cstdint>

namespace pmr {

struct AppContext;
struct RadioInfo;

void DecodeRadioInfo(const std::array<std::uint8_t, 512>& infoBuf, RadioInfo& info);
/// The same for the application's InfoBuf and record.
void DecodeRadioInfo(AppContext& app);

} // namespace pmr
