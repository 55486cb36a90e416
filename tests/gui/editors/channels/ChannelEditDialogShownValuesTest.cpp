// The compare shows a channel member as the channel edit dialog shows it: the
// entry of each list at the stored value is the text the members table gives
// that value.

#include "ChannelEditDialogSupport.h"
#include "document/DocumentMembers.h"
#include "document/ShownNumber.h"

using namespace pmr;
using namespace pmr::testing;

namespace {

TEST_F(ChannelEditDialogTest, EveryListEntryIsTheTextTheMembersTableGivesItsValue) {
    AddAt(3);
    // Any tone: the busy lock list offers all its entries then.
    Channel(3).RxTone = 1;
    ASSERT_TRUE(Open(3));
    const std::pair<const char*, const char*> lists[] = {
        {"cboRxTone", "RxTone"},
        {"cboTxTone", "TxTone"},
        {"cboPower", "TxPower"},
        {"cboOptSignal", "OptSignal"},
        {"cboPttId", "PttId"},
        {"cboSpacing", "ChSpacing"},
        {"cboBusyLock", "BusyLock"},
        {"cboRevTalk", "RevTalkMode"},
        {"cboSignalRelation", "SignalRelation"},
        {"cboAutoDial", "AutoDialMem"},
    };
    for (const auto& [name, key] : lists) {
        SCOPED_TRACE(name);
        QComboBox* list = List(name);
        ASSERT_NE(list, nullptr);
        ASSERT_GT(list->count(), 0);
        const ChannelMember& member = ChannelMemberNamed(key);
        // Entry i stores i; the auto-dial list holds Off and the memories in use only.
        const int count = std::string(key) == "AutoDialMem" ? 1 : list->count();
        for (int entry = 0; entry < count; ++entry)
            EXPECT_EQ(ShownNumber(h.app.texts, member.shape, entry),
                      list->itemText(entry).toStdString())
                << "entry " << entry;
    }
}

} // namespace
