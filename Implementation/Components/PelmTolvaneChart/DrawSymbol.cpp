#include "DrawSymbol.h"

#include "GdiScope.h"
#include "SymbolCache.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/ImageList.h"

#include <limits>
#include <memory>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

constexpr double kPrintedSymbolInches = 0.25;

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

// Image index of the list in the line colour at the size, white where the
// image leaves it uncovered; null when it cannot be made.
std::unique_ptr<SymbolBitmap> makeSymbol(gfx::DcHandle compatible, const gfx::ImageList& imageList, int index,
                                         gfx::ColorRef lineColour, gfx::Size size)
{
    auto image = std::make_unique<SymbolBitmap>(compatible, kSymbolSize, kSymbolSize);
    if (!*image) return nullptr;
    // What an image leaves uncovered stays white, and so transparent.
    gfx::fillRect(image->dc(), {0, 0, kSymbolSize, kSymbolSize}, gfx::getStockObject(gfx::WHITE_BRUSH));
    if (!imageList.draw(index, image->dc(), 0, 0, gfx::ILD_NORMAL)) return nullptr;
    if (size == gfx::Size{kSymbolSize, kSymbolSize}) {
        ReplaceColour(*image, lineColour);
        return image;
    }
    // StretchSymbol: the image at the device's size.
    auto stretched = std::make_unique<SymbolBitmap>(compatible, size.cx, size.cy);
    if (!*stretched) return nullptr;
    gfx::stretchBlt(stretched->dc(), 0, 0, size.cx, size.cy, image->dc(), 0, 0, kSymbolSize, kSymbolSize, gfx::SRCCOPY);
    ReplaceColour(*stretched, lineColour);
    return stretched;
}

}  // namespace

void DrawSymbol(const Canvas& canvas, const gfx::ImageList* imageList, int x, int y, gfx::ColorRef lineColour,
                std::int32_t symbolId)
{
    if (!imageList || symbolId < 0 || symbolId >= std::numeric_limits<std::int32_t>::max()) return;
    const int index = symbolId + 1;
    const SymbolKey key{imageList->picture(index), lineColour, symbolSize(canvas)};
    if (!key.image) return;
    const SymbolBitmap* symbol = canvas.symbols->find(key);
    if (!symbol) {
        std::unique_ptr<SymbolBitmap> made = makeSymbol(canvas.dc, *imageList, index, lineColour, key.size);
        if (!made) return;
        symbol = &canvas.symbols->keep(key, std::move(made));
    }

    // Symbols are placed in device pixels, whatever the canvas's mapping.
    gfx::Point centre{x, y};
    gfx::lpToDp(canvas.dc, &centre, 1);
    const SavedState state(canvas.dc);
    gfx::setMapMode(canvas.dc, gfx::MM_TEXT);
    gfx::transparentBlt(canvas.dc, centre.x - symbol->width() / 2, centre.y - symbol->height() / 2, symbol->width(),
                        symbol->height(), symbol->dc(), 0, 0, symbol->width(), symbol->height(), kWhite);
}

}  // namespace lumenplot
