// Undo and redo on a full channel table (128 channels and the VFO) with
// every editor window open: one step back or forward including every
// window's refresh, taking a change of the whole table as a step, and what
// the 500 steps the history keeps cost in memory.

#include "BenchProgram.h"
#include "DocumentUndo.h"

#include <QMdiSubWindow>
#include <benchmark/benchmark.h>

namespace {

using pmr::bench::Program;

Program& TheProgram() {
    static Program* program = [] {
        auto* p = new Program;
        int count = 0;
        const pmr::WindowRow* windows = pmr::WindowTable(&count);
        // Every window an editor keeps open beside the others (the batch and
        // test data dialogs are modal).
        for (int i = 0; i < count; ++i)
            if (windows[i].menuEntry && QString::fromLatin1(windows[i].name) != "FrmCHBatch" &&
                QString::fromLatin1(windows[i].name) != "FrmTestData")
                p->main->ShowChildWindow(QString::fromLatin1(windows[i].name));
        p->main->ShowChildWindow(QStringLiteral("FrmCHInfoEdit"));
        QApplication::processEvents();
        return p;
    }();
    return *program;
}

/// Every channel's power and scan skip changed at once, as a batch does.
void ChangeEveryChannel(pmr::AppContext& app) {
    for (int i = 0; i < app.doc.ChannelCount; ++i) {
        pmr::ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
        e.TxPower = static_cast<pmr::Integer>(1 - e.TxPower);
        e.ScanSkip = static_cast<pmr::Integer>(1 - e.ScanSkip);
    }
}

void BM_UndoOrRedoOneStepWithEveryWindowOpen(benchmark::State& state) {
    Program& p = TheProgram();
    pmr::DocumentUndo& history = p.main->History();
    ChangeEveryChannel(p.app);
    history.TakeChange();
    bool back = true;
    for (auto _ : state) {
        if (back)
            p.main->UndoChange();
        else
            p.main->RedoChange();
        back = !back;
        QApplication::processEvents(); // the windows repainted
    }
    state.counters["windows open"] =
        static_cast<double>(p.main->findChildren<QMdiSubWindow*>().size());
}
BENCHMARK(BM_UndoOrRedoOneStepWithEveryWindowOpen)->Unit(benchmark::kMillisecond);

void BM_TakeAChangeOfTheWholeTable(benchmark::State& state) {
    Program& p = TheProgram();
    pmr::DocumentUndo& history = p.main->History();
    for (auto _ : state) {
        ChangeEveryChannel(p.app);
        history.TakeChange();
    }
    // Each step shares its document with its neighbour: one document a step.
    state.counters["KiB for 500 steps"] =
        (pmr::DocumentUndo::kStepLimit + 1) * static_cast<double>(sizeof(pmr::DocumentSnapshot)) /
        1024.0;
    state.counters["steps kept"] = history.StepCount();
}
BENCHMARK(BM_TakeAChangeOfTheWholeTable)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
