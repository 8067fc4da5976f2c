#include "module/document/DocumentLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brisance {
namespace {

constexpr int kBar = 255;

struct LayoutCase {
    const char* name;
    int clientWidth, clientHeight;
    int minimumWidth;  // the view needs the larger of this and the width available
    int heightNeeded;
    PanelLayout expected;
};

void PrintTo(const LayoutCase& layoutCase, std::ostream* out)
{
    *out << layoutCase.name;
}

ScrollBarSettings Bar(std::int16_t max, std::int16_t largeChange)
{
    return {.needed = true, .max = max, .largeChange = largeChange, .smallChange = largeChange};
}

class LayoutPanelsTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutPanelsTest, SizesThePortTheViewAndTheBars)
{
    const LayoutCase& c = GetParam();
    const PanelLayout layout = LayoutPanels({
        .clientWidth = c.clientWidth,
        .clientHeight = c.clientHeight,
        .widthNeeded = [&](int available) { return std::max(available, c.minimumWidth); },
        .heightNeeded = c.heightNeeded,
        .horizontalBarHeight = kBar,
        .verticalBarWidth = kBar,
    });
    const auto expectBar = [](const char* which, const ScrollBarSettings& actual, const ScrollBarSettings& expected) {
        EXPECT_EQ(actual.needed, expected.needed) << which;
        if (!expected.needed)
            return;
        EXPECT_EQ(actual.max, expected.max) << which;
        EXPECT_EQ(actual.largeChange, expected.largeChange) << which;
        EXPECT_EQ(actual.smallChange, expected.smallChange) << which;
    };
    EXPECT_EQ(layout.portWidth, c.expected.portWidth);
    EXPECT_EQ(layout.portHeight, c.expected.portHeight);
    EXPECT_EQ(layout.viewWidth, c.expected.viewWidth);
    EXPECT_EQ(layout.viewHeight, c.expected.viewHeight);
    expectBar("horizontal", layout.horizontal, c.expected.horizontal);
    expectBar("vertical", layout.vertical, c.expected.vertical);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutPanelsTest,
    ::testing::Values(
        LayoutCase{"AViewThatFits", 12000, 8000, 11360, 6000, {12000, 8000, 11950, 8000, {}, {}}},
        LayoutCase{"WiderOnly", 10000, 8000, 11360, 6000, {10000, 7745, 11310, 7745, Bar(1360, 1197), {}}},
        LayoutCase{"WiderThenTooLowForTheBar",
                   10000, 6100, 11360, 6000,
                   {9745, 5845, 11310, 6000, Bar(1615, 1385), Bar(155, 151)}},
        LayoutCase{"HigherOnly", 12000, 5000, 11360, 6000, {11745, 5000, 11695, 6000, {}, Bar(1000, 833)}},
        LayoutCase{"HigherThenTooNarrowForTheBar",
                   11500, 5000, 11360, 6000,
                   {11245, 4745, 11310, 6000, Bar(115, 114), Bar(1000, 833)}},
        LayoutCase{"WiderAndHigher", 10000, 5000, 11360, 6000,
                   {9745, 4745, 11310, 6000, Bar(1615, 1385), Bar(1255, 992)}},
        LayoutCase{"APortTooSmallIsClamped", -100, -50, 11360, 6000,
                   {0, 0, 11310, 6000, Bar(11360, 0), Bar(6000, 0)}},
        LayoutCase{"BarsStayWithin16Bits", 1000, 1000, 40000, 50000,
                   {745, 745, 39950, 50000, Bar(32767, 610), Bar(32767, 488)}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisance
