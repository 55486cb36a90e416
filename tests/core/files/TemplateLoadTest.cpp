// Template documents: the model template loads silently or not at all; the
// built-in template gives settings only and goes through the version check.

#include "FilesTestSupport.h"
#include "files/DocumentFiles.h"
#include "files/DocumentRecord.h"
#include "files/FileTemplateLoader.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

RadioDocument TemplateDocument() {
    RadioDocument t;
    t.Version = "V100";
    t.ChannelCount = 2;
    t.Channels[0].ChannelNo = 129;
    t.Channels[0].RxFreq = "44600625";
    t.Channels[0].RxStep625 = 1;
    t.Channels[0].IdCodeMaxLen = 10;
    t.Channels[1].ChannelNo = 1;
    t.Channels[1].RxFreq = "44600625";
    t.Channels[1].RxStep625 = 1;
    t.Channels[1].IdCodeMaxLen = 10;
    t.Model.ModelName = "VX210";
    t.Model.BandCode = 4;
    t.Settings.Opt.Tot = 180;
    t.Settings.Scan.WaitTime = 6;
    return t;
}

class TemplateLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrepareApp(app, folder);
        app.doc.ChannelCount = 1;
        app.doc.Channels[0].ChannelNo = 129;
        app.doc.Model.ModelName = "ABC";
        app.doc.Model.BandCode = 8;
        app.fileBuffer = app.doc;
        app.fileBuffer.AlarmMode = 1; // differs, to see it replaced on errors
        docBefore = app.doc;
    }
    std::string WriteTemplate(const RadioDocument& t, const char* name = "T_4.dat") {
        const DocumentRecordBytes r = EncodeDocumentRecord(t);
        WriteBytes(folder.File(name), {r.begin(), r.end()});
        return folder.File(name);
    }
    DocumentFiles Files() { return DocumentFiles(app, user, launcher); }

    ScratchFolder folder;
    AppContext app;
    ScriptedUser user;
    RecordingLauncher launcher;
    RadioDocument docBefore;
};

TEST_F(TemplateLoadTest, AModelTemplateReplacesTheDocumentWithoutVersionCheck) {
    app.versions.VersionPairs.clear();
    RadioDocument t = TemplateDocument();
    t.Version = "ZZZZ";
    ASSERT_TRUE(Files().LoadTemplate(WriteTemplate(t)));
    EXPECT_EQ(app.doc, t);
    EXPECT_EQ(app.fileBuffer, t);
    EXPECT_EQ(app.docState.BandText, "446.00625 - 446.19375 MHz");
    EXPECT_TRUE(user.messages.empty());
    EXPECT_TRUE(user.questions.empty());
}

TEST_F(TemplateLoadTest, AModelTemplateThatFailsIsSilentAndResetsTheFileBuffer) {
    RadioDocument broken = TemplateDocument();
    broken.ChannelCount = 200;
    for (const std::string& path : {folder.File("absent.dat"), WriteTemplate(broken)}) {
        app.fileBuffer.AlarmMode = 1;
        EXPECT_FALSE(Files().LoadTemplate(path));
        EXPECT_EQ(app.doc, docBefore);
        EXPECT_EQ(app.fileBuffer, docBefore);
    }
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(TemplateLoadTest, TheBuiltInTemplateGivesNoChannelsAndKeepsTheModel) {
    ASSERT_TRUE(Files().LoadBuiltInTemplate(WriteTemplate(TemplateDocument())));
    EXPECT_EQ(app.doc.ChannelCount, 0);
    EXPECT_EQ(app.doc.Model, docBefore.Model);
    EXPECT_EQ(app.doc.Settings.Opt.Tot, 180);
    EXPECT_EQ(app.doc.Version, FixedText<4>("V100"));
    EXPECT_EQ(app.fileBuffer, app.doc);
}

TEST_F(TemplateLoadTest, TheBuiltInTemplateIgnoresTheChannelTableItDoesNotTake) {
    RadioDocument t = TemplateDocument();
    t.ChannelCount = 999;
    EXPECT_TRUE(Files().LoadBuiltInTemplate(WriteTemplate(t)));
    EXPECT_EQ(app.doc.ChannelCount, 0);
}

TEST_F(TemplateLoadTest, TheBuiltInTemplateReportsItsErrors) {
    EXPECT_FALSE(Files().LoadBuiltInTemplate(folder.File("absent.dat")));
    EXPECT_EQ(user.messages, std::vector<std::string>{"File error"});
    RadioDocument t = TemplateDocument();
    t.Version = "V1X0";
    user.messages.clear();
    EXPECT_FALSE(Files().LoadBuiltInTemplate(WriteTemplate(t)));
    EXPECT_EQ(user.messages, std::vector<std::string>{"Not a document file"});
    EXPECT_EQ(app.doc, docBefore);
}

TEST_F(TemplateLoadTest, TheBuiltInTemplateAsksTheVersionQuestion) {
    app.versions.VersionPairs = {"V101", "V107"};
    RadioDocument t = TemplateDocument();
    t.Version = "V107";
    const std::string path = WriteTemplate(t);
    EXPECT_FALSE(Files().LoadBuiltInTemplate(path));
    EXPECT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(launcher.endCalls, 0);
    EXPECT_EQ(app.doc, docBefore);

    user.answers = {Answer::Yes};
    EXPECT_FALSE(Files().LoadBuiltInTemplate(path));
    EXPECT_EQ(launcher.started, std::vector<std::string>{folder.File("V101") + "/pmrprog"});
    EXPECT_EQ(launcher.endCalls, 1);
}

TEST_F(TemplateLoadTest, TheFactoryModeTakesTheTemplatesSideFile) {
    app.factory.TestDataEnabled = true;
    const std::string path = WriteTemplate(TemplateDocument());
    WriteBytes(folder.File("T_4.ted"), std::vector<std::uint8_t>(16, 0x33));
    ASSERT_TRUE(Files().LoadTemplate(path));
    EXPECT_EQ(app.factory.SavedTestData[7], 0x33);
    EXPECT_EQ(app.factory.TestData, app.factory.SavedTestData);
}

TEST_F(TemplateLoadTest, TheTemplateLoaderOfNewDocumentsUsesTheseLoads) {
    FileTemplateLoader loader(launcher);
    TemplateLoader& templates = loader;
    EXPECT_TRUE(templates.LoadTemplate(app, user, WriteTemplate(TemplateDocument())));
    EXPECT_EQ(app.doc.ChannelCount, 2);
    EXPECT_TRUE(templates.LoadBuiltInTemplate(app, user, WriteTemplate(TemplateDocument())));
    EXPECT_EQ(app.doc.ChannelCount, 0);
    EXPECT_FALSE(templates.LoadTemplate(app, user, folder.File("absent.dat")));
}

} // namespace
} // namespace pmr
