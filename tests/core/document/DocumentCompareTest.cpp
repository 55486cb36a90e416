// The compare of two documents: a change of one member is named as exactly
// that member, by its caption and with its values as the program shows them;
// channels added and removed are named by number; a difference's value can be
// taken over from the other side.

#include "document/DocumentCompare.h"

#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "app/TextCatalog.h"
#include "document/ChannelTable.h"
#include "document/NewDocument.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace pmr {
namespace {

std::unique_ptr<AppContext> NewPmrDocument() {
    auto app = std::make_unique<AppContext>();
    testing::RecordingInteraction ui;
    NewDocument(*app, ui, nullptr);
    return app;
}

const TextCatalog& English() {
    static const TextCatalog texts = [] {
        TextCatalog t;
        t.Load(PMR_SOURCE_DIR "/data/language/english.ini");
        return t;
    }();
    return texts;
}

ChannelRecord& ChannelOne(AppContext& app) {
    return *FindChannel(app.doc, 1);
}

TEST(DocumentCompare, ADocumentComparedWithItselfHasNoDifference) {
    auto app = NewPmrDocument();
    ASSERT_TRUE(English().IsLoaded());
    EXPECT_TRUE(CompareDocuments(app->doc, app->doc, English()).empty());
    // Blanks a name or message line is padded with are never seen.
    ChannelOne(*app).Name = "HOME";
    RadioDocument padded = app->doc;
    FindChannel(padded, 1)->Name = "HOME  ";
    EXPECT_TRUE(CompareDocuments(app->doc, padded, English()).empty());
}

struct Change {
    const char* what;
    std::function<void(RadioDocument&)> change;
    int channelNo;
    const char* key;
    const char* caption;
    const char* oldValue;
    const char* newValue;
};

void ExpectExactlyThisDifference(const Change& c) {
    SCOPED_TRACE(c.what);
    auto app = NewPmrDocument();
    RadioDocument changed = app->doc;
    c.change(changed);
    const auto found = CompareDocuments(app->doc, changed, English());
    ASSERT_EQ(found.size(), 1u) << (found.empty() ? "" : DifferenceLine(English(), found[0]));
    const DocumentDifference& d = found[0];
    EXPECT_EQ(d.kind, c.channelNo ? DifferenceKind::ChannelMember : DifferenceKind::Setting);
    EXPECT_EQ(d.channelNo, c.channelNo);
    EXPECT_EQ(d.name.key, c.key);
    EXPECT_EQ(DifferenceCaption(English(), d), c.caption);
    EXPECT_EQ(d.oldValue, c.oldValue);
    EXPECT_EQ(d.newValue, c.newValue);

    // Taken back from the original, the changed document is the original.
    AppContext taker;
    taker.doc = changed;
    ASSERT_TRUE(TakeDifference(taker, app->doc, d));
    EXPECT_TRUE(CompareDocuments(app->doc, taker.doc, English()).empty());
}

TEST(DocumentCompare, AChangedChannelMemberIsNamedWithItsChannelAndShownValues) {
    const auto ch1 = [](RadioDocument& d) -> ChannelRecord& { return *FindChannel(d, 1); };
    const Change changes[] = {
        {"receive frequency", [&](RadioDocument& d) { ch1(d).RxFreq = "44604375"; }, 1, "RxFreq",
         "Channel 1, RX frequency (MHz)", "446.09375", "446.04375"},
        {"offset",
         [&](RadioDocument& d) {
             ch1(d).TxShift = "0060000";
             ch1(d).TxShiftDir = 1;
         },
         1, "TxShift", "Channel 1, TX offset (MHz)", "0.00000", "-0.60000"},
        {"name", [&](RadioDocument& d) { ch1(d).Name = "B\xE4R"; }, 1, "Name",
         "Channel 1, Channel name", "", "B\xC3\xA4R"},
        {"decode tone", [&](RadioDocument& d) { ch1(d).RxTone = 70; }, 1, "RxTone",
         "Channel 1, Decode (CTCSS/DCS)", "Off", "D023N"},
        {"PTT ID", [&](RadioDocument& d) { ch1(d).PttId = 3; }, 1, "PttId", "Channel 1, PTT ID",
         "Off", "Start and end of TX"},
        {"scan skip", [&](RadioDocument& d) { ch1(d).ScanSkip = 1; }, 1, "ScanSkip",
         "Channel 1, Scan skip", "Off", "On"},
        {"compander", [&](RadioDocument& d) { ch1(d).Compander = 1; }, 1, "Compander",
         "Channel 1, Compander", "Off", "On"},
        {"VFO tone", [](RadioDocument& d) { FindChannel(d, kVfoChannelNo)->TxTone = 1; },
         kVfoChannelNo, "TxTone", "VFO, Encode (CTCSS/DCS)", "Off", "67.0"},
    };
    for (const Change& c : changes)
        ExpectExactlyThisDifference(c);
}

TEST(DocumentCompare, AChangedSettingIsNamedWithItsWindowAndCaption) {
    const Change changes[] = {
        {"options list", [](RadioDocument& d) { d.Settings.Opt.Backlight = 2; }, 0, "Opt.Backlight",
         "Optional Features, Backlight", "Off", "Auto"},
        {"time-out", [](RadioDocument& d) { d.Settings.Opt.Tot = 60; }, 0, "Opt.Tot",
         "Optional Features, Time-out timer (s)", "Off", "60"},
        {"VOX delay in tenths", [](RadioDocument& d) { d.Settings.Opt.VoxDelay = 3; }, 0,
         "Opt.VoxDelay", "Optional Features, VOX delay (s)", "0.5", "2.0"},
        {"power-on text", [](RadioDocument& d) { d.Settings.Opt.PowerOnText = "HELLO"; }, 0,
         "Opt.PowerOnText", "Optional Features, Power-on message", "", "HELLO"},
        {"FM preset",
         [](RadioDocument& d) {
             d.FmPresets[2] = {0, FixedText<8>("0905")};
         },
         0, "FmPresets 3", "FM Radio, Preset 3", "", "90.50000"},
        {"DTMF rate in ms", [](RadioDocument& d) { d.Settings.Dtmf.DtmfRate = 4; }, 0,
         "Dtmf.DtmfRate", "DTMF Settings, DTMF rate (ms)", "50", "200"},
        {"DTMF code",
         [](RadioDocument& d) {
             d.Settings.Dtmf.KillCode = {3, FixedText<16>("9*1")};
         },
         0, "Dtmf.KillCode", "DTMF Settings, Remote kill code", "", "9*1"},
        {"DTMF memory",
         [](RadioDocument& d) {
             d.Settings.Dtmf.DialMemory[6] = {2, FixedText<16>("42")};
         },
         0, "Dtmf.DialMemory 7", "DTMF Settings, DTMF memory 7", "", "42"},
        {"alert type", [](RadioDocument& d) { d.Settings.Alert.Type = 3; }, 0, "Alert.Type",
         "Emergency Alert, Emergency alarm", "Local alarm", "Silent call"},
        {"scan revert", [](RadioDocument& d) { d.Settings.Scan.RevertCh = 6; }, 0, "Scan.RevertCh",
         "Scan, Revert channel", "Selected channel", "Priority CH1 + Talkback"},
        {"scan look-back", [](RadioDocument& d) { d.Settings.Scan.LookBackA = 12; }, 0,
         "Scan.LookBackA", "Scan, Look back time A (s)", "2.0", "1.2"},
        {"key press", [](RadioDocument& d) { d.Settings.Keys.Pf2Short = 1; }, 0, "Keys.Pf2Short",
         "Key Settings, PF2 key, Short press", "None", "Monitor"},
        {"message line", [](RadioDocument& d) { d.Settings.EmbMsg.Line2 = "GOOD \"DAY\""; }, 0,
         "EmbMsg.Line2", "Embedded Message, Line 2", "", "GOOD \"DAY\""},
    };
    for (const Change& c : changes)
        ExpectExactlyThisDifference(c);
}

TEST(DocumentCompare, StoredNumbersThatShowAlikeAreToldApartByTheirNumbers) {
    auto app = NewPmrDocument();
    ChannelOne(*app).Compander = 1;
    RadioDocument changed = app->doc;
    FindChannel(changed, 1)->Compander = 5; // the radio's bit is set either way
    const auto found = CompareDocuments(app->doc, changed, English());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(DifferenceLine(English(), found[0]), "Channel 1, Compander: On (1) -> On (5)");
}

TEST(DocumentCompare, ChannelsAddedAndRemovedAreNamedByNumberInOrder) {
    auto app = NewPmrDocument();
    RadioDocument newer = app->doc;
    AppContext editor = *app;
    ASSERT_TRUE(AddChannel(editor, 7, "446.08125"));
    ASSERT_TRUE(AddChannel(editor, 3, "446.03125"));
    newer = editor.doc;
    RadioDocument older = app->doc;
    ASSERT_TRUE(AddChannel(*app, 5, "446.05625"));
    older = app->doc;

    const auto found = CompareDocuments(older, newer, English());
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].kind, DifferenceKind::ChannelAdded);
    EXPECT_EQ(found[0].channelNo, 3);
    EXPECT_EQ(DifferenceLine(English(), found[0]), "Channel 3: added (446.03125 MHz)");
    EXPECT_EQ(found[1].kind, DifferenceKind::ChannelRemoved);
    EXPECT_EQ(found[1].channelNo, 5);
    EXPECT_EQ(DifferenceLine(English(), found[1]), "Channel 5: removed (446.05625 MHz)");
    EXPECT_EQ(found[2].channelNo, 7);

    // Taking each from the newer side makes the older document the newer one.
    AppContext taker;
    taker.doc = older;
    for (const DocumentDifference& d : found)
        EXPECT_TRUE(TakeDifference(taker, newer, d)) << d.channelNo;
    EXPECT_TRUE(CompareDocuments(taker.doc, newer, English()).empty());
}

