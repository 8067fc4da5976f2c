#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Instrument.h"

#include "platform/serial/PortNames.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace instrument_sim {
namespace {

using namespace std::chrono_literals;

// The driver's end of the line, opened and set raw as a serial port is.
class DriverEnd {
public:
    explicit DriverEnd(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY))
    {
        termios settings{};
        ::tcgetattr(m_fd, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }
    ~DriverEnd() { ::close(m_fd); }

    bool opened() const { return m_fd >= 0; }
    void write(std::string_view bytes) { ASSERT_EQ(::write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size())); }

    // Reads until `count` bytes came or a second passed.
    std::string read(std::size_t count)
    {
        std::string received;
        while (received.size() < count) {
            pollfd entry{m_fd, POLLIN, 0};
            if (::poll(&entry, 1, 1000) <= 0)
                break;
            char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, std::min(sizeof buffer, count - received.size()));
            if (n <= 0)
                break;
            received.append(buffer, static_cast<std::size_t>(n));
        }
        return received;
    }

private:
    int m_fd;
};

TEST(Instrument, IsFoundByItsPortNameWhileItLives)
{
    {
        Instrument pyrel(marlet::ModelPyrel, "COM4");
        EXPECT_EQ(platform::serial::devicePathForPort("com4"), pyrel.devicePath());
    }
    EXPECT_EQ(platform::serial::devicePathForPort("COM4"), "/dev/ttyS3") << "the mapping goes with the instrument";
}

TEST(Instrument, RecordsReachTheDriverAndCommandsComeBack)
{
    Instrument tessil(marlet::ModelTessil);
    DriverEnd driver(tessil.devicePath());
    ASSERT_TRUE(driver.opened());

    const std::string record = tessil.record(tonePoint({.levelA = 250}));
    tessil.send(record);
    EXPECT_EQ(driver.read(record.size()), record);

    driver.write(":525 \r\n");
    EXPECT_EQ(tessil.expectCommand('0', 1s), std::nullopt);
    EXPECT_EQ(tessil.expectNothing(50ms), std::nullopt);

    driver.write(":5251\r\n");
    const auto mismatch = tessil.expect(":525 \r\n", 1s);
    ASSERT_TRUE(mismatch.has_value());
    EXPECT_NE(mismatch->find("got \":5251<0D><0A>\""), std::string::npos) << *mismatch;

    driver.write(":52");
    const auto partial = tessil.expectNothing(50ms);
    ASSERT_TRUE(partial.has_value());
    EXPECT_NE(partial->find(":52"), std::string::npos) << *partial;
}

TEST(Instrument, ResendsTheLastRecordWhenAsked)
{
    Instrument halvec(marlet::ModelHalvec);
    DriverEnd driver(halvec.devicePath());
    const std::string record = halvec.record(tonePoint({.levelA = 300}));
    halvec.send(record);
    ASSERT_EQ(driver.read(record.size()), record);

    driver.write(":5251\r\n");
    EXPECT_FALSE(halvec.resendOnRequest(1s)) << "not Halvec's request for a type '1' record";
    driver.write(":5471\r\n");
    EXPECT_TRUE(halvec.resendOnRequest(1s));
    EXPECT_EQ(driver.read(record.size()), record);
}

TEST(Instrument, SplitTransmissionArrivesWhole)
{
    Instrument dunmor(marlet::ModelDunmor);
    DriverEnd driver(dunmor.devicePath());
    const std::string record = dunmor.record(accepted());
    EXPECT_EQ(record, ":7000000041\r\n");
    dunmor.send(splitRecord(record, 4, 30ms));
    EXPECT_EQ(driver.read(record.size()), record);
}

TEST(Instrument, GarbageFloodsTheLineUntilStopped)
{
    Instrument pyrel(marlet::ModelPyrel);
    DriverEnd driver(pyrel.devicePath());
    pyrel.startGarbage();
    const std::string flood = driver.read(3000);
    pyrel.stopGarbage();
    EXPECT_EQ(flood.size(), 3000u);
    EXPECT_EQ(flood.find_first_of(":|"), std::string::npos);
}

TEST(Instrument, KeepsTheLineWhileTheDriverClosesAndReopensIt)
{
    Instrument quorrel(marlet::ModelQuorrelV2);
    {
        DriverEnd first(quorrel.devicePath());
        first.write("|001017\r\n");
    }
    EXPECT_EQ(quorrel.expectCommand('0', 1s), std::nullopt);
    EXPECT_EQ(quorrel.expectNothing(50ms), std::nullopt);
    DriverEnd second(quorrel.devicePath());
    second.write(kTympanometerAcknowledgement);
    EXPECT_EQ(quorrel.expect(kTympanometerAcknowledgement, 1s), std::nullopt);
}

}  // namespace
}  // namespace instrument_sim
