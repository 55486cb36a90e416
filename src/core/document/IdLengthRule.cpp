#include "document/IdLengthRule.h"

#include "app/AppContext.h"
#include "document/TrimFix.h"

namespace pmr {

void ApplyIdLengthRule(AppContext& app) {
    RadioDocument& doc = app.doc;
    const Integer rule = doc.Settings.Dtmf.DtmfSignalling != 0 ? 3 : 10;
    bool changed = false;
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& e = doc.Channels[static_cast<std::size_t>(i)];
        if (e.IdCodeMaxLen == rule)
            continue;
        e.IdCodeMaxLen = rule;
        if (rule == 3 && TrimFix(e.IdCode).size() >= 4)
            e.IdCode = "000";
        changed = true;
    }
    if (changed)
        app.docState.Events.Publish(DocumentChange::ChannelFields);
}

} // namespace pmr
