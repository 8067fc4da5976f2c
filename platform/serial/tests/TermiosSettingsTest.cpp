#include "platform/serial/TermiosSettings.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::serial;

TEST(TermiosSettings, PutsEachSettingIntoTheRecordAndReadsItBack)
{
    struct Case {
        LineSettings settings;
        speed_t speed;
        tcflag_t flags;  // size, parity and stop bits
    };
    for (const Case& c : {
             Case{{300, 7, Parity::Even, StopBits::Two}, B300, CS7 | PARENB | CSTOPB},
             Case{{1800, 7, Parity::Odd, StopBits::One}, B1800, CS7 | PARENB | PARODD},
             Case{{19200, 7, Parity::Space, StopBits::One}, B19200, CS7 | PARENB | CMSPAR},
             Case{{57600, 8, Parity::Mark, StopBits::Two}, B57600, CS8 | PARENB | PARODD | CMSPAR | CSTOPB},
             Case{{115200, 8, Parity::None, StopBits::One}, B115200, CS8},
         }) {
        termios line{};
        line.c_cflag = CRTSCTS | CLOCAL | CS5 | PARENB | PARODD | CMSPAR | CSTOPB;
        line.c_iflag = INPCK | IGNPAR | PARMRK;
        ASSERT_TRUE(applyLineSettings(c.settings, line)) << c.settings.baudRate;
        EXPECT_EQ(::cfgetospeed(&line), c.speed);
        EXPECT_EQ(::cfgetispeed(&line), c.speed);
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), c.flags) << c.settings.baudRate;
        EXPECT_EQ(line.c_cflag & (CRTSCTS | CLOCAL), CRTSCTS | CLOCAL) << "flow control stays as it was";
        EXPECT_EQ(line.c_iflag, 0u) << "bytes with parity errors are passed on unmarked";

        const LineSettings back = lineSettingsOf(line);
        EXPECT_EQ(back.baudRate, c.settings.baudRate);
        EXPECT_EQ(back.dataBits, c.settings.dataBits);
        EXPECT_EQ(back.parity, c.settings.parity);
        EXPECT_EQ(back.stopBits, c.settings.stopBits);
    }
}

TEST(TermiosSettings, RefusesUnsupportedSettingsWithoutTouchingTheRecord)
{
    for (const LineSettings& bad : {LineSettings{9601, 8, Parity::None, StopBits::One},
                                    LineSettings{0, 8, Parity::None, StopBits::One},
                                    LineSettings{9600, 9, Parity::None, StopBits::One},
                                    LineSettings{9600, 4, Parity::None, StopBits::One},
                                    LineSettings{9600, 8, static_cast<Parity>(9), StopBits::One},
                                    LineSettings{9600, 8, Parity::None, static_cast<StopBits>(3)}}) {
        termios line{};
        line.c_cflag = CS7 | PARENB;
        ::cfsetospeed(&line, B4800);
        EXPECT_FALSE(applyLineSettings(bad, line)) << bad.baudRate << " " << bad.dataBits;
        EXPECT_EQ(line.c_cflag & (CSIZE | PARENB), CS7 | PARENB);
        EXPECT_EQ(::cfgetospeed(&line), B4800);
    }
}

}  // namespace
