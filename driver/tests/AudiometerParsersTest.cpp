#include "driver/AudiometerParsers.h"

#include "driver/DriverLibrary.h"

#include "tools/instrument-sim/AudiometerRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlet {
namespace {

namespace sim = instrument_sim;

ParsedPoint point(std::int32_t curve, std::int32_t frequency, int tenths, std::int32_t status = 0,
                  std::int32_t pointCode = PointMeasurement)
{
    return {makeTypeWord(curve, pointCode, status), frequency, tenths};
}

struct SinglePointCase {
    const char* name;
    sim::TonePoint record;
    ParseContext context;
    std::vector<ParsedPoint> points;
    int error = 0;
    std::optional<char> command{};

    friend void PrintTo(const SinglePointCase& c, std::ostream* out) { *out << c.name; }
};

ParseContext withCurve(AcCurve curve)
{
    ParseContext context;
    context.acCurve = curve;
    return context;
}

ParseContext withVibrator(const char* calibration)
{
    ParseContext context;
    context.settings.boneVibratorCalibration = calibration;
    return context;
}

ParseContext withCursorNext()
{
    ParseContext context;
    context.cursorNext = true;
    return context;
}

class SinglePoint : public testing::TestWithParam<SinglePointCase> {};

TEST_P(SinglePoint, GivesItsPointOrError)
{
    const SinglePointCase& c = GetParam();
    const ParseResult result = parseAudiometerRecord(sim::tonePoint(c.record).bytes(), c.context);
    EXPECT_EQ(result.points, c.points);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.command, c.command);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SinglePoint,
    testing::Values(
        SinglePointCase{"BothToneRoutedLeft", {.routingPair = 1, .levelA = 300}, {}, {point(1, 1000, 300)}},
        SinglePointCase{"BothToneRouting30IsLeft", {.routingPair = 11, .levelA = 300}, {}, {point(1, 1000, 300)}},
        SinglePointCase{"BothToneRouting31IsRight", {.routingPair = 10, .levelA = 300}, {}, {point(2, 1000, 300)}},
        SinglePointCase{"ChannelATestsOtherRoutedRight", {.modeB = '2', .routingPair = 9, .levelA = 400},
                        {}, {point(1, 1000, 400)}},
        SinglePointCase{"ChannelATestsOtherRoutedLeft", {.modeB = '2', .routingPair = 8, .levelA = 400},
                        {}, {point(2, 1000, 400)}},
        SinglePointCase{"ChannelATestsMasked", {.modeB = '2', .routingPair = 1, .levelA = 450, .maskedA = true},
                        {}, {point(1, 1000, 450, kStatusMasked)}},
        SinglePointCase{"ChannelBTestsWithItsLevelAndMask",
                        {.modeA = '3', .routingPair = 2, .levelA = 100, .levelB = 600, .maskedB = true},
                        {}, {point(1, 1000, 600, kStatusMasked)}},
        SinglePointCase{"MclIsNeverMasked",
                        {.modeB = '2', .routingPair = 1, .levelA = 450, .maskedA = true}, withCurve(AcCurve::Mcl),
                        {point(5, 1000, 450)}},
        SinglePointCase{"UclCurve", {.routingPair = 2, .levelA = 800, .frequency = 250}, withCurve(AcCurve::Ucl),
                        {point(8, 250, 800)}},
        SinglePointCase{"SoundFieldIsNeverMasked",
                        {.modeB = '2', .transducerPair = 2, .routingPair = 1, .levelA = 450, .maskedA = true},
                        {}, {point(11, 1000, 450)}},
        SinglePointCase{"MastoidBoneMasked",
                        {.modeB = '2', .transducerPair = 4, .routingPair = 2, .levelA = 200, .maskedA = true},
                        {}, {point(4, 1000, 200, kStatusMasked)}},
        // On the forehead the tested channel's routing 1 becomes 2: the other channel's decides.
        SinglePointCase{"ForeheadTakesTheEarFromTheOtherChannel",
                        {.modeB = '2', .transducerPair = 4, .routingPair = 3, .levelA = 200},
                        withVibrator("Forehead"), {point(4, 1000, 200)}},
        SinglePointCase{"CursorAfterWholeCurve", {.routingPair = 1, .levelA = 300}, withCursorNext(),
                        {point(1, 1000, 300, 0, PointCursor)}},
        SinglePointCase{"ModesOneAndFiveAreTone",
                        {.testType = '3', .modeA = '5', .routingPair = 4, .levelB = 350}, {},
                        {point(2, 1000, 350)}},
        SinglePointCase{"NotToneIs102", {.testType = '1', .levelA = 300}, {}, {}, 102},
        SinglePointCase{"NoToneChannelIs102", {.modeA = '2', .modeB = '3', .levelA = 300}, {}, {}, 102},
        SinglePointCase{"FlashingLevelIs110AndResend", {.levelA = std::nullopt}, {}, {}, 110, '0'},
        SinglePointCase{"UnknownFrequencyIs109", {.levelA = 300, .frequency = 1100}, {}, {}, 109},
        SinglePointCase{"TypeFivePushesNoneAsIs", {.type = '5', .routingPair = 1}, {},
                        {point(1, 1000, kLevelNone)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SinglePoint, ClearsTheCursorFlagOnlyWithAPoint)
{
    EXPECT_EQ(parseAudiometerRecord(sim::tonePoint({.levelA = 300}).bytes(), withCursorNext()).cursorNext, false);
    EXPECT_FALSE(parseAudiometerRecord(sim::tonePoint({}).bytes(), withCursorNext()).cursorNext.has_value());
}

TEST(SinglePoint, ATypeFivePointWithoutLevelNeverReachesTheRing)
{
    DriverLibrary library("marlet", {});
    const ParseResult result = parseAudiometerRecord(sim::tonePoint({.type = '5'}).bytes(), {});
    ASSERT_EQ(result.points.size(), 1u);
    EXPECT_FALSE(library.pushPoint(result.points[0].typeWord, result.points[0].frequency,
                                   result.points[0].levelTenths));
}

TEST(ThresholdTable, GivesBothEarsOnTheTestChannelsCurve)
{
    const auto bytes = sim::thresholdTable({.left = {{1000, 20}, {500, 15}}, .right = {{8000, 35}}}).bytes();
    const ParseResult result = parseAudiometerRecord(bytes, {});
    EXPECT_EQ(result.error, 0);
    EXPECT_EQ(result.points,
              (std::vector<ParsedPoint>{point(1, 1000, 200), point(1, 500, 150), point(2, 8000, 350)}));

    const auto soundField = sim::thresholdTable({.modeB = '2', .transducerPair = 9, .left = {{2000, 40}}}).bytes();
    EXPECT_EQ(parseAudiometerRecord(soundField, {}).points, std::vector<ParsedPoint>{point(11, 2000, 400)});
    const auto channelB = sim::thresholdTable({.modeA = '3', .transducerPair = 9, .left = {{2000, 40}}}).bytes();
    EXPECT_EQ(parseAudiometerRecord(channelB, withCurve(AcCurve::Mcl)).points,
              std::vector<ParsedPoint>{point(5, 2000, 400)});
}

TEST(ThresholdTable, OtherThanAutomaticThresholdIs103)
{
    const ParseResult result = parseAudiometerRecord(sim::thresholdTable({.testType = '0'}).bytes(), {});
    EXPECT_EQ(result.error, 103);
    EXPECT_TRUE(result.points.empty());
}

TEST(ErrorReport, RecordsTheInstrumentsCodeAndAsksToGoOn)
{
    const ParseResult report = parseAudiometerRecord(sim::errorReport(3).bytes(), {});
    EXPECT_EQ(report.error, 3);
    EXPECT_TRUE(report.showError);
    EXPECT_EQ(report.command, '0');
    EXPECT_EQ(report.pause, std::chrono::milliseconds(0));
    EXPECT_EQ(parseAudiometerRecord(sim::errorReport(10).bytes(), {}).pause, std::chrono::milliseconds(2000));
}

TEST(InstrumentSetup, SetsTheTransducers)
{
    const auto setup = [](bool ear, bool forehead) {
        return parseAudiometerRecord(sim::instrumentSetup(ear, forehead).bytes(), {}).setup.value();
    };
    EXPECT_EQ(setup(true, true).boneVibratorCalibration, "Forehead");
    EXPECT_EQ(setup(true, true).insertPhoneType, "EAR");
    EXPECT_EQ(setup(false, false).boneVibratorCalibration, "Mastoid");
    EXPECT_EQ(setup(false, false).insertPhoneType, "Danavox");
}

TEST(AirCurve, GivesElevenFrequenciesWithNoResponseValues)
{
    std::array<std::optional<int>, 11> levels{};
    levels[0] = 200;    // 125 Hz
    levels[4] = 1600;   // 1000 Hz: no response at 35 dB
    levels[10] = -100;  // 8000 Hz
    const ParseResult left = parseAudiometerRecord(sim::acCurve(false, levels).bytes(), {});
    EXPECT_EQ(left.points, (std::vector<ParsedPoint>{point(1, 125, 200), point(1, 1000, 350, kStatusNoResponse),
                                                     point(1, 8000, -100)}));
    const ParseResult right = parseAudiometerRecord(sim::acCurve(true, levels).bytes(), withCurve(AcCurve::Mcl));
    EXPECT_EQ(right.points.front(), point(6, 125, 200));
}

TEST(AudiometerRecords, AcceptedTypeSevenAndNoRecord)
{
    const ParseResult accepted = parseAudiometerRecord(sim::accepted().bytes(), {});
    EXPECT_EQ(accepted.error, 0);
    EXPECT_TRUE(accepted.points.empty());
    const ParseResult none = parseAudiometerRecord({}, {});
    EXPECT_EQ(none.errorTable, ErrorTable::Serial);
    EXPECT_EQ(none.error, 1);
}

}  // namespace
}  // namespace marlet
