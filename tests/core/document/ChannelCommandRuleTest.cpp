#include "document/ChannelCommandRule.h"

#include "app/AppContext.h"
#include "document/ChannelRowOperations.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

ChannelRecord& Add(AppContext& app, int no, const char* rxFreq) {
    ChannelRecord& e = app.doc.Channels[static_cast<std::size_t>(app.doc.ChannelCount++)];
    e = ChannelRecord{};
    e.ChannelNo = static_cast<Integer>(no);
    e.RxFreq = rxFreq;
    return e;
}

TEST(RowHasData, NeedsARecordWithAFrequencyThatIsNotMarkedEmpty) {
    AppContext app;
    Add(app, 1, "44600625");
    Add(app, 2, "        ");
    Add(app, 3, "FFFFFFFF");
    Add(app, 4, "44600625").IsEmpty = 1;
    Add(app, 129, "44600625");
    EXPECT_TRUE(RowHasData(app.doc, 1));
    EXPECT_FALSE(RowHasData(app.doc, 2));
    EXPECT_FALSE(RowHasData(app.doc, 3));
    EXPECT_FALSE(RowHasData(app.doc, 4));
    EXPECT_FALSE(RowHasData(app.doc, 5));
    EXPECT_TRUE(RowHasData(app.doc, 129));
}

TEST(ChannelCommandsForRow, ChannelRowsAllowEverythingButPasteBeforeACopy) {
    AppContext app;
    Add(app, 1, "44600625");
    ChannelCommandStates data;
    data.cut = data.copy = data.insert = data.remove = data.moveUp = data.moveDown = true;
    EXPECT_EQ(ChannelCommandsForRow(app, 1), data);
    ChannelCommandStates empty;
    empty.insert = empty.remove = empty.moveUp = empty.moveDown = true;
    EXPECT_EQ(ChannelCommandsForRow(app, 128), empty);
}

TEST(ChannelCommandsForRow, TheVfoRowOffersOnlyCopyAndPaste) {
    AppContext app;
    Add(app, 1, "44600625");
    Add(app, 129, "44600625");
    ChannelCommandStates vfo;
    vfo.copy = true;
    EXPECT_EQ(ChannelCommandsForRow(app, 129), vfo);
    ASSERT_TRUE(CopyChannelRow(app, 1));
    vfo.paste = true;
    EXPECT_EQ(ChannelCommandsForRow(app, 129), vfo);
}

TEST(ChannelCommandsForRow, AfterTheFirstCopyPasteStaysEnabled) {
    AppContext app;
    Add(app, 1, "44600625");
    EXPECT_FALSE(ChannelCommandsForRow(app, 1).paste);
    ASSERT_TRUE(CopyChannelRow(app, 1));
    // Also once the copied channel is gone and on rows without a channel.
    app.doc.ChannelCount = 0;
    for (int row : {1, 50, 128, 129})
        EXPECT_TRUE(ChannelCommandsForRow(app, row).paste) << row;
}

} // namespace
} // namespace pmr
