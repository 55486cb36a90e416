// Comparing two full documents (128 channels and the VFO, every member of
// every channel and every radio-wide setting different): what the compare
// window and `pmr-cli diff` do once per compare.

#include "app/TextCatalog.h"
#include "document/DocumentCompare.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

pmr::RadioDocument FullDocument(int shift) {
    pmr::RadioDocument doc;
    doc.ChannelCount = pmr::kMaxChannelEntries;
    for (int i = 0; i < pmr::kMaxChannelEntries; ++i) {
        pmr::ChannelRecord& c = doc.Channels[static_cast<std::size_t>(i)];
        c.ChannelNo = static_cast<pmr::Integer>(i + 1);
        c.RxFreq = std::to_string(44600625 + ((i + shift) % 16) * 1250);
        c.TxShift = shift ? "0060000" : "0000000";
        c.TxShiftDir = static_cast<pmr::Byte>((i + shift) % 3);
        c.RxTone = static_cast<pmr::Integer>((i * 37 + shift) % 1075);
        c.TxTone = static_cast<pmr::Integer>((i * 53 + shift) % 1075);
        c.Name = "CH" + std::to_string(i + 1 + shift);
        c.IdCode = std::to_string(10000 + i + shift);
        for (pmr::Integer* flag : {&c.ScanSkip, &c.Scramble, &c.TxInhibit, &c.Whisper, &c.Compander,
                                   &c.Talkaround, &c.Reverse, &c.OptSignal, &c.ChSpacing,
                                   &c.SignalRelation, &c.RevTalkMode, &c.TxPower})
            *flag = static_cast<pmr::Integer>(shift);
        c.PttId = static_cast<pmr::Integer>(shift * 2);
        c.BusyLock = static_cast<pmr::Integer>(shift * 3);
        c.AutoDialMem = static_cast<pmr::Integer>(shift * 5);
    }
    for (int i = 0; i < 20; ++i)
        doc.FmPresets[static_cast<std::size_t>(i)] = {
            0, pmr::FixedText<8>(shift ? "08750000" : "09050000")};
    for (auto& code : doc.Settings.Dtmf.DialMemory)
        code = {16, pmr::FixedText<16>(shift ? "0123456789ABCD*#" : "#*DCBA9876543210")};
    for (const pmr::SettingMember& m : pmr::SettingMembers())
        if (m.set)
            m.set(doc, shift);
    doc.Settings.Opt.PowerOnText = shift ? "HELLO" : "WORLD";
    doc.Settings.EmbMsg.Line1 = shift ? "EMBEDDED MESSAGE" : "ANOTHER MESSAGE";
    return doc;
}

void BM_CompareFullDocuments(benchmark::State& state) {
    pmr::TextCatalog texts;
    texts.Load(PMR_SOURCE_DIR "/data/language/english.ini");
    const pmr::RadioDocument a = FullDocument(0);
    const pmr::RadioDocument b = FullDocument(1);
    std::size_t found = 0;
    for (auto _ : state) {
        const auto differences = pmr::CompareDocuments(a, b, texts);
        found = differences.size();
        benchmark::DoNotOptimize(differences.data());
    }
    state.counters["differences"] = static_cast<double>(found);
}
BENCHMARK(BM_CompareFullDocuments)->Unit(benchmark::kMillisecond);

void BM_CompareEqualDocuments(benchmark::State& state) {
    pmr::TextCatalog texts;
    texts.Load(PMR_SOURCE_DIR "/data/language/english.ini");
    const pmr::RadioDocument a = FullDocument(1);
    for (auto _ : state) {
        const auto differences = pmr::CompareDocuments(a, a, texts);
        benchmark::DoNotOptimize(differences.data());
    }
}
BENCHMARK(BM_CompareEqualDocuments)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
