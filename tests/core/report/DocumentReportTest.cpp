// The report of a document: one row for each channel in use, in number order
// with the VFO marked, the values as the grid shows them, and a section for
// each settings window in the language of the text catalogue.

#include "report/DocumentReport.h"

#include "app/TextCatalog.h"
#include "document/RadioDocument.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

TextCatalog Catalog(const char* file) {
    TextCatalog t;
    t.Load(std::string(PMR_SOURCE_DIR "/data/language/") + file);
    return t;
}

const TextCatalog& English() {
    static const TextCatalog texts = Catalog("english.ini");
    return texts;
}

const TextCatalog& Chinese() {
    static const TextCatalog texts = Catalog("chinese.ini");
    return texts;
}

ChannelRecord& Add(RadioDocument& doc, int no) {
    ChannelRecord& c = doc.Channels[static_cast<std::size_t>(doc.ChannelCount++)];
    c.ChannelNo = static_cast<Integer>(no);
    c.RxFreq = "44600625";
    c.TxShift = "0000000";
    c.Name = "C" + std::to_string(no);
    return c;
}

/// Channels 3, 1 and the VFO in that table order; every preset and dial
/// memory empty.
RadioDocument ThreeChannels() {
    RadioDocument doc;
    doc.Model.ModelName = "VX210";
    doc.Model.BandCode = 4;
    ChannelRecord& three = Add(doc, 3);
    three.TxShift = "0060000";
    three.TxShiftDir = 2;
    ChannelRecord& one = Add(doc, 1);
    one.RxTone = 1;
    one.TxTone = 70;
    one.ScanSkip = 1;
    one.OptSignal = 1;
    one.ChSpacing = 2; // no entry of the grid's list: the grid shows its first
    Add(doc, kVfoChannelNo);
    for (FmPreset& p : doc.FmPresets)
        p.IsEmpty = 1;
    return doc;
}

const ReportSection* SectionTitled(const DocumentReport& r, int windowId, const TextCatalog& t) {
    for (const ReportSection& s : r.sections)
        if (s.title == t.GetLangText(windowId))
            return &s;
    return nullptr;
}

TEST(DocumentReport, HoldsARowForEachChannelInNumberOrderWithTheVfoLastAndMarked) {
    ASSERT_TRUE(English().IsLoaded());
    const DocumentReport r = MakeDocumentReport(ThreeChannels(), English(), "radio.dat", {});
    const ReportTable& t = r.channels;
    ASSERT_EQ(t.header.size(), 11u);
    EXPECT_EQ(t.header[0], "CH");
    EXPECT_EQ(t.header[3], "TX Offset");
    ASSERT_EQ(t.rows.size(), 3u);
    for (const auto& row : t.rows)
        EXPECT_EQ(row.size(), t.header.size());
    EXPECT_EQ(t.rows[0][0], "1");
    EXPECT_EQ(t.rows[1][0], "3");
    EXPECT_EQ(t.rows[2][0], "VFO");

    const std::vector<std::string> one = t.rows[0];
    EXPECT_EQ(one[1], "446.00625");
    EXPECT_EQ(one[2], "446.00625");
    EXPECT_EQ(one[4], "67.0");
    EXPECT_EQ(one[5], "D023N");
    EXPECT_EQ(one[6], "C1");
    EXPECT_EQ(one[7], "Low");
    EXPECT_EQ(one[8], "12.5 kHz");
    EXPECT_EQ(one[9], "Skip");
    EXPECT_EQ(one[10], "DTMF");
    // The transmit frequency follows from the offset, as the grid shows it.
    const std::vector<std::string> three = t.rows[1];
    EXPECT_EQ(three[2], "446.60625");
    EXPECT_EQ(three[3], "+0.60000");
    EXPECT_EQ(three[4], "Off");
    EXPECT_EQ(three[9], "Add");
    EXPECT_EQ(three[10], "Off");
}

