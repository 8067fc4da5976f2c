#include "platform/gfx/Quillprint.h"
#include "platform/gfx/tests/Canvas.h"

#include "platform/machine/MachineRoot.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

namespace platform::gfx {
namespace {

using testing::Canvas;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::kWhite;

struct RopCase {
    std::uint32_t rop;
    ColorRef destination, source, brush, expected;
};

TEST(RasterOps, CombinePatternSourceAndDestinationBitwise)
{
    const RopCase cases[] = {
        {SRCCOPY, 0x112233, 0x445566, 0, 0x445566},
        {SRCAND, 0x0F0F0F, 0x00FF33, 0, 0x000F03},
        {SRCPAINT, 0x0F0000, 0x00F000, 0, 0x0FF000},
        {SRCINVERT, 0xFF00FF, 0x0F0F0F, 0, 0xF00FF0},
        {NOTSRCCOPY, 0, 0x00FF00, 0, 0xFF00FF},
        {BLACKNESS, 0x123456, 0, 0, 0},
        {WHITENESS, 0x123456, 0, 0, 0xFFFFFF},
        {PATCOPY, 0x123456, 0, 0x0000FF, 0x0000FF},
        {ROP_PATTERN_THROUGH_MASK, 0x123456, 0xFFFFFF, 0x0000FF, 0x0000FF},
        {ROP_PATTERN_THROUGH_MASK, 0x123456, 0x000000, 0x0000FF, 0x123456},
    };
    for (const RopCase& c : cases) {
        Canvas destination(1, 1), source(1, 1);
        setPixel(destination.dc, 0, 0, c.destination);
        setPixel(source.dc, 0, 0, c.source);
        const ObjectHandle brush = createSolidBrush(c.brush);
        selectObject(destination.dc, brush);
        ASSERT_TRUE(bitBlt(destination.dc, 0, 0, 1, 1, source.dc, 0, 0, c.rop)) << std::hex << c.rop;
        EXPECT_EQ(destination.at(0, 0), c.expected) << std::hex << c.rop;
        selectObject(destination.dc, getStockObject(WHITE_BRUSH));
        deleteObject(brush);
    }
}

// A 24 x 24 symbol: a black ring on white.
void drawSymbol(Canvas& symbol)
{
    selectObject(symbol.dc, getStockObject(NULL_BRUSH));
    ellipse(symbol.dc, 4, 4, 20, 20);
    selectObject(symbol.dc, getStockObject(WHITE_BRUSH));
}

TEST(RasterOps, SymbolRecolouringTurnsBlackIntoTheLineColour)
{
    Canvas symbol(24, 24);
    drawSymbol(symbol);
    ASSERT_EQ(symbol.at(12, 4), kBlack);

    // The mask: 1 where the symbol is black (the source's background colour).
    const DcHandle maskDc = createCompatibleDc(symbol.dc);
    const ObjectHandle mask = createBitmap(24, 24, 1);
    const ObjectHandle previous = selectObject(maskDc, mask);
    setBkColor(symbol.dc, kBlack);
    bitBlt(maskDc, 0, 0, 24, 24, symbol.dc, 0, 0, SRCCOPY);

    const ObjectHandle lineColour = createSolidBrush(kRed);
    selectObject(symbol.dc, lineColour);
    setBkColor(symbol.dc, kWhite);
    setTextColor(symbol.dc, kBlack);
    ASSERT_TRUE(bitBlt(symbol.dc, 0, 0, 24, 24, maskDc, 0, 0, ROP_PATTERN_THROUGH_MASK));
    EXPECT_EQ(symbol.at(12, 4), kRed);
    EXPECT_EQ(symbol.at(12, 12), kWhite);
    EXPECT_EQ(symbol.at(0, 0), kWhite);

    BitmapInfo info;
    ASSERT_TRUE(getBitmapInfo(mask, &info));
    EXPECT_EQ(info.bitsPerPixel, 1);
    selectObject(symbol.dc, getStockObject(WHITE_BRUSH));
    deleteObject(lineColour);
    selectObject(maskDc, previous);
    deleteDc(maskDc);
    deleteObject(mask);
}

TEST(RasterOps, MaskChainDrawsTheSymbolWithWhiteLeftOut)
{
    Canvas symbol(24, 24);
    const ObjectHandle red = createPen(PS_SOLID, 1, kRed);
    selectObject(symbol.dc, red);
    drawSymbol(symbol);
    selectObject(symbol.dc, getStockObject(BLACK_PEN));
    Canvas target(24, 24);
    fillRect(target.dc, Rect{0, 0, 24, 24}, getStockObject(GRAY_BRUSH));

    const DcHandle maskDc = createCompatibleDc(symbol.dc);
    const ObjectHandle mask = createBitmap(24, 24, 1);
    const ObjectHandle previous = selectObject(maskDc, mask);
    bitBlt(maskDc, 0, 0, 24, 24, symbol.dc, 0, 0, SRCCOPY);  // 1 where the symbol is white
    bitBlt(target.dc, 0, 0, 24, 24, maskDc, 0, 0, SRCAND);  // black under the symbol
    bitBlt(symbol.dc, 0, 0, 24, 24, maskDc, 0, 0, 0x00220326);  // the symbol's white turned black
    bitBlt(target.dc, 0, 0, 24, 24, symbol.dc, 0, 0, SRCPAINT);  // merged
    EXPECT_EQ(target.at(12, 4), kRed);
    EXPECT_EQ(target.at(12, 12), rgb(128, 128, 128));
    EXPECT_EQ(target.at(0, 0), rgb(128, 128, 128));

    selectObject(maskDc, previous);
    deleteDc(maskDc);
    deleteObject(mask);
    deleteObject(red);
}

TEST(RasterOps, TransparentCopyLeavesOutTheKeyColour)
{
    Canvas symbol(24, 24);
    drawSymbol(symbol);
    Canvas target(40, 40);
    fillRect(target.dc, Rect{0, 0, 40, 40}, getStockObject(GRAY_BRUSH));
    ASSERT_TRUE(transparentBlt(target.dc, 8, 8, 24, 24, symbol.dc, 0, 0, 24, 24, kWhite));
    EXPECT_EQ(target.at(8 + 12, 8 + 4), kBlack);
    EXPECT_EQ(target.at(8 + 12, 8 + 12), rgb(128, 128, 128));  // white left out
}

TEST(Bitmaps, StretchScalesAndMonochromeSourcesTakeTheTargetColours)
{
    Canvas source(2, 2);
    setPixel(source.dc, 0, 0, kBlack);
    Canvas target(4, 4);
    ASSERT_TRUE(stretchBlt(target.dc, 0, 0, 4, 4, source.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(target.at(1, 1), kBlack);
    EXPECT_EQ(target.at(2, 1), kWhite);

    const DcHandle monoDc = createCompatibleDc(0);  // holds a black 1 x 1 monochrome bitmap
    setTextColor(target.dc, kRed);
    bitBlt(target.dc, 3, 3, 1, 1, monoDc, 0, 0, SRCCOPY);
    EXPECT_EQ(target.at(3, 3), kRed);
    deleteDc(monoDc);
}

TEST(Bitmaps, RefusedRequestsFailWithoutDrawing)
{
    EXPECT_EQ(createDibSection(16, 16, 8), 0);
    EXPECT_EQ(createDibSection(1 << 20, 1 << 20, 24), 0);  // too large to allocate
    EXPECT_EQ(createBitmap(0, 5, 24), 0);
    Canvas target(4, 4);
    EXPECT_FALSE(bitBlt(target.dc, 0, 0, 4, 4, 0, 0, 0, SRCCOPY));  // no source
    EXPECT_FALSE(bitBlt(target.dc, 0, 0, 4, 4, 12345, 0, 0, SRCCOPY));
    EXPECT_EQ(target.ink(), QRect());
    const ObjectHandle bitmap = createBitmap(4, 4, 24);
    const DcHandle other = createCompatibleDc(0);
    EXPECT_EQ(selectObject(other, target.bitmap), 0);  // drawn on by another context
    deleteDc(other);
    deleteObject(bitmap);
}

// A source whose every pixel has its own colour, so that a copied pixel shows
// where it came from.
constexpr int kSourceSize = 6;

ColorRef sourceColour(int x, int y)
{
    return rgb(40 * x, 40 * y, 200);
}

void paintSource(Canvas& source)
{
    for (int y = 0; y < kSourceSize; ++y)
        for (int x = 0; x < kSourceSize; ++x)
            setPixel(source.dc, x, y, sourceColour(x, y));
}

// What a 10 x 10 white target shows after a copy from (sourceX, sourceY) of
// the source into the block, inside the clip: the source's pixels, black
// where the copy reaches beyond the source, white elsewhere.
QImage expectedCopy(const Rect& block, int sourceX, int sourceY, const QRegion& clip)
{
    QImage expected(10, 10, QImage::Format_RGB32);
    expected.fill(Qt::white);
    for (int y = block.top; y < block.bottom; ++y)
        for (int x = block.left; x < block.right; ++x) {
            if (!clip.contains(QPoint(x, y)))
                continue;
            const int fromX = sourceX + x - block.left;
            const int fromY = sourceY + y - block.top;
            const bool inside = fromX >= 0 && fromY >= 0 && fromX < kSourceSize && fromY < kSourceSize;
            const ColorRef colour = inside ? sourceColour(fromX, fromY) : kBlack;
            expected.setPixel(x, y, qRgb(redOf(colour), greenOf(colour), blueOf(colour)));
        }
    return expected;
}

struct BlockCase {
    const char* what;
    Rect block;  // in the target
    int sourceX, sourceY;
    Rect clip;  // the target context's clip
};

TEST(BlockCopies, LandWhereTheyAreSentOnMemoryAndPaintedTargetsAlike)
{
    const BlockCase cases[] = {
        {"a block from inside the source", {4, 5, 7, 7}, 1, 2, {0, 0, 10, 10}},
        {"a block reaching beyond the source", {0, 0, 4, 4}, 4, 4, {0, 0, 10, 10}},
        {"a block partly clipped", {2, 2, 8, 8}, 0, 0, {3, 1, 10, 10}},
    };
    // A widget's paint clips its painter to the exposed region: here all but a band.
    const QRegion exposed = QRegion(0, 0, 10, 10) - QRegion(5, 0, 2, 10);
    Canvas source(kSourceSize, kSourceSize);
    paintSource(source);
    for (const BlockCase& c : cases) {
        const Rect& b = c.block;
        const QRegion clip(c.clip.left, c.clip.top, c.clip.width(), c.clip.height());
        Canvas memory(10, 10);
        intersectClipRect(memory.dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
        ASSERT_TRUE(bitBlt(memory.dc, b.left, b.top, b.width(), b.height(), source.dc, c.sourceX, c.sourceY, SRCCOPY));
        EXPECT_EQ(memory.image(), expectedCopy(b, c.sourceX, c.sourceY, clip)) << c.what << " on a memory bitmap";

        QImage window(10, 10, QImage::Format_ARGB32_Premultiplied);
        window.fill(Qt::white);
        {
            QPainter painter(&window);
            painter.setClipRegion(exposed);
            const DcHandle dc = createPainterDc(painter);
            intersectClipRect(dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
            ASSERT_TRUE(bitBlt(dc, b.left, b.top, b.width(), b.height(), source.dc, c.sourceX, c.sourceY, SRCCOPY));
            deleteDc(dc);
        }
        EXPECT_EQ(window.convertToFormat(QImage::Format_RGB32), expectedCopy(b, c.sourceX, c.sourceY, clip & exposed))
            << c.what << " through a widget's painter";
    }
}

TEST(BlockCopies, WithinOneBitmapReadTheSourceAsItWasBeforeTheCopy)
{
    Canvas canvas(kSourceSize, kSourceSize);
    paintSource(canvas);
    ASSERT_TRUE(bitBlt(canvas.dc, 1, 0, 4, 1, canvas.dc, 0, 0, SRCCOPY));
    for (int x = 1; x <= 4; ++x)
        EXPECT_EQ(canvas.at(x, 0), sourceColour(x - 1, 0)) << "column " << x;
}

TEST(RasterOps, TransparentCopyOfABlockKeepsToTheClip)
{
    Canvas symbol(24, 24);
    drawSymbol(symbol);
    Canvas target(40, 40);
    fillRect(target.dc, Rect{0, 0, 40, 40}, getStockObject(GRAY_BRUSH));
    intersectClipRect(target.dc, 0, 0, 40, 14);
    // The symbol's lower half, from its row 12, at (8, 8).
    ASSERT_TRUE(transparentBlt(target.dc, 8, 8, 24, 12, symbol.dc, 0, 12, 24, 12, kWhite));
    EXPECT_EQ(target.at(8 + 4, 8 + 0), kBlack) << "the ring's left edge, at the symbol's row 12";
    EXPECT_EQ(target.at(8 + 12, 8 + 0), rgb(128, 128, 128)) << "white left out";
    EXPECT_EQ(target.at(8 + 12, 8 + 6), rgb(128, 128, 128)) << "the ring's bottom (row 18) lies beyond the clip";
}

TEST(Quillprint, SymbolIsCopiedStretchedOntoAMetricPageAndStored)
{
    Canvas picture(24, 24);
    fillRect(picture.dc, Rect{0, 0, 16, 16}, getStockObject(BLACK_BRUSH));

    const DcHandle sectionDc = createCompatibleDc(0);
    const ObjectHandle section = DSCreateDIBSection(16, 16, 24);
    ASSERT_NE(section, 0);
    const ObjectHandle previous = selectObject(sectionDc, section);
    bitBlt(sectionDc, 0, 0, 24, 24, picture.dc, 0, 0, SRCCOPY);  // keeps the top-left 16 x 16
    selectObject(sectionDc, previous);
    deleteDc(sectionDc);

    Canvas page(100, 100);
    setMapMode(page.dc, MM_LOMETRIC);
    // 0.5 cm square at (1 cm, 1 cm): device 38..57.
    ASSERT_TRUE(DSDrawDIBSectionOnDC(page.dc, section, Rect{100, -100, 150, -150}));
    EXPECT_EQ(page.ink(), QRect(QPoint(38, 38), QPoint(56, 56)));

    const std::string path = (machine::root() / "Symbol.bmp").string();
    ASSERT_TRUE(DSStoreDIBSectionInBMPFile(path, section));
    const QImage stored(QString::fromStdString(path));
    EXPECT_EQ(stored.size(), QSize(16, 16));
    EXPECT_EQ(stored.depth() == 24 || stored.depth() == 32, true);
    EXPECT_EQ(qGray(stored.pixel(15, 15)), 0);
    EXPECT_TRUE(deleteObject(section));
}

}  // namespace
}  // namespace platform::gfx
