#pragma once
// The cross-hair: a dotted vertical line at the highlighted X value and a
// horizontal one at the highlighted Y value, drawn over the chart's picture on
// the screen and on printers alike.

#include "ChartMapping.h"
#include "platform/gfx/Types.h"

#include <cstdint>

namespace lumenplot {

// A highlighted value that shows no line.
inline constexpr std::int32_t kNoHighlight = -32767;

// The highlighted X and Y values, in chart units, each kNoHighlight or the
// value its line stands at.
struct Highlight {
    std::int32_t x = kNoHighlight;
    std::int32_t y = kNoHighlight;
};

// The pen of the cross-hair: cosmetic, dotted, one pixel, in the colour. The
// caller deletes it.
platform::gfx::ObjectHandle createHighlightPen(platform::gfx::ColorRef colour);

// Draws the lines of the highlighted values that are not kNoHighlight onto dc
// with the pen, in the mapping's plot rectangle: the vertical line from the
// plot's top + 1 to its bottom - 1, the horizontal one from its left + 1 to its
// right - 1. The context's pen is restored afterwards.
void DrawCrossHair(platform::gfx::DcHandle dc, const ChartMapping& mapping, const Highlight& highlight,
                   platform::gfx::ObjectHandle pen);

// The pixels that one line of the cross-hair may cover, which are copied back
// from the picture to erase it: the column at the X value's pixel from the
// plot's top + 1, (bottom - top) high, and the row at the Y value's pixel from
// the plot's left + 1, (right - left) wide.
platform::gfx::Rect crossHairColumn(const ChartMapping& mapping, std::int32_t x);
platform::gfx::Rect crossHairRow(const ChartMapping& mapping, std::int32_t y);

}  // namespace lumenplot
