#include "module/report/frmPrintHelper.h"
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

// One entry of a frequency map, as the chart maps hold them.
struct Tick {
    std::int32_t ChartValue;
    std::string Label;
    bool Hide;
    bool Dashed;
};
using Ticks = std::vector<std::shared_ptr<Tick>>;

Ticks ticks(std::initializer_list<Tick> entries)
{
    Ticks result;
    for (const Tick& entry : entries) result.push_back(std::make_shared<Tick>(entry));
    return result;
}

bool isGrid(QRgb pixel)
{
    return qAbs(qRed(pixel) - 180) < 30 && qAbs(qGreen(pixel) - 180) < 30 && qAbs(qBlue(pixel) - 180) < 30;
}

// The solid grid lines across (rows) or up (columns) the picture: runs of
// rows or columns whose grid pixels nearly span the longest one found.
// Dashed lines, with their gaps, fall short of it.
std::vector<int> solidGridLines(const QImage& image, bool rows)
{
    const int count = rows ? image.height() : image.width();
    const int along = rows ? image.width() : image.height();
    std::vector<int> coverage(count, 0);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < along; ++j)
            coverage[i] += isGrid(rows ? image.pixel(j, i) : image.pixel(i, j)) ? 1 : 0;
    const int longest = *std::max_element(coverage.begin(), coverage.end());
    std::vector<int> lines;
    for (int i = 0; i < count; ++i)
        if (coverage[i] >= longest * 9 / 10 && (lines.empty() || lines.back() < i - 1))
            lines.push_back(i);
        else if (coverage[i] >= longest * 9 / 10)
            lines.back() = i;
    return lines;
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
    form->InitPureToneChart(ticks({{200, "250", false, false}, {500, "", true, false}, {800, "4K", false, false}}));
    const QImage image = rendered();
    const std::vector<int> levels = solidGridLines(image, true);
    EXPECT_EQ(levels.size(), 15u) << "-10 to 130 dB every 10 dB, none at the 5 dB steps";
    EXPECT_EQ(solidGridLines(image, false).size(), 2u) << "the hidden tick draws no line";

    const auto frame = frameColumns(image);
    for (const int y : levels) EXPECT_TRUE(labelled(image, frame, y, true)) << "a level line without its label at row " << y;
}

TEST_F(PrintChartForm, EachSetUpReplacesTheGridLinesOfTheOneBefore)
{
    form->InitPureToneChart(ticks({{200, "250", false, false}}));
    form->InitPureToneChart(ticks({{800, "4K", false, false}}));
    EXPECT_EQ(solidGridLines(rendered(), false).size(), 1u);
    EXPECT_EQ(solidGridLines(rendered(), true).size(), 15u);
    form->InitSpeechChart();
    EXPECT_EQ(solidGridLines(rendered(), false).size(), 14u);
    EXPECT_EQ(solidGridLines(rendered(), true).size(), 11u);
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

TEST_F(PrintChartForm, ASpeechChartShowsElevenScoreLinesAndFourteenSolidLevelLines)
{
    form->InitSpeechChart();
    const QImage image = rendered();
    const std::vector<int> scores = solidGridLines(image, true);
    EXPECT_EQ(scores.size(), 11u);
    EXPECT_EQ(solidGridLines(image, false).size(), 14u);
    const auto frame = frameColumns(image);
    for (const int y : scores) {
        EXPECT_TRUE(labelled(image, frame, y, true)) << "no axis label at row " << y;
        EXPECT_TRUE(labelled(image, frame, y, false)) << "no grid-line label at row " << y;
    }
}

}  // namespace
}  // namespace brisance
