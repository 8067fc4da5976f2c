#include "CChart.h"
#include "GdiScope.h"
#include "TestSite.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Metafile.h"
#include "platform/machine/MachineRoot.h"

#include <gtest/gtest.h>

#include <QImage>

#include <fstream>
#include <limits>

namespace lumenplot {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
using com::ComPtr;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kBlueRgb = 0xFF0000FF;
constexpr QRgb kRedRgb = 0xFFFF0000;
constexpr QRgb kGridRgb = 0xFFDBDBDB;
constexpr QRgb kBandRgb = 0xFFE1E1E1;

bool isDark(QRgb pixel) { return qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96; }

bool hasInk(const QImage& image, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (isDark(image.pixel(x, y))) return true;
    return false;
}

// Records a metafile whose 100 x 100 frame is filled with the colour, and
// which also draws beyond its frame (the overspill must be clipped away).
void recordMetafile(const std::string& path, gfx::ColorRef colour)
{
    const gfx::Rect frame{0, 0, 100, 100};
    const gfx::DcHandle recording = gfx::createEnhMetaFile(0, path, &frame);
    const gfx::ObjectHandle brush = gfx::createSolidBrush(colour);
    gfx::fillRect(recording, {-50, -50, 150, 150}, brush);
    gfx::deleteObject(brush);
    ASSERT_NE(recording, 0);
    gfx::deleteEnhMetaFile(gfx::closeEnhMetaFile(recording));
}

// A 692 x 492 chart at 96 dots per inch whose plot runs from (96, 96) to
// (596, 396), without standard grid lines.
struct Underlays : ::testing::Test {
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 492;

    ComPtr<test::TestSite> site = com::make<test::TestSite>();
    ComPtr<CChart> chart = com::make<CChart>();

