#include "driver/TympanometerParsers.h"

#include "tools/instrument-sim/TympanometerRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlet {
namespace {

namespace sim = instrument_sim;

const sim::ProbeRecord kProbe{.serial = "QR0012345", .testNumber = 12, .rightEar = true};

std::vector<DriverTestBlock> blocksOf(const sim::Frame& frame)
{
    const ParseResult result = parseTympanometerRecord(frame.bytes());
    EXPECT_EQ(result.error, 0);
    return result.blocks;
}

TEST(TympanometerRecords, TympanogramWithUpToThreeSummaries)
{
    const auto blocks = blocksOf(sim::multiTympanogram(
        {.probe = kProbe, .probeTone = 1, .gradientStatus = 1, .volume = 1300,
         .summaries = {{.compliance = 450, .pressure = -20, .gradient = 75}, {}}}));
    ASSERT_EQ(blocks.size(), 1u);
    const DriverTestBlock& block = blocks[0];
    EXPECT_EQ(block.Kind, KindTympanogramRight);
    EXPECT_EQ(block.TestNumber, 12);
    EXPECT_EQ(std::string(block.Serial, block.Serial + kSerialLength), "QR0012345");
    EXPECT_EQ(block.Summary0.PeakCompliance, 450);
    EXPECT_EQ(block.Summary0.Pressure, -20);
    EXPECT_EQ(block.Summary0.Gradient, 75);
    EXPECT_EQ(block.Summary0.Volume, 1300);
    EXPECT_EQ(block.Summary0.ProbeTone, 1);
    EXPECT_EQ(block.Summary0.GradientStatus, 1);
    EXPECT_EQ(block.Summary0.CompliancePresent, 0);
    EXPECT_EQ(block.Summary0.Valid, 1);
    EXPECT_EQ(block.Summary1.PeakCompliance, kNoPeak);
    EXPECT_EQ(block.Summary1.Pressure, kPressureNone);
    EXPECT_EQ(block.Summary1.Valid, 1);
    EXPECT_EQ(block.Summary2.Valid, 0);
}

TEST(TympanometerRecords, TympanogramWithScreening)
{
    const auto blocks = blocksOf(sim::screeningTympanogram({.probe = kProbe, .gradientStatus = '0', .gradient = 40,
                                                            .compliance = 600, .pressure = 15, .mode = '3',
                                                            .stimulus1 = '2', .result1 = '3', .result2 = '5'}));
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].Kind, KindTympanogramRight);
    EXPECT_EQ(blocks[0].Summary0.Gradient, kGradientNotMeasured);
    EXPECT_EQ(blocks[0].Summary0.GradientStatus, 0);
    EXPECT_EQ(blocks[0].Summary0.PeakCompliance, 600);
    EXPECT_EQ(blocks[0].Summary0.Pressure, 15);
    EXPECT_EQ(blocks[1].Kind, KindIpsiScreeningRight);
    EXPECT_EQ(blocks[1].Reflex0.Result, kReflexPresent);
    EXPECT_EQ(blocks[1].Reflex0.Stimulus, 2);
    EXPECT_EQ(blocks[1].Reflex0.Valid, 0);
    EXPECT_EQ(blocks[2].Kind, KindContraScreeningRight);
    EXPECT_EQ(blocks[2].Reflex0.Result, kReflexNone);
    EXPECT_EQ(blocks[2].Reflex0.Stimulus, 2);
    EXPECT_EQ(blocks[2].TestNumber, 12);

    // A stimulus of '-' and a result of none are skipped; gradient status 1 reads the gradient.
    const auto plain = blocksOf(sim::screeningTympanogram(
        {.probe = kProbe, .gradientStatus = '1', .gradient = 40, .stimulus1 = '-', .stimulus2 = '1', .result1 = '3'}));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].Summary0.Gradient, 40);
    EXPECT_EQ(plain[0].Summary0.PeakCompliance, kNoPeak);
    EXPECT_EQ(plain[0].Summary0.Pressure, kPressureNone);
}

struct ReflexCase {
    const char* name;
    std::optional<sim::ReflexThreshold> first;
    std::optional<sim::ReflexThreshold> second;
    // kind, result, stimulus, valid per block
    std::vector<std::array<int, 4>> blocks;

    friend void PrintTo(const ReflexCase& c, std::ostream* out) { *out << c.name; }
};

