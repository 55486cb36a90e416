// Port numbers to devices: the fixed rule, the [ports] overrides of mysetup.ini
// and which ports count as existing.

#include "PortMapping.h"

#include "DevicePortList.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace pmr;
namespace fs = std::filesystem;

namespace {

class FakeSystem : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("pmr-ports-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(Dev());
        fs::create_directories(Sys());
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string Dev() const { return (root_ / "dev").string(); }
    std::string Sys() const { return (root_ / "sys").string(); }
    void Node(const std::string& name) { std::ofstream(Dev() + "/" + name) << ""; }
    void UartType(const std::string& name, int type) {
        fs::create_directories(Sys() + "/" + name);
        std::ofstream(Sys() + "/" + name + "/type") << type << "\n";
    }
    std::string File(const std::string& name, const std::string& text) {
        const std::string path = (root_ / name).string();
        std::ofstream(path) << text;
        return path;
    }
    fs::path root_;
};

} // namespace

TEST_F(FakeSystem, RuleGivesEveryKindOfPortItsOwnNumbers) {
    PortMapping m({}, Dev(), Sys());
    EXPECT_EQ(m.DeviceFor(1), Dev() + "/ttyS0");
    EXPECT_EQ(m.DeviceFor(4), Dev() + "/ttyS3");
    EXPECT_EQ(m.DeviceFor(5), Dev() + "/ttyUSB0");
    EXPECT_EQ(m.DeviceFor(12), Dev() + "/ttyUSB7");
    EXPECT_EQ(m.DeviceFor(13), Dev() + "/ttyACM0");
    EXPECT_EQ(m.DeviceFor(16), Dev() + "/ttyACM3");
    EXPECT_EQ(m.DeviceFor(17), Dev() + "/ttyS4");
    EXPECT_EQ(m.DeviceFor(45), Dev() + "/ttyUSB8");
    EXPECT_EQ(m.DeviceFor(160), Dev() + "/ttyACM63");
    EXPECT_EQ(m.DeviceFor(161), "");
    EXPECT_EQ(m.DeviceFor(0), "");
    EXPECT_EQ(m.PortFor(Dev() + "/ttyUSB1"), 6);
    EXPECT_EQ(m.PortFor(Dev() + "/ttyS5"), 18);
    EXPECT_FALSE(m.PortFor("/dev/null").has_value());
}

TEST_F(FakeSystem, OnlyPortsWithHardwareOrANodeExist) {
    Node("ttyS0");
    Node("ttyS1"); // a node without a UART behind it
    UartType("ttyS0", 4);
    UartType("ttyS1", 0);
    Node("ttyUSB0");
    Node("ttyACM1");
    Node("ttyUSB9");
    PortMapping m({}, Dev(), Sys());
    EXPECT_EQ(m.ExistingPorts(), (std::vector<int>{1, 5, 14, 46}));
    EXPECT_EQ(DevicePortList(m).ExistingPorts(), m.ExistingPorts());
}

TEST_F(FakeSystem, OverridesFromMysetupIniReplaceTheRule) {
    Node("ttyUSB0");
    Node("cable");
    const std::string ini = File(
        "mysetup.ini", "[language]\ncomPort=3\n\n[Ports]\n3 = " + Dev() + "/cable\n5=" + Dev() +
                           "/gone\nx=1\n0=" + Dev() + "/cable\n300=/dev/x\n3=/dev/other\n");
    const auto overrides = PortMapping::ReadOverrides(ini);
    ASSERT_EQ(overrides.size(), 2u);
    EXPECT_EQ(overrides.at(3), Dev() + "/cable"); // the first entry of a number counts
    PortMapping m(overrides, Dev(), Sys());
    EXPECT_EQ(m.DeviceFor(3), Dev() + "/cable");
    EXPECT_EQ(m.PortFor(Dev() + "/cable"), 3);
    // Number 5 is overridden by a device that is not there, so ttyUSB0 is not reachable as 5.
    EXPECT_EQ(m.DeviceFor(5), Dev() + "/gone");
    EXPECT_FALSE(m.PortFor(Dev() + "/ttyUSB0").has_value());
    EXPECT_EQ(m.ExistingPorts(), (std::vector<int>{3}));
    EXPECT_TRUE(PortMapping::ReadOverrides(root_.string() + "/missing.ini").empty());
}

TEST_F(FakeSystem, ConsolesAreKnownAndARunOnlyNumberIsSavedWithItsDevice) {
    UartType("ttyS0", 4);
    UartType("ttyS1", 4);
    Node("ttyS0");
    Node("ttyS1");
    Node("pts7");
    fs::create_directories(Sys() + "/console");
    std::ofstream(Sys() + "/console/active") << "tty0 ttyS1\n";
    const std::string consoles = File("consoles", "ttyS0 -W- (EC p a) 4:64\n");
    PortMapping m({}, Dev(), Sys(), consoles);
    EXPECT_TRUE(m.IsConsole(1));
    EXPECT_TRUE(m.IsConsole(2));
    EXPECT_FALSE(m.IsConsole(3));

    // A device outside the rule, numbered for this run, is saved with its number.
    const std::string ini = File("mysetup.ini", "[language]\ncomPort=1\n");
    EXPECT_FALSE(m.SaveOverride(ini, 17));
    m.SetOverride(17, Dev() + "/pts7");
    EXPECT_TRUE(m.SaveOverride(ini, 17));
    EXPECT_EQ(PortMapping::ReadOverrides(ini).at(17), Dev() + "/pts7");
}

namespace {

TEST_F(FakeSystem, DescribesADeviceByStateAndOtherNames) {
    Node("ttyUSB0");
    const std::string device = Dev() + "/ttyUSB0";
    fs::create_directories(root_ / "by-id");
    fs::create_symlink(device, root_ / "by-id" / "usb-FTDI_FT232R-if00-port0");
    fs::create_directories(root_ / "lock");
    const std::vector<std::string> locks{(root_ / "lock").string()};
    const std::string byId = (root_ / "by-id").string();

    PortInfo info = DescribeDevice(device, byId, locks);
    EXPECT_EQ(info.state, PortInfo::State::Present);
    EXPECT_NE(info.detail.find("usb-FTDI_FT232R-if00-port0"), std::string::npos);
    // Another running program's lock file: in use.
    std::ofstream((root_ / "lock" / "LCK..ttyUSB0").string()) << ::getppid() << "\n";
    EXPECT_EQ(DescribeDevice(device, byId, locks).state, PortInfo::State::Busy);
    EXPECT_EQ(DescribeDevice(Dev() + "/ttyUSB9", byId, locks).state, PortInfo::State::Absent);
}

TEST_F(FakeSystem, AnotherDeviceGetsAKeptNumberOfItsOwn) {
    const std::string setup = File("mysetup.ini", "[language]\ncomPort=1\n");
    PortMapping mapping({}, Dev(), Sys(), File("consoles", ""));
    DevicePortList ports(mapping);
    const int number = ports.NumberDevice("/dev/pts/7", setup);
    EXPECT_GT(number, 16);
    EXPECT_EQ(ports.NumberDevice("/dev/pts/7", setup), number);
    EXPECT_EQ(PortMapping::ReadOverrides(setup).at(number), "/dev/pts/7");
    EXPECT_NE(ports.NumberDevice("/dev/pts/8", setup), number);
}

} // namespace
