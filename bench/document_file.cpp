// Saving and opening a document file, and the record conversion beneath them.

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "files/DocumentFiles.h"
#include "files/DocumentRecord.h"
#include "files/ProgramLauncher.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>

namespace {

class SilentUser : public pmr::UserInteraction {
public:
    void ShowMessage(const std::string&, pmr::Severity) override {}
    pmr::Answer Ask(const std::string&, pmr::Buttons, pmr::Severity) override {
        return pmr::Answer::No;
    }
};

class NoLauncher : public pmr::ProgramLauncher {
public:
    std::string OwnExecutableName() const override { return "pmrprog"; }
    bool StartProgram(const std::string&) override { return false; }
    void EndThisProgram() override {}
};

// A full document: the VFO and 128 channels.
std::unique_ptr<pmr::AppContext> FullDocument(const std::string& file) {
    auto app = std::make_unique<pmr::AppContext>();
    app->versions.VersionPairs = {"V100", "V100"};
    app->docState.ModelNameText = "VX210";
    app->docState.BandText = "446.00625 - 446.19375 MHz";
    app->docState.CurrentFileName = file;
    pmr::RadioDocument& d = app->doc;
    d.Version = "V100";
    d.ChannelCount = 129;
    for (int i = 0; i < 129; ++i) {
        pmr::ChannelRecord& c = d.Channels[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<pmr::Integer>(i == 0 ? 129 : i);
        c.RxFreq = std::to_string(44600625 + 1250 * (i % 16));
        c.TxShift = "0000000";
        c.Name = "CH" + std::to_string(i);
        c.IdCode = "000";
        c.IdCodeMaxLen = 10;
    }
    d.Model.ModelName = "VX210";
    d.Model.BandCode = 4;
    return app;
}

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "pmr_bench_document.dat").string();
}

void BM_EncodeRecord(benchmark::State& state) {
    const auto app = FullDocument(BenchFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(pmr::EncodeDocumentRecord(app->doc));
}
BENCHMARK(BM_EncodeRecord);

void BM_DecodeRecord(benchmark::State& state) {
    const auto app = FullDocument(BenchFile());
    const pmr::DocumentRecordBytes record = pmr::EncodeDocumentRecord(app->doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(pmr::DecodeDocumentRecord(record));
}
BENCHMARK(BM_DecodeRecord);

void BM_SaveAndOpen(benchmark::State& state) {
    const std::string file = BenchFile();
    auto app = FullDocument(file);
    SilentUser user;
    NoLauncher launcher;
    pmr::DocumentFiles files(*app, user, launcher);
    for (auto _ : state) {
        if (files.SaveDocumentFile() != pmr::FileOutcome::Done ||
            files.OpenDocumentFile() != pmr::FileOutcome::Done) {
            state.SkipWithError("save or open failed");
            break;
        }
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveAndOpen)->Unit(benchmark::kMicrosecond);

void BM_OpenFromMemory(benchmark::State& state) {
    auto app = FullDocument(BenchFile());
    const pmr::DocumentRecordBytes record = pmr::EncodeDocumentRecord(app->doc);
    SilentUser user;
    NoLauncher launcher;
    pmr::DocumentFiles files(*app, user, launcher);
    for (auto _ : state)
        benchmark::DoNotOptimize(files.OpenDocumentBytes(record));
}
BENCHMARK(BM_OpenFromMemory)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
