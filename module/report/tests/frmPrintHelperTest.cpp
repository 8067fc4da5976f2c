#include "module/report/frmPrintHelper.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/report/tests/ReportPage.h"
#include "module/testing/RegisterServer.h"

#include "platform/gfx/Types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using platform::com::ComPtr;
using platform::com::S_OK;
using testing::ImagePage;

// A frequency axis of the report's kind, the ticks between octaves dashed.
CPureToneChartMaps chartMaps(std::int32_t octaves)
{
    CPureToneChartMaps maps;
    maps.ChartWidth = 1000;
    maps.OctavePositions = octaves;
    maps.InterOctaveDashed = true;
    maps.InterOctaveHidden = false;
    maps.Initialize();
    return maps;
}

// The columns of the plot's black frame, left and right: the first and the
// last column that is dark over half the picture's height.
std::pair<int, int> frameColumns(const QImage& image)
{
    std::vector<int> frame;
    for (int x = 0; x < image.width(); ++x) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        if (dark > image.height() / 2) frame.push_back(x);
    }
    if (frame.empty()) return {0, image.width()};
    return {frame.front(), frame.back()};
}

// Whether there is text in the margin left or right of the frame, at a row.
bool labelled(const QImage& image, std::pair<int, int> frame, int row, bool left)
{
    const auto [frameLeft, frameRight] = frame;
    const QRect margin = left ? QRect(0, row - 6, frameLeft - 1, 13)
                              : QRect(frameRight + 2, row - 6, image.width() - frameRight - 2, 13);
    return testing::inkBox(image, margin).isValid();
}

struct PrintChartForm : ::testing::Test {
    std::unique_ptr<frmPrintHelper> form;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
        form = std::make_unique<frmPrintHelper>();
    }

    // The chart drawn into a white image of 5 x 4 inches: the chart's own
    // print canvas of four inches' height, copied pixel for pixel.
    QImage rendered() const
    {
        ImagePage page(12.7, 10.16);
        EXPECT_EQ(form->cht()->RenderToDC(page.dc(), 0, 0, testing::px(12.7), testing::px(10.16)), S_OK);
        return page.image();
    }
};

TEST_F(PrintChartForm, APureToneChartShowsTheTenDecibelLinesAndTheMapsShownTicks)
{
    CPureToneChartMaps maps = chartMaps(7);
    form->InitPureToneChart(maps);
    const std::size_t octaveLines = testing::solidGridLines(rendered(), false).size();
    EXPECT_GE(octaveLines, 6u) << "one solid line per octave, the dashed ones between not counted";

    maps.Item(std::string("1000"))->Hide = true;
    form->InitPureToneChart(maps);
    const QImage image = rendered();
    const std::vector<int> levels = testing::solidGridLines(image, true);
    EXPECT_EQ(levels.size(), 15u) << "-10 to 130 dB every 10 dB, none at the 5 dB steps";
    EXPECT_EQ(testing::solidGridLines(image, false).size(), octaveLines - 1) << "the hidden tick draws no line";

    const auto frame = frameColumns(image);
    for (const int y : levels) EXPECT_TRUE(labelled(image, frame, y, true)) << "a level line without its label at row " << y;

    // The plot runs on to 145 dB, a step and a half below the last level line.
    const int step = levels[1] - levels[0];
    const QRect belowLast(frame.first + 2, levels.back() + 2, frame.second - frame.first - 4, image.height());
    EXPECT_NEAR(testing::inkBox(image, belowLast).bottom() - levels.back(), step * 1.5, 2) << "the plot's lower edge";
}

TEST_F(PrintChartForm, EachSetUpReplacesTheGridLinesOfTheOneBefore)
{
    form->InitPureToneChart(chartMaps(7));
    const std::size_t sevenOctaves = testing::solidGridLines(rendered(), false).size();
    form->InitPureToneChart(chartMaps(9));
    form->InitPureToneChart(chartMaps(7));
    EXPECT_EQ(testing::solidGridLines(rendered(), false).size(), sevenOctaves);
    EXPECT_EQ(testing::solidGridLines(rendered(), true).size(), 15u);
    form->InitSpeechChart();
    EXPECT_EQ(testing::solidGridLines(rendered(), false).size(), 14u);
    EXPECT_EQ(testing::solidGridLines(rendered(), true).size(), 11u);
}

TEST_F(PrintChartForm, ChangeLineColorsTurnsEveryLineBlack)
{
    form->ChangeLineColors();  // no lines: nothing to do

    ComPtr<lumenplot::ILines> lines;
    ASSERT_EQ(form->cht()->get_Lines(lines.put()), S_OK);
    for (const std::int32_t id : {1, -4, 1004}) {
        ComPtr<lumenplot::ILine> line;
        ASSERT_EQ(lines->Add(id, line.put()), S_OK);
        line->put_LineColor(static_cast<lumenplot::OLE_COLOR>(gfx::rgb(200, 0, 0)));
    }
    form->ChangeLineColors();
    for (const std::int32_t id : {1, -4, 1004}) {
        ComPtr<lumenplot::ILine> line;
        ASSERT_EQ(lines->Item(id, line.put()), S_OK);
        lumenplot::OLE_COLOR colour = -1;
        line->get_LineColor(&colour);
        EXPECT_EQ(colour, 0) << "line " << id;
    }
}

TEST_F(PrintChartForm, ASpeechChartShowsElevenScoreLinesFourteenSolidLevelLinesAndItsRowOfLevels)
{
    form->InitSpeechChart();
    const QImage image = rendered();
    const std::vector<int> scores = testing::solidGridLines(image, true);
    EXPECT_EQ(scores.size(), 11u);
    EXPECT_EQ(testing::solidGridLines(image, false).size(), 14u);
    const auto frame = frameColumns(image);
    for (const int y : scores) {
        EXPECT_TRUE(labelled(image, frame, y, true)) << "no axis label at row " << y;
        EXPECT_TRUE(labelled(image, frame, y, false)) << "no grid-line label at row " << y;
    }

    // Inside the plot only the row of levels, across its middle between the
    // lines of scores 40 and 50.
    const QRect plot(QPoint(frame.first + 2, scores.front() + 2), QPoint(frame.second - 2, scores.back() - 2));
    const QRect levels = testing::inkBox(image, plot);
    ASSERT_TRUE(levels.isValid()) << "no row of levels";
    EXPECT_GT(levels.top(), scores[5]);
    EXPECT_LT(levels.bottom(), scores[6]);
    EXPECT_GT(levels.width(), (frame.second - frame.first) * 3 / 4) << "0 to 130 across the plot";
    const QRect labels = testing::inkBox(image, QRect(0, scores.front() - 10, image.width(), scores.back() - scores.front() + 20));
    EXPECT_GT(labels.left(), 0) << "the left scale's widest label cut at the picture's edge";
    EXPECT_LT(labels.right(), image.width() - 1) << "the right scale's widest label cut at the picture's edge";
}

}  // namespace
}  // namespace brisance