TEST(DocumentCompare, TakingAValueTellsTheWindowsAndKeepsTheLastChannel) {
    auto app = NewPmrDocument();
    RadioDocument other = app->doc;
    FindChannel(other, 1)->RxTone = 12;
    other.Settings.Dtmf.DialMemory[0] = {1, FixedText<16>("5")};
    std::vector<std::pair<DocumentChange, int>> heard;
    const int id = app->docState.Events.Subscribe(
        ~0U, [&](DocumentChange change, int no) { heard.emplace_back(change, no); });
    for (const DocumentDifference& d : CompareDocuments(app->doc, other, English()))
        EXPECT_TRUE(TakeDifference(*app, other, d));
    app->docState.Events.Unsubscribe(id);
    const std::vector<std::pair<DocumentChange, int>> expected = {
        {DocumentChange::ChannelFields, 1}, {DocumentChange::DtmfMemories, 0}};
    EXPECT_EQ(heard, expected);

    // A document without channel 1 would have no channel left: not taken.
    RadioDocument empty = app->doc;
    DeleteChannelByNo(*app, 1);
    const RadioDocument withoutOne = app->doc;
    app->doc = empty;
    const auto found = CompareDocuments(app->doc, withoutOne, English());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].kind, DifferenceKind::ChannelRemoved);
    EXPECT_FALSE(TakeDifference(*app, withoutOne, found[0]));
    EXPECT_EQ(app->doc, empty);
}

TEST(DocumentCompare, CaptionsAndValuesFollowTheUsersLanguage) {
    TextCatalog chinese;
    ASSERT_TRUE(chinese.Load(PMR_SOURCE_DIR "/data/language/chinese.ini"));
    auto app = NewPmrDocument();
    RadioDocument changed = app->doc;
    changed.Settings.Opt.Backlight = 2;
    const auto found = CompareDocuments(app->doc, changed, chinese);
    ASSERT_EQ(found.size(), 1u);
    const std::string expected = chinese.GetLangText(12002) + "\xEF\xBC\x8C" +
                                 chinese.GetLangText(16006) + "\xEF\xBC\x9A" +
                                 chinese.GetLangText(16046) + " -> " + chinese.GetLangText(16048);
    EXPECT_EQ(DifferenceLine(chinese, found[0]), expected);
    EXPECT_NE(DifferenceLine(chinese, found[0]), DifferenceLine(English(), found[0]));
}

} // namespace
} // namespace pmr
