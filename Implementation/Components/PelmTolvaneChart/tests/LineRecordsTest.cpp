#include "CGridLine.h"
#include "ChartMapping.h"
#include "LineData.h"
#include "SymbolGap.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace lumenplot {
namespace {

std::vector<std::pair<double, double>> coordinates(const LineData& line)
{
    std::vector<std::pair<double, double>> result;
    for (const CPoint& p : line.points) result.emplace_back(p.X, p.Y);
    return result;
}

TEST(LineRecords, PointsStaySortedByXThenYAndEqualPointsAreAllKept)
{
    LineData line;
    for (const auto& [x, y] : std::vector<std::pair<double, double>>{{3, 0}, {1, 0}, {2, 7}, {2, 5}, {2, 5}})
        addPoint(line, {x, y, 0, VARIANT_TRUE, ""});
    EXPECT_EQ(coordinates(line), (std::vector<std::pair<double, double>>{{1, 0}, {2, 5}, {2, 5}, {2, 7}, {3, 0}}));
}

TEST(LineRecords, RemovePointTakesOnlyTheFirstExactMatch)
{
    LineData line;
    addPoint(line, {2, 9, 0, VARIANT_TRUE, "second"});
    addPoint(line, {2, 4, 0, VARIANT_TRUE, "first"});
    addPoint(line, {5, 0, 0, VARIANT_TRUE, ""});

    removePoint(line, 2.0000001);
    ASSERT_EQ(line.points.size(), 3u);
    removePoint(line, 2);
    ASSERT_EQ(line.points.size(), 2u);
    EXPECT_EQ(line.points[0].SymbolString, "second");
    removePoint(line, 7);
    EXPECT_EQ(line.points.size(), 2u);
}

TEST(LineRecords, GridLinesAndLabelsStaySortedByPosition)
{
    GridRecords grid;
    addGridLine(grid.xGridLines, {1000, "1k", VARIANT_TRUE, VARIANT_FALSE});
    addGridLine(grid.xGridLines, {500, "500", VARIANT_TRUE, VARIANT_TRUE});
    addGridLine(grid.xGridLines, {750, "", VARIANT_FALSE, VARIANT_FALSE});
    addLabel(grid.yLabels, {40, "b"});
    addLabel(grid.yLabels, {-10, "a"});

    ASSERT_EQ(grid.xGridLines.size(), 3u);
    EXPECT_EQ(grid.xGridLines[0].Label, "500");
    EXPECT_EQ(grid.xGridLines[0].Dashed, VARIANT_TRUE);
    EXPECT_EQ(grid.xGridLines[1].Position, 750);
    EXPECT_EQ(grid.xGridLines[2].Label, "1k");
    EXPECT_EQ(grid.yLabels[0].Label, "a");
    EXPECT_EQ(grid.yLabels[1].Label, "b");
}

struct GapCase {
    PixelPoint from, to;
    int gap;
    PixelPoint start, end;
};

TEST(LineRecords, SegmentsStopShortOfTheSymbolsByTheGap)
{
    const GapCase cases[] = {
        {{0, 0}, {100, 0}, 12, {12, 0}, {88, 0}},      // one row
        {{0, 0}, {0, 100}, 12, {0, 12}, {0, 88}},      // one column
        {{0, 0}, {30, 40}, 12, {7, 9}, {23, 31}},      // 9.6 and 7.9 truncate
        {{0, 100}, {30, 60}, 12, {7, 91}, {23, 69}},   // rising: truncated toward zero
        {{0, 0}, {10, 0}, 12, {12, 0}, {-2, 0}},       // closer than the gap: the ends pass
        {{5, 5}, {5, 5}, 12, {5, 5}, {5, 5}},          // coincident
        {{0, 0}, {100, 0}, 2147483647, {kPixelLimit, 0}, {-kPixelLimit, 0}},
    };
    for (const GapCase& c : cases) {
        EXPECT_EQ(ComputeGapStart(c.from, c.to, c.gap), c.start) << c.to.x << "," << c.to.y;
        EXPECT_EQ(ComputeGapEnd(c.from, c.to, c.gap), c.end) << c.to.x << "," << c.to.y;
    }
}

}  // namespace
}  // namespace lumenplot
