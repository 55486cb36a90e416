// The serial port on QSerialPort over a pseudo-terminal: the receive threshold,
// the line settings, the reasons an open fails; and the one-shot timers.

#include "QtSerialPortService.h"

#include "PortMapping.h"
#include "QtTimerService.h"
#include "SerialTraceFile.h"
#include "platform/LinkTestSupport.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace pmr;
using namespace pmr::test;

namespace {

std::vector<std::uint8_t> Text(const std::string& s) {
    return {s.begin(), s.end()};
}

struct Events {
    int count = 0;
    std::vector<std::vector<std::uint8_t>> received;
};

class SerialPort : public QtLinkTest {};

} // namespace

TEST_F(SerialPort, HoldsBytesUntilTheThresholdThenRaisesOneEvent) {
    sim::SimOptions options;
    options.splitFrames = {2}; // the block reply comes in two parts, 20 ms apart
    SimRadioThread radio(options);
    PortMapping mapping({{7, radio.Path()}});
    QtSerialPortService port(mapping);
    Events events;
    port.SetReceiveListener([&] {
        ++events.count;
        EXPECT_EQ(port.CommEvent(), kCommEventReceive);
        events.received.push_back(port.Input());
    });
    port.SetCommPort(7);
    ASSERT_TRUE(port.SetHandshaking(kHandshakeNone));
    ASSERT_TRUE(port.SetSettings("9600,n,8,1"));
    ASSERT_TRUE(port.OpenPort().ok());
    EXPECT_TRUE(port.PortOpen());

    port.SetRThreshold(3);
    EXPECT_EQ(port.RThreshold(), 3);
    ASSERT_TRUE(port.Output(Text("PROGRAM")));
    ASSERT_TRUE(RunUntil([&] { return events.count == 1; }, 2000));
    EXPECT_EQ(events.received[0], (std::vector<std::uint8_t>{'K', 'W', 0x06}));

    port.SetRThreshold(22);
    ASSERT_TRUE(port.Output({'R', 0x00, 0x00, 0x10}));
    ASSERT_TRUE(RunUntil([&] { return events.count == 2; }, 2000));
    RunUntil([] { return false; }, 50);
    EXPECT_EQ(events.count, 2); // one event for both parts
    EXPECT_EQ(events.received[1].size(), 22u);

    port.ClosePort();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.Output({0x02}));
}

TEST_F(SerialPort, AppliesEveryHandshakingCodeAndRejectsBadSettings) {
    SimRadioThread radio;
    PortMapping mapping({{1, radio.Path()}});
    QtSerialPortService port(mapping);
    port.SetCommPort(1);
    for (int code = 0; code <= 3; ++code) {
        ASSERT_TRUE(port.SetHandshaking(code));
        ASSERT_TRUE(port.SetSettings(code % 2 ? "9600,N,8,2" : "9600,n,8,1"));
        EXPECT_TRUE(port.OpenPort().ok()) << code;
        port.ClosePort();
    }
    EXPECT_FALSE(port.SetHandshaking(4));
    EXPECT_FALSE(port.SetHandshaking(-1));
    for (auto bad : {"9600,n,8", "9600,x,8,1", "fast,n,8,1", "9600,n,9,1", "9600,n,8,3", ""})
        EXPECT_FALSE(port.SetSettings(bad)) << bad;
}

TEST_F(SerialPort, RepliesHoldingXonAndXoffArriveWholeWhateverTheHandshaking) {
    sim::RadioMemory memory = sim::MakeDefaultRadio();
    for (std::uint32_t a = 0; a < 16; ++a)
        memory.Write(a, a % 2 ? 0x13 : 0x11);
    SimRadioThread radio({}, memory);
    PortMapping mapping({{7, radio.Path()}});
    for (int code = 0; code <= 3; ++code) {
        SCOPED_TRACE(code);
        QtSerialPortService port(mapping);
        std::vector<std::uint8_t> received;
        port.SetReceiveListener([&] {
            const auto bytes = port.Input();
            received.insert(received.end(), bytes.begin(), bytes.end());
        });
        port.SetCommPort(7);
        ASSERT_TRUE(port.SetHandshaking(code));
        ASSERT_TRUE(port.SetSettings("9600,n,8,1"));
        ASSERT_TRUE(port.OpenPort().ok());
        port.SetRThreshold(1);
        ASSERT_TRUE(port.Output(Text("PROGRAM")));
        ASSERT_TRUE(RunUntil([&] { return received.size() >= 3; }, 2000));
        received.clear();
        ASSERT_TRUE(port.Output({'R', 0x00, 0x00, 0x10}));
        RunUntil([&] { return received.size() >= 22; }, 2000);
        ASSERT_EQ(received.size(), 22u); // 4 header, 16 data, checksum, ACK
        EXPECT_EQ(received[4], 0x11);
        EXPECT_EQ(received[5], 0x13);
        port.ClosePort();
    }
}

TEST_F(SerialPort, OpenFailuresNameTheirReason) {
    PortMapping mapping({{2, "/dev/pmr-no-such-device"}});
    QtSerialPortService port(mapping);
    port.SetCommPort(2);
    PortOpenResult r = port.OpenPort();
    EXPECT_EQ(r.error, PortOpenError::NoSuchDevice);
    EXPECT_EQ(r.device, "/dev/pmr-no-such-device");
    EXPECT_FALSE(port.PortOpen());

    port.SetCommPort(200); // maps to no device at all
    r = port.OpenPort();
    EXPECT_EQ(r.error, PortOpenError::NoSuchDevice);
    EXPECT_NE(r.detail.find("COM200"), std::string::npos);
}

