#include "CChart.h"
#include "GdiScope.h"
#include "TestSite.h"
#include "platform/com/ControlSite.h"
#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

namespace lumenplot {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
using com::ComPtr;
using com::S_OK;
using com::Variant;

// OLE colours are 0x00BBGGRR.
constexpr OLE_COLOR kGreen = 0x00FF00;
constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kBlue = 0xFF0000;
constexpr OLE_COLOR kYellow = 0x80FFFF;

QRgb rgbOf(OLE_COLOR colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// A chart 692 x 492 pixels at 96 dots per inch with one-inch margins: the
// plot rectangle runs from (96, 96) to (596, 396), so that with the default
// ranges of 0 to 10 one unit is 50 pixels across and 30 pixels down.
struct ChartPicture : ::testing::Test {
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 492;

    ComPtr<test::TestSite> site = com::make<test::TestSite>();
    ComPtr<CChart> chart = com::make<CChart>();

    void SetUp() override
    {
        site->ambient[com::DISPID_AMBIENT_BACKCOLOR] = Variant(kGreen);
        ASSERT_EQ(chart->SetSite(site.get()), S_OK);
        for (auto put : {&IChart::put_LeftMargin, &IChart::put_TopMargin, &IChart::put_RightMargin, &IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
    }

    QImage render()
    {
        const MemoryContext target(0);
        const SelectedObject bitmap(target.get(), gfx::createCompatibleBitmap(target.get(), kWidth, kHeight));
        chart->paint(target.get(), kWidth, kHeight);
        return gfx::contextImage(target.get()).value_or(QImage());
    }

    ComPtr<ILine> addLine(HRESULT (IChart::*collection)(ILines**), std::int32_t id, OLE_COLOR colour)
    {
        ComPtr<ILines> lines;
        (chart.get()->*collection)(lines.put());
        ComPtr<ILine> line;
        EXPECT_EQ(lines->Add(id, line.put()), S_OK);
        line->put_LineColor(colour);
        return line;
    }
};

// Whether any pixel of the rectangle is near black: where text stands.
bool hasInk(const QImage& image, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96) return true;
        }
    return false;
}

TEST_F(ChartPicture, BackgroundStandardGridAndBorder)
{
    const QImage image = render();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(10, 10), rgbOf(kGreen)) << "the background takes the container's colour";
    EXPECT_EQ(image.pixel(120, 110), qRgb(255, 255, 255)) << "the grid background";
    for (const int x : {146, 346, 546}) EXPECT_EQ(image.pixel(x, 110), qRgb(0, 0, 0)) << "standard X grid at " << x;
    for (const int y : {126, 246, 366}) EXPECT_EQ(image.pixel(120, y), qRgb(0, 0, 0)) << "standard Y grid at " << y;
    EXPECT_EQ(image.pixel(147, 110), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(96, 200), qRgb(0, 0, 0)) << "the border";
    EXPECT_EQ(image.pixel(300, 96), qRgb(0, 0, 0)) << "the border";
}

TEST_F(ChartPicture, DegenerateRangesAndColoursStillPaint)
{
    chart->put_XMax(0);       // zero span
    chart->put_YTickFreq(0);  // no step
    chart->put_BackgroundColor(static_cast<OLE_COLOR>(0x800000FF));  // no such system colour
    const QImage image = render();
    EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0)) << "an untranslatable colour paints black, without a message";
    for (const int x : {146, 346, 546}) EXPECT_EQ(image.pixel(x, 110), qRgb(255, 255, 255)) << "no X grid at " << x;
    for (const int y : {126, 246, 366}) EXPECT_EQ(image.pixel(120, y), qRgb(255, 255, 255)) << "no Y grid at " << y;
}

TEST_F(ChartPicture, CustomGridLinesInTheirColourDashedOrInvisible)
{
    chart->put_XGridLineMode(grid_UseCustom);
    chart->put_YGridLineMode(grid_UseCustom);  // with no lines: none across the columns below
    chart->AddXGridLine(5, "1k", VARIANT_TRUE, VARIANT_FALSE);
    chart->AddXGridLine(2, "", VARIANT_TRUE, VARIANT_TRUE);
    chart->AddXGridLine(8, "8k", VARIANT_FALSE, VARIANT_FALSE);
    chart->AddXGridLine(11, "", VARIANT_TRUE, VARIANT_FALSE);  // beyond XMax
    const QImage image = render();

    const QRgb grid = rgbOf(0xDBDBDB);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 97; y < 395; ++y) ASSERT_EQ(image.pixel(346, y), grid) << "the solid line at row " << y;
    int dotted = 0, gaps = 0;
    for (int y = 97; y < 395; ++y) {
        const QRgb pixel = image.pixel(196, y);
        if (pixel == grid) ++dotted;
        if (pixel == white) ++gaps;
    }
    EXPECT_GT(dotted, 50);
    EXPECT_GT(gaps, 50) << "the dashed line has gaps";
    EXPECT_EQ(image.pixel(496, 200), white) << "an invisible line is not drawn";
    EXPECT_TRUE(hasInk(image, 480, 397, 512, 420)) << "but its label is";
    EXPECT_EQ(image.pixel(646, 200), rgbOf(kGreen)) << "a line beyond the range stays out of the margin";
}

