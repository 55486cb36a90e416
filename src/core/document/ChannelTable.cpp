#include "document/ChannelTable.h"

#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/DecimalText.h"
#include "document/FrequencyText.h"
#include "document/OptionRefs.h"
#include "document/StepGrid.h"
#include "document/TrimFix.h"

namespace pmr {

int FindChannelIndex(const RadioDocument& doc, int channelNo) {
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i)
        if (doc.Channels[static_cast<std::size_t>(i)].ChannelNo == channelNo)
            return i;
    return -1;
}

ChannelRecord* FindChannel(RadioDocument& doc, int channelNo) {
    const int i = FindChannelIndex(doc, channelNo);
    return i < 0 ? nullptr : &doc.Channels[static_cast<std::size_t>(i)];
}

bool AddChannel(AppContext& app, int channelNo, std::string_view rxFreqMhz) {
    RadioDocument& doc = app.doc;
    if (doc.ChannelCount < 0 || doc.ChannelCount >= kMaxChannelEntries ||
        FindChannelIndex(doc, channelNo) >= 0)
        return false;

    ChannelRecord entry{};
    entry.ChannelNo = static_cast<Integer>(channelNo);
    entry.IsEmpty = 0;
    entry.RxFreq = FreqTextToStored(app, rxFreqMhz);
    entry.TxShiftDir = 0;
    entry.TxShift = "0000000";
    entry.Name = "";
    entry.IdCode = std::string("000") + std::string(kNulText);
    entry.IdCodeMaxLen = doc.Settings.Dtmf.DtmfSignalling != 0 ? 3 : 10;
    const bool pmr446 = app.docState.BandText == kPmr446BandText;
    entry.ChSpacing = pmr446 ? 2 : 0;
    entry.TxPower = pmr446 ? 0 : 2;
    AlignStepFlags(entry);

    doc.Channels[static_cast<std::size_t>(doc.ChannelCount)] = entry;
    ++doc.ChannelCount;
    ReconcileOptionRefs(app);
    return true;
}

void ResetChannels(AppContext& app) {
    app.doc.ChannelCount = 0;
    const std::string middle = FormatUnits(MiddleChannel10Hz(app.docState.BandLimits), 5);
    AddChannel(app, kVfoChannelNo, middle);
    AddChannel(app, 1, middle);
}

namespace {

/// `index` lies within the used entries. A count beyond the table (a damaged
/// file) is treated as the full table.
void RemoveEntry(RadioDocument& doc, int index) {
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = index; i + 1 < count; ++i)
        doc.Channels[static_cast<std::size_t>(i)] = doc.Channels[static_cast<std::size_t>(i + 1)];
    doc.ChannelCount = static_cast<Integer>(count - 1);
}

} // namespace

void DeleteChannelAt(AppContext& app, int index) {
    const int count = std::min<int>(app.doc.ChannelCount, kMaxChannelEntries);
    if (index < 0 || index >= count)
        return;
    RemoveEntry(app.doc, index);
    ReconcileOptionRefs(app);
}

void DeleteChannelByNo(AppContext& app, int channelNo) {
    const int index = FindChannelIndex(app.doc, channelNo);
    if (index >= 0)
        RemoveEntry(app.doc, index);
}

} // namespace pmr
