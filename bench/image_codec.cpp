// Encoding a full document into the radio image and decoding it back: the work
// done before every write and after every read of the radio.

#include "app/AppContext.h"
#include "image/ImageCodec.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

std::unique_ptr<pmr::AppContext> FullDocument() {
    auto app = std::make_unique<pmr::AppContext>();
    app->docState.ModelNameText = "VX210";
    app->docState.BandText = "446.00625 - 446.19375 MHz";
    pmr::RadioDocument& doc = app->doc;
    doc.ChannelCount = pmr::kMaxChannelEntries;
    for (int i = 0; i < pmr::kMaxChannelEntries; ++i) {
        pmr::ChannelRecord& c = doc.Channels[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<pmr::Integer>(i + 1);
        c.RxFreq = std::to_string(44600625 + (i % 16) * 1250);
        c.RxStep625 = 1;
        c.TxShift = "0060000";
        c.TxShiftDir = static_cast<pmr::Byte>(i % 3);
        c.RxTone = static_cast<pmr::Integer>((i * 37) % 1075);
        c.TxTone = static_cast<pmr::Integer>((i * 53) % 1075);
        c.Name = "CH" + std::to_string(i + 1);
        c.IdCode = std::to_string(10000 + i);
        c.ScanSkip = static_cast<pmr::Integer>(i % 2);
    }
    for (int i = 0; i < 20; ++i)
        doc.FmPresets[static_cast<std::size_t>(i)] = {0, pmr::FixedText<8>("08750000")};
    for (auto& code : doc.Settings.Dtmf.DialMemory)
        code = {16, pmr::FixedText<16>("0123456789ABCD*#")};
    doc.Settings.Opt.PowerOnText = "HELLO";
    doc.Settings.EmbMsg.Line1 = "EMBEDDED MESSAGE";
    return app;
}

void BM_EncodeImage(benchmark::State& state) {
    auto app = FullDocument();
    for (auto _ : state) {
        pmr::EncodeImage(*app);
        benchmark::DoNotOptimize(app->images.ImageBuf.data());
    }
}
BENCHMARK(BM_EncodeImage);

void BM_DecodeImage(benchmark::State& state) {
    auto app = FullDocument();
    pmr::EncodeImage(*app);
    for (auto _ : state) {
        pmr::DecodeImage(*app);
        benchmark::DoNotOptimize(app->doc.ChannelCount);
    }
}
BENCHMARK(BM_DecodeImage);

void BM_EncodeThenDecodeImage(benchmark::State& state) {
    auto app = FullDocument();
    for (auto _ : state) {
        pmr::EncodeImage(*app);
        pmr::DecodeImage(*app);
        benchmark::DoNotOptimize(app->doc.ChannelCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * pmr::kImageSize);
}
BENCHMARK(BM_EncodeThenDecodeImage);

} // namespace

BENCHMARK_MAIN();
