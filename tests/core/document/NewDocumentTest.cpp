#include "document/NewDocument.h"

#include "RecordingInteraction.h"
#include "app/AppContext.h"
#include "document/Bands.h"
#include "document/TemplateLoader.h"
#include "document/TrimFix.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pmr {
namespace {

using testing::RecordingInteraction;

AppContext StartedApp(std::string_view bandText = kPmr446BandText) {
    AppContext app;
    app.docState.BandText = std::string(bandText);
    ComputeBandLimits(app.docState);
    app.docState.Hooks.Today = [] { return CalendarDate{2026, 7, 4}; };
    return app;
}

TEST(NewDocument, WithoutTemplateHoldsTheVfoAndChannelOneOnTheBandsMiddleChannel) {
    AppContext app = StartedApp();
    RecordingInteraction ui;
    app.docState.CurrentFileName = "old.dat";
    NewDocument(app, ui, nullptr);

    const RadioDocument& doc = app.doc;
    ASSERT_EQ(doc.ChannelCount, 2);
    EXPECT_EQ(doc.Channels[0].ChannelNo, 129);
    EXPECT_EQ(doc.Channels[1].ChannelNo, 1);
    // PMR446 channel 8, on the 6.25 kHz grid and flagged so.
    for (const ChannelRecord& c : {doc.Channels[0], doc.Channels[1]}) {
        EXPECT_EQ(c.RxFreq.raw(), "44609375");
        EXPECT_EQ(c.RxStep625, 1);
    }
    EXPECT_EQ(doc.Version.raw(), "V100");
    EXPECT_EQ(app.docState.CurrentFileName, "new.dat");
    EXPECT_EQ(app.fileBuffer, app.doc);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(NewDocument, OtherBandsStartAtTheirMiddle) {
    AppContext app = StartedApp("400 - 470 MHz");
    RecordingInteraction ui;
    NewDocument(app, ui, nullptr);
    EXPECT_EQ(app.doc.Channels[0].RxFreq.raw(), "43500000");
    EXPECT_EQ(app.doc.Channels[1].RxFreq.raw(), "43500000");
    EXPECT_EQ(app.doc.Channels[1].RxStep625, 0);
    EXPECT_EQ(app.doc.Model.BandCode, 0);
    EXPECT_EQ(app.doc.Model.ModelName.raw(), "VX210  ");
}

TEST(NewDocument, OptionsPointAtChannelOneNotAtTheVfo) {
    AppContext app = StartedApp();
    RecordingInteraction ui;
    NewDocument(app, ui, nullptr);
    const OptFeatures& opt = app.doc.Settings.Opt;
    EXPECT_EQ(opt.CurrentCh, 1);
    EXPECT_EQ(opt.DirectCh1, 1);
    EXPECT_EQ(opt.DirectCh2, 1);
    EXPECT_EQ(opt.PriorityCh, 0);
    EXPECT_EQ(opt.FmCurrentCh, 1); // no preset in use: stays
    EXPECT_EQ(opt.FmWorkMode, 0);
}

TEST(NewDocument, PresetsAreEmptyAndTheModelAndRadioInformationFollowTheBand) {
    AppContext app = StartedApp("136 - 174 MHz");
    RecordingInteraction ui;
    app.radioInfo.DealerCode = "SOMEONE";
    NewDocument(app, ui, nullptr);
    for (const FmPreset& p : app.doc.FmPresets) {
        EXPECT_EQ(p.IsEmpty, 1);
        EXPECT_EQ(p.Freq.raw(), "        ");
    }
    EXPECT_EQ(app.doc.Model.BandCode, 8);
    EXPECT_EQ(app.radioInfo.BandCodeCopy, 8);
    EXPECT_EQ(app.radioInfo.InfoModelName, "VX210  ");
    EXPECT_EQ(TrimFix(app.radioInfo.DealerCode), "");
    EXPECT_EQ(TrimFix(app.radioInfo.FactoryDate), "2026-07-04");
    EXPECT_EQ(app.radioInfo.BatchNo.raw(), "07-1-E-1");
    EXPECT_EQ(app.doc.TestFreqs[0].RxFreq.raw(), "15510000");
    EXPECT_EQ(app.docState.TuningPoints[4].second.raw(), "17390000");
}

class FakeTemplates : public TemplateLoader {
public:
    std::vector<std::string> plain, builtIn;
    bool LoadTemplate(AppContext& app, UserInteraction&, const std::string& path) override {
        plain.push_back(path);
        app.doc.Settings.Keys.LongPressTime = 99;
        app.fileBuffer = app.doc;
        return true;
    }
    bool LoadBuiltInTemplate(AppContext& app, UserInteraction&, const std::string& path) override {
        builtIn.push_back(path);
        // A template brings settings but no channels.
        app.doc.Settings.Dtmf.DtmfSignalling = 1;
        app.doc.ChannelCount = 0;
        return true;
    }
};

class NewDocumentTemplates : public ::testing::Test {
protected:
    std::filesystem::path folder;
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("pmr-newdoc-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Init");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    void Touch(const std::string& name) { std::ofstream(folder / "Init" / name) << "x"; }
};

TEST_F(NewDocumentTemplates, TheModelsOwnTemplateIsLoadedWithoutVersionCheck) {
    AppContext app = StartedApp();
    app.paths.ProgramFolder = folder.string();
    RecordingInteraction ui;
    FakeTemplates templates;
    Touch("VX210_4.dat");
    NewDocument(app, ui, &templates);
    ASSERT_EQ(templates.plain.size(), 1u);
    EXPECT_EQ(templates.plain[0], folder.string() + "/Init/VX210_4.dat");
    EXPECT_TRUE(templates.builtIn.empty());
    EXPECT_EQ(app.doc.Settings.Keys.LongPressTime, 99);
}

TEST_F(NewDocumentTemplates, WithoutTheModelsTemplateTheBuiltInOneGivesSettingsAndFreshChannels) {
    AppContext app = StartedApp("400 - 470 MHz"); // looks for VX210_0.dat first
    app.paths.ProgramFolder = folder.string();
    RecordingInteraction ui;
    FakeTemplates templates;
    Touch("VX210_4.dat");
    NewDocument(app, ui, &templates);
    EXPECT_TRUE(templates.plain.empty());
    ASSERT_EQ(templates.builtIn.size(), 1u);
    EXPECT_EQ(templates.builtIn[0], folder.string() + "/Init/VX210_4.dat");
    ASSERT_EQ(app.doc.ChannelCount, 2);
    EXPECT_EQ(app.doc.Channels[0].ChannelNo, 129);
    EXPECT_EQ(app.doc.Channels[1].IdCodeMaxLen, 3); // the template's DTMF signalling
    EXPECT_EQ(app.fileBuffer, app.doc);
}

TEST_F(NewDocumentTemplates, NoTemplateAtAllKeepsTheDefaultsQuietly) {
    AppContext app = StartedApp("400 - 470 MHz");
    app.paths.ProgramFolder = folder.string();
    RecordingInteraction ui;
    FakeTemplates templates;
    NewDocument(app, ui, &templates);
    EXPECT_TRUE(templates.plain.empty());
    EXPECT_TRUE(templates.builtIn.empty());
    EXPECT_EQ(app.doc.ChannelCount, 2);
    EXPECT_EQ(app.fileBuffer, app.doc);
}

TEST_F(NewDocumentTemplates, AnotherModelDoesNotTakeTheBuiltInTemplate) {
    AppContext app = StartedApp("400 - 470 MHz");
    app.docState.ModelNameText = "VX21";
    app.paths.ProgramFolder = folder.string();
    RecordingInteraction ui;
    FakeTemplates templates;
    Touch("VX210_4.dat");
    NewDocument(app, ui, &templates);
    EXPECT_TRUE(templates.builtIn.empty());
    EXPECT_EQ(ModelTemplatePath(app), folder.string() + "/Init/VX21_0.dat");
}

} // namespace
} // namespace pmr
