#pragma once
// The user's editing habits (Habit.ini): how the channel table edits behave.

namespace pmr {

struct Habits {
    bool UseOffsetFreq = false;
};

} // namespace pmr
