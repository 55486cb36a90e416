// The channel window on a full table (128 channels and the VFO): opening it,
// redrawing every row, and entering a tone cell (the 1075-entry list).

#include "BenchProgram.h"
#include "editors/channels/frmCommChInfo.h"

#include <benchmark/benchmark.h>

namespace {

using pmr::bench::Program;

Program& TheProgram() {
    static Program* program = new Program;
    return *program;
}

void BM_OpenChannelWindow(benchmark::State& state) {
    Program& p = TheProgram();
    for (auto _ : state) {
        state.PauseTiming();
        p.main->CloseWindowByName("frmCommChInfo");
        QApplication::processEvents();
        state.ResumeTiming();
        p.main->ShowChildWindow("frmCommChInfo");
        QApplication::processEvents(); // laid out, activated, first cell entered, painted
    }
    benchmark::DoNotOptimize(p.Grid());
}
BENCHMARK(BM_OpenChannelWindow)->Unit(benchmark::kMillisecond);

void BM_SetGridData(benchmark::State& state) {
    Program& p = TheProgram();
    p.main->OpenChannelWindow();
    QApplication::processEvents();
    pmr::frmCommChInfo* grid = p.Grid();
    for (auto _ : state) {
        grid->SetGridData();
        QApplication::processEvents(); // repainted
    }
}
BENCHMARK(BM_SetGridData)->Unit(benchmark::kMillisecond);

void BM_EnterToneCell(benchmark::State& state) {
    Program& p = TheProgram();
    p.main->OpenChannelWindow();
    QApplication::processEvents();
    pmr::frmCommChInfo* grid = p.Grid();
    int row = 1;
    for (auto _ : state) {
        // Alternate between the columns so that every step enters a tone cell afresh.
        grid->SetCurrentCell(row, (row % 2) ? 4 : 5);
        QApplication::processEvents();
        row = row % 20 + 1;
    }
}
BENCHMARK(BM_EnterToneCell)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
