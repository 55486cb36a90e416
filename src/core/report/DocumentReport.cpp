#include "report/DocumentReport.h"

#include "app/TextCatalog.h"
#include "document/Bands.h"
#include "document/ChannelGridEntries.h"
#include "document/DocumentMembers.h"
#include "document/FrequencyText.h"
#include "document/MemberCaption.h"
#include "document/Models.h"
#include "document/RadioDocument.h"
#include "document/ShownNumber.h"
#include "document/ToneCodes.h"
#include "document/TrimFix.h"

#include <algorithm>

namespace pmr {

namespace {

// The report's own texts.
constexpr int kTitle = 9380;
constexpr int kModelLine = 9381;
constexpr int kBandLine = 9382;
constexpr int kFileLine = 9383;
constexpr int kDateLine = 9384;
constexpr int kChannelsTitle = 9385;
constexpr int kPageLine = 9386;
constexpr int kUntitled = 9388;
constexpr int kNone = 9361;

// The channel grid's column captions and entries, so that the table reads as
// the grid does.
constexpr int kGridChannel = 14001;
constexpr int kGridRx = 14002;
constexpr int kGridTx = 14003;
constexpr int kGridName = 14004;
constexpr int kGridDecode = 14005;
constexpr int kGridEncode = 14006;
constexpr int kGridPower = 14007;
constexpr int kGridScan = 14008;
constexpr int kGridSignalling = 14009;
constexpr int kGridSpacing = 14010;
constexpr int kGridOffset = 14100;
constexpr int kGridOff = 14013;

std::string Filled(const TextCatalog& texts, int id, const std::string& value) {
    return FillMarker(texts.GetLangText(id), "%1", value);
}

std::string Tone(const TextCatalog& texts, int code) {
    std::string name = ToneName(code, texts.GetLangText(kGridOff));
    return name.empty() ? std::to_string(code) : name;
}

std::string Member(const TextCatalog& texts, const char* key, const ChannelRecord& c) {
    const ChannelMember& m = ChannelMemberNamed(key);
    return m.field ? ShownNumber(texts, m.shape, c.*m.field) : m.text(c);
}

std::vector<std::string> ChannelRow(const TextCatalog& texts, const ChannelRecord& c) {
    return {
        c.ChannelNo == kVfoChannelNo ? std::string("VFO") : std::to_string(c.ChannelNo),
        Member(texts, "RxFreq", c),
        TxFreqText(c.RxFreq.raw(), c.TxShift.raw(), c.TxShiftDir, false),
        Member(texts, "TxShift", c),
        Tone(texts, c.RxTone),
        Tone(texts, c.TxTone),
        Member(texts, "Name", c),
        ChannelGridEntry(texts, kColTxPower, c.TxPower),
        ChannelGridEntry(texts, kColChSpacing, c.ChSpacing),
        ChannelGridEntry(texts, kColScanSkip, c.ScanSkip),
        ChannelGridEntry(texts, kColOptSignal, c.OptSignal),
    };
}

ReportTable ChannelTable(const RadioDocument& doc, const TextCatalog& texts) {
    ReportTable table;
    for (int id : {kGridChannel, kGridRx, kGridTx, kGridOffset, kGridDecode, kGridEncode, kGridName,
                   kGridPower, kGridSpacing, kGridScan, kGridSignalling})
        table.header.push_back(texts.GetLangText(id));
    std::vector<const ChannelRecord*> used;
    const int count = std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& c = doc.Channels[static_cast<std::size_t>(i)];
        if (c.ChannelNo >= 1 && c.ChannelNo <= kVfoChannelNo)
            used.push_back(&c);
    }
    std::stable_sort(used.begin(), used.end(), [](const ChannelRecord* a, const ChannelRecord* b) {
        return a->ChannelNo < b->ChannelNo;
    });
    for (const ChannelRecord* c : used)
        table.rows.push_back(ChannelRow(texts, *c));
    return table;
}

/// Presets and dial memories that hold nothing are not worth a line.
bool InUse(const RadioDocument& doc, const SettingMember& m) {
    const auto at = static_cast<std::size_t>(m.name.number - 1);
    if (m.name.key.rfind("FmPresets ", 0) == 0)
        return at < doc.FmPresets.size() && doc.FmPresets[at].IsEmpty == 0;
    if (m.name.key.rfind("Dtmf.DialMemory ", 0) == 0)
        return at < doc.Settings.Dtmf.DialMemory.size() &&
               doc.Settings.Dtmf.DialMemory[at].Len > 0;
    return true;
}

std::vector<ReportSection> SettingSections(const RadioDocument& doc, const TextCatalog& texts) {
    std::vector<ReportSection> sections;
    int window = -1;
    for (const SettingMember& m : SettingMembers()) {
        if (m.name.windowId != window) {
            window = m.name.windowId;
            sections.push_back({texts.GetLangText(window), {}});
        }
        // What a window keeps without showing it has no caption, and is no
        // line of the report either.
        if (m.name.labelId == 0 || !InUse(doc, m))
            continue;
        std::string value = m.get ? ShownNumber(texts, m.shape, m.get(doc)) : m.text(doc);
        sections.back().entries.emplace_back(MemberCaption(texts, m.name), std::move(value));
    }
    for (ReportSection& s : sections)
        if (s.entries.empty())
            s.entries.emplace_back(texts.GetLangText(kNone), std::string());
    return sections;
}

} // namespace

DocumentReport MakeDocumentReport(const RadioDocument& doc, const TextCatalog& texts,
                                  const std::string& fileName, const CalendarDate& date) {
    DocumentReport r;
    r.title = texts.GetLangText(kTitle);
    r.headLines = {
        Filled(texts, kModelLine, ModelDisplayFromCode(TrimFix(doc.Model.ModelName))),
        Filled(texts, kBandLine, BandTextFromCode(doc.Model.BandCode)),
        Filled(texts, kFileLine, fileName.empty() ? texts.GetLangText(kUntitled) : fileName),
        Filled(texts, kDateLine, FormatShortDate(date)),
    };
    r.channelsTitle = texts.GetLangText(kChannelsTitle);
    r.channels = ChannelTable(doc, texts);
    r.sections = SettingSections(doc, texts);
    r.pageLineText = texts.GetLangText(kPageLine);
    return r;
}

std::string PageLine(const DocumentReport& report, int page, int pages) {
    return FillMarker(FillMarker(report.pageLineText, "%1", std::to_string(page)), "%2",
                      std::to_string(pages));
}

} // namespace pmr
