#include "RecordDecoding.h"

#include "testing/FakeDriverControl.h"
#include "PelmSonvale/SonvaleTypes.h"
#include "driver/testing/DriverRecordBuilders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace pelmsonvale;
using marlet::DriverPointRecord;
using marlet::testing::pointRecord;
using marlet::testing::TestBlockBuilder;
using pelmsonvale::testing::FakeDriverControl;

// --- Point records -------------------------------------------------------

// The PlotPoint arguments of a decoded point record.
struct PlotValues {
    std::int32_t curveType, ear, pointType, pointStatus;
    std::int16_t freq1, intensity1, freq2, intensity2;

    bool operator==(const PlotValues&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const PlotValues& v)
    {
        return out << "(" << v.curveType << ", " << v.ear << ", " << v.pointType << ", " << v.pointStatus << ", "
                   << v.freq1 << ", " << v.intensity1 << ", " << v.freq2 << ", " << v.intensity2 << ")";
    }
};

PlotValues plotValues(const CPointInformation& i)
{
    return {i.CurveType, i.Ear, i.PointType, i.PointStatus, i.Freq1, i.Intensity1, i.Freq2, i.Intensity2};
}

struct PointCase {
    const char* name;
    DriverPointRecord record;
    PlotValues expected;
};

constexpr std::int16_t kNone = -32767;

TEST(DecodePointRecord, MapsCurvesPointCodesAndStatusBits)
{
    const PointCase cases[] = {
        {"air left, normal", {0x00000001, 1000, 25}, {1, 3, 1, 1, 1000, 25, kNone, kNone}},
        {"masked and no response, air right", {0x00060002, 2000, 40}, {1, 2, 1, 2, 2000, 40, 2000, 0}},
        {"cursor, no response wins over unmeasurable", {0x000A0101, 500, 10}, {1, 3, 2, 2, 500, 10, kNone, kNone}},
        {"unmeasurable", {0x00080004, 250, -10}, {2, 2, 1, 3, 250, -10, kNone, kNone}},
        {"bit 16 and bits 20-31 are not read", {static_cast<std::int32_t>(0xFFF10009), 1000, 55},
         {15, 3, 1, 1, 1000, 55, kNone, kNone}},
        {"sound field right", {0x0000000C, 4000, 35}, {3, 2, 1, 1, 4000, 35, kNone, kNone}},
        {"unknown curve code is still used", {0x0000000D, 1000, 20}, {0, 0, 1, 1, 1000, 20, kNone, kNone}},
        // Commands carry no status and no second pair, whatever their bits say.
        {"delete point", {0x00060207, 8000, 70}, {6, 3, 3, 0, 8000, 70, 0, 0}},
        {"delete curve", {0x00000305, 0, 0}, {4, 3, 4, 0, 0, 0, 0, 0}},
        {"point code 4 deletes all curves", {0x00000400, 0, 0}, {0, 0, 5, 0, 0, 0, 0, 0}},
        {"measurement complete", {0x00000500, 0, 0}, {0, 0, 6, 0, 0, 0, 0, 0}},
    };
    for (const PointCase& c : cases) {
        CPointInformation information;
        EXPECT_TRUE(DecodePointRecord(c.record, information)) << c.name;
        EXPECT_EQ(plotValues(information), c.expected) << c.name;
    }
}

TEST(DecodePointRecord, RefusesUnknownPointCodes)
{
    for (const std::int32_t typeWord : {0x00000605, 0x0000FF01, 0x00060601}) {
        CPointInformation information;
        EXPECT_FALSE(DecodePointRecord({typeWord, 1000, 25}, information)) << std::hex << typeWord;
    }
}

TEST(DecodePointRecord, ReadsTheDriversRecordsAsBuilt)
{
    CPointInformation information;
    ASSERT_TRUE(DecodePointRecord(
        pointRecord(marlet::CurveBoneRight, marlet::PointCursor, marlet::kStatusMasked, 3000, 45), information));
    EXPECT_EQ(plotValues(information), (PlotValues{2, 2, 2, 1, 3000, 45, 3000, 0}));
}

// --- Test blocks ---------------------------------------------------------

// A binding to the fake driver, whose InstrumentModel the test scripts.
class DecodeTestBlockTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(binding.Load(FAKE_DRIVER)); }

    bool decode(const TestBlockBuilder& builder, std::int32_t model = gmQUORREL)
    {
        fake.script("Model", model);
        return DecodeTestBlock(builder.block(), binding, information);
    }

    FakeDriverControl fake{FAKE_DRIVER};
    CVendorDriverWrapper binding;
    CPointInformation information;
};

// What the kind, the action, the stimulus and the model make of a block.
struct BlockCase {
    const char* name;
    std::int32_t model;
    std::uint8_t kind, action;
    std::int16_t stimulus;
    std::int32_t impPointType, impEar, reflexTestType, isReflexScreenPoint, signalType, impActionType;
};