TEST_F(ChartPicture, LabelsStandOnTheirSides)
{
    chart->put_XGridLineMode(grid_UseCustom);
    chart->put_YGridLineMode(grid_UseCustom);
    chart->AddXGridLine(5, "1k", VARIANT_TRUE, VARIANT_FALSE);
    chart->AddYGridLine(5, "50", VARIANT_TRUE, VARIANT_FALSE);
    chart->AddXLabel(2, "Hz");
    chart->AddYLabel(8, "dB");

    // Grid labels below the plot and left of it; free labels on the other sides.
    QImage image = render();
    EXPECT_TRUE(hasInk(image, 330, 397, 362, 420)) << "X grid label below";
    EXPECT_FALSE(hasInk(image, 330, 70, 362, 94));
    EXPECT_TRUE(hasInk(image, 180, 70, 212, 94)) << "free X label above";
    EXPECT_TRUE(hasInk(image, 60, 236, 92, 256)) << "Y grid label left, ending 3 pixels short";
    EXPECT_FALSE(hasInk(image, 94, 236, 94, 256));
    EXPECT_TRUE(hasInk(image, 598, 326, 640, 346)) << "free Y label right";

    chart->put_XLabelPosition(grid_OnTop);
    chart->put_YLabelPosition(grid_OnRight);
    image = render();
    EXPECT_TRUE(hasInk(image, 330, 70, 362, 94)) << "X grid label above";
    EXPECT_TRUE(hasInk(image, 180, 397, 212, 420)) << "free X label below";
    EXPECT_TRUE(hasInk(image, 598, 236, 640, 256)) << "Y grid label right";
    EXPECT_TRUE(hasInk(image, 50, 326, 95, 346)) << "free Y label left";
}

struct ChartLines : ChartPicture {
    ComPtr<gfx::ImageList> images = gfx::ImageList::create(24, 24);

    void SetUp() override
    {
        ChartPicture::SetUp();
        // One symbol: a black square of 8 pixels in the middle of white.
        QImage symbol(24, 24, QImage::Format_RGB32);
        symbol.fill(Qt::white);
        QPainter(&symbol).fillRect(8, 8, 8, 8, Qt::black);
        images->add(symbol);
        chart->putref_ImageList(images.get());
        chart->put_GridBackgroundColor(kYellow);
        chart->put_XGridLineMode(grid_UseCustom);  // no grid lines in the way
        chart->put_YGridLineMode(grid_UseCustom);
    }
};

TEST_F(ChartLines, SymbolsInTheLineColourAndSegmentsThatStopShortOfThem)
{
    const ComPtr<ILine> line = addLine(&IChart::get_Lines, 1, kRed);
    line->AddPoint(8, 5, 0, VARIANT_TRUE, "");
    line->AddPoint(2, 5, 0, VARIANT_TRUE, "");
    line->AddPoint(9, 5, 99, VARIANT_TRUE, "");  // beyond the image list
    QImage image = render();

    const int row = 246;
    EXPECT_EQ(image.pixel(196, row), rgbOf(kRed)) << "the symbol's black turns the line colour";
    EXPECT_EQ(image.pixel(187, row - 10), rgbOf(kYellow)) << "the symbol's white is transparent";
    EXPECT_EQ(image.pixel(204, row), rgbOf(kYellow)) << "the gap after the symbol";
    EXPECT_EQ(image.pixel(210, row), rgbOf(kRed)) << "the segment";
    EXPECT_EQ(image.pixel(483, row), rgbOf(kRed));
    EXPECT_EQ(image.pixel(488, row), rgbOf(kYellow)) << "the gap before the next symbol";
    EXPECT_EQ(image.pixel(546, row), rgbOf(kYellow)) << "no symbol beyond the image list";
    EXPECT_EQ(image.pixel(520, row), rgbOf(kRed)) << "but the point still joins the line";

    chart->put_UseSymbolToLineBuffer(VARIANT_FALSE);
    image = render();
    EXPECT_EQ(image.pixel(204, row), rgbOf(kRed)) << "without gaps the segment meets the symbol";

    chart->putref_ImageList(nullptr);
    image = render();
    EXPECT_EQ(image.pixel(196, row), rgbOf(kRed)) << "without an image list the points are drawn without symbols";
    EXPECT_EQ(image.pixel(196, row - 3), rgbOf(kYellow));
}

