#include "CChart.h"
#include "ChartPrinting.h"
#include "DeviceFont.h"
#include "DibSection.h"
#include "GdiScope.h"
#include "TestSite.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Objects.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"
#include "platform/testing/PdfPages.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <gtest/gtest.h>

#include <QImage>

namespace lumenplot {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
namespace print = platform::print;
using com::ComPtr;
using com::S_OK;

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }
bool isGreen(QRgb pixel) { return qGreen(pixel) > 200 && qRed(pixel) < 100 && qBlue(pixel) < 100; }
bool isBlue(QRgb pixel) { return qBlue(pixel) > 180 && qRed(pixel) < 100 && qGreen(pixel) < 100; }

// The bounding box of the pixels that pass the test.
template <class Test>
QRect boxOf(const QImage& image, Test test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(PrintFactors, FollowTheTargetsShorterSide)
{
    struct Case {
        int width, height, dpiX, dpiY;
        double size, font;
    };
    const Case cases[] = {
        {2400, 3000, 600, 600, 1.0, 1.0},             // four inches: as it is
        {1200, 1200, 600, 600, 2.0, 4.0 / 2 / 1.5},   // two inches
        {1800, 1800, 600, 600, 4.0 / 3, 1 / 1.5},     // three inches: 4 / 3 in whole numbers
        {3000, 2400, 300, 600, 1.0, 1.0},             // wider than high: dpiY
        {300, 500, 600, 600, 8.0, 1.0},               // under one inch: fonts kept
        {0, 500, 600, 600, 1.0, 1.0},                 // empty
        {500, 500, 0, 0, 1.0, 1.0},                   // no resolution
    };
    for (const Case& c : cases) {
        const PrintFactors factors = printFactors(c.width, c.height, c.dpiX, c.dpiY);
        EXPECT_DOUBLE_EQ(factors.size, c.size) << c.width << " x " << c.height;
        EXPECT_DOUBLE_EQ(factors.font, c.font) << c.width << " x " << c.height;
    }
    EXPECT_EQ(printCanvasSize(1200, 1200, 2.0), (gfx::Size{2400, 2400}));
    EXPECT_EQ(printCanvasSize(100000, 10, 240.0).cx, kPixelLimit) << "clamped";
}

TEST(PrintFactors, ScaleDeviceFontsAtThePrintersResolution)
{
    const MemoryContext memory(0);  // reports the screen's resolution
    Canvas canvas;
    canvas.dc = memory.get();
    const auto heightOf = [&](const Canvas& on) {
        const gfx::ObjectHandle font = CreateFontFromIFont(com::FontDescription{}, on);
        gfx::FontDescription description;
        gfx::getFontDescription(font, &description);
        gfx::deleteObject(font);
        return description.height;
    };
    EXPECT_EQ(heightOf(canvas), -13) << "ten points on the screen";
    canvas.printing = PrintScale{600, 600, 1.0};
    EXPECT_EQ(heightOf(canvas), -83);
    canvas.printing = PrintScale{600, 600, 4.0 / 2 / 1.5};
    EXPECT_EQ(heightOf(canvas), -110) << "83 grown by the font factor, truncated";
}

// A page of the built-in PDF printer (600 dots per inch), read back as an
// image.
class PrintedPage {
public:
    PrintedPage() : m_dc(print::createPrinterDc(print::builtInPrinterSettings().name))
    {
        m_file = (platform::machine::root() / ("page" + std::to_string(++s_pages) + ".pdf")).string();
        EXPECT_GT(print::startDoc(m_dc, "Chart", m_file), 0);
        EXPECT_GT(print::startPage(m_dc), 0);
    }
    ~PrintedPage() { gfx::deleteDc(m_dc); }
    PrintedPage(const PrintedPage&) = delete;
    PrintedPage& operator=(const PrintedPage&) = delete;

    gfx::DcHandle dc() const { return m_dc; }
    const std::string& file() const { return m_file; }

    // Ends the job and renders the page at the resolution, without smoothing;
    // crop: the part of the page, in pixels at that resolution.
    QImage finish(int dpi, const QRect& crop = {})
    {
        print::endPage(m_dc);
        print::endDoc(m_dc);
        return platform::testing::pdfPageImage(m_file, dpi, 1, crop);
    }

private:
    static inline int s_pages = 0;
    gfx::DcHandle m_dc;
    std::string m_file;
};

// A chart as the report fills it: a green background, grid lines and a line
// with a symbol.
struct PrintedChart : ::testing::Test {
    ComPtr<test::TestSite> site = com::make<test::TestSite>();
    ComPtr<CChart> chart = com::make<CChart>();
    ComPtr<gfx::ImageList> images = gfx::ImageList::create(24, 24);

    void SetUp() override
    {
        ASSERT_EQ(chart->SetSite(site.get()), S_OK);
        chart->put_BackgroundColor(0x00FF00);
        chart->put_LeftMargin(500);
        chart->put_BottomMargin(300);
        chart->put_XGridLineMode(grid_UseCustom);
        for (const double x : {2.0, 5.0, 8.0}) chart->AddXGridLine(x, std::to_string(static_cast<int>(x)), VARIANT_TRUE, VARIANT_FALSE);
        QImage square(24, 24, QImage::Format_RGB32);
        square.fill(Qt::black);
        images->add(square);
        chart->putref_ImageList(images.get());
        ComPtr<ILines> lines;
        chart->get_Lines(lines.put());
        ComPtr<ILine> line;
        lines->Add(1, line.put());
        line->put_LineColor(0xFF0000);  // blue
        line->AddPoint(5, 5, 0, VARIANT_TRUE, "");
    }
};

TEST_F(PrintedChart, LiesInItsRectangleAtTheReportsMappingWhichStaysAsItWas)
{
    // 9 x 7 cm, 3 cm from the page's corner, in units of 0.01 cm with y up.
    PrintedPage first;
    gfx::setMapMode(first.dc(), gfx::MM_LOMETRIC);
    ASSERT_EQ(chart->RenderToDC(first.dc(), 300, -300, 900, -700), S_OK);
    EXPECT_EQ(gfx::getMapMode(first.dc()), gfx::MM_LOMETRIC);
    gfx::Point corner{300, -300};
    gfx::lpToDp(first.dc(), &corner, 1);
    EXPECT_EQ(corner, (gfx::Point{709, 709})) << "the mapping is restored";
    const QImage page = first.finish(100);
    ASSERT_FALSE(page.isNull());

    // At 100 dots per inch the rectangle runs from 118 to 472 across and 118 to 394 down.
    const QRect chartBox = boxOf(page, isGreen);
    EXPECT_NEAR(chartBox.left(), 118, 2);
    EXPECT_NEAR(chartBox.top(), 118, 2);
    EXPECT_NEAR(chartBox.right(), 472, 2);
    EXPECT_NEAR(chartBox.bottom(), 394, 2);
    EXPECT_TRUE(chartBox.adjusted(-2, -2, 2, 2).contains(boxOf(page, [](QRgb pixel) { return pixel != 0xFFFFFFFF; })))
        << "nothing outside the rectangle";
    EXPECT_FALSE(boxOf(page, isBlue).isEmpty()) << "the line's symbol";
    EXPECT_TRUE(boxOf(page, isRed).isEmpty()) << "no cross-hair when none is highlighted";

    // A second print of the same chart, through the other name, is the same page.
    PrintedPage second;
    gfx::setMapMode(second.dc(), gfx::MM_LOMETRIC);
    ASSERT_EQ(chart->RenderToPrinterDC(second.dc(), 300, -300, 900, -700), S_OK);
    EXPECT_EQ(second.finish(100), page);
}

TEST_F(PrintedChart, IsLaidOutAtThePrintersResolutionWithQuarterInchSymbols)
{
    struct Case {
        int width, height;  // device pixels at 600 dots per inch
        int canvasWidth, canvasHeight;
    };
    // Four by five inches: the canvas is the target itself; two inches: a
    // canvas twice its size, stretched into it.
    for (const Case& c : {Case{2400, 3000, 2400, 3000}, Case{1200, 1200, 2400, 2400}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        PrintedPage page;
        ASSERT_EQ(chart->RenderToPrinterDC(page.dc(), 0, 0, c.width, c.height), S_OK);
        const QImage image = page.finish(600, QRect(0, 0, c.width, c.height));
        const std::vector<platform::testing::PdfImage> pictures = platform::testing::pdfImages(page.file());
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ(pictures[0].width, c.canvasWidth);
        EXPECT_EQ(pictures[0].height, c.canvasHeight);
        if (c.width == c.canvasWidth) {
            const QRect symbol = boxOf(image, isBlue);
            EXPECT_NEAR(symbol.width(), 150, 2);
            EXPECT_NEAR(symbol.height(), 150, 2);
        }
    }
}

TEST_F(PrintedChart, APaintOnAPrinterPutsThePictureAtTheOrigin)
{
    PrintedPage page;
    chart->paint(page.dc(), 600, 400);  // an inch by two thirds of one
    const QRect picture = boxOf(page.finish(100), isGreen);
    EXPECT_NEAR(picture.left(), 0, 1);
    EXPECT_NEAR(picture.top(), 0, 1);
    EXPECT_NEAR(picture.right(), 99, 1);
    EXPECT_NEAR(picture.bottom(), 66, 1);
}

TEST_F(PrintedChart, AHighlightedCrossHairIsPrintedInsideThePlot)
{
    chart->HighlightXGridline(5);
    chart->HighlightYGridline(2);
    PrintedPage page;
    gfx::setMapMode(page.dc(), gfx::MM_LOMETRIC);
    ASSERT_EQ(chart->RenderToDC(page.dc(), 300, -300, 900, -700), S_OK);
    const QRect crossHair = boxOf(page.finish(100), isRed);
    ASSERT_FALSE(crossHair.isEmpty());
    EXPECT_TRUE(QRect(QPoint(118, 118), QPoint(472, 394)).contains(crossHair)) << "inside the chart's rectangle";
    EXPECT_GT(crossHair.width(), 250) << "the horizontal line spans the plot";
    EXPECT_GT(crossHair.height(), 200) << "the vertical line spans the plot";
}

TEST(DibSection, ADisplayAndAnotherDeviceGetTheSamePixels)
{
    // A section of two colours, left and right, 40 x 30.
    const gfx::ObjectHandle section = gfx::createDibSection(40, 30, 24);
    {
        const MemoryContext memory(0);
        const SelectedObject selected(memory.get(), section, SelectedObject::Borrowed);
        const SelectedObject red(memory.get(), gfx::createSolidBrush(0x0000FF));
        gfx::fillRect(memory.get(), {0, 0, 20, 30}, gfx::getCurrentObject(memory.get(), gfx::OBJ_BRUSH));
    }
    const gfx::DcHandle printer = print::createPrinterDc(print::builtInPrinterSettings().name);
    // Memory surfaces take the technology of the context they are made for.
    const auto sent = [&](gfx::DcHandle compatible) {
        const MemoryContext target(compatible);
        const SelectedObject bitmap(target.get(), gfx::createCompatibleBitmap(target.get(), 100, 80));
        EXPECT_TRUE(SendDibToDevice(target.get(), section, {10, 10, 90, 70}));
        return *gfx::contextImage(target.get());
    };
    const QImage onDisplay = sent(0);
    EXPECT_EQ(sent(printer), onDisplay);
    EXPECT_EQ(onDisplay.pixel(12, 12), qRgb(255, 0, 0)) << "stretched twice as wide and high";
    EXPECT_EQ(onDisplay.pixel(49, 69), qRgb(255, 0, 0));
    EXPECT_EQ(onDisplay.pixel(50, 69), qRgb(0, 0, 0));
    EXPECT_EQ(onDisplay.pixel(50, 70), qRgb(0, 0, 0));
    EXPECT_EQ(onDisplay.pixel(5, 5), qRgb(0, 0, 0));
    gfx::deleteDc(printer);
    gfx::deleteObject(section);
}

TEST(PrintFailure, ACanvasThatCannotBeMadeIsReportedInAMessageAndLeavesTheChartOff)
{
    platform::ui::TestResponder responder;
    const ComPtr<CChart> chart = com::make<CChart>();
    const MemoryContext dc(0);
    const SelectedObject bitmap(dc.get(), gfx::createCompatibleBitmap(dc.get(), 100, 100));
    gfx::setMapMode(dc.get(), gfx::MM_LOMETRIC);
    const QImage before = *gfx::contextImage(dc.get());

    // Ten pixels high and far wider: four inches high is a canvas beyond any memory.
    EXPECT_EQ(chart->RenderToPrinterDC(dc.get(), 0, 0, 1000000, -30), S_OK);
    EXPECT_EQ(chart->RenderToDC(dc.get(), 0, 0, 1000000, -30), S_OK);
    ASSERT_EQ(responder.shown().size(), 2u);
    for (const platform::ui::ShownDialog& shown : responder.shown()) {
        EXPECT_EQ(shown.text, "Error 8");
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(shown.style, platform::ui::MB_OK);
    }
    EXPECT_EQ(*gfx::contextImage(dc.get()), before) << "the chart is left off";
    EXPECT_EQ(gfx::getMapMode(dc.get()), gfx::MM_LOMETRIC);

    EXPECT_EQ(chart->RenderToDC(dc.get(), 100, -100, 0, -500), S_OK) << "an empty target";
    EXPECT_EQ(*gfx::contextImage(dc.get()), before) << "draws nothing";
    EXPECT_EQ(responder.shown().size(), 2u) << "and says nothing";
    EXPECT_EQ(chart->RenderToDC(123456, 0, 0, 100, 100), com::E_INVALIDARG) << "no context";
}

}  // namespace
}  // namespace lumenplot