TEST_F(DecodeTestBlockTest, MapsKindsActionsAndStimuli)
{
    const BlockCase cases[] = {
        {"ipsi reflex, Quorrel, 250 Hz", gmQUORREL, 3, 0, 0, 2, 15, 1, 0, 1, 1},
        {"ipsi reflex, Quorrel, broad-band noise", gmQUORREL, 3, 0, 7, 2, 15, 1, 0, 8, 1},
        {"ipsi reflex, Quorrel, unknown stimulus", gmQUORREL, 3, 0, 8, 2, 15, 1, 0, 15, 1},
        {"ipsi reflex, first Quorrel, no 250 Hz", gmQUORRELv1, 3, 0, 0, 2, 15, 1, 0, 15, 1},
        {"contra reflex right, first Quorrel, 500 Hz", gmQUORRELv1, 2, 0, 1, 2, 16, 2, 0, 2, 1},
        {"contra reflex, other model", gmPyrel, 1, 0, 2, 2, 15, 2, 0, 15, 1},
        {"ipsi screening left, 1 kHz", gmPyrel, 13, 0, 1, 2, 15, 1, 1, 3, 1},
        {"contra screening right, 4 kHz", gmQUORREL, 12, 0, 3, 2, 16, 2, 1, 5, 1},
        {"screening, unknown stimulus", gmQUORREL, 14, 0, 4, 2, 16, 1, 1, 15, 1},
        {"contra decay right, no code 0", gmQUORREL, 8, 0, 0, 3, 16, 2, 0, 15, 1},
        {"ipsi decay left, high-band noise", gmPyrel, 9, 0, 6, 3, 15, 1, 0, 7, 1},
        {"tympanogram left has no stimulus", gmQUORREL, 5, 0, 1, 1, 15, 0, 0, 15, 1},
        {"tympanogram right, cursor", gmQUORREL, 6, 1, 0, 1, 16, 0, 0, 15, 2},
        {"reflex, delete curve", gmQUORREL, 4, 3, 2, 2, 16, 1, 0, 3, 4},
        {"decay, measurement complete", gmQUORREL, 10, 5, 0, 3, 16, 1, 0, 15, 6},
    };
    for (const BlockCase& c : cases) {
        information = {};
        ASSERT_TRUE(decode(TestBlockBuilder(c.kind).action(c.action).reflex(95, c.stimulus), c.model)) << c.name;
        EXPECT_EQ(information.ImpPointType, c.impPointType) << c.name;
        EXPECT_EQ(information.ImpEar, c.impEar) << c.name;
        EXPECT_EQ(information.ReflexTestType, c.reflexTestType) << c.name;
        EXPECT_EQ(information.IsReflexScreenPoint, c.isReflexScreenPoint) << c.name;
        EXPECT_EQ(information.SignalType, c.signalType) << c.name;
        EXPECT_EQ(information.ImpActionType, c.impActionType) << c.name;
        EXPECT_EQ(information.ModelName, c.model) << c.name;
    }
}

// A test block has no curve, ear, frequency or level: the cursor and delete
// commands it carries reach the client with zeros, which the views ignore.
TEST_F(DecodeTestBlockTest, CommandsFromATestBlockCarryNoPointValues)
{
    for (const std::uint8_t action : {1, 2, 3}) {
        information = {};
        ASSERT_TRUE(decode(TestBlockBuilder(5).action(action).reflex(95, 1)));
        EXPECT_EQ(plotValues(information), (PlotValues{0, 0, 0, 0, 0, 0, 0, 0})) << int{action};
    }
}

TEST_F(DecodeTestBlockTest, RefusesUnknownKindsAndActions)
{
    EXPECT_FALSE(decode(TestBlockBuilder(15)));
    EXPECT_EQ(information.ImpPointType, 0);
    EXPECT_FALSE(decode(TestBlockBuilder(0)));
    EXPECT_FALSE(decode(TestBlockBuilder(255)));
    EXPECT_FALSE(decode(TestBlockBuilder(5).action(6)));
}

TEST_F(DecodeTestBlockTest, AsksTheDriverForTheModelOnceAndKeepsOnlyKnownModels)
{
    for (const std::int32_t model : {0, 5, 6, 7, -1}) {
        fake.takeCalls();
        ASSERT_TRUE(decode(TestBlockBuilder(5), model));
        EXPECT_EQ(information.ModelName, model >= 0 && model <= 5 ? model : ModelName_Unknown) << model;
        EXPECT_EQ(fake.takeCalls(), "InstrumentModel() ");
    }
}

