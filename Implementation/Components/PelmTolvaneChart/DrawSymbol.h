#pragma once
// A point's symbol: an image of the container's image list, recoloured to its
// line's colour and drawn centred on the point with white left transparent.

#include "ChartScene.h"
#include "platform/gfx/Types.h"

#include <cstdint>

namespace lumenplot {

// The size in pixels at which symbols are drawn at 96 dots per inch.
inline constexpr int kSymbolSize = 24;

// Draws image symbolId + 1 of the image list centred on (x, y), logical units
// of the canvas, taking the recoloured symbol from the canvas's cache or
// making it there. Nothing when there is no image list or no such image.
void DrawSymbol(const Canvas& canvas, const platform::gfx::ImageList* imageList, int x, int y,
                platform::gfx::ColorRef lineColour, std::int32_t symbolId);

}  // namespace lumenplot