TEST_F(ChartLines, BackLinesLieBeneathAndInvisibleLinesAreLeftOut)
{
    const ComPtr<ILine> front = addLine(&IChart::get_Lines, 1, kRed);
    front->AddPoint(2, 5, -1, VARIANT_TRUE, "");
    front->AddPoint(8, 5, -1, VARIANT_TRUE, "");
    const ComPtr<ILine> back = addLine(&IChart::get_BackLines, 1, kBlue);
    back->AddPoint(1, 5, -1, VARIANT_TRUE, "");
    back->AddPoint(9, 5, -1, VARIANT_TRUE, "");
    const ComPtr<ILine> hidden = addLine(&IChart::get_Lines, 2, kGreen);
    hidden->AddPoint(1, 7, -1, VARIANT_TRUE, "");
    hidden->AddPoint(9, 7, -1, VARIANT_TRUE, "");
    hidden->put_Visible(VARIANT_FALSE);
    const QImage image = render();

    EXPECT_EQ(image.pixel(300, 246), rgbOf(kRed)) << "the line over the back line";
    EXPECT_EQ(image.pixel(170, 246), rgbOf(kBlue)) << "the back line where the line does not reach";
    EXPECT_EQ(image.pixel(300, 306), rgbOf(kYellow)) << "the invisible line";
}

TEST_F(ChartLines, TextPointsAndWhatLiesOutsideThePlot)
{
    const ComPtr<ILine> line = addLine(&IChart::get_Lines, 1, kRed);
    line->AddPoint(5, 8, -1, VARIANT_FALSE, "AB");
    const ComPtr<ILine> falling = addLine(&IChart::get_Lines, 2, kRed);
    falling->AddPoint(4, 9, 0, VARIANT_TRUE, "");
    falling->AddPoint(4, 12, 0, VARIANT_TRUE, "");  // beyond YMax, below the plot's bottom
    const ComPtr<ILine> rising = addLine(&IChart::get_Lines, 3, kRed);
    rising->AddPoint(7, -1, 0, VARIANT_TRUE, "");  // above YMin: not mirrored onto the pixel of 1
    const QImage image = render();

    EXPECT_TRUE(hasInk(image, 330, 326, 362, 346)) << "the text centred on its point";
    EXPECT_EQ(image.pixel(296, 380), rgbOf(kRed)) << "the segment runs to the plot's edge";
    EXPECT_EQ(image.pixel(296, 420), rgbOf(kGreen)) << "and no further";
    EXPECT_EQ(image.pixel(296, 456), rgbOf(kGreen)) << "the point outside shows no symbol";
    EXPECT_EQ(image.pixel(446, 126), rgbOf(kYellow)) << "a value above YMin is not drawn at the mirrored pixel";
    EXPECT_EQ(image.pixel(446, 66), rgbOf(kGreen)) << "nor above the plot";
}

TEST(ChartWidget, ASitedChartPaintsItsWidgetInTheContainer)
{
    QWidget container;
    const ComPtr<com::ControlSite> site = com::make<com::ControlSite>(&container);
    site->setAmbientProperty(com::DISPID_AMBIENT_BACKCOLOR, Variant(kGreen));
    const ComPtr<CChart> chart = com::make<CChart>();
    ASSERT_EQ(site->attach(chart.get()), S_OK);
    ASSERT_EQ(chart->widget()->parentWidget(), &container);
    chart->widget()->setGeometry(0, 0, 300, 200);
    container.resize(300, 200);
    container.show();

    const QImage image = chart->widget()->grab().toImage();
    EXPECT_EQ(image.pixel(150, 199), rgbOf(kGreen)) << "the background below the plot";
    EXPECT_EQ(image.pixel(150, 100), qRgb(0, 0, 0)) << "the standard grid's middle line";
    site->detach();
}

}  // namespace
}  // namespace lumenplot