class ReflexThresholds : public testing::TestWithParam<ReflexCase> {};

TEST_P(ReflexThresholds, GiveTheirBlocks)
{
    const ReflexCase& c = GetParam();
    const auto blocks = blocksOf(sim::reflexThresholds(kProbe, c.first, c.second));
    std::vector<std::array<int, 4>> seen;
    for (const DriverTestBlock& block : blocks)
        seen.push_back({block.Kind, block.Reflex0.Result, block.Reflex0.Stimulus, block.Reflex0.Valid});
    EXPECT_EQ(seen, c.blocks);
}

using R = sim::ReflexThreshold::Result;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReflexThresholds,
    testing::Values(
        ReflexCase{"Two", sim::ReflexThreshold{true, 3, R::Threshold, 95}, sim::ReflexThreshold{false, 4, R::NoReflex},
                   {{KindIpsiReflexRight, 95, 3, 1}, {KindContraReflexRight, kReflexNoneThreshold, 4, 1}}},
        ReflexCase{"SecondOnly", std::nullopt, sim::ReflexThreshold{true, 1, R::Threshold, 100},
                   {{KindIpsiReflexRight, 100, 1, 1}}},
        ReflexCase{"InvalidFirst", sim::ReflexThreshold{false, 2, R::Invalid}, std::nullopt,
                   {{KindContraReflexRight, 0, 2, 0}}},
        ReflexCase{"SameTwiceKeepsTheValidSecond", sim::ReflexThreshold{true, 3, R::Threshold, 95},
                   sim::ReflexThreshold{true, 3, R::Threshold, 100}, {{KindIpsiReflexRight, 100, 3, 1}}},
        ReflexCase{"SameTwiceKeepsTheFirstOverAnInvalidSecond", sim::ReflexThreshold{true, 3, R::Threshold, 95},
                   sim::ReflexThreshold{true, 3, R::Invalid}, {{KindIpsiReflexRight, 95, 3, 1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TympanometerRecords, ReflexDecays)
{
    const auto blocks = blocksOf(sim::reflexDecays(kProbe, sim::ReflexDecay{true, 2, 5000},
                                                   sim::ReflexDecay{false, 3, 500}));
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].Kind, KindIpsiDecayRight);
    EXPECT_EQ(blocks[0].Reflex0.Result, 1);
    EXPECT_EQ(blocks[0].Reflex0.Stimulus, 2);
    EXPECT_EQ(blocks[0].Reflex0.Valid, 0);
    EXPECT_EQ(blocks[1].Kind, KindContraDecayRight);
    EXPECT_EQ(blocks[1].Reflex0.Result, 0);
    EXPECT_EQ(blocks[1].Reflex0.Stimulus, 3);

    // A mode other than '0' or '1' is skipped.
    std::string bytes = sim::reflexDecays(kProbe, sim::ReflexDecay{true, 2, 5000}, std::nullopt).bytes();
    bytes[240] = '7';
    EXPECT_TRUE(parseTympanometerRecord(bytes).blocks.empty());
}

TEST(TympanometerRecords, OtherSubTypesAndTypesGiveNothing)
{
    for (const int subType : {4, 5, 9})
        EXPECT_TRUE(blocksOf(sim::probeRecord(kProbe, subType)).empty()) << subType;
    std::string other = sim::probeRecord(kProbe, 0).bytes();
    other[1] = '3';
    EXPECT_TRUE(parseTympanometerRecord(other).blocks.empty());
}

TEST(TympanometerRecords, FieldsBeyondTheRecordAre106AndPushNothing)
{
    // Sub-type 2's result entries are found through the record's own digits.
    std::string farEntry = sim::reflexThresholds(kProbe, sim::ReflexThreshold{}, sim::ReflexThreshold{}).bytes();
    farEntry[277] = '9';
    farEntry[279 + 81 + 8] = '0';
    farEntry[279 + 81 + 9] = '2';
    farEntry[279 + 81 + 54] = '9';
    const std::string shortRecord = sim::multiTympanogram({.probe = kProbe, .summaries = {{}, {}, {}}}).bytes().substr(0, 300);
    for (const std::string& record : {farEntry, shortRecord}) {
        const ParseResult result = parseTympanometerRecord(record);
        EXPECT_EQ(result.error, 106);
        EXPECT_TRUE(result.blocks.empty());
    }
}

}  // namespace
}  // namespace marlet
