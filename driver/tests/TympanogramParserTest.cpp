#include "driver/AudiometerParsers.h"

#include "tools/instrument-sim/AudiometerRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlet {
namespace {

namespace sim = instrument_sim;

struct TympanogramCase {
    const char* name;
    sim::Tympanogram record;
    std::int16_t volume;
    std::int16_t compliance;
    std::int16_t pressure;
    std::int16_t gradient;

    friend void PrintTo(const TympanogramCase& c, std::ostream* out) { *out << c.name; }
};

class Tympanogram : public testing::TestWithParam<TympanogramCase> {};

TEST_P(Tympanogram, GivesItsSummary)
{
    const TympanogramCase& c = GetParam();
    const ParseResult result = parseAudiometerRecord(sim::tympanogram(c.record).bytes(), {});
    ASSERT_EQ(result.blocks.size(), 1u);
    const DriverTestBlock& block = result.blocks[0];
    EXPECT_EQ(block.Summary0.Volume, c.volume);
    EXPECT_EQ(block.Summary0.PeakCompliance, c.compliance);
    EXPECT_EQ(block.Summary0.Pressure, c.pressure);
    EXPECT_EQ(block.Summary0.Gradient, c.gradient);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Tympanogram,
    testing::Values(
        TympanogramCase{"Plain", {}, 1000, 500, 0, kGradientNone},
        TympanogramCase{"RoundedToATenth", {.volume = 100, .compliance = 5, .gradient = 0x1234}, 1600, 100, 0, 0x1234},
        TympanogramCase{"BelowTheLowFloor", {.compliance = 3, .pressure = 50}, 1000, kNoPeak, kPressureNone,
                        kGradientNone},
        TympanogramCase{"BelowTheHighFloor", {.type = 'z', .compliance = 6, .pressure = -100}, 1000, kNoPeak,
                        kPressureNone, kGradientNone},
        TympanogramCase{"LowCaps", {.volume = 640, .compliance = 640}, 5000, 4000, 0, kGradientNone},
        TympanogramCase{"HighCaps", {.type = 'z', .volume = 2000, .compliance = 1280}, 20000, 15000, 0,
                        kGradientNone},
        TympanogramCase{"NegativePressure", {.pressure = -100}, 1000, 500, -100, kGradientNone},
        TympanogramCase{"PressureRoundedAwayFromZero", {.pressure = -103}, 1000, 500, -105, kGradientNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tympanogram, CarriesEarProbeToneAndTestNumber)
{
    const ParseResult result =
        parseAudiometerRecord(sim::tympanogram({.type = 'z', .testNumber = 7, .rightEar = true}).bytes(), {});
    ASSERT_EQ(result.blocks.size(), 1u);
    const DriverTestBlock& block = result.blocks[0];
    EXPECT_EQ(block.Kind, KindTympanogramRight);
    EXPECT_EQ(block.Action, 0);
    EXPECT_EQ(block.TestNumber, 7);
    EXPECT_EQ(block.Summary0.ProbeTone, 2);
    EXPECT_EQ(block.Summary0.Valid, 1);
    EXPECT_EQ(block.Summary0.CompliancePresent, 1);
    EXPECT_EQ(block.Summary0.VolumePresent, 1);
    EXPECT_EQ(block.Summary0.GradientStatus, 1);
    EXPECT_EQ(block.Summary1.Valid, 0);
    EXPECT_EQ(block.Summary2.Valid, 0);
    for (const std::int16_t character : block.Serial)
        EXPECT_EQ(character, 0);
}

TEST(Tympanogram, ScreeningReflexesFromTheLevelTable)
{
    const std::vector<sim::ScreeningReflex> reflexes = {
        {.contralateral = true, .stimulus = 0, .resultClass = 1, .levelCode = 2},
        {.contralateral = false, .stimulus = 1, .resultClass = 1, .levelCode = 0},
        {.contralateral = false, .stimulus = 3, .resultClass = 2},
        {.contralateral = true, .stimulus = 2, .resultClass = 1, .levelCode = 3},
    };
    struct Expected {
        std::uint8_t kind;
        std::int16_t result;
        std::int16_t stimulus;
    };
    const Expected expected[] = {{KindContraScreeningLeft, 110, 0},
                                 {KindIpsiScreeningLeft, 85, 1},
                                 {KindIpsiScreeningLeft, kReflexNone, 3},
                                 {KindContraScreeningLeft, kReflexPresent, 2}};
    for (const char type : {'x', 'z'}) {
        // A count above four still gives the four entries the record holds.
        const ParseResult result = parseAudiometerRecord(
            sim::tympanogram({.type = type, .testNumber = 3, .reflexes = reflexes, .reflexCount = 0xFF}).bytes(), {});
        ASSERT_EQ(result.blocks.size(), 5u) << type;
        for (std::size_t k = 0; k < 4; ++k) {
            const DriverTestBlock& block = result.blocks[k + 1];
            EXPECT_EQ(block.Kind, expected[k].kind) << type << k;
            EXPECT_EQ(block.Reflex0.Result, expected[k].result) << type << k;
            EXPECT_EQ(block.Reflex0.Stimulus, expected[k].stimulus) << type << k;
            EXPECT_EQ(block.Reflex0.Valid, 1);
            EXPECT_EQ(block.TestNumber, 3);
        }
    }
}

TEST(Tympanogram, NotTestedScreening)
{
    const ParseResult result =
        parseAudiometerRecord(sim::tympanogram({.rightEar = true, .reflexes = {{.resultClass = 3}}}).bytes(), {});
    ASSERT_EQ(result.blocks.size(), 2u);
    EXPECT_EQ(result.blocks[1].Kind, KindIpsiScreeningRight);
    EXPECT_EQ(result.blocks[1].Reflex0.Result, kReflexNotTested);
}

}  // namespace
}  // namespace marlet
