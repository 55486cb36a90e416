// The check before a write: a value the image would mask, round or drop is
// named with its channel and refuses the write; a sound document passes.

#include "../document/RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/NewDocument.h"
#include "image/RadioFit.h"

#include <functional>
#include <gtest/gtest.h>

namespace pmr {
namespace {

std::unique_ptr<AppContext> NewPmrDocument() {
    auto app = std::make_unique<AppContext>();
    testing::RecordingInteraction ui;
    NewDocument(*app, ui, nullptr);
    return app;
}

ChannelRecord& ChannelOne(AppContext& app) {
    return app.doc.Channels[1]; // entry 0 is the VFO
}

TEST(RadioFit, EveryValueTheImageCannotHoldIsNamedWithItsChannel) {
    struct Case {
        const char* what;
        std::function<void(AppContext&)> spoil;
        int channelNo;
        const char* member;
        const char* value;
    };
    const Case cases[] = {
        {"not numeric", [](AppContext& a) { ChannelOne(a).RxFreq = "NaN"; }, 1, "RxFreq", "NaN"},
        {"exponent", [](AppContext& a) { ChannelOne(a).RxFreq = "1e3"; }, 1, "RxFreq", "1e3"},
        {"negative", [](AppContext& a) { ChannelOne(a).RxFreq = "-4460062"; }, 1, "RxFreq",
         "-4460062"},
        {"off both grids", [](AppContext& a) { ChannelOne(a).RxFreq = "44600700"; }, 1, "RxFreq",
         "44600700"},
        {"offset off both grids",
         [](AppContext& a) {
             ChannelOne(a).TxShift = "0000100";
             ChannelOne(a).TxShiftDir = 2;
         },
         1, "TxShift", "+0.00100"},
        {"tone beyond DCS", [](AppContext& a) { ChannelOne(a).RxTone = 1075; }, 1, "RxTone", "1075"},
        {"negative tone", [](AppContext& a) { ChannelOne(a).TxTone = -1; }, 1, "TxTone", "-1"},
        {"list beyond its entries", [](AppContext& a) { ChannelOne(a).BusyLock = 4; }, 1,
         "BusyLock", "4"},
        {"power the radio lacks", [](AppContext& a) { ChannelOne(a).TxPower = 3; }, 1, "TxPower",
         "3"},
        {"VFO tone", [](AppContext& a) { a.doc.Channels[0].RxTone = 2000; }, kVfoChannelNo,
         "RxTone", "2000"},
        {"name with an erased byte", [](AppContext& a) { ChannelOne(a).Name = "A\xFF" "B"; }, 1,
         "Name", "A\xFF" "B"},
        {"ID code with a letter", [](AppContext& a) { ChannelOne(a).IdCode = "12A"; }, 1, "IdCode",
         "12A"},
        {"setting beyond its bits", [](AppContext& a) { a.doc.Settings.Opt.SqlLevel = 16; }, 0,
         "Opt.SqlLevel", "16"},
        {"scan revert beyond its list", [](AppContext& a) { a.doc.Settings.Scan.RevertCh = 9; }, 0,
         "Scan.RevertCh", "9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto app = NewPmrDocument();
        c.spoil(*app);
        const auto unfit = FindValuesTheRadioCannotHold(*app);
        ASSERT_EQ(unfit.size(), 1u);
        EXPECT_EQ(unfit[0].channelNo, c.channelNo);
        EXPECT_EQ(unfit[0].member, c.member);
        EXPECT_EQ(unfit[0].value, c.value);
    }
}

TEST(RadioFit, ASoundDocumentPassesAndTheCheckChangesNothing) {
    auto app = NewPmrDocument();
    ChannelOne(*app).TxShift = "0060000";
    ChannelOne(*app).TxShiftDir = 1;
    ChannelOne(*app).RxTone = 582;
    ChannelOne(*app).Name = "HOME";
    const RadioDocument before = app->doc;
    const auto imageBefore = app->images.ImageBuf;
    EXPECT_TRUE(FindValuesTheRadioCannotHold(*app).empty());
    EXPECT_EQ(app->doc, before);
    EXPECT_EQ(app->images.ImageBuf, imageBefore);
}

TEST(RadioFit, TheMessageNamesChannelLabelAndValueAndCountsTheRest) {
    AppContext app;
    app.texts.LoadFromText("[Msg]\n9069=Refused.\n9070=Channel %1\n9071=... and %1 more.\n"
                           "[ChannelEdit]\n15002=RX frequency (MHz)\n");
    const std::vector<UnfitValue> values = {
        {5, 15002, "RxFreq", "NaN"}, {kVfoChannelNo, 0, "RxTone", "2000"}, {0, 0, "Opt.Tot", "999"}};
    EXPECT_EQ(RefusedWriteMessage(app.texts, values, 2),
              "Refused.\r\nChannel 5, RX frequency (MHz): NaN\r\nVFO, RxTone: 2000\r\n"
              "... and 1 more.");
}

} // namespace
} // namespace pmr
