// Exporting a full channel table as a CSV channel list and importing it back
// (reading, the row checks through the channel setter, the report), in process.

#include "app/AppContext.h"
#include "csv/ChannelCsvExport.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvText.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

// The VFO and 128 channels on the sixteen frequencies, with names, tones of
// every kind and the other members set.
std::unique_ptr<pmr::AppContext> FullTable() {
    auto app = std::make_unique<pmr::AppContext>();
    app->texts.Load(std::string(PMR_SOURCE_DIR) + "/data/language/english.ini");
    pmr::ComputeBandLimits(app->docState);
    pmr::ResetChannels(*app);
    for (int no = 1; no <= 128; ++no) {
        const std::string rx = std::to_string(44600625 + ((no - 1) % 16) * 1250);
        pmr::AddChannel(*app, no, rx.substr(0, 3) + "." + rx.substr(3));
        pmr::ChannelRecord& e = *pmr::FindChannel(app->doc, no);
        e.Name = "CH" + std::to_string(no);
        e.TxTone = static_cast<pmr::Integer>(no * 8 % 1075);
        e.RxTone = static_cast<pmr::Integer>(no % 5 == 0 ? 0 : no * 7 % 1075);
        e.ScanSkip = no % 2;
        e.PttId = no % 4;
        e.IdCode = std::to_string(100 + no);
    }
    return app;
}

void BM_ExportFullTable(benchmark::State& state) {
    const auto app = FullTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(pmr::ExportChannelCsv(app->doc));
}
BENCHMARK(BM_ExportFullTable)->Unit(benchmark::kMillisecond);

void BM_ImportFullTable(benchmark::State& state) {
    const auto app = FullTable();
    const std::string csv = pmr::ExportChannelCsv(app->doc);
    // Into a document of one channel, so that every row creates its channel.
    auto target = FullTable();
    pmr::ResetChannels(*target);
    for (auto _ : state) {
        const pmr::CsvImportPlan plan =
            pmr::PlanChannelImport(*target, csv, pmr::CsvImportMode::Replace);
        if (plan.report.rowsTaken != 128)
            state.SkipWithError("not every row was taken");
        benchmark::DoNotOptimize(plan.result.ChannelCount);
    }
}
BENCHMARK(BM_ImportFullTable)->Unit(benchmark::kMillisecond);

void BM_ReadFullTable(benchmark::State& state) {
    const std::string csv = pmr::ExportChannelCsv(FullTable()->doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(pmr::ReadCsv(csv).records.size());
}
BENCHMARK(BM_ReadFullTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
