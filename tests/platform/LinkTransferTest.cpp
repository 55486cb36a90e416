// Whole transfers over real pseudo-terminals: QSerialPort, QTimer, the transfer
// driver and the simulated radio, as the program runs them.

#include "DevicePortList.h"
#include "PortMapping.h"
#include "QtSerialPortService.h"
#include "QtTimerService.h"
#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/SetupValues.h"
#include "app/Startup.h"
#include "link/TransferDriver.h"
#include "platform/LinkTestSupport.h"

#include <algorithm>
#include <map>

using namespace pmr;
using namespace pmr::test;

namespace {

// The program's side of one test: start-up over a scratch installation whose
// mysetup.ini maps the given port numbers, then the Qt services and the driver.
struct ProgramRig {
    InstallCopy install;
    AppContext app;
    ScriptedUser user;
    std::unique_ptr<PortMapping> mapping;
    std::unique_ptr<QtSerialPortService> port;
    std::unique_ptr<QtTimerService> timers;
    std::unique_ptr<DevicePortList> list;
    std::unique_ptr<TransferDriver> driver;
    std::optional<TransferResult> result;
    bool decoded = false;

    ProgramRig(const std::map<int, std::string>& ports, int comPort) {
        for (const auto& [number, device] : ports)
            WriteProfileString(install.SetupFile(), "ports", std::to_string(number), device);
        WriteProfileString(install.SetupFile(), "language", "comPort", std::to_string(comPort));
        RunStartup(app, install.ProgramFolder(), user);
        mapping = std::make_unique<PortMapping>(PortMapping::ReadOverrides(install.SetupFile()));
        port = std::make_unique<QtSerialPortService>(*mapping);
        timers = std::make_unique<QtTimerService>();
        list = std::make_unique<DevicePortList>(*mapping);
        driver = std::make_unique<TransferDriver>(app, *port, *timers, *list, user);
        driver->SetFinishedHandler([this](LinkMode, TransferResult r) { result = r; });
        driver->SetReadDecodedHandler([this] { decoded = true; });
    }
    ~ProgramRig() { driver.reset(); }
};

sim::RadioMemory PatternRadio() {
    sim::RadioMemory m = sim::MakeDefaultRadio();
    for (std::size_t i = 0; i < m.image.size(); ++i)
        m.image[i] = static_cast<std::uint8_t>(0x5A ^ (i * 7));
    m.SetModel("VX210");
    m.SetBand(4);
    m.SetVersion("V100");
    m.SetFeature(0);
    return m;
}

// A radio holding only values its settings windows offer, so that what is read
// from it passes the check before a write.
sim::RadioMemory FitRadio() {
    sim::RadioMemory m = sim::MakeDefaultRadio();
    m.SetModel("VX210");
    m.SetBand(4);
    m.SetVersion("V100");
    m.SetFeature(0);
    return m;
}

class LinkTransfer : public QtLinkTest {
protected:
    void ReadWholeRadio(bool echo) {
        sim::SimOptions options;
        options.echo = echo;
        SimRadioThread radio(options, PatternRadio());
        ProgramRig rig({{3, radio.Path()}}, 3);
        ASSERT_TRUE(rig.driver->StartRead());
        ASSERT_TRUE(RunUntil(
            [&] { return rig.decoded || (rig.result && *rig.result != TransferResult::Success); },
            15000));
        ASSERT_EQ(rig.result, TransferResult::Success);
        radio.Stop();
        EXPECT_TRUE(std::equal(rig.app.images.ImageBuf.begin(), rig.app.images.ImageBuf.end(),
                               radio.Memory().image.begin()));
        EXPECT_EQ(radio.Stats().blocksRead, 320);
        EXPECT_EQ(radio.Stats().endFrames, 1);
        EXPECT_EQ(rig.user.progressMax, 100);
        EXPECT_FALSE(rig.port->PortOpen());
    }

