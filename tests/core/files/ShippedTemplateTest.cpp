// The template the build installs in Init/: a PMR446 document with channels 1
// to 16 on the sixteen PMR446 frequencies and the VFO, and what a new document
// makes of it.

#include "FilesTestSupport.h"
#include "document/Bands.h"
#include "document/NewDocument.h"
#include "files/DocumentRecord.h"
#include "files/FileTemplateLoader.h"
#include "image/ImageCodec.h"
#include "image/RadioFit.h"

#include <gtest/gtest.h>

namespace pmr {
namespace {

using namespace testing_files;

const std::string kShippedTemplate = std::string(PMR_PROGRAM_DIR) + "/Init/VX210_4.dat";

TEST(ShippedTemplate, HoldsTheSixteenPmr446ChannelsAndTheVfo) {
    const auto bytes = ReadBytes(kShippedTemplate);
    ASSERT_EQ(bytes.size(), kDocumentRecordSize) << kShippedTemplate;
    const RadioDocument t = DecodeDocumentRecord(bytes);

    EXPECT_EQ(t.Version, FixedText<4>("V100"));
    EXPECT_EQ(t.Model.ModelName, FixedText<7>("VX210"));
    EXPECT_EQ(t.Model.BandCode, 4);
    ASSERT_EQ(t.ChannelCount, 17);
    EXPECT_EQ(t.Channels[0].ChannelNo, kVfoChannelNo);
    EXPECT_EQ(t.Channels[0].RxFreq, FixedText<8>("44600625"));
    const char* expected[16] = {"44600625", "44601875", "44603125", "44604375",
                                "44605625", "44606875", "44608125", "44609375",
                                "44610625", "44611875", "44613125", "44614375",
                                "44615625", "44616875", "44618125", "44619375"};
    for (int ch = 1; ch <= 16; ++ch) {
        SCOPED_TRACE(ch);
        const ChannelRecord& c = t.Channels[static_cast<std::size_t>(ch)];
        EXPECT_EQ(c.ChannelNo, ch);
        EXPECT_EQ(c.RxFreq, FixedText<8>(expected[ch - 1]));
        EXPECT_EQ(c.RxStep625, 1); // 6.25 kHz steps: the 5 kHz grid would miss them
        EXPECT_EQ(c.IsEmpty, 0);
        EXPECT_EQ(c.TxShift, FixedText<7>("0000000"));
        EXPECT_EQ(c.ChSpacing, 2); // the PMR446 band's creation defaults
        EXPECT_EQ(c.TxPower, 0);
        EXPECT_EQ(c.IdCodeMaxLen, 10);
    }
    EXPECT_EQ(t.Settings.Keys.LongPressTime, 20);
    EXPECT_EQ(t.Settings.Scan.WaitTime, 6);
    EXPECT_EQ(t.FmPresets[0].IsEmpty, 1);
}

TEST(ShippedTemplate, ANewPmr446DocumentStartsFromIt) {
    ScratchFolder folder;
    std::filesystem::create_directories(folder.Path() / "V100" / "Init");
    std::filesystem::copy_file(kShippedTemplate, folder.File("V100/Init/VX210_4.dat"));
    AppContext app;
    PrepareApp(app, folder);
    ComputeBandLimits(app.docState);
    ScriptedUser user;
    RecordingLauncher launcher;
    FileTemplateLoader templates(launcher);

    NewDocument(app, user, &templates);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(app.doc.ChannelCount, 17);
    EXPECT_EQ(app.doc.Channels[16].RxFreq, FixedText<8>("44619375"));
    EXPECT_EQ(app.fileBuffer, app.doc);

    // What the radio receives is what the grid shows: channel 1 is 71361 steps
    // of 6.25 kHz (446.00625 MHz), not 89201 steps of 5 kHz (446.00500 MHz).
    EXPECT_TRUE(FindValuesTheRadioCannotHold(app).empty());
    EncodeImage(app);
    const auto& img = app.images.ImageBuf;
    EXPECT_EQ(std::vector<int>(img.begin(), img.begin() + 3), (std::vector<int>{0x01, 0x16, 0xC1}));
}

} // namespace
} // namespace pmr