TEST_F(SerialPort, ADeviceThisUserMayNotOpenIsRefusedWithTheGroupNamed) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may open any device; run the tests as another user for this case";
    InstallCopy scratch;
    const std::string device = scratch.File("ttyLocked");
    std::ofstream(device) << "";
    ::chmod(device.c_str(), 0);
    PortMapping locked({{3, device}});
    QtSerialPortService port(locked);
    port.SetCommPort(3);
    const PortOpenResult r = port.OpenPort();
    EXPECT_EQ(r.error, PortOpenError::PermissionDenied);
    EXPECT_EQ(r.device, device);
    EXPECT_FALSE(r.group.empty());
    EXPECT_NE(r.detail.find("Permission denied"), std::string::npos) << r.detail;
    EXPECT_FALSE(port.PortOpen());
}

TEST_F(SerialPort, AVanishingDeviceClosesThePortAndSaysSo) {
    sim::SimOptions options;
    options.exitAfterBlock = 1;
    SimRadioThread radio(options);
    PortMapping mapping({{1, radio.Path()}});
    QtSerialPortService port(mapping);
    std::vector<int> events;
    port.SetReceiveListener([&] {
        events.push_back(port.CommEvent());
        port.Input();
    });
    port.SetCommPort(1);
    ASSERT_TRUE(port.OpenPort().ok());
    port.SetRThreshold(3);
    port.Output(Text("PROGRAM"));
    ASSERT_TRUE(RunUntil([&] { return !events.empty(); }, 2000));
    port.SetRThreshold(22);
    port.Output({'R', 0x00, 0x00, 0x10});
    ASSERT_TRUE(RunUntil([&] { return radio.Finished(); }, 2000));
    // A pseudo-terminal whose far end closed shows it at the next write at the
    // latest: the port closes itself and says so once.
    port.Output({0x02});
    ASSERT_TRUE(RunUntil([&] { return !port.PortOpen(); }, 1000));
    EXPECT_EQ(port.CommEvent(), kCommEventPortFailed);
    EXPECT_EQ(events.back(), kCommEventPortFailed);
    EXPECT_FALSE(port.Output({0x02}));
    for (int e : events)
        EXPECT_TRUE(e == kCommEventReceive || e == kCommEventPortFailed) << e;
}

TEST_F(SerialPort, TimersFireOnceAndNeverAfterCancel) {
    QtTimerService timers;
    int fired = 0, cancelled = 0;
    const auto t0 = timers.NowMs();
    const TimerHandle a = timers.Start(20, [&] { ++fired; });
    const TimerHandle b = timers.Start(10, [&] { ++cancelled; });
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(fired, 0); // never from inside Start
    timers.Cancel(b);
    timers.Cancel(b); // twice is harmless
    timers.Cancel(0);
    ASSERT_TRUE(RunUntil([&] { return fired == 1; }, 1000));
    RunUntil([] { return false; }, 40);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(cancelled, 0);
    EXPECT_GE(timers.NowMs() - t0, 20);
    EXPECT_EQ(timers.Pending(), 0u);
    // A timer started from a callback runs too.
    timers.Start(0, [&] { timers.Start(0, [&] { ++fired; }); });
    ASSERT_TRUE(RunUntil([&] { return fired == 2; }, 1000));
}

TEST_F(SerialPort, TraceFileLogsBytesTimeoutsAndNotes) {
    InstallCopy scratch;
    const std::string path = scratch.File("trace.txt");
    {
        SerialTraceFile trace;
        std::string error;
        ASSERT_TRUE(trace.Open(path, error)) << error;
        trace.Note(0, "read started");
        trace.Sent(12, {0x50, 0x52});
        trace.Received(15, {0x4B, 0x57, 0x06});
        trace.Timeout(165, 1, 1);
    }
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    EXPECT_NE(text.find("0 NOTE read started"), std::string::npos);
    EXPECT_NE(text.find("12 TX 50 52"), std::string::npos);
    EXPECT_NE(text.find("15 RX 4B 57 06"), std::string::npos);
    EXPECT_NE(text.find("165 TIMEOUT mode 1 state 1"), std::string::npos);

    SerialTraceFile nowhere;
    std::string error;
    EXPECT_FALSE(nowhere.Open("/nonexistent-dir/trace.txt", error));
    EXPECT_FALSE(error.empty());
    nowhere.Sent(1, {0x01}); // a closed trace ignores everything
}

TEST_F(SerialPort, APortHeldByAnotherOpenIsBusy) {
    SimRadioThread radio;
    PortMapping mapping({{1, radio.Path()}});
    QtSerialPortService first(mapping), second(mapping);
    first.SetCommPort(1);
    second.SetCommPort(1);
    ASSERT_TRUE(first.OpenPort().ok());
    const PortOpenResult r = second.OpenPort();
    EXPECT_EQ(r.error, PortOpenError::Busy) << r.detail;
    EXPECT_FALSE(second.PortOpen());
    first.ClosePort();
    EXPECT_TRUE(second.OpenPort().ok());
}
