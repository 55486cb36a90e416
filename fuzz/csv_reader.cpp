// Any bytes as a CSV channel list: the reader stays within its bounds, what it
// reads writes back and reads again the same, and the import plan neither
// crashes nor puts more into the channel table than it can hold.

#include "app/AppContext.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvText.h"
#include "document/ChannelTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

// A record the writer's "," must be the separator of when it is read back.
bool RoundTrips(const pmr::CsvRecord& r) {
    bool blank = true;
    for (const std::string& f : r.fields) {
        if (f.find_first_of(";\t") != std::string::npos)
            return false;
        blank = blank && f.find_first_not_of(" \t") == std::string::npos;
    }
    return !blank && r.fields.front().rfind("\xEF\xBB\xBF", 0) != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const pmr::CsvTable table = pmr::ReadCsv(bytes);
    Check(table.records.size() <= pmr::kCsvMaxRecords);
    Check(table.fault == pmr::CsvFault::None || table.records.empty());
    for (const pmr::CsvRecord& r : table.records) {
        Check(!r.fields.empty() && r.fields.size() <= pmr::kCsvMaxFields);
        Check(r.line >= 1);
        if (!RoundTrips(r))
            continue;
        std::string out;
        pmr::AppendCsvRecord(out, r.fields);
        const pmr::CsvTable again = pmr::ReadCsv(out);
        Check(again.fault == pmr::CsvFault::None && again.records.size() == 1);
        Check(again.records[0].fields == r.fields);
    }

    static const pmr::AppContext app = [] {
        pmr::AppContext a;
        pmr::ResetChannels(a);
        return a;
    }();
    for (auto mode : {pmr::CsvImportMode::Replace, pmr::CsvImportMode::Fill}) {
        const pmr::CsvImportPlan plan = pmr::PlanChannelImport(app, bytes, mode);
        Check(plan.result.ChannelCount >= 1 && plan.result.ChannelCount <= pmr::kMaxChannelEntries);
        Check(plan.report.rowsTaken + plan.report.rowsRefused <=
              static_cast<int>(table.records.size()));
        Check(plan.report.rowsChanged <= plan.report.rowsTaken);
    }
    return 0;
}
