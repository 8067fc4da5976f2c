#include "tools/instrument-sim/AudiometerRecords.h"
#include "tools/instrument-sim/Checksum.h"

#include <gtest/gtest.h>

namespace instrument_sim {
namespace {

// Checksums worked out by hand from the byte values.
TEST(Checksum, MatchesHandComputedRecords)
{
    // ':' 58 + '7' 55 + seven '0' 336 = 449 = 0x1C1.
    EXPECT_EQ(accepted().bytes(), ":70000000C1\r\n");
    // Dunmor: '7' (five low bits set) sums as 0xB7 = 183: 58 + 183 + 336 = 577 = 0x241.
    EXPECT_EQ(accepted().bytes(ChecksumKind::Dunmor), ":7000000041\r\n");
    // '|' 124 + '2' 50 + ten '0' 480 = 654 = 0x28E.
    EXPECT_EQ(Frame::pipe('2', 12).bytes(), "|200000000008E\r\n");
    // ':' 58 + '4' 52 + '1' 49 + '0' 48 = 207 = 0xCF.
    EXPECT_EQ(errorReport(10).bytes(), ":410CF\r\n");
    EXPECT_EQ(checksumText("", ChecksumKind::Plain), "00");
}

TEST(Checksum, DunmorReplacesBitSevenByTheParityOfTheLowBits)
{
    EXPECT_EQ(dunmorByte(0x3A), 0x3A);  // four low bits set
    EXPECT_EQ(dunmorByte(0x37), 0xB7);  // five
    EXPECT_EQ(dunmorByte(0xB0), 0x30);  // a wrong bit 7 is replaced
    EXPECT_EQ(dunmorByte(0x01), 0x81);
}

}  // namespace
}  // namespace instrument_sim
