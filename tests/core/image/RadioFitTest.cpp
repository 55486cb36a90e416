// The check before a write: a value the image would mask, round or drop is
// named with its channel and refuses the write; a sound document passes.

#include "../document/RecordingInteraction.h"
#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/NewDocument.h"
#include "image/RadioFit.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace pmr {
namespace {

std::unique_ptr<AppContext> NewPmrDocument() {
    auto app = std::make_unique<AppContext>();
    testing::RecordingInteraction ui;
    NewDocument(*app, ui, nullptr);
    return app;
}

/// A catalogue's text holding `texts`, each in the section of its number.
std::string Catalogue(const std::map<int, std::string>& texts) {
    std::map<std::string, std::string> bySection;
    for (const auto& [id, text] : texts)
        bySection[std::string(SectionForTextId(id))] += std::to_string(id) + "=" + text + "\n";
    std::string out;
    for (const auto& [section, lines] : bySection)
        out += "[" + section + "]\n" + lines;
    return out;
}

DtmfCode Code(int len, const char* digits) {
    DtmfCode code;
    code.Len = static_cast<Integer>(len);
    code.Digits = digits;
    return code;
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

TEST(RadioFit, EveryRadioWideValueNoWindowWouldStoreIsNamedWithItsWindow) {
    struct Case {
        const char* what;
        std::function<void(AppContext&)> spoil;
        int windowId;
        const char* member;
        const char* value;
    };
    auto preset = [](AppContext& a, const char* freq) {
        a.doc.FmPresets[0].IsEmpty = 0;
        a.doc.FmPresets[0].Freq = freq;
    };
    const Case cases[] = {
        {"FM preset not a number", [&](AppContext& a) { preset(a, "NaN"); }, 12003, "FmPresets 1",
         "NaN"},
        {"FM preset above 108 MHz", [&](AppContext& a) { preset(a, "12000000"); }, 12003,
         "FmPresets 1", "12000000"},
        {"FM preset off the 50 kHz grid", [&](AppContext& a) { preset(a, "09051000"); }, 12003,
         "FmPresets 1", "09051000"},
        {"FM preset in use without a frequency", [&](AppContext& a) { preset(a, ""); }, 12003,
         "FmPresets 1", "\"\""},
        {"power-on text with an erased byte",
         [](AppContext& a) { a.doc.Settings.Opt.PowerOnText = "HI\xFF"; }, 12002,
         "Opt.PowerOnText", "HI\xFF"},
        {"power-on text with a sign",
         [](AppContext& a) { a.doc.Settings.Opt.PowerOnText = "A-B"; }, 12002, "Opt.PowerOnText",
         "A-B"},
        {"message line with a control character",
         [](AppContext& a) { a.doc.Settings.EmbMsg.Line3 = "OK\tGO"; }, 12006, "EmbMsg.Line3",
         "OK\tGO"},
        {"DTMF code with a letter beyond D",
         [](AppContext& a) { a.doc.Settings.Dtmf.StunCode = Code(3, "1E2"); }, 12004, "Dtmf.StunCode",
         "1E2"},
        {"DTMF memory longer than its digits",
         [](AppContext& a) { a.doc.Settings.Dtmf.DialMemory[4] = Code(6, "123"); }, 12004,
         "Dtmf.DialMemory 5", "123"},
        {"side tone beyond its bit", [](AppContext& a) { a.doc.Settings.Dtmf.SideTone = 5; },
         12004, "Dtmf.SideTone", "5"},
        {"DTMF rate beyond its list", [](AppContext& a) { a.doc.Settings.Dtmf.DtmfRate = 11; },
         12004, "Dtmf.DtmfRate", "11"},
        {"time-out between its steps", [](AppContext& a) { a.doc.Settings.Opt.Tot = 100; }, 12002,
         "Opt.Tot", "100"},
        {"look-back time below its list",
         [](AppContext& a) { a.doc.Settings.Scan.LookBackA = 2; }, 28000, "Scan.LookBackA", "2"},
        {"revert channel its priority mode does not offer",
         [](AppContext& a) { a.doc.Settings.Scan.RevertCh = 2; }, 28000, "Scan.RevertCh", "2"},
        {"short press with a long-press function",
         [](AppContext& a) { a.doc.Settings.Keys.Pf1Short = 11; }, 29000, "Keys.Pf1Short", "11"},
        {"alarm type the window does not offer",
         [](AppContext& a) { a.doc.Settings.Alert.Type = 1; }, 27000, "Alert.Type", "1"},
        {"current FM preset beyond the presets",
         [](AppContext& a) { a.doc.Settings.Opt.FmCurrentCh = 21; }, 12002, "Opt.FmCurrentCh",
         "21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto app = NewPmrDocument();
        c.spoil(*app);
        const auto unfit = FindValuesTheRadioCannotHold(*app);
        if (unfit.size() != 1u) {
            ADD_FAILURE() << unfit.size() << " values named";
            continue;
        }
        EXPECT_EQ(unfit[0].channelNo, 0);
        EXPECT_EQ(unfit[0].windowId, c.windowId);
        EXPECT_EQ(unfit[0].member, c.member);
        EXPECT_EQ(unfit[0].value, c.value);
    }
    // What the windows store passes: a preset on the grid, a short code, a
    // power-on text of letters, digits and blanks.
    auto app = NewPmrDocument();
    preset(*app, "0889");
    app->doc.Settings.Dtmf.BotCode = Code(4, "12*#");
    app->doc.Settings.Opt.PowerOnText = "Hi 42";
    app->doc.Settings.Opt.Tot = 240;
    app->doc.Settings.Scan.PriorityMode = 1;
    app->doc.Settings.Scan.RevertCh = 2;
    EXPECT_TRUE(FindValuesTheRadioCannotHold(*app).empty());
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

TEST(RadioFit, TheMessageNamesWhereEachValueIsEditedAndHowToMendItInTheUsersLanguage) {
    const std::vector<UnfitValue> values = {
        {5, 15002, "RxFreq", "NaN"},
        {0, 18030, "Dtmf.SideTone", "5", 12004, Mend::Tick},
        {0, 9096, "Dtmf.DialMemory 3", "1E", 12004, Mend::Retype, 3},
        {0, 29003, "Keys.Pf1Short", "11", 29000, Mend::Choose, 0, 29006},
        {kVfoChannelNo, 0, "RxTone", "2000"},
        {0, 0, "Opt.Tot", "999"}};
    AppContext app;
    app.texts.LoadFromText(Catalogue({
        {9069, "Refused."}, {9070, "Channel %1"}, {9071, "... and %1 more."},
        {9096, "DTMF memory %1"}, {9181, "%1, %2: %3 - open %1 and choose another entry for %2."},
        {9182, "%1, %2: %3 - open %1 and tick or clear %2 again."},
        {9183, "%1, %2: %3 - open %1 and type %2 again."},
        {9184, "%1, %2: %3 - correct it in the channel list."}, {15002, "RX frequency (MHz)"},
        {12004, "DTMF Settings"}, {18030, "DTMF side tone"}, {29000, "Key Settings"},
        {29003, "PF1 key"}, {29006, "Short press"}}));
    EXPECT_EQ(RefusedWriteMessage(app.texts, values, 5),
              "Refused.\r\n"
              "Channel 5, RX frequency (MHz): NaN - correct it in the channel list.\r\n"
              "DTMF Settings, DTMF side tone: 5 - open DTMF Settings and tick or clear DTMF side "
              "tone again.\r\n"
              "DTMF Settings, DTMF memory 3: 1E - open DTMF Settings and type DTMF memory 3 "
              "again.\r\n"
              "Key Settings, PF1 key, Short press: 11 - open Key Settings and choose another entry "
              "for PF1 key, Short press.\r\n"
              "VFO, RxTone: 2000 - correct it in the channel list.\r\n"
              "... and 1 more.");

    // The other language's catalogue gives the same lines in its words.
    AppContext chinese;
    chinese.texts.LoadFromText(Catalogue({{9069, "X"},
                                          {9182, "%1\xEF\xBC\x8C%2\xEF\xBC\x9A%3 - %1 %2"},
                                          {12004, "DTMF\xE8\xAE\xBE\xE7\xBD\xAE"},
                                          {18030, "\xE4\xBE\xA7\xE9\x9F\xB3"}}));
    EXPECT_EQ(RefusedWriteMessage(chinese.texts, {values[1]}),
              "X\r\nDTMF\xE8\xAE\xBE\xE7\xBD\xAE\xEF\xBC\x8C\xE4\xBE\xA7\xE9\x9F\xB3"
              "\xEF\xBC\x9A" "5 - DTMF\xE8\xAE\xBE\xE7\xBD\xAE \xE4\xBE\xA7\xE9\x9F\xB3");
}

} // namespace
} // namespace pmr
