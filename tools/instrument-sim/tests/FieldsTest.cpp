#include "tools/instrument-sim/Fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace instrument_sim {
namespace {

TEST(Fields, EncodeAsTheInstrumentsSendThem)
{
    EXPECT_EQ(decimal(5, 2), "05");
    EXPECT_EQ(decimal(1000, 5), "01000");
    EXPECT_EQ(decimal(-50, 4), "-050");
    EXPECT_EQ(hex(255, 2), "FF");
    EXPECT_EQ(hex(-100, 4), "FF9C");  // a negative pressure
    EXPECT_EQ(level4(250), "0250");
    EXPECT_EQ(level4(-100), "-100");
    EXPECT_EQ(level4(std::nullopt), "    ");
    EXPECT_EQ(level3(35), "035");
    EXPECT_EQ(level3(std::nullopt), "---");
    EXPECT_EQ(halfDb4(1600), "0140");  // 1600 tenths are 320 half-dB steps
    EXPECT_EQ(halfDb4(-100), "FFEC");
    EXPECT_EQ(halfDb4(std::nullopt), "8000");
}

TEST(Fields, RefuseValuesThatDoNotFit)
{
    EXPECT_THROW(decimal(100, 2), std::invalid_argument);
    EXPECT_THROW(decimal(-10, 2), std::invalid_argument);
    EXPECT_THROW(decimal(std::numeric_limits<std::int64_t>::min(), 5), std::invalid_argument);
    EXPECT_THROW(hex(256, 2), std::invalid_argument);
    EXPECT_THROW(hex(-129, 2), std::invalid_argument);
    EXPECT_THROW(halfDb4(3), std::invalid_argument);
    EXPECT_THROW(level4(10000), std::invalid_argument);
}

}  // namespace
}  // namespace instrument_sim
