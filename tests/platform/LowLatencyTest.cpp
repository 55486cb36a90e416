// Low-latency mode on a device that has none: a pseudo-terminal refuses the
// request quietly and keeps working as it did, so a transfer over it (and over
// an adapter without the mode) is not held up by the request.

#include "LowLatency.h"

#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace pmr {
namespace {

TEST(LowLatency, APseudoTerminalRefusesQuietlyAndStillCarriesBytes) {
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    termios raw{};
    ASSERT_EQ(tcgetattr(slave, &raw), 0);
    cfmakeraw(&raw);
    ASSERT_EQ(tcsetattr(slave, TCSANOW, &raw), 0);
    termios before{};
    ASSERT_EQ(tcgetattr(slave, &before), 0);

    EXPECT_EQ(AskLowLatency(slave), LowLatency::Refused);

    termios after{};
    ASSERT_EQ(tcgetattr(slave, &after), 0);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    const char request[] = "PROGRAM";
    ASSERT_EQ(write(master, request, 7), 7);
    char got[8] = {};
    ASSERT_EQ(read(slave, got, 7), 7);
    EXPECT_STREQ(got, "PROGRAM");
    close(slave);
    close(master);
}

TEST(LowLatency, NoOrAClosedHandleIsRefused) {
    EXPECT_EQ(AskLowLatency(-1), LowLatency::Refused);
    int master = -1, slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    close(slave);
    close(master);
    EXPECT_EQ(AskLowLatency(slave), LowLatency::Refused);
}

} // namespace
} // namespace pmr
