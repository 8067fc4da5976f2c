#include "ChartCrossHair.h"
#include "GridSnapping.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

namespace lumenplot {
namespace {

std::vector<CGridLine> gridAt(std::initializer_list<double> positions)
{
    std::vector<CGridLine> lines;
    for (const double position : positions) addGridLine(lines, {position, "", VARIANT_TRUE, VARIANT_FALSE});
    return lines;
}

struct SnapCase {
    std::vector<CGridLine> grid;
    double v;
    std::int32_t snapped;
};

TEST(GridSnapping, TheNearestGridLineWinsAndATieGoesUp)
{
    std::vector<CGridLine> withInvisible = gridAt({10, 20});
    withInvisible.push_back({30, "", VARIANT_FALSE, VARIANT_FALSE});
    const SnapCase cases[] = {
        {gridAt({10, 20}), 14.9, 10},
        {gridAt({10, 20}), 15, 20},  // a tie goes to the higher line
        {gridAt({10, 20}), 25, 20},  // beyond the last line
        {gridAt({10, 20}), 3, 10},   // before the first line
        {gridAt({10, 20}), 10, 10},
        {gridAt({12.5, 25}), 12.5, 12},  // snapped values are whole
        {gridAt({12.5, 25}), 13, 12},
        {gridAt({-12.5, 25}), -20, -12},  // truncated toward zero
        {withInvisible, 28, 30},          // invisible lines take part
        {gridAt({10}), 1e9, 10},
        {gridAt({}), 5, kNoGridLine},
    };
    for (const SnapCase& c : cases) EXPECT_EQ(SnapToGridLine(c.v, c.grid), c.snapped) << "v " << c.v;
}

TEST(GridSnapping, GridValuesAreWholeAndStayInRange)
{
    EXPECT_EQ(FirstGridPosition(gridAt({250, 125.7, 500})), 125);
    EXPECT_EQ(FirstGridPosition(gridAt({})), kNoGridLine);
    EXPECT_EQ(wholeGridValue(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(wholeGridValue(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(wholeGridValue(std::numeric_limits<double>::quiet_NaN()), kNoGridLine);
}

struct ArrowCase {
    std::int32_t from;
    std::int32_t previous;  // Left and Up
    std::int32_t next;      // Right and Down; kNoGridLine leaves the line where it is
};

TEST(GridSnapping, ArrowsStepToTheNeighbouringGridLine)
{
    const std::vector<CGridLine> grid = gridAt({125, 250, 500});
    const ArrowCase cases[] = {
        {kNoHighlight, 125, 125},  // from no cross-hair both reach the first line
        {125, 125, 250},           // nothing below the first: it stays
        {250, 125, 500},
        {500, 250, kNoGridLine},   // nothing above the last: it stays
        {300, 250, 500},           // a highlighted value between lines
        {9000, 500, kNoGridLine},
    };
    for (const ArrowCase& c : cases) {
        EXPECT_EQ(PreviousGridPosition(c.from, grid), c.previous) << "from " << c.from;
        EXPECT_EQ(NextGridPosition(c.from, grid), c.next) << "from " << c.from;
    }
    EXPECT_EQ(PreviousGridPosition(250, gridAt({})), kNoGridLine);
    EXPECT_EQ(NextGridPosition(250, gridAt({})), kNoGridLine);
}

TEST(GridSnapping, ArrowsPassLinesAtFractionalPositions)
{
    // 12.5 shows as 12: from there the next line is 25, not 12.5 again.
    const std::vector<CGridLine> grid = gridAt({12.5, 25});
    EXPECT_EQ(NextGridPosition(12, grid), 25);
    EXPECT_EQ(PreviousGridPosition(25, grid), 12);
}

}  // namespace
}  // namespace lumenplot
