#include "platform/serial/PortNames.h"
#include "platform/serial/SerialPort.h"

#include "platform/testing/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

namespace {

using namespace platform::serial;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A pseudo-terminal pair: the port opens the device end, the test plays the
// instrument on the other.
class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[256] = {};
        ASSERT_EQ(::openpty(&instrument, &device, name, nullptr, nullptr), 0);
        devicePath = name;
        termios raw{};
        ::tcgetattr(instrument, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(instrument, TCSANOW, &raw);
    }

    void TearDown() override
    {
        ::close(instrument);
        ::close(device);
    }

    void instrumentSends(const std::string& bytes)
    {
        ASSERT_EQ(::write(instrument, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    std::string instrumentReceives(std::size_t count)
    {
        std::string bytes(count, '\0');
        std::size_t done = 0;
        while (done < count) {
            const ssize_t got = ::read(instrument, bytes.data() + done, count - done);
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done);
        return bytes;
    }

    std::string read(SerialPort& port, std::size_t count)
    {
        std::string bytes(count, '\0');
        bytes.resize(port.read(bytes.data(), count));
        return bytes;
    }

    int instrument = -1;
    int device = -1;
    std::string devicePath;
};

TEST_F(SerialPortTest, ExchangesBytesBothWaysInRawMode)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath)) << static_cast<int>(port.lastError());
    ASSERT_TRUE(port.setReadTimeouts({20ms, 20ms, 50ms}));
    const std::string command = ":5251\r\n";
    EXPECT_EQ(port.write(command.data(), command.size()), command.size());
    EXPECT_EQ(instrumentReceives(command.size()), command);

    // Bytes that a terminal would translate or act on pass unchanged.
    const std::string record = std::string(":1\x11\x13\x03\x7f\r\n\0\xff", 10);
    instrumentSends(record);
    EXPECT_EQ(read(port, record.size()), record);
}

// A pseudo-terminal keeps the baud rate and stop bits it is given but always
// works with 8 data bits and no parity, so only those two are seen here.
TEST_F(SerialPortTest, ConfiguresTheDevice)
{
    SerialPort port;
    EXPECT_FALSE(port.configure({}));
    EXPECT_EQ(port.lastError(), PortError::NotOpen);
    ASSERT_TRUE(port.openDevice(devicePath));
    for (const LineSettings& settings :
         {LineSettings{300, 7, Parity::Even, StopBits::Two}, LineSettings{115200, 8, Parity::None, StopBits::One}}) {
        ASSERT_TRUE(port.configure(settings));
        termios line{};
        ASSERT_EQ(::tcgetattr(device, &line), 0);
        EXPECT_EQ(::cfgetospeed(&line), settings.baudRate == 300 ? B300 : B115200);
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, settings.stopBits == StopBits::Two);
        EXPECT_EQ(port.lineSettings().baudRate, settings.baudRate);
    }
    EXPECT_FALSE(port.configure({9601, 8, Parity::None, StopBits::One}));
    EXPECT_EQ(port.lastError(), PortError::InvalidSettings);
    EXPECT_EQ(port.lineSettings().baudRate, 115200);
}

// When a new setting differs from the line only in data bits or parity, a
// pseudo-terminal has nothing it can change; that is no failure, also not
// when the port is opened again on a line that kept its other settings.
TEST_F(SerialPortTest, SetsDataBitsAndParityAloneOnAPseudoTerminal)
{
    struct Change {
        const char* name;
        LineSettings before;
        LineSettings after;
    };
    const Change changes[] = {
        {"to seven bits and parity", {9600, 8, Parity::None, StopBits::One}, {9600, 7, Parity::Even, StopBits::One}},
        {"parity alone", {9600, 8, Parity::Even, StopBits::One}, {9600, 8, Parity::None, StopBits::One}},
        {"data bits alone", {1200, 8, Parity::None, StopBits::Two}, {1200, 7, Parity::None, StopBits::Two}},
        {"the same again", {9600, 7, Parity::Even, StopBits::Two}, {9600, 7, Parity::Even, StopBits::Two}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        SerialPort port;
        ASSERT_TRUE(port.openDevice(devicePath));
        ASSERT_TRUE(port.configure(change.before));
        ASSERT_TRUE(port.close());
        ASSERT_TRUE(port.openDevice(devicePath));
        EXPECT_TRUE(port.configure(change.after)) << static_cast<int>(port.lastError());
        EXPECT_EQ(port.lineSettings().baudRate, change.after.baudRate);
        EXPECT_EQ(port.lineSettings().stopBits, change.after.stopBits);
    }
}

TEST_F(SerialPortTest, ATotalTimeOutEndsAReadThatGetsNothing)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath));
    ASSERT_TRUE(port.setReadTimeouts({20ms, 20ms, 50ms}));
    char buffer[10];
    const auto start = Clock::now();
    EXPECT_EQ(port.read(buffer, sizeof buffer), 0u);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 250ms) << "50 ms + 10 x 20 ms";
    EXPECT_LT(waited, 5s);
}

