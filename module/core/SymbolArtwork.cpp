#include "module/core/SymbolArtwork.h"

#include "module/core/SymbolCatalogue.h"
#include "module/core/SymbolGrids.h"

#include <stdexcept>
#include <string>

namespace brisance {

namespace {

namespace grids = symbol_grids;

constexpr QRgb kInk = 0xFF000000;
constexpr QRgb kBackground = 0xFFFFFFFF;

// Sets the ink of pixels, a grid of width columns, with its top-left at (x, y).
void addInk(QImage& image, std::string_view pixels, int width, int x, int y)
{
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] == '#')
            image.setPixel(x + static_cast<int>(i) % width, y + static_cast<int>(i) / width, kInk);
}

const grids::GlyphArt& glyphArt(const grids::SizeArt& art, SymbolGlyph glyph)
{
    for (const grids::GlyphArt& candidate : art.glyphs)
        if (candidate.glyph == glyph) return candidate;
    throw std::logic_error("no artwork for a glyph of the symbol catalogue");
}

const std::optional<grids::MarkPlaces>& placesOf(const grids::GlyphArt& glyph, SymbolSide side)
{
    return side == SymbolSide::Right ? glyph.right : side == SymbolSide::Left ? glyph.left : glyph.binaural;
}

const grids::Grid& arrowOf(const grids::SizeArt& art, SymbolSide side)
{
    return side == SymbolSide::Right ? art.arrowRight : side == SymbolSide::Left ? art.arrowLeft : art.arrowBinaural;
}

QImage compose(const grids::SizeArt& art, const SymbolDescriptor& symbol)
{
    QImage image(art.size, art.size, QImage::Format_RGB32);
    image.fill(kBackground);
    const grids::GlyphArt& glyph = glyphArt(art, symbol.glyph);
    addInk(image, glyph.cell, art.size, 0, 0);
    if (symbol.mark == SymbolMark::None) return image;

    const std::optional<grids::MarkPlaces>& places = placesOf(glyph, symbol.side);
    if (!places) throw std::logic_error("a symbol of the catalogue has a mark on a side its glyph has no place for");
    const bool noResponse = symbol.mark == SymbolMark::NoResponse;
    const grids::Grid& mark = noResponse ? arrowOf(art, symbol.side) : art.question;
    const grids::Place at = noResponse ? places->arrow : places->question;
    addInk(image, mark.pixels, mark.width, at.x, at.y);
    return image;
}

std::vector<QImage> build(const grids::SizeArt& art)
{
    std::vector<QImage> images;
    images.reserve(kSymbolCount);
    for (int number = 1; number <= kSymbolCount; ++number) images.push_back(compose(art, symbolDescriptor(number)));
    return images;
}

}  // namespace

const std::vector<QImage>& symbolArtwork(int size)
{
    static const std::vector<QImage> small = build(grids::smallArt());
    static const std::vector<QImage> large = build(grids::largeArt());
    if (size == grids::smallArt().size) return small;
    if (size == grids::largeArt().size) return large;
    throw std::invalid_argument("no symbol artwork of size " + std::to_string(size));
}

}  // namespace brisance
