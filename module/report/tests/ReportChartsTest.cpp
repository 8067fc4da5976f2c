#include "module/core/TextResources.h"
#include "module/report/tests/ReportFixture.h"
#include "module/report/tests/ReportPage.h"

namespace brisance {
namespace {

using platform::testing::PdfPage;

constexpr int kDpi = 200;

int at(double cm)
{
    return static_cast<int>(cm / 2.54 * kDpi);
}

QRect area(double left, double top, double width, double height)
{
    return QRect(at(left), at(top), at(width), at(height));
}

// Pixels of a colour, loosely, in an area.
int colourCount(const QImage& image, const QRect& rect, QRgb colour)
{
    int count = 0;
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            // Thin lines come out lighter at a lower resolution: a strong
            // channel of the colour and weak others.
            const bool red = qRed(colour) > 128, blue = qBlue(colour) > 128;
            const int strong = red ? qRed(p) : qBlue(p), weak = red ? qBlue(p) : qRed(p);
            count += (red || blue) && strong > 180 && weak < strong - 80 && qGreen(p) < strong - 80 ? 1 : 0;
        }
    return count;
}

const QRgb kRedInk = qRgb(255, 0, 0);
const QRgb kBlueInk = qRgb(0, 0, 255);

using ReportCharts = testing::ReportTest;

// The European charts at (1, 1): right ear at 1.2 cm, left ear at 7.95 cm,
// 4.0 cm down, 6.2 cm square, drawn 0.3 cm in.
const QRect kRightChart = area(1.5, 4.3, 6.2, 6.2);
const QRect kLeftChart = area(8.25, 4.3, 6.2, 6.2);
// The US chart at (1, 1).
const QRect kUSChart = area(1.3, 3.05, 11.7, 10.2);

std::size_t verticalGridLines(const QImage& page, const QRect& chart)
{
    return testing::solidGridLines(page.copy(chart), false).size();
}

TEST_F(ReportCharts, APointAbove8000HzSwitchesBothEuropeanChartsToNineOctaves)
{
    const auto gridLines = [&](const QRect& chart) {
        return testing::solidGridLines(platform::testing::pdfPageImage(printedFile(), kDpi, 1, chart), false).size();
    };
    addPureTone(1, 2, {{1000, 20}, {8000, 30}});
    print(ReportVersion_Europe);
    const std::size_t rightAt8000 = gridLines(kRightChart), leftAt8000 = gridLines(kLeftChart);

    addPureTone(1, 3, {{8001, 30}});
    print(ReportVersion_Europe);
    EXPECT_GT(gridLines(kRightChart), rightAt8000) << "12000 and 16000 Hz added";
    EXPECT_GT(gridLines(kLeftChart), leftAt8000);
}

TEST_F(ReportCharts, ABinauralCurveShowsOnBothEuropeanChartsAndAnEarsCurveOnItsOwnOnly)
{
    addPureTone(3, 4, {{500, 30}, {1000, 40}, {2000, 50}});  // SF binaural, red
    addPureTone(1, 3, {{500, 60}, {1000, 70}, {2000, 80}});  // AC left, blue
    print(ReportVersion_Europe);
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    EXPECT_GT(colourCount(page, kRightChart, kRedInk), 20);
    EXPECT_GT(colourCount(page, kLeftChart, kRedInk), 20);
    EXPECT_EQ(colourCount(page, kRightChart, kBlueInk), 0);
    EXPECT_GT(colourCount(page, kLeftChart, kBlueInk), 20);
}

TEST_F(ReportCharts, TheRightAndLeftCurvesOfOneTestBothShowOnTheUSChart)
{
    addPureTone(1, 3, {{500, 60}, {1000, 60}, {2000, 60}});  // left, blue
    addPureTone(1, 2, {{500, 10}, {1000, 10}, {2000, 10}});  // right, red
    print(ReportVersion_US);
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    EXPECT_GT(colourCount(page, kUSChart, kRedInk), 40) << "the right ear's line";
    EXPECT_GT(colourCount(page, kUSChart, kBlueInk), 40) << "the left ear's line, not replaced by the right's";
}

TEST_F(ReportCharts, AnEmptyAudiogramStillPrintsTheGridAndBothAxisTitles)
{
    const PdfPage words = print(ReportVersion_US);
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    // -10 to 130 dB every 10 dB, and the plot's lower edge a step and a half
    // below, at 145 dB.
    EXPECT_EQ(testing::solidGridLines(page.copy(kUSChart), true).size(), 16u);
    EXPECT_GE(verticalGridLines(page, kUSChart), 6u);
    const platform::testing::PdfWord* frequency = words.find(word(TR_FREQUENCY_IN_HERTZ_HZ));
    ASSERT_NE(frequency, nullptr);
    EXPECT_NEAR(frequency->box.top(), 1.0 + 1.75, 0.15);
    const platform::testing::PdfWord* level = words.find(word(TR_HEARING_LEVEL_IN_DECIBELS_DB));
    ASSERT_NE(level, nullptr);
}

TEST_F(ReportCharts, TheAxisTitlesStandWholeBesideTheChartsPicture)
{
    const PdfPage words = print(ReportVersion_US);
    // A line of text is taller than the 0.3 cm between the chart's area and
    // its opaque picture: each title ends at the picture's edge, no further
    // out than that.
    const double pictureLeft = 1.0 + 0.3, pictureTop = 1.0 + 1.75 + 0.3;
    const platform::testing::PdfWord* frequency = words.find(word(TR_FREQUENCY_IN_HERTZ_HZ));
    ASSERT_NE(frequency, nullptr);
    EXPECT_NEAR(frequency->box.bottom(), pictureTop, 0.03);

    // Both titles hold parentheses, which reach from the ascent to the
    // descent: the turned title is as thick as the level one is high, unless
    // the picture covers part of it.
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    const QRectF box = frequency->box;
    const QRect frequencyInk =
        testing::inkBox(page, area(box.left() - 0.1, box.top() - 0.1, box.width() + 0.2, pictureTop - box.top() + 0.09));
    const QRect levelInk = testing::inkBox(page, area(0.3, pictureTop, pictureLeft - 0.3, 10.0));
    ASSERT_TRUE(levelInk.isValid());
    EXPECT_NEAR(levelInk.width(), frequencyInk.height(), 2);
    EXPECT_GT(levelInk.height(), levelInk.width() * 10) << "the level title reads up the page";
}

// A page only 17 cm wide, narrower than the European layout's charts and
// legends need side by side.
TEST_F(ReportCharts, OnANarrowEuropeanPageTheChartsStopShortOfTheLegends)
{
    print(ReportVersion_Europe);
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    const double legendLeft = 1.0 + 17.0 - 4.1;
    const auto borderGaps = [&](double top, double height) {
        int gaps = 0;
        for (int y = at(top) + 2; y < at(top + height) - 2; ++y)
            gaps += testing::inkCount(page, QRect(at(legendLeft) - 2, y, 5, 1)) == 0 ? 1 : 0;
        return gaps;
    };
    EXPECT_EQ(borderGaps(1.0 + 3.5, 6.0), 0) << "the left ear's chart over the symbol legend";
    EXPECT_EQ(borderGaps(1.0 + 15.0, 5.0), 0) << "the speech chart over the speech legend";
}

TEST_F(ReportCharts, TheSpeechChartShowsItsScoreScalesWhole)
{
    print(ReportVersion_Europe);
    const double chartLeft = 1.2, chartTop = 16.0;
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi, 1, area(chartLeft, chartTop, 1.0, 6.0));
    EXPECT_GT(testing::inkBox(page).left(), 1) << "the left scale's \"100\" cut at the chart's edge";
}

TEST_F(ReportCharts, TheSpeechChartShowsTheSpeechCurves)
{
    addSpeech(10, 2, 10, {{30, 40}, {50, 80}, {70, 100}});
    print(ReportVersion_Europe);
    const QImage page = platform::testing::pdfPageImage(printedFile(), kDpi);
    EXPECT_GT(colourCount(page, area(1.2, 16.0, 13.5, 6.0), kRedInk), 20);
}

}  // namespace
}  // namespace brisance
