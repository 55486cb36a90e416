#include "document/OptionRefs.h"

#include "app/AppContext.h"
#include "document/FrequencyText.h"

#include <vector>

namespace pmr {
namespace {

bool IsRadioChannel(int channelNo) {
    return channelNo >= 1 && channelNo < kVfoChannelNo;
}

} // namespace

void ReconcileOptionRefs(AppContext& app) {
    // An open optional-features window rebuilds its lists and so its references.
    if (app.docState.Events.Publish(DocumentChange::OptionRefs))
        return;
    RadioDocument& doc = app.doc;
    OptFeatures& opt = doc.Settings.Opt;

    // Only the radio's channels count: the option lists never offer the VFO.
    std::vector<const ChannelRecord*> channels;
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const ChannelRecord& e = doc.Channels[static_cast<std::size_t>(i)];
        if (IsRadioChannel(e.ChannelNo))
            channels.push_back(&e);
    }
    auto find = [&](int no) -> const ChannelRecord* {
        for (const ChannelRecord* e : channels)
            if (e->ChannelNo == no)
                return e;
        return nullptr;
    };

    if (opt.PriorityCh > 0) {
        const ChannelRecord* e = find(opt.PriorityCh);
        const bool usable = e && !IsStoredFreqEmpty(e->RxFreq.raw()) && e->ScanSkip == 0;
        if (!usable)
            opt.PriorityCh = 0;
    }

    if (channels.empty()) {
        opt.WorkMode = 0;
        opt.DirectCh1 = 0;
        opt.DirectCh2 = 0;
    } else {
        const Integer last = channels.back()->ChannelNo;
        for (Integer* ref : {&opt.CurrentCh, &opt.DirectCh1, &opt.DirectCh2})
            if (!find(*ref))
                *ref = last;
    }

    const auto inUse = [&](int no) {
        return no >= 1 && no <= static_cast<int>(doc.FmPresets.size()) &&
               doc.FmPresets[static_cast<std::size_t>(no - 1)].IsEmpty == 0;
    };
    if (!inUse(opt.FmCurrentCh)) {
        int lowest = 0;
        for (int no = 1; no <= static_cast<int>(doc.FmPresets.size()) && lowest == 0; ++no)
            if (inUse(no))
                lowest = no;
        if (lowest > 0)
            opt.FmCurrentCh = static_cast<Integer>(lowest);
        else
            opt.FmWorkMode = 0;
    }
}

} // namespace pmr
