#pragma once
// A member's caption in the user's language, as the write check, the compare
// and the windows name it.

#include <string>

namespace pmr {

struct MemberName;
class TextCatalog;

/// The caption text, its number filled in for "%1" (or after it) and the part
/// after a comma ("DTMF memory 3", "PF1 key, Short press"); the member's key
/// when it has no caption in `texts`.
std::string MemberCaption(const TextCatalog& texts, const MemberName& name);

/// Where a member is edited: "Channel 5" (text 9070), "VFO", or the caption of
/// the window of a radio-wide member.
std::string MemberPlace(const TextCatalog& texts, int channelNo, const MemberName& name);

} // namespace pmr
