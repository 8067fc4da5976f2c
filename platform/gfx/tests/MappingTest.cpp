#include "platform/gfx/Text.h"
#include "platform/gfx/tests/Canvas.h"

#include <gtest/gtest.h>

namespace platform::gfx {
namespace {

using testing::Canvas;

struct MappingCase {
    int mode;
    Point logical;
    Point device;  // at 96 dots per inch
};

TEST(Mapping, FixedModesMapPhysicalLengthsWithYUp)
{
    ASSERT_EQ(getDeviceCaps(Canvas(1, 1).dc, LOGPIXELSX), 96);
    const MappingCase cases[] = {
        {MM_TEXT, {10, 20}, {10, 20}},
        {MM_LOMETRIC, {254, -254}, {96, 96}},    // 25.4 mm = one inch
        {MM_LOMETRIC, {100, -100}, {38, 38}},    // 10 mm, rounded
        {MM_HIMETRIC, {2540, -5080}, {96, 192}},
        {MM_LOENGLISH, {100, -50}, {96, 48}},
        {MM_HIENGLISH, {1000, -1000}, {96, 96}},
        {MM_TWIPS, {1440, -720}, {96, 48}},
    };
    for (const MappingCase& c : cases) {
        Canvas canvas(10, 10);
        setMapMode(canvas.dc, c.mode);
        Point point = c.logical;
        ASSERT_TRUE(lpToDp(canvas.dc, &point, 1));
        EXPECT_EQ(point, c.device) << "mode " << c.mode;
        ASSERT_TRUE(dpToLp(canvas.dc, &point, 1));
        EXPECT_NEAR(point.x, c.logical.x, 2) << "mode " << c.mode;
        EXPECT_NEAR(point.y, c.logical.y, 2) << "mode " << c.mode;
    }
}

TEST(Mapping, AnisotropicExtentsAndOriginsScale)
{
    Canvas canvas(10, 10);
    setMapMode(canvas.dc, MM_ANISOTROPIC);
    setWindowExt(canvas.dc, 100, 100);
    setViewportExt(canvas.dc, 200, -50);
    setViewportOrg(canvas.dc, 10, 60);
    Point point{50, 40};
    lpToDp(canvas.dc, &point, 1);
    EXPECT_EQ(point, (Point{110, 40}));
    EXPECT_EQ(setMapMode(canvas.dc, MM_TEXT), MM_ANISOTROPIC);
    EXPECT_FALSE(setWindowExt(canvas.dc, 5, 5));  // fixed modes keep their extents
}

TEST(Mapping, RestoreBringsBackModeObjectsAndColours)
{
    Canvas canvas(10, 10);
    const ObjectHandle pen = createPen(PS_SOLID, 1, testing::kRed);
    const int depth = saveDc(canvas.dc);
    EXPECT_EQ(depth, 1);
    setMapMode(canvas.dc, MM_LOMETRIC);
    selectObject(canvas.dc, pen);
    setTextColor(canvas.dc, testing::kRed);
    intersectClipRect(canvas.dc, 0, 0, 10, -10);
    ASSERT_TRUE(restoreDc(canvas.dc, -1));
    EXPECT_EQ(getMapMode(canvas.dc), MM_TEXT);
    EXPECT_EQ(getCurrentObject(canvas.dc, OBJ_PEN), getStockObject(BLACK_PEN));
    EXPECT_EQ(getTextColor(canvas.dc), testing::kBlack);
    EXPECT_TRUE(deleteObject(pen));  // no longer selected
    EXPECT_FALSE(restoreDc(canvas.dc, -1));  // nothing left to restore
}

TEST(Mapping, ClipKeepsDrawingInsideTheRectangle)
{
    Canvas canvas(20, 20);
    intersectClipRect(canvas.dc, 5, 5, 10, 10);
    fillRect(canvas.dc, Rect{0, 0, 20, 20}, getStockObject(BLACK_BRUSH));
    EXPECT_EQ(canvas.ink(), QRect(5, 5, 5, 5));
    removeClip(canvas.dc);
    fillRect(canvas.dc, Rect{0, 0, 20, 20}, getStockObject(BLACK_BRUSH));
    EXPECT_EQ(canvas.ink(), QRect(0, 0, 20, 20));
}

TEST(Mapping, TextInMetricModeStandsBelowItsPointAndReadsUpright)
{
    Canvas canvas(200, 100);
    setMapMode(canvas.dc, MM_LOMETRIC);
    const ObjectHandle font = createFont({.face = "Arial", .height = 50});  // 5 mm cell
    selectObject(canvas.dc, font);
    setBkMode(canvas.dc, TRANSPARENT);
    textOut(canvas.dc, 100, -100, "Hg");
    const QRect ink = canvas.ink();
    ASSERT_FALSE(ink.isEmpty());
    // (100, -100) is 10 mm from the top-left corner: device (38, 38); the cell
    // is 5 mm (19 pixels) high and the text runs right and down from there.
    EXPECT_GE(ink.left(), 38);
    EXPECT_LE(ink.left(), 41);
    EXPECT_GE(ink.top(), 38);
    EXPECT_LE(ink.bottom(), 38 + 19);
    // Upright: the descender of "g" is the lowest ink, on the right half.
    const QImage image = canvas.image();
    bool lowestInkOnRight = false;
    for (int x = ink.center().x(); x <= ink.right(); ++x)
        lowestInkOnRight |= qGray(image.pixel(x, ink.bottom())) < 128;
    EXPECT_TRUE(lowestInkOnRight);
    deleteObject(font);
}

}  // namespace
}  // namespace platform::gfx