TEST_F(SerialPortTest, AnIntervalTimeOutEndsAReadWhenTheBytesStop)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath));
    ASSERT_TRUE(port.setReadTimeouts({200ms, 0ms, 20000ms}));
    std::thread instrumentThread([this] {
        instrumentSends(":1");
        std::this_thread::sleep_for(20ms);
        instrumentSends("23");
    });
    const auto start = Clock::now();
    EXPECT_EQ(read(port, 100), ":123") << "bytes within the interval belong to one read";
    EXPECT_LT(Clock::now() - start, 10s) << "the interval, not the total, ended the read";
    instrumentThread.join();
}

TEST_F(SerialPortTest, WithoutTimeOutsAReadTakesWhatHasArrived)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath));
    EXPECT_EQ(read(port, 4), "");
    instrumentSends("ab");
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(read(port, 4), "ab");
}

TEST_F(SerialPortTest, PurgeDropsWhatWasReceived)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath));
    ASSERT_TRUE(port.setReadTimeouts({20ms, 20ms, 50ms}));
    instrumentSends("stale");
    std::this_thread::sleep_for(20ms);
    port.purgeInput();
    instrumentSends("new");
    EXPECT_EQ(read(port, 3), "new");
}

TEST_F(SerialPortTest, HasInputWhileReceivedBytesWaitUnread)
{
    SerialPort port;
    EXPECT_FALSE(port.hasInput());
    ASSERT_TRUE(port.openDevice(devicePath));
    EXPECT_FALSE(port.hasInput());
    instrumentSends("ab");
    const SerialPort* const ports[] = {&port};
    ASSERT_TRUE(SerialPort::waitForInput(ports, 10s));
    EXPECT_TRUE(port.hasInput());
    EXPECT_EQ(read(port, 2), "ab");
    EXPECT_FALSE(port.hasInput());
}

TEST_F(SerialPortTest, AWaitForInputEndsWhenAnyOfThePortsHasBytes)
{
    int otherInstrument = -1;
    int otherDevice = -1;
    char otherPath[256] = {};
    ASSERT_EQ(::openpty(&otherInstrument, &otherDevice, otherPath, nullptr, nullptr), 0);
    SerialPort port;
    SerialPort other;
    ASSERT_TRUE(port.openDevice(devicePath));
    ASSERT_TRUE(other.openDevice(otherPath));
    const SerialPort* const both[] = {&port, &other};
    EXPECT_FALSE(SerialPort::waitForInput(both, 20ms));
    std::thread instrumentThread([&] { EXPECT_EQ(::write(otherInstrument, "|", 1), 1); });
    EXPECT_TRUE(SerialPort::waitForInput(both, 10s));
    instrumentThread.join();
    EXPECT_FALSE(port.hasInput());
    EXPECT_TRUE(other.hasInput());
    other.close();
    ::close(otherInstrument);
    ::close(otherDevice);
}

