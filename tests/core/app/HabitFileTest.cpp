#include "app/HabitFile.h"

#include "TempInstall.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;

class HabitFile : public ::testing::Test {
protected:
    std::string Path() const { return dir.InProgram("Habit.ini"); }
    TempInstall dir;
    InstallPaths paths = InstallPathsFor(dir.Program());
    Habits habits;
};

TEST_F(HabitFile, FlagsAreSixteenBitWordsInTheirOrder) {
    habits.PasteInserts = true;
    habits.UseOffsetFreq = true;
    ASSERT_TRUE(SaveHabits(habits, paths));
    EXPECT_EQ(TempInstall::Read(Path()),
              std::string("\x00\x00\xFF\xFF\x00\x00\x00\x00\xFF\xFF", 10));
}

TEST_F(HabitFile, AnyNonZeroWordReadsTrue) {
    // Only the high byte of word 0, only the low byte of word 3.
    TempInstall::Write(Path(), std::string("\x00\x01\x00\x00\x00\x00\x01\x00\x00\x00", 10));
    habits.PasteInserts = true; // the file decides, not what was there before
    LoadHabits(habits, paths);
    EXPECT_TRUE(habits.PasteNoPrompt);
    EXPECT_FALSE(habits.PasteInserts);
    EXPECT_FALSE(habits.DeleteNoPrompt);
    EXPECT_TRUE(habits.DeleteRemovesRow);
    EXPECT_FALSE(habits.UseOffsetFreq);
}

TEST_F(HabitFile, MissingOrUnreadableFileLeavesEveryFlagFalse) {
    habits = Habits{true, true, true, true, true, {}, true};
    LoadHabits(habits, paths);
    EXPECT_EQ(EncodeHabits(habits), (std::array<std::uint8_t, 10>{}));
    EXPECT_FALSE(habits.ClipboardValid);
    EXPECT_FALSE(TempInstall::Exists(Path())); // reading does not create it

    std::filesystem::create_directory(Path());
    habits = Habits{true, true, true, true, true, {}, true};
    LoadHabits(habits, paths);
    EXPECT_EQ(EncodeHabits(habits), (std::array<std::uint8_t, 10>{}));
    EXPECT_FALSE(SaveHabits(habits, paths));
}

TEST_F(HabitFile, ShortFileSetsWhatItHolds) {
    TempInstall::Write(Path(), std::string("\xFF\xFF\xFF", 3));
    LoadHabits(habits, paths);
    EXPECT_TRUE(habits.PasteNoPrompt);
    EXPECT_TRUE(habits.PasteInserts); // low byte only
    EXPECT_FALSE(habits.DeleteNoPrompt);
    EXPECT_FALSE(habits.UseOffsetFreq);
}

TEST_F(HabitFile, SavedHabitsReadBackTheSame) {
    habits.DeleteNoPrompt = true;
    habits.DeleteRemovesRow = true;
    ASSERT_TRUE(SaveHabits(habits, paths));
    Habits loaded;
    LoadHabits(loaded, paths);
    EXPECT_EQ(EncodeHabits(loaded), EncodeHabits(habits));
}

} // namespace
} // namespace pmr
