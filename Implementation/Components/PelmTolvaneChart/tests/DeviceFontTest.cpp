#include "DeviceFont.h"

#include <gtest/gtest.h>

namespace lumenplot {
namespace {

struct HeightCase {
    double points;
    int dpi;
    double fontFactor;
    int height;
};

TEST(DeviceFont, HeightsRoundToWholePointsAndDevicePixels)
{
    const HeightCase cases[] = {
        {10, 96, 1.0, -13},    // 13.33
        {10, 600, 1.0, -83},   // 83.33
        {9, 96, 1.0, -12},     // exactly 12
        {10.4, 96, 1.0, -13},  // rounds to 10 points
        {10.5, 96, 1.0, -15},  // rounds to 11 points: 14.67
        {8, 96, 1.0, -11},     // 10.67 rounds up
        {10, 600, 4.0 / 3.0, -110},  // a small print's font factor, truncated
        {0, 96, 1.0, 0},
        {1e12, 96, 1.0, -(1 << 24)},  // clamped, not overflowed
    };
    for (const HeightCase& c : cases)
        EXPECT_EQ(deviceFontHeight(c.points, c.dpi, c.fontFactor), c.height) << c.points << " points at " << c.dpi;
}

}  // namespace
}  // namespace lumenplot
