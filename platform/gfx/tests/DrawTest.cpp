#include "platform/gfx/Colour.h"
#include "platform/gfx/tests/Canvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace platform::gfx {
namespace {

using testing::Canvas;
using testing::kBlack;
using testing::kRed;
using testing::kWhite;

// The run of pixels along row 5 from x = 0, as "#" (pen colour) and "." (white).
std::string row(const Canvas& canvas, int length)
{
    std::string pixels;
    for (int x = 0; x < length; ++x)
        pixels += canvas.at(x, 5) == kWhite ? '.' : '#';
    return pixels;
}

struct PenCase {
    std::uint32_t style;
    int width;
    std::string expected;  // the first pixels of a horizontal line from x = 0
};

TEST(Pens, CosmeticStylesDrawTheirPatterns)
{
    const PenCase cases[] = {
        {PS_SOLID, 1, "########################"},
        {PS_DASH, 1, "##################......"},
        {PS_DOT, 1, "###...###...###...###..."},
        {PS_DASHDOT, 1, "#########......###......"},
        {PS_DASHDOTDOT, 1, "#########...###...###..."},
        {PS_NULL, 1, "........................"},
        {PS_DASH, 3, "########################"},  // wide pens draw solid
    };
    for (const PenCase& c : cases) {
        Canvas canvas(40, 11);
        setBkMode(canvas.dc, TRANSPARENT);
        const ObjectHandle pen = createPen(c.style, c.width, kBlack);
        const ObjectHandle old = selectObject(canvas.dc, pen);
        moveToEx(canvas.dc, 0, 5);
        lineTo(canvas.dc, 39, 5);
        selectObject(canvas.dc, old);
        EXPECT_TRUE(deleteObject(pen));
        EXPECT_EQ(row(canvas, 24), c.expected) << "style " << c.style << " width " << c.width;
    }
}

TEST(Pens, LineLeavesOutItsLastPixelAndOpaqueGapsTakeTheBackground)
{
    Canvas canvas(40, 11);
    setBkColor(canvas.dc, kRed);  // opaque by default
    const ObjectHandle pen = createPen(PS_DOT, 1, kBlack);
    selectObject(canvas.dc, pen);
    moveToEx(canvas.dc, 0, 5);
    lineTo(canvas.dc, 12, 5);
    EXPECT_EQ(canvas.at(0, 5), kBlack);
    EXPECT_EQ(canvas.at(4, 5), kRed);
    EXPECT_EQ(canvas.at(12, 5), kWhite);
    Point position;
    getCurrentPosition(canvas.dc, &position);
    EXPECT_EQ(position, (Point{12, 5}));
    selectObject(canvas.dc, getStockObject(BLACK_PEN));
    deleteObject(pen);
}

TEST(Pens, GeometricPenHasFlatEndsAndItsWidth)
{
    Canvas canvas(60, 60);
    const ObjectHandle pen = extCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 20, kRed);
    ASSERT_NE(pen, 0);
    selectObject(canvas.dc, pen);
    moveToEx(canvas.dc, 20, 30);
    lineTo(canvas.dc, 40, 30);
    EXPECT_EQ(canvas.at(30, 21), kRed);
    EXPECT_EQ(canvas.at(30, 39), kRed);
    EXPECT_EQ(canvas.at(30, 42), kWhite);
    EXPECT_EQ(canvas.at(17, 30), kWhite);  // flat: nothing beyond the ends
    EXPECT_EQ(extCreatePen(PS_DASH, 1, kRed), 0);
    selectObject(canvas.dc, getStockObject(BLACK_PEN));
    deleteObject(pen);
}

TEST(Shapes, RectangleOutlinesInsideItsEdgesAndFillsWithTheBrush)
{
    Canvas canvas(30, 30);
    const ObjectHandle brush = createSolidBrush(kRed);
    selectObject(canvas.dc, brush);
    rectangle(canvas.dc, 5, 5, 15, 15);
    EXPECT_EQ(canvas.at(5, 5), kBlack);
    EXPECT_EQ(canvas.at(14, 14), kBlack);
    EXPECT_EQ(canvas.at(15, 15), kWhite);
    EXPECT_EQ(canvas.at(10, 10), kRed);
    EXPECT_FALSE(deleteObject(brush));  // still selected
    selectObject(canvas.dc, getStockObject(WHITE_BRUSH));
    EXPECT_TRUE(deleteObject(brush));
}

