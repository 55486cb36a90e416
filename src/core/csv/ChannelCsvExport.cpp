#include "csv/ChannelCsvExport.h"

#include "csv/ChannelCsvLayout.h"
#include "csv/CsvText.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/Latin1Text.h"
#include "document/RadioDocument.h"
#include "document/TrimFix.h"

#include <algorithm>
#include <vector>

namespace pmr {
namespace {

/// 10 Hz units as MHz with the layout's six decimals ("446.006250").
std::string Mhz6(std::int64_t units10Hz) {
    return FormatUnits(units10Hz * 10, 6);
}

std::vector<std::string> RowOf(const ChannelRecord& e) {
    std::vector<std::string> f(static_cast<std::size_t>(kCsvColumnCount));
    auto set = [&f](CsvColumn c, std::string v) { f[static_cast<std::size_t>(c)] = std::move(v); };
    auto flag = [](int v) { return std::to_string(v); };

    set(CsvColumn::Location, std::to_string(e.ChannelNo));
    set(CsvColumn::Name, Latin1ToUtf8(TrimFix(e.Name)));
    set(CsvColumn::Frequency, Mhz6(StoredFreqUnits(e.RxFreq.raw()).value_or(0)));
    const std::int64_t shift = ShiftUnits(e.TxShift.raw());
    if (e.TxShiftDir == 1 || e.TxShiftDir == 2) {
        set(CsvColumn::Duplex, e.TxShiftDir == 1 ? "-" : "+");
        set(CsvColumn::Offset, Mhz6(shift));
    } else {
        set(CsvColumn::Duplex, e.TxInhibit ? "off" : "");
        set(CsvColumn::Offset, Mhz6(0));
    }
    const CsvTones t = TonesToCsv(e.TxTone, e.RxTone);
    set(CsvColumn::Tone, t.tone);
    set(CsvColumn::RToneFreq, t.rToneFreq);
    set(CsvColumn::CToneFreq, t.cToneFreq);
    set(CsvColumn::DtcsCode, t.dtcsCode);
    set(CsvColumn::DtcsPolarity, t.dtcsPolarity);
    set(CsvColumn::RxDtcsCode, t.rxDtcsCode);
    set(CsvColumn::CrossMode, t.crossMode);
    set(CsvColumn::Mode, std::string(ModeName(e.ChSpacing)));
    set(CsvColumn::TStep, e.RxStep625 ? "6.25" : "5.00");
    set(CsvColumn::Skip, e.ScanSkip ? "S" : "");
    set(CsvColumn::Power, std::string(PowerLevelName(e.TxPower)));

    set(CsvColumn::Signalling, flag(e.OptSignal));
    set(CsvColumn::PttId, flag(e.PttId));
    set(CsvColumn::BusyLock, flag(e.BusyLock));
    set(CsvColumn::Scramble, flag(e.Scramble));
    set(CsvColumn::Compander, flag(e.Compander));
    set(CsvColumn::Whisper, flag(e.Whisper));
    set(CsvColumn::TxInhibit, flag(e.TxInhibit));
    set(CsvColumn::AutoDialMemory, flag(e.AutoDialMem));
    set(CsvColumn::IdCode, Latin1ToUtf8(TrimFix(e.IdCode)));
    set(CsvColumn::SignalRelation, flag(e.SignalRelation));
    set(CsvColumn::RevTalkMode, flag(e.RevTalkMode));
    set(CsvColumn::Talkaround, flag(e.Talkaround));
    set(CsvColumn::Reverse, flag(e.Reverse));
    return f;
}

} // namespace

std::string ExportChannelCsv(const RadioDocument& doc) {
    std::vector<const ChannelRecord*> channels;
    const int count = std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& e = doc.Channels[static_cast<std::size_t>(i)];
        if (e.ChannelNo >= 1 && e.ChannelNo < kVfoChannelNo && !IsStoredFreqEmpty(e.RxFreq.raw()))
            channels.push_back(&e);
    }
    std::stable_sort(
        channels.begin(), channels.end(),
        [](const ChannelRecord* a, const ChannelRecord* b) { return a->ChannelNo < b->ChannelNo; });

    std::string out;
    out.reserve(64 * 1024);
    std::vector<std::string> header;
    for (int c = 0; c < kCsvColumnCount; ++c)
        header.emplace_back(CsvColumnName(static_cast<CsvColumn>(c)));
    AppendCsvRecord(out, header);
    for (const ChannelRecord* e : channels)
        AppendCsvRecord(out, RowOf(*e));
    return out;
}

} // namespace pmr
