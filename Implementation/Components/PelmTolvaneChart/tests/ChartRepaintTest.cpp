// A chart keeps its picture surface and its recoloured symbols from one paint
// to the next: what it paints after a change must be what a new chart with
// the same content paints, with nothing of the earlier picture left over.

#include "CChart.h"
#include "GdiScope.h"
#include "TestSite.h"
#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <functional>

namespace lumenplot {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
using com::ComPtr;

// OLE colours are 0x00BBGGRR.
constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kBlue = 0xFF0000;
constexpr OLE_COLOR kGreen = 0x00FF00;

QRgb rgbOf(OLE_COLOR colour) { return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// A 24 x 24 symbol: a black square of 8 pixels, or a black ring, on white.
QImage symbol(bool ring)
{
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (ring)
        painter.drawEllipse(4, 4, 16, 16);
    else
        painter.fillRect(8, 8, 8, 8, Qt::black);
    return image;
}

ComPtr<gfx::ImageList> imageListOf(const QImage& image)
{
    auto images = gfx::ImageList::create(24, 24);
    images->add(image);
    return images;
}

// A chart 692 x 492 pixels with one-inch margins and the default ranges of 0
// to 10: x = 2 lies at pixel 196, y = 5 at 246 and y = 8 at 336.
struct Audiogram {
    ComPtr<test::TestSite> site = com::make<test::TestSite>();
    ComPtr<CChart> chart = com::make<CChart>();
    ComPtr<gfx::ImageList> images = imageListOf(symbol(false));

    Audiogram()
    {
        chart->SetSite(site.get());
        for (auto put : {&IChart::put_LeftMargin, &IChart::put_TopMargin, &IChart::put_RightMargin, &IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
        chart->putref_ImageList(images.get());
        addLine(1, kRed, 5);
        addLine(2, kBlue, 8);
    }

    ComPtr<ILine> addLine(std::int32_t id, OLE_COLOR colour, double y)
    {
        ComPtr<ILines> lines;
        chart->get_Lines(lines.put());
        ComPtr<ILine> line;
        lines->Add(id, line.put());
        line->put_LineColor(colour);
        line->AddPoint(2, y, 0, VARIANT_TRUE, "");
        line->AddPoint(8, y, 0, VARIANT_TRUE, "");
        return line;
    }

    ComPtr<ILine> line(std::int32_t id)
    {
        ComPtr<ILines> lines;
        chart->get_Lines(lines.put());
        ComPtr<ILine> found;
        lines->Item(id, found.put());
        return found;
    }

    QImage paint(int width = 692, int height = 492)
    {
        const MemoryContext target(0);
        const SelectedObject bitmap(target.get(), gfx::createCompatibleBitmap(target.get(), width, height));
        chart->paint(target.get(), width, height);
        return gfx::contextImage(target.get()).value_or(QImage());
    }
};

TEST(ChartRepaint, LinesSharingASymbolShowItEachInItsOwnColour)
{
    Audiogram audiogram;
    const QImage image = audiogram.paint();
    EXPECT_EQ(image.pixel(196, 246), rgbOf(kRed));
    EXPECT_EQ(image.pixel(196, 336), rgbOf(kBlue));
}

// Whether the repainted picture is the new chart's, and else where it differs.
::testing::AssertionResult samePicture(const QImage& repainted, const QImage& fresh)
{
    if (repainted.size() != fresh.size()) return ::testing::AssertionFailure() << "the pictures differ in size";
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x)
            if (repainted.pixel(x, y) != fresh.pixel(x, y))
                return ::testing::AssertionFailure() << "at (" << x << ", " << y << ") the repaint shows " << std::hex
                                                     << repainted.pixel(x, y) << " where a new chart shows " << fresh.pixel(x, y);
    return ::testing::AssertionSuccess();
}

struct Change {
    const char* what;
    std::function<void(Audiogram&)> apply;
    int width = 692;
    int height = 492;
};

TEST(ChartRepaint, AfterAChangeShowsWhatANewChartShows)
{
    const Change changes[] = {
        {"a line recoloured", [](Audiogram& a) { a.line(1)->put_LineColor(kGreen); }},
        {"another image list", [](Audiogram& a) { a.chart->putref_ImageList(imageListOf(symbol(true)).get()); }},
        {"the image list's image replaced",
         [](Audiogram& a) {
             a.images->clear();
             a.images->add(symbol(true));
         }},
        {"the lines cleared", [](Audiogram& a) { a.chart->ClearLines(); }},
        {"a line moved",
         [](Audiogram& a) {
             a.line(2)->Clear();
             a.line(2)->AddPoint(4, 2, 0, VARIANT_TRUE, "");
         }},
        {"a smaller window", [](Audiogram&) {}, 500, 400},
    };
    for (const Change& change : changes) {
        Audiogram kept;
        kept.paint();
        change.apply(kept);
        Audiogram fresh;
        change.apply(fresh);
        const QImage repainted = kept.paint(change.width, change.height);
        EXPECT_TRUE(samePicture(repainted, fresh.paint(change.width, change.height))) << change.what;
    }
}

}  // namespace
}  // namespace lumenplot
