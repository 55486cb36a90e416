#pragma once
// Which program version handles which data version: the table of Version.ini in
// the installation root, shared by all program versions installed side by side.
//
//   [Version] SoftVersionCount=n, FirmVersionCount=m
//   [Soft]    0Version=V100 ... (n-1)Version
//   [Firm]    0Firm=V100V100 ... (m-1)Firm: program tag (4) then data tag (4)

#include <string>
#include <vector>

namespace pmr {

struct AppContext;

struct VersionTable {
    /// The program versions, index 0 .. SoftVersionCount-1.
    std::vector<std::string> SoftVersions;
    /// 2m texts: entry j of [Firm] gives VersionPairs[2j] = its program tag
    /// (first 4 characters) and VersionPairs[2j+1] = its data tag (last 4).
    std::vector<std::string> VersionPairs;
};

/// Counts above this are taken as this many, so a damaged table cannot make
/// start-up allocate and read without end.
constexpr int kMaxVersionEntries = 1000;

/// Reads the table from the file at `path`. A missing file, section or count
/// gives an empty table; a count that is not a number counts as 0; missing
/// entries read as blank texts.
VersionTable ReadVersionTable(const std::string& path);

/// Start-up: sets the working document's Version to "V100", then reads
/// <InstallRoot>/Version.ini into app.versions. Returns whether the file exists.
bool LoadVersionTable(AppContext& app);

} // namespace pmr
