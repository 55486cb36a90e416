#pragma once
// The radio-wide settings a new document starts with.

namespace pmr {

struct RadioDocument;

/// Gives Settings and AlarmMode their defaults. The four DTMF codes BotCode,
/// EotCode, StunCode and KillCode keep their contents.
void ResetSettings(RadioDocument& doc);

} // namespace pmr