TEST(DocumentReport, NamesModelFileAndDateAndSaysWhenTheDocumentWasNeverSaved) {
    const DocumentReport saved =
        MakeDocumentReport(ThreeChannels(), English(), "/home/u/radio.dat", {2026, 3, 4});
    ASSERT_EQ(saved.headLines.size(), 4u);
    EXPECT_EQ(saved.headLines[0], "Model: VX-T210");
    EXPECT_NE(saved.headLines[1].find("MHz"), std::string::npos);
    EXPECT_EQ(saved.headLines[2], "File: /home/u/radio.dat");
    EXPECT_EQ(saved.headLines[3], "Date: 2026-03-04");
    const DocumentReport untitled = MakeDocumentReport(ThreeChannels(), English(), "", {});
    EXPECT_EQ(untitled.headLines[2], "File: (not saved)");
}

TEST(DocumentReport, HasASectionForEachSettingsWindowInEitherLanguage) {
    ASSERT_TRUE(Chinese().IsLoaded());
    const RadioDocument doc = ThreeChannels();
    const DocumentReport en = MakeDocumentReport(doc, English(), "", {});
    const DocumentReport zh = MakeDocumentReport(doc, Chinese(), "", {});
    ASSERT_EQ(en.sections.size(), 7u);
    ASSERT_EQ(zh.sections.size(), en.sections.size());
    for (int window : {12002, 12003, 12004, 12006, 27000, 28000, 29000}) {
        SCOPED_TRACE(window);
        const ReportSection* e = SectionTitled(en, window, English());
        const ReportSection* z = SectionTitled(zh, window, Chinese());
        ASSERT_TRUE(e && z);
        EXPECT_FALSE(e->entries.empty());
        EXPECT_EQ(e->entries.size(), z->entries.size());
        EXPECT_NE(e->title, z->title);
    }
    // Captions are the translated ones; what no window shows is left out.
    EXPECT_NE(en.sections[0].entries[0].first, zh.sections[0].entries[0].first);
    for (const ReportSection& s : en.sections)
        for (const auto& [caption, value] : s.entries)
            EXPECT_EQ(caption.find('.'), std::string::npos) << caption;
    EXPECT_EQ(zh.title, Chinese().GetLangText(9380));
    EXPECT_EQ(zh.channels.header[1], Chinese().GetLangText(14002));
    EXPECT_EQ(PageLine(en, 2, 3), "Page 2 of 3");
    EXPECT_EQ(PageLine(zh, 2, 3), "第 2 页，共 3 页");
}

TEST(DocumentReport, ListsOnlyThePresetsAndDialMemoriesInUse) {
    RadioDocument doc = ThreeChannels();
    const DocumentReport none = MakeDocumentReport(doc, English(), "", {});
    const ReportSection* fm = SectionTitled(none, 12003, English());
    ASSERT_TRUE(fm);
    ASSERT_EQ(fm->entries.size(), 1u);
    EXPECT_EQ(fm->entries[0].first, "(none)");
    const std::size_t dtmfLines = SectionTitled(none, 12004, English())->entries.size();

    doc.FmPresets[1].IsEmpty = 0;
    doc.FmPresets[1].Freq = "09050000";
    doc.Settings.Dtmf.DialMemory[2].Len = 3;
    doc.Settings.Dtmf.DialMemory[2].Digits = "123";
    const DocumentReport some = MakeDocumentReport(doc, English(), "", {});
    fm = SectionTitled(some, 12003, English());
    ASSERT_EQ(fm->entries.size(), 1u);
    EXPECT_EQ(fm->entries[0].first, "Preset 2");
    EXPECT_EQ(fm->entries[0].second, "90.50000");
    const ReportSection* dtmf = SectionTitled(some, 12004, English());
    ASSERT_EQ(dtmf->entries.size(), dtmfLines + 1);
    bool found = false;
    for (const auto& [caption, value] : dtmf->entries)
        found = found || (caption == "DTMF memory 3" && value == "123");
    EXPECT_TRUE(found);
}

} // namespace
} // namespace pmr
