#pragma once
// The radio-wide settings a new document starts with.

namespace pmr {

struct RadioDocument;

/// Gives Settings and AlarmMode their defaults. The four DTMF codes BotCode,
/// EotCode, StunCode and KillCode keep their contents.
void ResetSettings(RadioDocument& doc);

/// Opening a settings window shows each value by choosing its list entry, as a
/// user would, and stores the entry's value back. A new document holds those
/// values from the start: a value no entry stands for would be rewritten as
/// soon as a window is looked at, and the new document would count as changed.
/// Run after the channels are in place (adding the first ones reconciles the
/// settings that refer to channels).
void StoreAsTheWindowsShow(RadioDocument& doc);

} // namespace pmr
