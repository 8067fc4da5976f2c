#include "driver/FieldReaders.h"

#include <gtest/gtest.h>

#include <string>

namespace marlet {
namespace {

struct FieldCase {
    const char* field;
    int (*read)(const RecordFields&);
    int expected;
};

int decimal4(const RecordFields& r) { return r.decimal(2, 4); }
int hex4(const RecordFields& r) { return static_cast<int>(r.hex(2, 4)); }
int level4(const RecordFields& r) { return r.level4(2); }
int level3(const RecordFields& r) { return r.level3(2); }
int halfDb4(const RecordFields& r) { return r.halfDb4(2); }

class FieldReaders : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldReaders, ReadTheFieldAtItsPosition)
{
    const FieldCase& c = GetParam();
    const std::string record = std::string(":1") + c.field + "XX";
    const RecordFields fields(record);
    EXPECT_EQ(c.read(fields), c.expected) << '"' << c.field << '"';
    EXPECT_FALSE(fields.overrun());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldReaders,
    testing::Values(
        // Strays inside a decimal field count as 0 digits; '-' before the digits negates.
        FieldCase{"0123", decimal4, 123}, FieldCase{"1 2 ", decimal4, 1020}, FieldCase{"-012", decimal4, -12},
        FieldCase{" -12", decimal4, -12}, FieldCase{"12-3", decimal4, 1203}, FieldCase{"ab12", decimal4, 12},
        FieldCase{"00fF", hex4, 255}, FieldCase{"1G2H", hex4, 0x1020},
        // Levels round half away from zero to 5 dB (50 tenths).
        FieldCase{"0125", level4, 150}, FieldCase{"0124", level4, 100}, FieldCase{"-025", level4, -50},
        FieldCase{"-024", level4, 0}, FieldCase{"    ", level4, kLevelNone}, FieldCase{"---X", level3, kLevelNone},
        FieldCase{"0025", level3, 0}, FieldCase{"047X", level3, 450}, FieldCase{"0023", halfDb4, 200},
        FieldCase{"8000", halfDb4, kLevelNone}, FieldCase{"FFEC", halfDb4, -100}, FieldCase{"0005", halfDb4, 50}));

TEST(FieldReaders, ReadsPastTheReceivedBytesAsZerosAndSaysSo)
{
    const RecordFields fields(":1-12");
    EXPECT_EQ(fields.decimal(2, 4), -120);
    EXPECT_TRUE(fields.overrun());
    const RecordFields hexFields(":1F");
    EXPECT_EQ(hexFields.hex(2, 2), 0xF0u);
    EXPECT_TRUE(hexFields.overrun());
}

}  // namespace
}  // namespace marlet
