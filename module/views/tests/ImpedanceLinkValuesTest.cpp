#include "module/views/ImpedanceLinkValues.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

TEST(ImpedanceLinkValues, AMeasuredTympanogramIsStoredInTheReportsUnitsAndCodes)
{
    const struct {
        std::int16_t pressure, volume, compliance, gradient;
        TympanogramRecord stored;
    } cases[] = {
        // Thousandths of a millilitre to hundredths, halves to even.
        {-50, 1200, 705, 35, {-50, 120, 70, 70, 35}},
        {0, 15, 715, -12, {0, 2, 72, 72, -12}},
        // No peak stays no peak; no volume and an unmeasured gradient become no value.
        {405, 30811, 30811, 11565, {405, -32767, 30811, 30811, -32767}},
        {-32767, -32767, -32767, -32767, {-32767, -32767, -32767, -32767, -32767}},
    };
    for (const auto& c : cases) {
        ImpedancePointArgs event;
        event.GradientStatus = 2;
        event.ProbeTone = 1000;
        event.Pressure = {1, c.pressure, 3};
        event.CanalVolume = c.volume;
        event.PeakCompliance = {4, c.compliance, 6};
        event.GradientVal = {7, c.gradient, 9};
        TympanogramRecord stored;
        stored.TympType = 5;
        TympanogramRecord expected = c.stored;
        expected.GradientStatus = 2;
        expected.ProbeToneFrequency = 1000;
        expected.TympType = 5;
        EXPECT_EQ(tympanogramFromLink(event, 1, stored), expected) << c.pressure << " " << c.volume;
    }
}

TEST(ImpedanceLinkValues, EarsAndStimuliTakeTheDatasCodes)
{
    const std::pair<std::int32_t, std::optional<std::int32_t>> stimuli[] = {
        {1, 250},   {2, 500},   {3, 1000},  {4, 2000},         {5, 4000},         {6, 32767},
        {7, 32766}, {8, 32765}, {15, 7000}, {0, std::nullopt}, {9, std::nullopt}, {16, std::nullopt},
    };
    for (const auto& [stimulus, code] : stimuli)
        EXPECT_EQ(stimulusCodeOf(stimulus), code) << stimulus;
    EXPECT_EQ(earOfImpedanceEar(15), 3);
    EXPECT_EQ(earOfImpedanceEar(16), 2);
    EXPECT_EQ(earOfImpedanceEar(0), std::nullopt);
    EXPECT_EQ(earOfImpedanceEar(3), std::nullopt);
}

}  // namespace
}  // namespace brisance
