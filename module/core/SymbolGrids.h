#pragma once
// The pixel grids that the symbol images are composed from, one set per image
// size: every glyph drawn on a whole cell, the marks as small grids, and where
// each glyph takes the marks of each side. '#' is ink, '.' is background;
// rows are joined, top row first.
//
// An image is its glyph's cell with, for a status, the mark's ink added at the
// glyph's place for that side. Only the sides a glyph is used on have places.

#include "module/core/SymbolCatalogue.h"

#include <array>
#include <optional>
#include <string_view>

namespace brisance::symbol_grids {

struct Grid {
    int width = 0;
    int height = 0;
    std::string_view pixels;
};

// The top-left corner of a mark's grid in the cell.
struct Place {
    int x = 0;
    int y = 0;
};

// Where a glyph takes one side's no-response arrow and unmeasurable mark.
struct MarkPlaces {
    Place arrow;
    Place question;
};

struct GlyphArt {
    SymbolGlyph glyph = SymbolGlyph::None;
    std::string_view cell;  // size x size
    std::optional<MarkPlaces> right;
    std::optional<MarkPlaces> left;
    std::optional<MarkPlaces> binaural;
};

struct SizeArt {
    int size = 0;
    Grid arrowRight;     // no response, right ear: down and to the left
    Grid arrowLeft;      // no response, left ear: down and to the right
    Grid arrowBinaural;  // no response, binaural: straight down
    Grid question;       // unmeasurable, every side
    std::array<GlyphArt, 12> glyphs;
};

const SizeArt& smallArt();  // 16 x 16
const SizeArt& largeArt();  // 24 x 24

constexpr bool isGrid(std::string_view pixels, int width, int height)
{
    if (pixels.size() != static_cast<std::size_t>(width * height)) return false;
    for (const char pixel : pixels)
        if (pixel != '#' && pixel != '.') return false;
    return true;
}

constexpr bool fits(const Grid& mark, Place place, int size)
{
    return place.x >= 0 && place.y >= 0 && place.x + mark.width <= size && place.y + mark.height <= size;
}

constexpr bool fits(const SizeArt& art, const std::optional<MarkPlaces>& places, const Grid& arrow)
{
    return !places || (fits(arrow, places->arrow, art.size) && fits(art.question, places->question, art.size));
}

// Every grid has its size and only ink and background, and every mark lies
// inside the cell at every place; checked where the grids are defined.
constexpr bool isWellFormed(const SizeArt& art)
{
    for (const Grid* mark : {&art.arrowRight, &art.arrowLeft, &art.arrowBinaural, &art.question})
        if (!isGrid(mark->pixels, mark->width, mark->height)) return false;
    for (const GlyphArt& glyph : art.glyphs)
        if (!isGrid(glyph.cell, art.size, art.size) || !fits(art, glyph.right, art.arrowRight) ||
            !fits(art, glyph.left, art.arrowLeft) || !fits(art, glyph.binaural, art.arrowBinaural))
            return false;
    return true;
}

}  // namespace brisance::symbol_grids