TEST(Shapes, PolygonOutlinesAndFillsTheClosedShape)
{
    Canvas canvas(40, 40);
    const ObjectHandle brush = createSolidBrush(kRed);
    selectObject(canvas.dc, brush);
    const Point triangle[] = {{5, 5}, {35, 5}, {5, 35}};
    EXPECT_TRUE(polygon(canvas.dc, triangle, 3));
    EXPECT_EQ(canvas.at(5, 20), kBlack);   // outline
    EXPECT_EQ(canvas.at(20, 5), kBlack);
    EXPECT_EQ(canvas.at(10, 10), kRed);    // inside
    EXPECT_EQ(canvas.at(30, 30), kWhite);  // beyond the closing edge
    EXPECT_FALSE(polygon(canvas.dc, triangle, 1));
    selectObject(canvas.dc, getStockObject(WHITE_BRUSH));
    deleteObject(brush);
}

TEST(Shapes, HatchBrushLeavesGapsOrFillsThemWithTheBackground)
{
    for (int mode : {TRANSPARENT, OPAQUE}) {
        Canvas canvas(40, 40);
        setBkMode(canvas.dc, mode);
        setBkColor(canvas.dc, kRed);
        const ObjectHandle hatch = createHatchBrush(HS_DIAGCROSS, kBlack);
        fillRect(canvas.dc, Rect{0, 0, 40, 40}, hatch);
        const ColorRef gapColour = mode == OPAQUE ? kRed : kWhite;
        int black = 0, gap = 0, other = 0;
        for (int x = 8; x < 24; ++x)
            for (int y = 8; y < 24; ++y) {
                const ColorRef pixel = canvas.at(x, y);
                ++(pixel == kBlack ? black : pixel == gapColour ? gap : other);
            }
        EXPECT_GT(black, 16) << "mode " << mode;
        EXPECT_GT(gap, 64) << "mode " << mode;
        EXPECT_EQ(other, 0) << "mode " << mode;
        deleteObject(hatch);
    }
}

struct EdgeCase {
    unsigned edge;
    ColorRef outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

TEST(Edges, EachKindHasItsColoursAndAdjustsInsideItsBorders)
{
    const ColorRef light = sysColor(COLOR_3DLIGHT), dark = sysColor(COLOR_3DDKSHADOW);
    const ColorRef shadow = sysColor(COLOR_BTNSHADOW), highlight = sysColor(COLOR_BTNHIGHLIGHT);
    const EdgeCase cases[] = {
        {EDGE_RAISED, light, dark, highlight, shadow},
        {EDGE_SUNKEN, shadow, highlight, dark, light},
        {EDGE_ETCHED, shadow, highlight, highlight, shadow},
    };
    for (const EdgeCase& c : cases) {
        Canvas canvas(20, 20);
        Rect rect{2, 2, 18, 18};
        ASSERT_TRUE(drawEdge(canvas.dc, &rect, c.edge, BF_RECT | BF_ADJUST));
        EXPECT_EQ(canvas.at(2, 10), c.outerTopLeft) << c.edge;
        EXPECT_EQ(canvas.at(10, 17), c.outerBottomRight) << c.edge;
        EXPECT_EQ(canvas.at(3, 10), c.innerTopLeft) << c.edge;
        EXPECT_EQ(canvas.at(16, 10), c.innerBottomRight) << c.edge;
        EXPECT_EQ(canvas.at(10, 10), kWhite) << c.edge;
        EXPECT_EQ(rect, (Rect{4, 4, 16, 16})) << c.edge;
    }
}

TEST(Edges, OnlyTheNamedSidesAreDrawn)
{
    Canvas canvas(20, 20);
    Rect rect{0, 0, 20, 20};
    drawEdge(canvas.dc, &rect, EDGE_ETCHED, BF_BOTTOM);
    EXPECT_EQ(canvas.at(10, 0), kWhite);
    EXPECT_EQ(canvas.at(0, 10), kWhite);
    EXPECT_EQ(canvas.at(10, 18), sysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(rect, (Rect{0, 0, 20, 20}));  // no BF_ADJUST
}

TEST(PainterContext, DrawsThroughTheCallersPainterAndLeavesItActive)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(10, 0);  // the caller's own placement stays in force
    const DcHandle dc = createPainterDc(painter);
    EXPECT_EQ(getDeviceCaps(dc, TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(getDeviceCaps(dc, HORZRES), 40);
    EXPECT_GT(getDeviceCaps(dc, LOGPIXELSX), 0);
    const ObjectHandle red = createSolidBrush(kRed);
    EXPECT_TRUE(fillRect(dc, Rect{0, 0, 5, 5}, red));
    EXPECT_FALSE(bitBlt(dc, 0, 0, 5, 5, 0, 0, 0, DSTINVERT));  // painted devices take plain copies only
    deleteDc(dc);
    deleteObject(red);
    EXPECT_TRUE(painter.isActive());
    painter.end();
    EXPECT_EQ(QColor(image.pixel(12, 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(Qt::white));
}

}  // namespace
}  // namespace platform::gfx
