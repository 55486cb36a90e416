// The backups folder: keeping, listing, the retention rule and refusing a
// damaged backup.

#include "backup/BackupStore.h"
#include "backup/UserDataFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pmr {
namespace {

namespace fs = std::filesystem;
using Image = std::array<std::uint8_t, kImageSize>;

struct TempFolder {
    fs::path path;
    TempFolder() {
        path = fs::temp_directory_path() /
               ("pmr-backups-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
};

Image RadioImage(const char* model, int band, std::uint8_t fill) {
    Image image;
    image.fill(fill);
    for (int i = 0; i < 7; ++i)
        image[0x13F0 + i] = i < static_cast<int>(std::char_traits<char>::length(model))
                                ? static_cast<std::uint8_t>(model[i])
                                : 0;
    image[0x13F7] = static_cast<std::uint8_t>(band);
    return image;
}

const std::uint8_t kDat[] = {1, 2, 3};

TEST(UserDataFolder, FollowsTheDataHomeRule) {
    EXPECT_EQ(UserDataFolderFor("/x/data", "/home/u"), "/x/data/pmrprog");
    EXPECT_EQ(UserDataFolderFor("relative", "/home/u"), "/home/u/.local/share/pmrprog");
    EXPECT_EQ(UserDataFolderFor(nullptr, "/home/u"), "/home/u/.local/share/pmrprog");
    EXPECT_EQ(UserDataFolderFor("", nullptr), "");
}

TEST(BackupStore, KeepsListsNewestFirstAndLoadsTheSameBytes) {
    TempFolder dir;
    BackupStore store(dir.path.string());
    std::string error;
    const auto older = store.Keep(RadioImage("T446", 16, 0x11), "SN1", 1000000, kDat, error);
    const auto newer = store.Keep(RadioImage("T446", 16, 0x22), "SN1", 1000000, kDat, error);
    ASSERT_TRUE(older && newer) << error;
    EXPECT_NE(older->imagePath, newer->imagePath); // the same second
    EXPECT_TRUE(fs::exists(fs::path(newer->imagePath).replace_extension(".dat")));
    const auto list = store.List();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].model, "T446");
    EXPECT_EQ(list[0].band, 16);
    EXPECT_EQ(list[0].serial, "SN1");
    const auto loaded = LoadBackupImage(older->imagePath, error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(*loaded, RadioImage("T446", 16, 0x11));
}

TEST(BackupStore, RetentionKeepsTheNewestOfEachRadioAndNeverTheLastOne) {
    TempFolder dir;
    BackupStore store(dir.path.string());
    std::string error;
    std::optional<BackupInfo> last;
    for (int i = 0; i < 5; ++i)
        last = store.Keep(RadioImage("T446", 16, static_cast<std::uint8_t>(i)), "A", 1000000 + i,
                          kDat, error);
    const auto other = store.Keep(RadioImage("T446", 16, 9), "B", 900000, kDat, error);
    ASSERT_TRUE(last && other);
    store.Prune(*last, 3);
    int ofA = 0;
    for (const auto& b : store.List())
        ofA += b.serial == "A";
    EXPECT_EQ(ofA, 3);
    EXPECT_EQ(store.List().front().imagePath, last->imagePath);
    store.Prune(*other, 0); // at least one is kept whatever is asked
    EXPECT_EQ(store.List().size(), 4u);
}

TEST(BackupStore, ADamagedBackupIsRefused) {
    struct Case {
        const char* name;
        void (*spoil)(const fs::path& img);
        const char* says;
    };
    const Case cases[] = {
        {"cut short", [](const fs::path& img) { fs::resize_file(img, 5000); }, "5000 bytes"},
        {"a byte changed",
         [](const fs::path& img) {
             std::fstream f(img, std::ios::in | std::ios::out | std::ios::binary);
             f.seekp(100);
             f.put('\x7e');
         },
         "check sum"},
        {"description gone",
         [](const fs::path& img) { fs::remove(fs::path(img).replace_extension(".txt")); },
         "description"},
        {"image gone", [](const fs::path& img) { fs::remove(img); }, "cannot be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        std::string error;
        const auto kept =
            BackupStore(dir.path.string()).Keep(RadioImage("T446", 16, 0), "", 1, kDat, error);
        ASSERT_TRUE(kept);
        c.spoil(kept->imagePath);
        EXPECT_FALSE(LoadBackupImage(kept->imagePath, error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(BackupStore, AFolderThatCannotBeWrittenIsSaid) {
    TempFolder dir;
    fs::create_directories(dir.path);
    std::ofstream(dir.path / "file") << "x";
    // A folder below a plain file cannot be made, whoever runs the test.
    BackupStore store((dir.path / "file" / "backups").string());
    EXPECT_FALSE(store.CheckWritable().empty());
    std::string error;
    EXPECT_FALSE(store.Keep(RadioImage("T446", 16, 0), "", 1, kDat, error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace pmr
