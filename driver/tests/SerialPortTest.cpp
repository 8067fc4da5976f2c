#include "driver/SerialPort.h"

#include "tools/instrument-sim/Instrument.h"

#include <gtest/gtest.h>

#include <thread>

namespace marlet {
namespace {

using namespace std::chrono_literals;
using instrument_sim::Instrument;
using platform::serial::ReadTimeouts;

struct TimeoutCase {
    std::int32_t baud;
    std::uint8_t parity;
    std::uint8_t stopBits;
    std::uint8_t dataBits;
    int interval;
    int multiplier;
};

// 20 ms between bytes and 20 ms per byte, unless three (between bytes) or two
// (per byte) character times are longer.
TEST(SerialPortTimeouts, GrowWithTheCharacterTimeAtSlowBaudRates)
{
    const TimeoutCase cases[] = {
        {9600, ParityEven, StopBitsTwo, 7, 20, 20},   {115200, ParityNone, StopBitsOne, 8, 20, 20},
        {2400, ParityEven, StopBitsTwo, 7, 20, 20},   {1200, ParityEven, StopBitsTwo, 7, 28, 20},
        {600, ParityNone, StopBitsOne, 8, 50, 34},    {300, ParityEven, StopBitsTwo, 7, 110, 74},
        {300, ParityNone, StopBitsOne, 8, 100, 67},   {0, ParityNone, StopBitsOne, 8, 20, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.baud) + " baud, " + std::to_string(c.dataBits) + " bits");
        const ReadTimeouts timeouts = readTimeoutsFor(c.baud, c.parity, c.stopBits, c.dataBits);
        EXPECT_EQ(timeouts.interval.count(), c.interval);
        EXPECT_EQ(timeouts.totalMultiplier.count(), c.multiplier);
        EXPECT_EQ(timeouts.totalConstant.count(), 50);
    }
}

class SerialPortTest : public ::testing::Test {
protected:
    Instrument tessil{ModelTessil, "COM3"};
    SerialPort port;

    std::string readUpTo(int count)
    {
        std::string bytes(static_cast<std::size_t>(count), '\0');
        bytes.resize(static_cast<std::size_t>(port.read(bytes.data(), count)));
        return bytes;
    }
};

TEST_F(SerialPortTest, OpensTheMappedPortAndSetsTheLine)
{
    EXPECT_EQ(port.baudRate(), 57600) << "until configured";
    ASSERT_TRUE(port.open("COM3"));
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.portName(), "COM3");
    ASSERT_TRUE(port.configure(1200, ParityEven, StopBitsTwo, 7));
    // A pseudo-terminal keeps the baud rate and stop bits; it always reports
    // eight data bits without parity, whatever was set.
    const auto line = tessil.lineSettings();
    EXPECT_EQ(line.baudRate, 1200);
    EXPECT_EQ(line.stopBits, platform::serial::StopBits::Two);
    EXPECT_EQ(port.dataBits(), 7);
    EXPECT_EQ(port.parity(), ParityEven);

    EXPECT_FALSE(port.configure(9600, 9, StopBitsOne, 8)) << "no such parity";
    EXPECT_FALSE(port.configure(9600, ParityNone, StopBitsOneAndHalf, 8));
    EXPECT_EQ(tessil.lineSettings().baudRate, 1200) << "a refused setting leaves the line as it was";

    EXPECT_TRUE(port.close());
    EXPECT_FALSE(port.close());
    EXPECT_TRUE(port.open()) << "reopens by the stored name";
    EXPECT_EQ(tessil.lineSettings().baudRate, 1200) << "the line keeps its settings over close and open";
}

TEST_F(SerialPortTest, ClosedOrMissingPortsFailQuietly)
{
    EXPECT_FALSE(port.configure(9600, ParityEven, StopBitsTwo, 7));
    EXPECT_EQ(port.baudRate(), 9600) << "the settings are stored even so";
    char byte = 0;
    EXPECT_EQ(port.read(&byte, 1), 0);
    EXPECT_EQ(port.write(&byte, 1), 0);
    port.purge();

    EXPECT_FALSE(port.open("COM9"));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.open("not a port"));

    SerialPort first;
    ASSERT_TRUE(first.open("COM3"));
    EXPECT_FALSE(port.open("COM3")) << "a port is not shared";
}

TEST_F(SerialPortTest, ReadsStopAtAGapBetweenBytes)
{
    ASSERT_TRUE(port.open("COM3"));
    ASSERT_TRUE(port.configure(9600, ParityEven, StopBitsTwo, 7));
    std::thread sender([&] { tessil.send(instrument_sim::Transmission{{0ms, "abc"}, {300ms, "def"}}); });
    EXPECT_EQ(readUpTo(6), "abc");
    sender.join();
    EXPECT_EQ(readUpTo(6), "def");
    EXPECT_EQ(readUpTo(4), "") << "nothing more comes";
}

TEST_F(SerialPortTest, ASlowLineIsReadWhole)
{
    ASSERT_TRUE(port.open("COM3"));
    ASSERT_TRUE(port.configure(300, ParityEven, StopBitsTwo, 7));
    // One byte every 40 ms, as near a 300-baud line sends them.
    instrument_sim::Transmission slow;
    for (const char c : std::string(":70000"))
        slow.push_back({40ms, std::string(1, c)});
    std::thread sender([&] { tessil.send(slow); });
    EXPECT_EQ(readUpTo(6), ":70000");
    sender.join();
}

TEST_F(SerialPortTest, WritesAndPurges)
{
    ASSERT_TRUE(port.open("COM3"));
    ASSERT_TRUE(port.configure(9600, ParityEven, StopBitsTwo, 7));
    EXPECT_EQ(port.write(":525 \r\n", 7), 7);
    EXPECT_EQ(tessil.expectCommand('0', 1s), std::nullopt);

    tessil.send(":70000000C1\r\n");
    std::this_thread::sleep_for(100ms);
    port.purge();
    EXPECT_EQ(readUpTo(13), "");
}

}  // namespace
}  // namespace marlet
