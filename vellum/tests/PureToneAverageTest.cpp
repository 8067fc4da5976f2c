#include "vellum/PureToneAverage.h"

#include "vellum/tests/AudiogramFixture.h"

#include <gtest/gtest.h>

namespace vellum {
namespace {

// Bits of the average masks: 500 Hz is bit 2, 1000 Hz bit 4, 2000 Hz bit 6, 4000 Hz bit 8.
constexpr std::int32_t k500 = 1 << 2;
constexpr std::int32_t k1000 = 1 << 4;
constexpr std::int32_t k2000 = 1 << 6;
constexpr std::int32_t k4000 = 1 << 8;

TEST(PureToneAverage, WeighsTheChosenFrequenciesAndRoundsHalfToEven)
{
    AudiogramContent content;
    auto curve = testing::addPureTone(content, 1, kEarLeft, {{500, 200}, {1000, 250}, {2000, 315}, {4000, 600}});
    curve->points.at(4000)->status = kStatusNoResponse;
    auto masked = std::make_shared<PureTonePoint>(*curve->points.at(500));
    masked->maskingLevel = 40;
    curve->points[500] = masked;

    struct Case {
        std::int32_t mask, doubleMask;
        std::int16_t average;
    };
    const Case cases[] = {
        {k500 | k1000 | k2000, 0, 255},           // 765 / 3: masked thresholds count like any other
        {k500 | k1000, 0, 225},                   // 450 / 2
        {k1000 | k2000, 0, 282},                  // 282.5 rounds to the even 282
        {k500 | k2000, 0, 258},                   // 257.5 rounds to the even 258
        {k500 | k1000 | k2000, k1000, 254},       // (200 + 500 + 315) / 4 = 253.75
        {k500 | k1000, k2000, 225},               // a double weight alone counts nothing
        {0, 0, kNoValue},                         // no frequency chosen
        {k500 | k1000 | k4000, 0, kNoValue},      // 4000 Hz is a no-response mark
        {k500 | (1 << 3), 0, kNoValue},           // nothing at 750 Hz
        {k500 | (1 << 20), 0, 200},               // bits past the table stand for nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(pureToneAverage(*curve, c.mask, c.doubleMask), c.average) << c.mask << " / " << c.doubleMask;
}

}  // namespace
}  // namespace vellum
