#include "driver/AudiometerParsers.h"

#include "tools/instrument-sim/AudiometerRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlet {
namespace {

namespace sim = instrument_sim;

using Curve = std::array<sim::CurveValues, 13>;

ParsedPoint point(std::int32_t curve, std::int32_t frequency, int tenths, std::int32_t status = 0)
{
    return {makeTypeWord(curve, PointMeasurement, status), frequency, tenths};
}

// Left: air and sound field at 1000 Hz, bone at 2000 Hz. Right: air at 500 Hz.
const Curve& leftEar()
{
    static const Curve curve = [] {
        Curve c{};
        c[4] = {.air = 300, .soundField = 250};
        c[6] = {.bone = 200};
        return c;
    }();
    return curve;
}

const Curve& rightEar()
{
    static const Curve curve = [] {
        Curve c{};
        c[2] = {.air = 100};
        return c;
    }();
    return curve;
}

struct WholeCurveCase {
    const char* name;
    AcCurve acCurve;
    const char* mclUclTransfer;
    const char* acCurveAsk;
    const char* acCurveSetting;
    std::vector<ParsedPoint> points;
    bool cursorNext;

    friend void PrintTo(const WholeCurveCase& c, std::ostream* out) { *out << c.name; }
};

class WholeCurve : public testing::TestWithParam<WholeCurveCase> {};

TEST_P(WholeCurve, SelectsItsCurvesRightEarFirst)
{
    const WholeCurveCase& c = GetParam();
    ParseContext context;
    context.acCurve = c.acCurve;
    context.settings.mclUclTransfer = c.mclUclTransfer;
    context.settings.acCurveAsk = c.acCurveAsk;
    context.settings.acCurve = c.acCurveSetting;
    const ParseResult result = parseAudiometerRecord(sim::wholeCurve(leftEar(), rightEar()).bytes(), context);
    EXPECT_EQ(result.points, c.points);
    EXPECT_EQ(result.cursorNext, c.cursorNext);
    EXPECT_EQ(result.command, '1');
    EXPECT_EQ(result.error, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeCurve,
    testing::Values(
        WholeCurveCase{"AirUnderPhones", AcCurve::Htl, "Single Point", "NO", "Phones/Insert",
                       {point(2, 500, 100), point(1, 1000, 300), point(3, 2000, 200)}, true},
        WholeCurveCase{"SoundFieldUnderFreeField", AcCurve::Htl, "Single Point", "NO", "Free Field Speakers",
                       {point(11, 1000, 250), point(3, 2000, 200)}, true},
        // Asking, on an audiometer that cannot ask, keeps air.
        WholeCurveCase{"AskWithoutHalvecIsAir", AcCurve::Htl, "Single Point", "YES", "Free Field Speakers",
                       {point(2, 500, 100), point(1, 1000, 300), point(3, 2000, 200)}, true},
        WholeCurveCase{"MclEntireCurveDropsBone", AcCurve::Mcl, "Entire Curve", "NO", "Phones/Insert",
                       {point(6, 500, 100), point(5, 1000, 300)}, true},
        WholeCurveCase{"UclSinglePointPushesNothing", AcCurve::Ucl, "Single Point", "NO", "Phones/Insert", {},
                       false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WholeCurve, NoResponseAndMaskingByTheirValues)
{
    Curve left{};
    left[0] = {.air = 1600, .airMasking = 400};             // no response at 10 dB, masked
    left[1] = {.air = 1350, .airMasking = 1250};            // no response below the offset: 120 dB
    left[2] = {.bone = 300, .boneMasking = -200};           // masked at the low end
    left[3] = {.airMasking = 0, .soundField = 500};         // sound field takes the air masking
    left[12] = {.air = 700};                                // entry 12 is 16 kHz
    ParseContext context;
    context.settings.acCurve = "Free Field Speakers";
    const ParseResult sf = parseAudiometerRecord(sim::wholeCurve(left, {}).bytes(), context);
    EXPECT_EQ(sf.points, (std::vector<ParsedPoint>{point(11, 750, 500, kStatusMasked),
                                                   point(3, 500, 300, kStatusMasked)}));
    const ParseResult air = parseAudiometerRecord(sim::wholeCurve(left, {}).bytes(), {});
    EXPECT_EQ(air.points, (std::vector<ParsedPoint>{point(1, 125, 100, kStatusNoResponse | kStatusMasked),
                                                    point(1, 250, 1200, kStatusNoResponse),
                                                    point(1, 16000, 700), point(3, 500, 300, kStatusMasked)}));
}

TEST(WholeCurve, AHalvecAsksAndWaitsForTheAnswer)
{
    ParseContext context;
    context.audiometer = ModelHalvec;
    context.settings.acCurveAsk = "YES";
    std::optional<CurveChoice> answer;
    context.pickCurve = [&answer] { return answer; };
    const std::string bytes = sim::wholeCurve(leftEar(), rightEar()).bytes();

    const ParseResult pending = parseAudiometerRecord(bytes, context);
    EXPECT_TRUE(pending.curvePending);
    EXPECT_TRUE(pending.points.empty());
    EXPECT_FALSE(pending.command.has_value());
    EXPECT_FALSE(pending.cursorNext.has_value());

    answer = CurveChoice::SoundField;
    const ParseResult answered = parseAudiometerRecord(bytes, context);
    EXPECT_FALSE(answered.curvePending);
    EXPECT_EQ(answered.points, (std::vector<ParsedPoint>{point(11, 1000, 250), point(3, 2000, 200)}));
    EXPECT_EQ(answered.command, '1');
}

}  // namespace
}  // namespace marlet
