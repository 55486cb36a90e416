#include "TempInstall.h"
#include "app/AppContext.h"
#include "files/VersionTable.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using test::TempInstall;
using Texts = std::vector<std::string>;

class VersionTableRead : public ::testing::Test {
protected:
    std::string Path() const { return dir.InRoot("Version.ini"); }
    TempInstall dir;
};

TEST_F(VersionTableRead, ShippedTableListsThisProgramForItsOwnData) {
    VersionTable t = ReadVersionTable(std::string(PMR_SOURCE_DIR) + "/data/Version.ini");
    EXPECT_EQ(t.SoftVersions, Texts{"V100"});
    EXPECT_EQ(t.VersionPairs, (Texts{"V100", "V100"}));
}

TEST_F(VersionTableRead, FirmEntriesSplitIntoProgramAndDataTags) {
    TempInstall::Write(Path(), "[version]\r\nsoftversioncount=2\r\nFirmVersionCount = 2\r\n"
                               "[SOFT]\r\n0Version=V100\r\n1version= V101 \r\n"
                               "[Firm]\r\n0Firm=V100V100\r\n1FIRM=V101V105\r\n2Firm=V102V102\r\n");
    VersionTable t = ReadVersionTable(Path());
    EXPECT_EQ(t.SoftVersions, (Texts{"V100", "V101"}));
    EXPECT_EQ(t.VersionPairs, (Texts{"V100", "V100", "V101", "V105"}));
}

TEST_F(VersionTableRead, MissingEntriesReadBlankAndShortOnesOverlap) {
    TempInstall::Write(Path(), "[Version]\nSoftVersionCount=0\nFirmVersionCount=3\n"
                               "[Firm]\n0Firm=V1\n2Firm=V100V100XY\n");
    VersionTable t = ReadVersionTable(Path());
    EXPECT_TRUE(t.SoftVersions.empty());
    EXPECT_EQ(t.VersionPairs, (Texts{"V1", "V1", "", "", "V100", "00XY"}));
}

TEST_F(VersionTableRead, DamagedCountsGiveAnEmptyOrBoundedTable) {
    TempInstall::Write(Path(), "[Version]\nSoftVersionCount=many\nFirmVersionCount=-4\n");
    VersionTable t = ReadVersionTable(Path());
    EXPECT_TRUE(t.SoftVersions.empty());
    EXPECT_TRUE(t.VersionPairs.empty());

    TempInstall::Write(Path(), "[Version]\nSoftVersionCount=2000000000\n");
    t = ReadVersionTable(Path());
    EXPECT_EQ(t.SoftVersions.size(), static_cast<std::size_t>(kMaxVersionEntries));

    EXPECT_TRUE(ReadVersionTable(dir.InRoot("none.ini")).VersionPairs.empty());
}

TEST_F(VersionTableRead, LoadingSetsTheDocumentsVersionFirst) {
    AppContext app;
    app.paths = InstallPathsFor(dir.Program());
    EXPECT_FALSE(LoadVersionTable(app)); // no file: empty table, no failure
    EXPECT_EQ(app.doc.Version.raw(), "V100");
    TempInstall::Write(Path(), "[Version]\nFirmVersionCount=1\n[Firm]\n0Firm=V100V100\n");
    EXPECT_TRUE(LoadVersionTable(app));
    EXPECT_EQ(app.versions.VersionPairs, (Texts{"V100", "V100"}));
}

} // namespace
} // namespace pmr
