#include "DrawSymbol.h"

#include "GdiScope.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/ImageList.h"

#include <limits>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

constexpr double kPrintedSymbolInches = 0.25;

// A bitmap selected into a memory context compatible with the canvas.
class SymbolBitmap {
public:
    SymbolBitmap(gfx::DcHandle compatible, int width, int height)
        : m_memory(compatible), m_bitmap(m_memory.get(), gfx::createCompatibleBitmap(compatible, width, height)),
          m_width(width), m_height(height)
    {
    }
    gfx::DcHandle dc() const { return m_memory.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    explicit operator bool() const { return static_cast<bool>(m_bitmap); }

private:
    MemoryContext m_memory;
    SelectedObject m_bitmap;
    int m_width;
    int m_height;
};

// Every black pixel of the symbol becomes the line colour: a mask of the
// black pixels lets the colour's brush through onto the symbol.
void ReplaceColour(const SymbolBitmap& symbol, gfx::ColorRef colour)
{
    const MemoryContext maskDc(symbol.dc());
    const SelectedObject mask(maskDc.get(), gfx::createBitmap(symbol.width(), symbol.height(), 1));
    const gfx::ColorRef previousBackground = gfx::setBkColor(symbol.dc(), kBlack);
    gfx::bitBlt(maskDc.get(), 0, 0, symbol.width(), symbol.height(), symbol.dc(), 0, 0, gfx::SRCCOPY);
    gfx::setBkColor(symbol.dc(), previousBackground);
    const SelectedObject brush(symbol.dc(), gfx::createSolidBrush(colour));
    gfx::bitBlt(symbol.dc(), 0, 0, symbol.width(), symbol.height(), maskDc.get(), 0, 0, gfx::ROP_PATTERN_THROUGH_MASK);
}

// A quarter inch square on a printer; otherwise 24 pixels at 96 dots per inch.
gfx::Size symbolSize(const Canvas& canvas)
{
    if (canvas.printing)
        return {toPixel(canvas.printing->dpiX * kPrintedSymbolInches), toPixel(canvas.printing->dpiY * kPrintedSymbolInches)};
    if (canvas.scale.scaled)
        return {toPixel(kSymbolSize * static_cast<double>(canvas.scale.x)), toPixel(kSymbolSize * static_cast<double>(canvas.scale.y))};
    return {kSymbolSize, kSymbolSize};
}

}  // namespace

void DrawSymbol(const Canvas& canvas, const gfx::ImageList* imageList, int x, int y, gfx::ColorRef lineColour,
                std::int32_t symbolId)
{
    if (!imageList || symbolId < 0 || symbolId >= std::numeric_limits<std::int32_t>::max()) return;
    const SymbolBitmap image(canvas.dc, kSymbolSize, kSymbolSize);
    if (!image) return;
    // What an image leaves uncovered stays white, and so transparent.
    gfx::fillRect(image.dc(), {0, 0, kSymbolSize, kSymbolSize}, gfx::getStockObject(gfx::WHITE_BRUSH));
    if (!imageList->draw(symbolId + 1, image.dc(), 0, 0, gfx::ILD_NORMAL)) return;

    // Symbols are placed in device pixels, whatever the canvas's mapping.
    gfx::Point centre{x, y};
    gfx::lpToDp(canvas.dc, &centre, 1);
    const SavedState state(canvas.dc);
    gfx::setMapMode(canvas.dc, gfx::MM_TEXT);

    const auto [width, height] = symbolSize(canvas);
    const auto draw = [&](const SymbolBitmap& symbol) {
        ReplaceColour(symbol, lineColour);
        gfx::transparentBlt(canvas.dc, centre.x - symbol.width() / 2, centre.y - symbol.height() / 2, symbol.width(),
                            symbol.height(), symbol.dc(), 0, 0, symbol.width(), symbol.height(), kWhite);
    };
    if (width == kSymbolSize && height == kSymbolSize) {
        draw(image);
        return;
    }
    // StretchSymbol: the image at the device's size.
    const SymbolBitmap stretched(canvas.dc, width, height);
    if (!stretched) return;
    gfx::stretchBlt(stretched.dc(), 0, 0, width, height, image.dc(), 0, 0, kSymbolSize, kSymbolSize, gfx::SRCCOPY);
    draw(stretched);
}

}  // namespace lumenplot