    void SetUp() override
    {
        ASSERT_EQ(chart->SetSite(site.get()), com::S_OK);
        chart->put_BackgroundColor(0xFFFFFF);
        for (auto put : {&IChart::put_LeftMargin, &IChart::put_TopMargin, &IChart::put_RightMargin, &IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
        chart->put_XTickFreq(1000);
        chart->put_YTickFreq(1000);
    }

    QImage render()
    {
        const MemoryContext target(0);
        const SelectedObject bitmap(target.get(), gfx::createCompatibleBitmap(target.get(), kWidth, kHeight));
        chart->paint(target.get(), kWidth, kHeight);
        return gfx::contextImage(target.get()).value_or(QImage());
    }
};

// On 0..10 axes, X grid lines at 2, 5 and 8 (x pixels 196, 346, 496) and
// Y grid lines at 2 and 8 (y pixels 156 and 336) span the metafile.
struct MetafileUnderlay : Underlays {
    const std::string path = (platform::machine::root() / "Unterlage-ä.emf").string();

    void SetUp() override
    {
        Underlays::SetUp();
        chart->put_XGridLineMode(grid_UseCustom);
        chart->put_YGridLineMode(grid_UseCustom);
        for (const double x : {2.0, 5.0, 8.0}) chart->AddXGridLine(x, "", VARIANT_TRUE, VARIANT_FALSE);
        for (const double y : {2.0, 8.0}) chart->AddYGridLine(y, "", VARIANT_TRUE, VARIANT_FALSE);
        chart->put_MetaFilename(path);
    }
};

TEST_F(MetafileUnderlay, FillsExactlyTheGridLineSpanUnderOrOverTheGrid)
{
    recordMetafile(path, 0xFF0000);
    QImage image = render();
    EXPECT_EQ(image.pixel(197, 157), kBlueRgb);
    EXPECT_EQ(image.pixel(495, 335), kBlueRgb);
    EXPECT_EQ(image.pixel(300, 200), kBlueRgb);
    for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{{195, 200}, {300, 155}, {497, 200}, {300, 337}, {120, 120}})
        EXPECT_EQ(image.pixel(x, y), kWhite) << "clipped to the span, at " << x << ", " << y;
    EXPECT_EQ(image.pixel(346, 200), kGridRgb) << "the grid lies over the underlay";

    chart->put_DrawMetafileOverGrid(VARIANT_TRUE);
    image = render();
    EXPECT_EQ(image.pixel(346, 200), kBlueRgb) << "the underlay lies over the grid";

    chart->put_DrawMetafileOverGrid(1);
    image = render();
    EXPECT_EQ(image.pixel(300, 200), kWhite) << "neither false nor true: no underlay";
}

TEST_F(MetafileUnderlay, MissingOrDamagedFilesDrawNothingAndARewrittenFileShowsAtTheNextPaint)
{
    EXPECT_EQ(render().pixel(300, 200), kWhite) << "missing";
    std::ofstream(path, std::ios::binary) << "BRISEMF damaged";
    EXPECT_EQ(render().pixel(300, 200), kWhite) << "damaged";

    recordMetafile(path, 0xFF0000);
    EXPECT_EQ(render().pixel(300, 200), kBlueRgb);
    recordMetafile(path, 0x0000FF);
    EXPECT_EQ(render().pixel(300, 200), kRedRgb) << "the same name, a new picture";
}

// Speech charts: both axes from -10 to 120, so that one unit is 500 / 130
// pixels across and 300 / 130 pixels down.
struct SpeechTemplate : Underlays {
    void SetUp() override
    {
        Underlays::SetUp();
        chart->put_XMin(-10);
        chart->put_XMax(120);
        chart->put_YMin(-10);
        chart->put_YMax(120);
    }
};

TEST_F(SpeechTemplate, TemplateAHasItsMarkerScaleAndGreyBand)
{
    chart->put_Underlay(AudioSpeechTemplateA);
    const QImage image = render();
    // The marker at x50 = 18.5 (pixel 205) from y = -10 to 110.
    EXPECT_EQ(image.pixel(205, 107), kBlack);
    EXPECT_EQ(image.pixel(206, 107), kWhite);
    EXPECT_EQ(image.pixel(205, 374), kWhite) << "the marker ends at y = 110";
    // The scale's line along y = 50 (pixel 234) from x = -5 to XMax.
    EXPECT_EQ(image.pixel(120, 234), kBlack);
    EXPECT_EQ(image.pixel(590, 234), kBlack);
    EXPECT_EQ(image.pixel(110, 234), kWhite);
    // Ticks every ten units from x50 (60 at 78.5, pixel 436; 90 at 108.5,
    // pixel 551), none at 118.5 (beyond XMax - 3).
    for (const int x : {436, 551}) EXPECT_EQ(image.pixel(x, 237), kBlack) << "tick at " << x;
    EXPECT_EQ(image.pixel(440, 237), kWhite);
    EXPECT_EQ(image.pixel(590, 237), kWhite);
    // Labels below the line; 0 stands one unit right of its tick.
    EXPECT_TRUE(hasInk(image, 426, 244, 446, 262)) << "label 60";
    EXPECT_TRUE(hasInk(image, 210, 244, 215, 262)) << "label 0, centred on pixel 209";
    EXPECT_FALSE(hasInk(image, 570, 244, 592, 262)) << "no label at 118.5";
    // The second curve, at (25, 70) = pixel (230, 280), over a light grey band.
    EXPECT_TRUE(hasInk(image, 229, 280, 231, 280));
    EXPECT_EQ(image.pixel(236, 280), kBandRgb);
    EXPECT_EQ(image.pixel(224, 280), kBandRgb);
}

TEST_F(SpeechTemplate, TemplateCAddsADottedCopyStretchedInPixels)
{
    // Its point (9.34375, 81.55) lies at pixel (170, 307); the copy at x 170 * 1.25.
    chart->put_Underlay(AudioSpeechTemplateC);
    const QImage image = render();
    EXPECT_TRUE(hasInk(image, 169, 305, 171, 309));
    EXPECT_TRUE(hasInk(image, 208, 303, 216, 311));
    chart->put_Underlay(Underlay_None);
    EXPECT_FALSE(hasInk(render(), 208, 303, 216, 311));
}

TEST_F(SpeechTemplate, AScaleEndingBeforeX50HasNoTicksOrLabels)
{
    chart->put_XMax(20);  // template D's x50 is 35
    chart->put_Underlay(AudioSpeechTemplateD);
    const QImage image = render();
    EXPECT_EQ(image.pixel(300, 234), kBlack) << "the line along y = 50";
    EXPECT_FALSE(hasInk(image, 100, 236, 590, 262));

    for (const double xMax : {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        chart->put_XMax(xMax);
        EXPECT_FALSE(render().isNull()) << "a scale without end still ends, XMax " << xMax;
    }
}

TEST_F(SpeechTemplate, OtherUnderlayValuesDrawNothing)
{
    const QImage none = render();
    for (const auto underlay : {Underlay_None, static_cast<TAudiologicalUnderlays>(5), static_cast<TAudiologicalUnderlays>(-1)}) {
        chart->put_Underlay(underlay);
        EXPECT_EQ(render(), none) << underlay;
    }
    chart->put_Underlay(AudioSpeechTemplateD);
    EXPECT_NE(render(), none);
}

}  // namespace
}  // namespace lumenplot