TEST(DecodeTestBlock, ADriverWithoutInstrumentModelGivesAnUnknownModelAndUnknownReflexStimuli)
{
    CVendorDriverWrapper unloaded;
    CPointInformation information;
    ASSERT_TRUE(DecodeTestBlock(TestBlockBuilder(3).reflex(95, 1).block(), unloaded, information));
    EXPECT_EQ(information.ModelName, ModelName_Unknown);
    EXPECT_EQ(information.SignalType, TActivatorStimulus_Unknown);
}

TEST_F(DecodeTestBlockTest, ReadsTheThreeTympanograms)
{
    const TestBlockBuilder block =
        TestBlockBuilder(6)
            .summary(0, {.peakCompliance = 1300, .volume = 1500, .gradient = -32767, .gradientStatus = 2,
                         .pressure = -20, .probeTone = 1})
            .summary(1, {.peakCompliance = 30811, .volume = 900, .gradient = 75, .gradientStatus = 1,
                         .pressure = 405, .probeTone = 2})
            .summary(2, {.peakCompliance = 400, .gradient = 11565, .pressure = -150, .valid = 2})
            .testNumber(-2);
    ASSERT_TRUE(decode(block));
    EXPECT_EQ(information.PeakCompliance, 1300);
    EXPECT_EQ(information.CanalVolume, 1500);
    EXPECT_EQ(information.GradientVal, -32767);
    EXPECT_EQ(information.Pressure, -20);
    EXPECT_TRUE(information.ValidTest);
    EXPECT_EQ(information.PeakCompliance1, 30811);
    EXPECT_EQ(information.GradientVal1, 75);
    EXPECT_EQ(information.Pressure1, 405);
    EXPECT_TRUE(information.ValidTest1);
    EXPECT_EQ(information.PeakCompliance2, 400);
    EXPECT_EQ(information.GradientVal2, 11565);
    EXPECT_EQ(information.Pressure2, -150);
    EXPECT_FALSE(information.ValidTest2);  // valid only when exactly 1
    // Gradient status and probe tone come from the first summary only.
    EXPECT_EQ(information.GradientStatus, TGradientStatus_RATIO_ml);
    EXPECT_EQ(information.ProbeTone, 678);
    EXPECT_EQ(information.TestNumber, 65534);
}

TEST_F(DecodeTestBlockTest, UnknownGradientStatusesAndProbeTonesFallBack)
{
    struct Case {
        std::int16_t code;
        std::int32_t gradientStatus;
        std::int16_t probeTone;
    };
    for (const Case c : {Case{0, 0, 226}, Case{2, 2, 1000}, Case{3, 0, 226}, Case{7, 0, 226}, Case{-1, 0, 226}}) {
        ASSERT_TRUE(decode(TestBlockBuilder(5).summary(0, {.gradientStatus = c.code, .probeTone = c.code})));
        EXPECT_EQ(information.GradientStatus, c.gradientStatus) << c.code;
        EXPECT_EQ(information.ProbeTone, c.probeTone) << c.code;
    }
}

TEST_F(DecodeTestBlockTest, ReadsTheReflexEntry)
{
    ASSERT_TRUE(decode(TestBlockBuilder(4).reflex(-1, 2)));
    EXPECT_EQ(information.Threshold, 65535);  // widened without sign
    EXPECT_EQ(information.ValidReflexPoint, 1);
    EXPECT_EQ(information.DecayDetected, 0);

    ASSERT_TRUE(decode(TestBlockBuilder(7).reflex(1, 2)));
    EXPECT_EQ(information.DecayDetected, 1);
    EXPECT_EQ(information.Threshold, 1);

    information = {};
    ASSERT_TRUE(decode(TestBlockBuilder(4)));  // entry not valid
    EXPECT_EQ(information.ValidReflexPoint, 0);
}

TEST_F(DecodeTestBlockTest, ReadsTheProbeSerialNumberAsADecimalNumber)
{
    struct Case {
        std::string characters;
        std::int32_t number;
    };
    const Case cases[] = {
        {"123", 123},
        {" 42A", 42},
        {"", 0},
        {"QR0012345", 0},
        {"\t+17", 17},
        {"-305", -305},
        {"+-5", 0},
        {"999999999", 999999999},
        {std::string("12\0" "34", 5), 12},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(decode(TestBlockBuilder(5).serial(c.characters)));
        EXPECT_EQ(information.ProbeSerialNumber, c.number) << '"' << c.characters << '"';
    }
}

TEST_F(DecodeTestBlockTest, TakesOnlyTheLowByteOfEachSerialSlot)
{
    TestBlockBuilder builder(5);
    builder.serial("12");
    marlet::DriverTestBlock block = builder.block();
    block.Serial[0] = 0x4131;  // '1' with a high byte
    fake.script("Model", gmQUORREL);
    ASSERT_TRUE(DecodeTestBlock(block, binding, information));
    EXPECT_EQ(information.ProbeSerialNumber, 12);
}

}  // namespace
