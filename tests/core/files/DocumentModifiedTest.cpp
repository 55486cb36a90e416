// The unsaved-changes test: what counts as a change and what does not.

#include "files/DocumentModified.h"

#include "app/AppContext.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

class DocumentModifiedTest : public ::testing::Test {
protected:
    void SetUp() override {
        RadioDocument& d = app.doc;
        d.ChannelCount = 4;
        const int numbers[] = {129, 1, 2, 9};
        for (int i = 0; i < 4; ++i) {
            ChannelRecord& c = d.Channels[static_cast<std::size_t>(i)];
            c.ChannelNo = static_cast<Integer>(numbers[i]);
            c.RxFreq = "4460" + std::to_string(1000 + i);
            c.Name = "N" + std::to_string(i);
            c.TxTone = static_cast<Integer>(10 + i);
        }
        d.Model.ModelName = "VX210";
        d.Model.BandCode = 4;
        app.fileBuffer = app.doc;
    }
    bool Modified() const { return IsDocumentModified(app); }

    AppContext app;
};

TEST_F(DocumentModifiedTest, AnEqualDocumentIsUnchanged) {
    EXPECT_FALSE(Modified());
}

TEST_F(DocumentModifiedTest, AReorderedChannelTableIsUnchanged) {
    std::swap(app.doc.Channels[0], app.doc.Channels[3]);
    std::swap(app.doc.Channels[1], app.doc.Channels[2]);
    EXPECT_FALSE(Modified());
}

TEST_F(DocumentModifiedTest, TextsCompareByTheirTrimmedValue) {
    app.fileBuffer.Channels[1].Name = std::string("N1\0xyz", 6); // cut at the NUL
    app.fileBuffer.Settings.EmbMsg.Line2 = "";                   // all blanks
    app.doc.Settings.EmbMsg.Line2 = std::string("\0abc", 4);
    app.fileBuffer.Settings.Opt.PowerOnText = "HELLO";
    app.doc.Settings.Opt.PowerOnText = std::string("HELLO\0", 6);
    EXPECT_FALSE(Modified());
    app.doc.Channels[1].Name = " N1"; // leading blanks are not trimmed
    EXPECT_TRUE(Modified());
}

TEST_F(DocumentModifiedTest, EveryComparedAreaCountsAsAChange) {
    struct Case {
        const char* what;
        void (*change)(RadioDocument&);
    };
    const Case cases[] = {
        {"channel count", [](RadioDocument& d) { d.ChannelCount = 3; }},
        {"channel number", [](RadioDocument& d) { d.Channels[3].ChannelNo = 10; }},
        {"receive frequency", [](RadioDocument& d) { d.Channels[2].RxFreq = "44600000"; }},
        {"tone", [](RadioDocument& d) { d.Channels[0].RxTone = 7; }},
        {"kept-only member", [](RadioDocument& d) { d.Channels[1].Talkaround = 1; }},
        {"spare member", [](RadioDocument& d) { d.Channels[1].Spare = 1; }},
        {"id code", [](RadioDocument& d) { d.Channels[1].IdCode = "123"; }},
        {"model name", [](RadioDocument& d) { d.Model.ModelName = "VX211"; }},
        {"band code", [](RadioDocument& d) { d.Model.BandCode = 0; }},
        {"message line", [](RadioDocument& d) { d.Settings.EmbMsg.Line4 = "HI"; }},
        {"preset empty flag", [](RadioDocument& d) { d.FmPresets[19].IsEmpty = 1; }},
        {"preset frequency", [](RadioDocument& d) { d.FmPresets[0].Freq = "09050000"; }},
        {"option", [](RadioDocument& d) { d.Settings.Opt.DirectCh2 = 5; }},
        {"option spare", [](RadioDocument& d) { d.Settings.Opt.Spare = 5; }},
        {"test frequency", [](RadioDocument& d) { d.TestFreqs[10].TxFreq = "43510000"; }},
        {"dtmf option", [](RadioDocument& d) { d.Settings.Dtmf.AutoAnswer = 1; }},
        {"dtmf code length", [](RadioDocument& d) { d.Settings.Dtmf.KillCode.Len = 3; }},
        {"dial memory", [](RadioDocument& d) { d.Settings.Dtmf.DialMemory[15].Digits = "1"; }},
        {"keys", [](RadioDocument& d) { d.Settings.Keys.Key6Short = 2; }},
        {"scan", [](RadioDocument& d) { d.Settings.Scan.WaitTime = 9; }},
        {"alert", [](RadioDocument& d) { d.Settings.Alert.Cycles = 1; }},
        {"alarm mode", [](RadioDocument& d) { d.AlarmMode = 1; }},
    };
    const RadioDocument original = app.doc;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app.doc = original;
        c.change(app.doc);
        EXPECT_TRUE(Modified());
    }
}

TEST_F(DocumentModifiedTest, WhatTheFileDoesNotCompareIsNoChange) {
    app.doc.Version = "V999";
    app.doc.Channels[50].ChannelNo = 77; // beyond the used entries
    app.doc.Channels[50].Name = "JUNK";
    EXPECT_FALSE(Modified());
}

TEST_F(DocumentModifiedTest, AChannelNumberMissingFromTheWorkingCopyIsAChange) {
    app.doc.Channels[3].ChannelNo = 2; // now two entries 2, none 9
    EXPECT_TRUE(Modified());
}

TEST_F(DocumentModifiedTest, TestDataCountOnlyInFactoryMode) {
    app.factory.TestData[15] = 0xA5;
    EXPECT_FALSE(Modified());
    app.factory.TestDataEnabled = true;
    EXPECT_TRUE(Modified());
    app.factory.SavedTestData[15] = 0xA5;
    EXPECT_FALSE(Modified());
}

TEST_F(DocumentModifiedTest, AnOutOfRangeCountInMemoryIsComparedWithoutOverrun) {
    app.doc.ChannelCount = app.fileBuffer.ChannelCount = 500;
    EXPECT_FALSE(Modified());
    app.doc.Channels[128].TxPower = 2;
    EXPECT_TRUE(Modified());
}

} // namespace
} // namespace pmr