    void WriteWholeDocument(bool echo) {
        sim::SimOptions options;
        options.echo = echo;
        options.resendBlocks[0x0100] = 2; // the radio asks twice for one block again
        SimRadioThread radio(options, PatternRadio());
        ProgramRig rig({{3, radio.Path()}}, 3);
        ASSERT_TRUE(rig.driver->StartWrite());
        ASSERT_TRUE(RunUntil([&] { return rig.result.has_value(); }, 15000));
        ASSERT_EQ(rig.result, TransferResult::Success);
        radio.Stop();
        // The radio now holds exactly what the program encoded.
        EXPECT_TRUE(std::equal(rig.app.images.ImageBuf.begin(), rig.app.images.ImageBuf.end(),
                               radio.Memory().image.begin()));
        EXPECT_NE(radio.Memory().image, PatternRadio().image);
        EXPECT_EQ(radio.Stats().blocksWritten, 320);
        EXPECT_EQ(radio.Stats().resendsSent, 2);
    }
};

} // namespace

TEST_F(LinkTransfer, ReadsTheWholeRadioByteExactWithoutEcho) {
    ReadWholeRadio(false);
}
TEST_F(LinkTransfer, ReadsTheWholeRadioByteExactWithEcho) {
    ReadWholeRadio(true);
}
TEST_F(LinkTransfer, WritesTheWholeDocumentByteExactWithoutEcho) {
    WriteWholeDocument(false);
}
TEST_F(LinkTransfer, WritesTheWholeDocumentByteExactWithEcho) {
    WriteWholeDocument(true);
}

TEST_F(LinkTransfer, PasswordProtectedRadioNeedsTheRightPassword) {
    sim::SimOptions options;
    options.password = "AB";
    sim::RadioMemory memory = sim::MakeDefaultRadio();
    memory.SetPassword("AB");
    {
        SimRadioThread radio(options, memory);
        ProgramRig rig({{2, radio.Path()}}, 2);
        rig.user.password = "ab"; // wrong case
        const RadioDocument before = rig.app.doc;
        ASSERT_TRUE(rig.driver->StartRead());
        ASSERT_TRUE(RunUntil([&] { return rig.result.has_value(); }, 10000));
        EXPECT_EQ(rig.result, TransferResult::WrongPassword);
        EXPECT_EQ(rig.user.passwordDialogs, 1);
        EXPECT_NE(
            std::find(rig.user.messages.begin(), rig.user.messages.end(), "PassWord Failure!"),
            rig.user.messages.end());
        RunUntil([] { return false; }, 700); // no late decode either
        EXPECT_FALSE(rig.decoded);
        EXPECT_TRUE(rig.app.doc == before);
        radio.Stop();
        EXPECT_EQ(radio.Stats().blocksRead, 0);
    }
    {
        SimRadioThread radio(options, memory);
        ProgramRig rig({{2, radio.Path()}}, 2);
        rig.user.password = "AB";
        ASSERT_TRUE(rig.driver->StartWrite());
        ASSERT_TRUE(RunUntil([&] { return rig.result.has_value(); }, 15000));
        EXPECT_EQ(rig.result, TransferResult::Success);
        EXPECT_EQ(rig.user.passwordDialogs, 1);
        radio.Stop();
        EXPECT_EQ(radio.Stats().blocksWritten, 320);
        // The program never writes the password block.
        EXPECT_EQ(radio.Memory().info[0x2C], 'A');
    }
}

TEST_F(LinkTransfer, LinkSearchFindsTheRadioOnTheThirdPortAndSavesTheSetting) {
    sim::SimOptions silent;
    silent.answerFromHandshake = 1 << 30;
    sim::SimOptions otherModel;
    otherModel.model = "VX999";
    sim::RadioMemory other = sim::MakeDefaultRadio();
    other.SetModel("VX999");
    SimRadioThread nobody(silent);
    SimRadioThread stranger(otherModel, other);
    SimRadioThread radio({}, PatternRadio());
    ProgramRig rig({{1, nobody.Path()}, {2, stranger.Path()}, {3, radio.Path()}}, 1);
    ASSERT_TRUE(rig.driver->StartRead());
    ASSERT_TRUE(RunUntil(
        [&] { return rig.decoded || (rig.result && *rig.result != TransferResult::Success); },
        30000));
    EXPECT_EQ(rig.result, TransferResult::Success);
    EXPECT_EQ(rig.app.config.ComPort, 3);
    EXPECT_EQ(ReadSetupValue(rig.app.paths, "comPort"), "3");
    EXPECT_EQ(ReadSetupValue(rig.app.paths, "Handshaking"), "0");
    EXPECT_EQ(ReadSetupValue(rig.app.paths, "StopBit"), "1");
    radio.Stop();
    EXPECT_TRUE(std::equal(rig.app.images.ImageBuf.begin(), rig.app.images.ImageBuf.end(),
                           radio.Memory().image.begin()));
    stranger.Stop();
    EXPECT_GE(stranger.Stats().handshakes, 8); // every combination of port 2 was tried
}

