// The channel window on a full table (128 channels and the VFO): opening it,
// redrawing every row, and entering a tone cell (the 1075-entry list).

#include "DocumentBridge.h"
#include "QtProgramLauncher.h"
#include "ScriptedInteraction.h"
#include "StandardWindows.h"
#include "app/AppContext.h"
#include "app/Startup.h"
#include "document/ChannelTable.h"
#include "document/DecimalText.h"
#include "editors/channels/frmCommChInfo.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_channel_grid";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

/// The program started on a private installation with a full channel table.
struct Program {
    Program() {
        App();
        const QString root = dir.path();
        QDir().mkpath(root + "/language");
        QDir().mkpath(root + "/V100/language");
        QFile setup(root + "/language/mysetup.ini");
        setup.open(QIODevice::WriteOnly);
        setup.write("[language]\nIsFirstRun=0\ncomPort=1\nHandshaking=0\nStopBit=1\n"
                    "CurrentLanguage=1\n");
        setup.close();
        for (const char* file : {"english.ini", "chinese.ini"})
            QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/language/") + file,
                        root + "/V100/language/" + file);
        QFile::copy(QStringLiteral(PMR_SOURCE_DIR "/data/Version.ini"), root + "/Version.ini");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + "/settings");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root + "/settings");
        pmr::RunStartup(app, (root + "/V100").toStdString(), ui);
        main = std::make_unique<pmr::frmMain>(app, ui, docs);
        pmr::RegisterStandardWindows(main->Windows());
        docs.SetDocumentWindows(main.get());
        main->Load();
        main->show();
        for (int ch = 1; ch <= 128; ++ch)
            if (!pmr::FindChannel(app.doc, ch))
                pmr::AddChannel(app, ch, pmr::FormatUnits(44600625 + ((ch - 1) % 16) * 1250, 5));
        for (int i = 0; i < app.doc.ChannelCount; ++i) {
            pmr::ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(i)];
            e.RxTone = static_cast<pmr::Integer>(e.ChannelNo * 7 % 1075);
            e.TxTone = static_cast<pmr::Integer>(e.ChannelNo * 3 % 1075);
            e.Name = "CH" + std::to_string(e.ChannelNo);
        }
        QApplication::processEvents();
    }
    ~Program() {
        app.fileBuffer = app.doc;
        main.reset();
    }
    pmr::frmCommChInfo* Grid() const {
        return dynamic_cast<pmr::frmCommChInfo*>(main->FindChildWindow("frmCommChInfo"));
    }

    QTemporaryDir dir;
    pmr::AppContext app;
    pmr::ScriptedInteraction ui;
    pmr::QtProgramLauncher launcher;
    pmr::DocumentBridge docs{app, ui, launcher};
    std::unique_ptr<pmr::frmMain> main;
};

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
