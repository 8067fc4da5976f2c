// The large symbols drawn by the real chart, created by class id as the views
// create it: recoloured to the line's colour and transparent where white, on
// the screen and stretched onto a printed page.

#include "PelmTolvaneChart/ClassIds.h"
#include "PelmTolvaneChart/IChart.h"
#include "module/core/CSymbols.h"
#include "module/core/tests/SymbolPixels.h"
#include "module/testing/RegisterServer.h"
#include "platform/com/ControlSite.h"
#include "platform/com/Creation.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/machine/MachineRoot.h"
#include "platform/print/PrintJob.h"
#include "platform/print/Printers.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QWidget>


namespace brisance {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
namespace print = platform::print;
using com::ComPtr;
using com::S_OK;
using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;

// OLE colours are 0x00BBGGRR.
constexpr lumenplot::OLE_COLOR kRed = 0x0000FF;
constexpr lumenplot::OLE_COLOR kYellow = 0x80FFFF;
constexpr QRgb kShownRed = 0xFFFF0000;
constexpr QRgb kShownYellow = 0xFFFFFF80;
constexpr QRgb kShownGrid = 0xFFDBDBDB;  // the custom grid lines' default colour

// A chart 692 x 492 pixels with one-inch margins, so that the plot runs from
// (96, 96) to (596, 396) and with the default ranges of 0 to 10 a unit is 50
// pixels across and 30 down. Grid lines cross where the points will stand.
struct SymbolsOnTheChart : ::testing::Test {
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 492;