TEST_F(LinkTransfer, RadioVanishingMidTransferEndsItWithoutChangingTheDocument) {
    sim::SimOptions options;
    options.exitAfterBlock = 40;
    SimRadioThread radio(options, PatternRadio());
    ProgramRig rig({{4, radio.Path()}}, 4);
    rig.user.okCancelScript = {Answer::Ok}; // read: yes; start again after the silence: no
    rig.user.okCancel = Answer::Cancel;
    const RadioDocument before = rig.app.doc;
    ASSERT_TRUE(rig.driver->StartRead());
    ASSERT_TRUE(RunUntil([&] { return rig.result.has_value(); }, 10000));
    // The far end of the pseudo-terminal closed: reported as the device gone,
    // or, when the closing is not seen before the time-out, as a silent radio.
    EXPECT_TRUE(rig.result == TransferResult::PortLost || rig.result == TransferResult::RadioSilent)
        << static_cast<int>(*rig.result);
    EXPECT_TRUE(radio.Finished());
    RunUntil([] { return false; }, 700); // the decode timer would have fired by now
    EXPECT_FALSE(rig.decoded);
    EXPECT_TRUE(rig.app.doc == before);
    EXPECT_FALSE(rig.driver->Busy());
    EXPECT_FALSE(rig.port->PortOpen());
    EXPECT_EQ(rig.timers->Pending(), 0u);
}

TEST_F(LinkTransfer, FactoryModeExchangesTheTestDataAt1F00) {
    sim::RadioMemory memory = FitRadio();
    for (std::size_t i = 0; i < memory.testData.size(); ++i)
        memory.testData[i] = static_cast<std::uint8_t>(0x30 + i);
    SimRadioThread radio({}, memory);
    ProgramRig rig({{5, radio.Path()}}, 5);
    rig.app.factory.TestDataEnabled = true;
    ASSERT_TRUE(rig.driver->StartRead());
    ASSERT_TRUE(RunUntil(
        [&] { return rig.decoded || (rig.result && *rig.result != TransferResult::Success); },
        15000));
    ASSERT_EQ(rig.result, TransferResult::Success);
    EXPECT_TRUE(std::equal(memory.testData.begin(), memory.testData.end(),
                           rig.app.factory.TestData.begin()));
    EXPECT_NE(rig.app.factory.TestData, rig.app.factory.SavedTestData);

    rig.result.reset();
    rig.app.factory.TestData[0] = 0x99;
    ASSERT_TRUE(rig.driver->StartWrite());
    ASSERT_TRUE(RunUntil([&] { return rig.result.has_value(); }, 15000));
    ASSERT_EQ(rig.result, TransferResult::Success);
    radio.Stop();
    EXPECT_EQ(radio.Memory().testData[0], 0x99);
    EXPECT_EQ(radio.Memory().testData[15], 0xA5); // marked before every write
    EXPECT_EQ(radio.Memory().testData[14], 0x3E);
}

TEST_F(LinkTransfer, DamagedAndSplitRepliesAreRetriedIntoAnExactImage) {
    sim::SimOptions options;
    // Frames: 1 handshake (unanswered), 2 handshake, 3 identification, 4 password
    // block, 5 block 0x0000, ...; frame 121 is the repeat of frame 120.
    options.badChecksumFrames = {5, 120, 121};
    options.splitFrames = {2, 3, 60, 200};
    options.answerFromHandshake = 2;
    SimRadioThread radio(options, PatternRadio());
    ProgramRig rig({{6, radio.Path()}}, 6);
    ASSERT_TRUE(rig.driver->StartRead());
    ASSERT_TRUE(RunUntil(
        [&] { return rig.decoded || (rig.result && *rig.result != TransferResult::Success); },
        15000));
    ASSERT_EQ(rig.result, TransferResult::Success);
    radio.Stop();
    EXPECT_TRUE(std::equal(rig.app.images.ImageBuf.begin(), rig.app.images.ImageBuf.end(),
                           radio.Memory().image.begin()));
    EXPECT_EQ(radio.Stats().blocksRead, 323); // three requests repeated
}
