#include "app/HabitFile.h"

#include "app/AppContext.h"
#include "app/FixedRecordFile.h"

namespace pmr {

namespace {

std::string HabitPath(const InstallPaths& paths) {
    return UserFile(paths, "Habit.ini");
}

} // namespace

std::array<std::uint8_t, kHabitRecordSize> EncodeHabits(const Habits& h) {
    const bool flags[] = {h.PasteNoPrompt, h.PasteInserts, h.DeleteNoPrompt, h.DeleteRemovesRow,
                          h.UseOffsetFreq};
    std::array<std::uint8_t, kHabitRecordSize> record{};
    for (std::size_t i = 0; i < 5; ++i) {
        // true is the 16-bit -1, 0xFFFF, in either byte order
        record[2 * i] = flags[i] ? 0xFF : 0x00;
        record[2 * i + 1] = flags[i] ? 0xFF : 0x00;
    }
    return record;
}

void DecodeHabits(const std::array<std::uint8_t, kHabitRecordSize>& record, Habits& h) {
    bool* flags[] = {&h.PasteNoPrompt, &h.PasteInserts, &h.DeleteNoPrompt, &h.DeleteRemovesRow,
                     &h.UseOffsetFreq};
    for (std::size_t i = 0; i < 5; ++i) {
        const unsigned value = record[2 * i] | (record[2 * i + 1] << 8);
        *flags[i] = value != 0;
    }
}

void LoadHabits(Habits& habits, const InstallPaths& paths) {
    habits.ClipboardValid = false;
    std::array<std::uint8_t, kHabitRecordSize> record{};
    if (!ReadFixedRecord(HabitPath(paths), record, false))
        record.fill(0);
    DecodeHabits(record, habits);
}

void LoadHabits(AppContext& app) {
    LoadHabits(app.habits, app.paths);
}

bool SaveHabits(const Habits& habits, const InstallPaths& paths) {
    return paths.WritesFiles && WriteFixedRecord(HabitPath(paths), EncodeHabits(habits));
}

bool SaveHabits(const AppContext& app) {
    return SaveHabits(app.habits, app.paths);
}

} // namespace pmr