    const CSymbols symbols;
    QWidget container;
    ComPtr<com::ControlSite> site = com::make<com::ControlSite>(&container);
    ComPtr<lumenplot::IChart> chart;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(testing::registerServer(LUMENPLOT_LIBRARY_PATH));
        ASSERT_EQ(com::createInstance(lumenplot::kChartClsid, chart), S_OK);
        ASSERT_EQ(site->attach(chart.as<com::IControl>().get()), S_OK);
        for (auto put : {&lumenplot::IChart::put_LeftMargin, &lumenplot::IChart::put_TopMargin,
                         &lumenplot::IChart::put_RightMargin, &lumenplot::IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
        chart->put_GridBackgroundColor(kYellow);
        chart->put_XGridLineMode(lumenplot::grid_UseCustom);
        chart->put_YGridLineMode(lumenplot::grid_UseCustom);
        for (const double x : {2.0, 6.0}) chart->AddXGridLine(x, "", VARIANT_TRUE, VARIANT_FALSE);
        chart->AddYGridLine(5, "", VARIANT_TRUE, VARIANT_FALSE);
        ASSERT_EQ(chart->putref_ImageList(symbols.SymbolImagesLarge().get()), S_OK);
        chart.as<com::IControl>()->widget()->setGeometry(0, 0, kWidth, kHeight);
        container.resize(kWidth, kHeight);
        container.show();
    }

    void TearDown() override { site->detach(); }

    QImage grab() { return chart.as<com::IControl>()->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A red line with a point of image 1 at (2, 5) and one of image 19 at (6, 5).
    void addPoints()
    {
        ComPtr<lumenplot::ILines> lines;
        ASSERT_EQ(chart->get_Lines(lines.put()), S_OK);
        ComPtr<lumenplot::ILine> line;
        ASSERT_EQ(lines->Add(1, line.put()), S_OK);
        line->put_LineColor(kRed);
        ASSERT_EQ(line->AddPoint(2, 5, 1 - 1, VARIANT_FALSE, ""), S_OK);
        ASSERT_EQ(line->AddPoint(6, 5, 19 - 1, VARIANT_FALSE, ""), S_OK);
        ASSERT_EQ(chart->Refresh(), S_OK);
    }
};

TEST_F(SymbolsOnTheChart, SymbolsTakeTheLineColourAndLetTheGridShowThroughTheirWhite)
{
    const QImage before = grab();
    ASSERT_NO_FATAL_FAILURE(addPoints());
    const QImage after = grab();

    struct Point {
        int number;
        QPoint pixel;
    };
    for (const Point& point : {Point{1, {196, 246}}, Point{19, {396, 246}}}) {
        SCOPED_TRACE(::testing::Message() << "image " << point.number);
        const QImage symbol = testing::symbolPixels(*symbols.SymbolImagesLarge(), point.number);
        const QPoint corner = point.pixel - QPoint(CSymbols::kLargeSize / 2, CSymbols::kLargeSize / 2);
        int red = 0;
        for (int y = 0; y < CSymbols::kLargeSize; ++y)
            for (int x = 0; x < CSymbols::kLargeSize; ++x) {
                const QPoint shown = corner + QPoint(x, y);
                if (testing::isInk(symbol.pixel(x, y))) {
                    ASSERT_EQ(after.pixel(shown), kShownRed) << "ink at " << x << ", " << y << " is not the line colour";
                    ++red;
                } else {
                    ASSERT_EQ(after.pixel(shown), before.pixel(shown)) << "white at " << x << ", " << y << " is not transparent";
                }
            }
        EXPECT_GT(red, 0);
        EXPECT_EQ(before.pixel(point.pixel), kShownGrid) << "grid lines cross at the point";
        EXPECT_EQ(before.pixel(point.pixel + QPoint(5, -3)), kShownYellow) << "the grid background around it";
    }

    // The left ear's bone-conduction '>' stands right of its point's column.
    const QPoint bone(396, 246);
    for (int y = bone.y() - CSymbols::kLargeSize; y <= bone.y() + CSymbols::kLargeSize; ++y)
        for (int x = bone.x() - CSymbols::kLargeSize; x <= bone.x(); ++x)
            ASSERT_NE(after.pixel(x, y), kShownRed) << "the '>' of the left ear has ink at " << x << ", " << y;
}

// Renders the chart four inches square onto a page of the built-in PDF
// printer (600 dots per inch) and reads the page back without smoothing.
QImage printedPage(lumenplot::IChart& chart)
{
    const gfx::DcHandle dc = print::createPrinterDc(print::builtInPrinterSettings().name);
    const std::string file = (platform::machine::root() / "symbols.pdf").string();
    EXPECT_GT(print::startDoc(dc, "Symbols", file), 0);
    EXPECT_GT(print::startPage(dc), 0);
    EXPECT_EQ(chart.RenderToPrinterDC(dc, 0, 0, 2400, 2400), S_OK);
    print::endPage(dc);
    print::endDoc(dc);
    gfx::deleteDc(dc);
    const QString stem = QString::fromStdString(file) + "-600";
    EXPECT_EQ(QProcess::execute("pdftoppm", {"-r", "600", "-aa", "no", "-aaVector", "no", "-singlefile", "-png", "-x", "0",
                                             "-y", "0", "-W", "2400", "-H", "2400", QString::fromStdString(file), stem}),
              0);
    return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

// The printer gets the chart as one picture, which the PDF file keeps with
// lossy compression: its colours come back within a few steps, so the page is
// read by kind of colour. Black ink, or an edge blended towards black or grey
// and therefore not recoloured, is dark; the line colour, the yellow grid
// background and the light grid lines all keep their red high. A symbol's
// white that was not left out is white; none of those colours is that blue.
bool isPrintedRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool isDarkOrGrey(QRgb pixel) { return qRed(pixel) < 150; }
bool isWhite(QRgb pixel) { return qBlue(pixel) > 240; }

TEST_F(SymbolsOnTheChart, AStretchedPrintedSymbolHoldsOnlyTheLineColourAndTheBackground)
{
    ASSERT_NO_FATAL_FAILURE(addPoints());
    const QImage page = printedPage(*chart);
    ASSERT_FALSE(page.isNull());

    QRect symbolsBox;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (isPrintedRed(page.pixel(x, y))) symbolsBox |= QRect(x, y, 1, 1);
    ASSERT_FALSE(symbolsBox.isEmpty()) << "no symbol printed";
    // A symbol is a quarter inch, 150 pixels at 600 dots per inch, for 24 pixels of its image.
    const int inkRows = testing::boxOf(testing::inkOf(testing::symbolPixels(*symbols.SymbolImagesLarge(), 1))).height();
    EXPECT_NEAR(symbolsBox.height(), inkRows * 150 / CSymbols::kLargeSize, 4) << "stretched to a quarter inch";

    int dark = 0;
    int white = 0;
    for (int y = symbolsBox.top(); y <= symbolsBox.bottom(); ++y)
        for (int x = symbolsBox.left(); x <= symbolsBox.right(); ++x) {
            dark += isDarkOrGrey(page.pixel(x, y)) ? 1 : 0;
            white += isWhite(page.pixel(x, y)) ? 1 : 0;
        }
    EXPECT_EQ(dark, 0) << "dark or grey pixels among the printed symbols: ink or edges not in the line colour";
    EXPECT_EQ(white, 0) << "white pixels among the printed symbols: their background was not left out";
}

}  // namespace
}  // namespace brisance
