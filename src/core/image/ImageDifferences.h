#pragma once
// Two images of the radio's memory compared member by member, as the compare
// of two documents names them: what a write failed to change is said in the
// captions of the members it holds ("Channel 3, RX frequency (MHz)").

#include "document/DocumentCompare.h"
#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace pmr {

struct AppContext;
class TextCatalog;

/// Each image decoded by `decode` (the link's decoder) over a copy of `app`
/// (members the image does not hold are then the same on both sides; no
/// window hears of it), and the two documents compared: `expected` holds the
/// old values, `found` the new ones. Empty when the images differ only in
/// bytes no member of the document holds.
std::vector<DocumentDifference> CompareImages(const AppContext& app,
                                              const std::array<std::uint8_t, kImageSize>& expected,
                                              const std::array<std::uint8_t, kImageSize>& found,
                                              const TextCatalog& texts,
                                              const std::function<void(AppContext&)>& decode);

} // namespace pmr
