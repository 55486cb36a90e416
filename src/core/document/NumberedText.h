#pragma once
// A text with a running number, for programming many radios alike but each
// with its own power-on text: the run of "#" in the pattern becomes the
// number, with leading zeros to the run's length ("UNIT##" with 7 gives
// "UNIT07").

#include <optional>
#include <string>

namespace pmr {

/// The pattern with its one run of "#" replaced by `number`; nullopt with the
/// reason in `error` when the pattern has no run or more than one, or the
/// number is negative or has more digits than the run holds.
std::optional<std::string> NumberedText(const std::string& pattern, int number,
                                        std::string& error);

} // namespace pmr