// A line whose other end has gone reports itself readable for ever and gives
// nothing: a read on it must end, and a wait for input must not be woken
// again and again.
TEST_F(SerialPortTest, ALineThatHasGoneHasNoInputAndEndsAReadAtOnce)
{
    SerialPort port;
    ASSERT_TRUE(port.openDevice(devicePath));
    ASSERT_TRUE(port.setReadTimeouts({0ms, 0ms, 20000ms}));
    EXPECT_FALSE(port.lineGone());
    ::close(std::exchange(instrument, -1));
    EXPECT_TRUE(port.lineGone());
    EXPECT_FALSE(port.hasInput());
    const SerialPort* const ports[] = {&port};
    const auto waitStart = Clock::now();
    EXPECT_FALSE(SerialPort::waitForInput(ports, 50ms));
    EXPECT_GE(Clock::now() - waitStart, 50ms) << "the wait returned at once";
    char buffer[4];
    const auto readStart = Clock::now();
    EXPECT_EQ(port.read(buffer, sizeof buffer), 0u);
    EXPECT_LT(Clock::now() - readStart, 10s) << "the read kept polling the gone line";
}

TEST_F(SerialPortTest, OpensExclusively)
{
    SerialPort first;
    ASSERT_TRUE(first.openDevice(devicePath));
    SerialPort second;
    EXPECT_FALSE(second.openDevice(devicePath));
    EXPECT_EQ(second.lastError(), PortError::Busy);
    EXPECT_FALSE(second.isOpen());
    EXPECT_TRUE(first.close());
    EXPECT_FALSE(first.close());
    EXPECT_TRUE(second.openDevice(devicePath));
}

TEST_F(SerialPortTest, ClosedPortsDoNothing)
{
    SerialPort port;
    char buffer[4] = {};
    EXPECT_EQ(port.read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(port.write(buffer, sizeof buffer), 0u);
    EXPECT_EQ(port.lastError(), PortError::NotOpen);
    EXPECT_FALSE(port.setReadTimeouts({}));
    port.purgeInput();
    EXPECT_FALSE(port.lineGone());
    EXPECT_FALSE(port.close());
}

TEST(SerialPort, ReportsMissingAndNonSerialDevices)
{
    platform::testing::TemporaryFolder folder;
    const std::string plainFile = (folder.path() / "not-a-port").string();
    std::ofstream(plainFile) << "x";
    struct Case {
        std::string path;
        PortError expected;
    };
    for (const Case& c : {Case{"/dev/no-such-port", PortError::NoSuchPort}, Case{plainFile, PortError::NotASerialPort},
                          Case{"/dev/null", PortError::NotASerialPort}}) {
        SerialPort port;
        EXPECT_FALSE(port.openDevice(c.path)) << c.path;
        EXPECT_EQ(port.lastError(), c.expected) << c.path;
        EXPECT_FALSE(port.isOpen());
    }
    SerialPort port;
    EXPECT_FALSE(port.open("LPT1"));
    EXPECT_EQ(port.lastError(), PortError::NoSuchPort);
}

TEST_F(SerialPortTest, OpensAPortByTheNameTheRegistryMaps)
{
    ASSERT_TRUE(setDevicePathForPort("com3", devicePath));
    EXPECT_EQ(devicePathForPort("COM3"), devicePath);
    SerialPort port;
    ASSERT_TRUE(port.open("COM3")) << static_cast<int>(port.lastError());
    instrumentSends("|");
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(read(port, 1), "|");
    EXPECT_FALSE(setDevicePathForPort("COM0", devicePath));
}

TEST(PortNames, MapNamesToTheSystemsSerialLinesByDefault)
{
    struct Case {
        const char* name;
        std::optional<std::string> expected;
    };
    for (const Case& c : {
             Case{"COM1", "/dev/ttyS0"},
             Case{"com16", "/dev/ttyS15"},
             Case{"COM256", "/dev/ttyS255"},
             Case{"COM0", std::nullopt},
             Case{"COM01", std::nullopt},
             Case{"COM257", std::nullopt},
             Case{"COM", std::nullopt},
             Case{"COM1 ", std::nullopt},
             Case{"LPT1", std::nullopt},
             Case{"", std::nullopt},
         })
        EXPECT_EQ(devicePathForPort(c.name), c.expected) << c.name;
}

}  // namespace
