#include "document/ChannelCommandRule.h"

#include "app/AppContext.h"
#include "document/ChannelTable.h"
#include "document/TrimFix.h"

namespace pmr {

bool RowHasData(const RadioDocument& doc, int row) {
    const int index = FindChannelIndex(doc, row);
    if (index < 0)
        return false;
    const ChannelRecord& ch = doc.Channels[static_cast<std::size_t>(index)];
    const std::string rx = TrimFix(ch.RxFreq);
    const bool blank = rx.find_first_not_of(' ') == std::string::npos;
    return !blank && rx != "FFFFFFFF" && ch.IsEmpty == 0;
}

ChannelCommandStates ChannelCommandsForRow(const AppContext& app, int row) {
    const bool channelRow = row >= 1 && row <= 128;
    const bool data = RowHasData(app.doc, row);
    ChannelCommandStates s;
    s.cut = channelRow && data;
    s.copy = data;
    s.paste = app.habits.ClipboardValid;
    s.insert = s.remove = s.moveUp = s.moveDown = channelRow;
    return s;
}

} // namespace pmr
