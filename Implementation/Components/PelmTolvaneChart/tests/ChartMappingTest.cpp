#include "ChartMapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumenplot {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct XCase {
    double xMin, xMax, x;
    int pixel;
};

TEST(ChartMapping, XMapsLinearlyFromTheLeftEdge)
{
    const XCase cases[] = {
        {0, 10, 0, 100},   {0, 10, 10, 600},    {0, 10, 5, 350},   {0, 10, 0.99, 149},  // truncated
        {0, 10, -2, 0},    {0, 10, 12, 700},    {5, 5, 7, 100},                         // zero span: left edge
        {0, 10, kInf, kPixelLimit}, {0, 10, -kInf, -kPixelLimit}, {0, 10, kNaN, -kPixelLimit},
        {0, 10, 1e300, kPixelLimit},
    };
    for (const XCase& c : cases) {
        const ChartMapping mapping{c.xMin, c.xMax, 0, 10, {100, 50, 600, 350}};
        EXPECT_EQ(MapXToPixel(mapping, c.x), c.pixel) << "x " << c.x << " on " << c.xMin << ".." << c.xMax;
    }
}

struct YCase {
    double yMin, yMax, y;
    int pixel;
};

TEST(ChartMapping, YMapsLinearlyAndValuesBeyondTheRangeLeaveThePlot)
{
    // An audiogram's level axis: -10 dB at the top, 120 dB at the bottom of a
    // plot 130 pixels high (top 20, bottom 150), and the same axis reversed.
    const YCase cases[] = {
        {-10, 120, -10, 20}, {-10, 120, 120, 150}, {-10, 120, 0, 30}, {-10, 120, 55, 85},
        {-10, 120, -20, 10},   // above the top, not mirrored onto the pixel of 0
        {-10, 120, 130, 160},  // below the bottom
        {120, -10, 120, 150},  {120, -10, -10, 20}, {120, -10, 0, 30},
        {120, -10, 130, 160},  // beyond YMin of a reversed axis leaves through the bottom
        {7, 7, 100, 20},       // zero span: the top edge
        {-10, 120, kNaN, -kPixelLimit},
    };
    for (const YCase& c : cases) {
        const ChartMapping mapping{0, 10, c.yMin, c.yMax, {0, 20, 500, 150}};
        EXPECT_EQ(MapYToPixel(mapping, c.y), c.pixel) << "y " << c.y << " on " << c.yMin << ".." << c.yMax;
    }
}

TEST(ChartMapping, PixelsMapBackToValues)
{
    const ChartMapping normal{0, 10, -10, 120, {0, 20, 500, 150}};
    EXPECT_DOUBLE_EQ(PixelToX(normal, 250), 5.0);
    EXPECT_DOUBLE_EQ(PixelToY(normal, 0), -10.0);
    EXPECT_DOUBLE_EQ(PixelToY(normal, 130), 120.0);

    const ChartMapping reversed{0, 10, 120, -10, {0, 20, 500, 150}};
    EXPECT_DOUBLE_EQ(PixelToY(reversed, 0), -10.0);
    EXPECT_DOUBLE_EQ(PixelToY(reversed, 130), 120.0);

    const ChartMapping flat{3, 10, -10, 120, {40, 20, 40, 20}};
    EXPECT_DOUBLE_EQ(PixelToX(flat, 5), 3.0);
    EXPECT_DOUBLE_EQ(PixelToY(flat, 5), -10.0);
}

struct GridCase {
    int first, last;
    double span, tick;
    std::vector<int> positions;
};

TEST(ChartMapping, StandardGridLeavesOutTheEdgesAndDegenerateSteps)
{
    const GridCase cases[] = {
        {0, 500, 10, 1, {50, 100, 150, 200, 250, 300, 350, 400, 450}},
        {10, 110, 4, 1, {35, 60, 85}},
        {0, 100, 3, 1, {33, 66}},  // 99.99 stays short of last - 1
        {0, 500, 0, 1, {}},
        {0, 500, 10, 0, {}},
        {0, 500, 10, -1, {}},
        {0, 500, kInf, 1, {}},
        {0, 500, 10, kNaN, {}},
        {0, 500, 10, 1e-12, {}},  // lines closer than a pixel: no grid, no endless loop
    };
    for (const GridCase& c : cases)
        EXPECT_EQ(standardGridPositions(c.first, c.last, c.span, c.tick), c.positions)
            << "span " << c.span << " tick " << c.tick;
}

TEST(ChartMapping, MarginsInTwipsBecomeDevicePixels)
{
    EXPECT_EQ(plotRectFromMargins(500, 400, {1440, 1440, 1440, 1440}, 96, 96), (PlotRect{96, 96, 404, 304}));
    // 20 twips are 1.33 pixels: the left edge truncates to 1, the bottom edge
    // to 400 - 1.33 = 398.
    EXPECT_EQ(plotRectFromMargins(500, 400, {}, 96, 96), (PlotRect{1, 0, 500, 398}));
    EXPECT_EQ(plotRectFromMargins(1000, 1000, {720, 0, 0, 0}, 600, 300), (PlotRect{300, 0, 1000, 1000}));
}

}  // namespace
}  // namespace lumenplot
