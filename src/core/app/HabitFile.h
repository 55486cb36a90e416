#pragma once
// Habit.ini in the user folder (InstallPaths): one 10-byte record, the five habit flags as
// 16-bit little-endian integers (true = -1, false = 0, any non-zero reads true),
// in the order PasteNoPrompt, PasteInserts, DeleteNoPrompt, DeleteRemovesRow,
// UseOffsetFreq.

#include "app/Habits.h"
#include "app/InstallPaths.h"

#include <array>
#include <cstdint>

namespace pmr {

struct AppContext;

constexpr int kHabitRecordSize = 10;

/// The record of the five flags.
std::array<std::uint8_t, kHabitRecordSize> EncodeHabits(const Habits& habits);
/// Sets the five flags from a record (the clipboard is not touched).
void DecodeHabits(const std::array<std::uint8_t, kHabitRecordSize>& record, Habits& habits);

/// Clears ClipboardValid, then reads the flags; a missing or unreadable file
/// leaves them all false, a short one sets what it holds and clears the rest.
void LoadHabits(Habits& habits, const InstallPaths& paths);
void LoadHabits(AppContext& app);
/// Writes the whole record; false (and nothing else) when that fails.
bool SaveHabits(const Habits& habits, const InstallPaths& paths);
bool SaveHabits(const AppContext& app);

} // namespace pmr
