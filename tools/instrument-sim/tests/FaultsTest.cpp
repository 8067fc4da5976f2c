#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Faults.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace instrument_sim {
namespace {

std::string summedPart(const std::string& record)
{
    return record.substr(0, record.size() - 4);
}

std::string checksumPart(const std::string& record)
{
    return record.substr(record.size() - 4, 2);
}

TEST(Faults, ChecksumAndTypeFaults)
{
    const std::string good = accepted().bytes();
    const std::string bad = withBadChecksum(good);
    EXPECT_EQ(summedPart(bad), summedPart(good));
    EXPECT_EQ(checksumPart(bad), "C2");
    EXPECT_EQ(withBadChecksum(":4FFFF\r\n").substr(4, 2), "00") << "wraps at 8 bits";
    EXPECT_EQ(withType(good, 'q'), ":q0000000C1\r\n");
    EXPECT_THROW(withType("no record", 'q'), std::invalid_argument);
}

TEST(Faults, HighBitsPassOnlyADunmorChecksum)
{
    // Three of these four bytes have odd parity, so setting all four high bits
    // changes a plain sum differently from Dunmor's.
    const std::string record = withHighBits(errorReport(12).bytes(ChecksumKind::Dunmor));
    const std::string summed = summedPart(record);
    EXPECT_EQ(static_cast<unsigned char>(summed[0]), 0x80 | ':');
    EXPECT_EQ(checksumText(summed, ChecksumKind::Dunmor), checksumPart(record));
    EXPECT_NE(checksumText(summed, ChecksumKind::Plain), checksumPart(record));
}

TEST(Faults, LineFaults)
{
    const std::string pipe = Frame::pipe('2', 12).bytes();
    EXPECT_EQ(withoutCarriageReturn(pipe), "|200000000008E\n");

    const Transmission split = splitRecord(pipe, 5, std::chrono::milliseconds(80));
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].bytes + split[1].bytes, pipe);
    EXPECT_EQ(split[1].pause, std::chrono::milliseconds(80));
    EXPECT_THROW(splitRecord(pipe, pipe.size(), {}), std::invalid_argument);

    const std::string longLine = overLongPipeLine('1', 500);
    EXPECT_EQ(longLine.size(), 502u);
    EXPECT_EQ(checksumText(summedPart(longLine), ChecksumKind::Plain), checksumPart(longLine));

    const std::string strays = strayCharacters(100);
    EXPECT_EQ(strays.size(), 100u);
    EXPECT_EQ(strays.find_first_of(":|\r\n"), std::string::npos);
}

}  // namespace
}  // namespace instrument_sim
