#include "files/VersionTable.h"

#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/NumberFormat.h"
#include "document/TrimFix.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pmr {

namespace {

// A value as the table's reader sees it: at most 511 characters, trimmed.
std::string TableValue(const IniDocument& doc, std::string_view section, const std::string& key) {
    std::string value = doc.Get(section, key).value_or("");
    if (auto nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul); // the reader's buffer ends there
    return TrimFix(TrimBlanks(LimitChars(value, kSetupValueBuffer - 1)));
}

int TableCount(const IniDocument& doc, const std::string& key) {
    auto count = ParseInteger(TableValue(doc, "Version", key));
    if (!count || *count < 0)
        return 0;
    return static_cast<int>(std::min<std::int64_t>(*count, kMaxVersionEntries));
}

} // namespace

VersionTable ReadVersionTable(const std::string& path) {
    VersionTable table;
    auto content = ReadWholeFile(path);
    if (!content)
        return table;
    const IniDocument doc = IniDocument::Parse(*content);

    const int softCount = TableCount(doc, "SoftVersionCount");
    for (int i = 0; i < softCount; ++i)
        table.SoftVersions.push_back(TableValue(doc, "Soft", std::to_string(i) + "Version"));

    const int firmCount = TableCount(doc, "FirmVersionCount");
    for (int j = 0; j < firmCount; ++j) {
        const std::string entry = TableValue(doc, "Firm", std::to_string(j) + "Firm");
        const std::size_t n = std::min<std::size_t>(4, entry.size());
        table.VersionPairs.push_back(entry.substr(0, n));
        table.VersionPairs.push_back(entry.substr(entry.size() - n));
    }
    return table;
}

bool LoadVersionTable(AppContext& app) {
    app.doc.Version = "V100";
    const std::string path = VersionFilePath(app.paths);
    app.versions = ReadVersionTable(path);
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace pmr
