#include "ChartCrossHair.h"

#include "GdiScope.h"
#include "platform/gfx/Draw.h"

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {


void DrawCrossHairX(gfx::DcHandle dc, const ChartMapping& mapping, std::int32_t value)
{
    const PlotRect& plot = mapping.plot;
    const int x = MapXToPixel(mapping, value);
    gfx::moveToEx(dc, x, plot.top + 1);
    gfx::lineTo(dc, x, plot.bottom - 1);
}

void DrawCrossHairY(gfx::DcHandle dc, const ChartMapping& mapping, std::int32_t value)
{
    const PlotRect& plot = mapping.plot;
    const int y = MapYToPixel(mapping, value);
    gfx::moveToEx(dc, plot.left + 1, y);
    gfx::lineTo(dc, plot.right - 1, y);
}

}  // namespace

gfx::ObjectHandle createHighlightPen(gfx::ColorRef colour) { return gfx::createPen(gfx::PS_DOT, 1, colour); }

void DrawCrossHair(gfx::DcHandle dc, const ChartMapping& mapping, const Highlight& highlight, gfx::ObjectHandle pen)
{
    const SelectedObject selected(dc, pen, SelectedObject::Borrowed);
    if (highlight.x != kNoHighlight) DrawCrossHairX(dc, mapping, highlight.x);
    if (highlight.y != kNoHighlight) DrawCrossHairY(dc, mapping, highlight.y);
}

gfx::Rect crossHairColumn(const ChartMapping& mapping, std::int32_t x)
{
    const PlotRect& plot = mapping.plot;
    const int pixel = MapXToPixel(mapping, x);
    return {pixel, plot.top + 1, pixel + 1, plot.top + 1 + plot.height()};
}

gfx::Rect crossHairRow(const ChartMapping& mapping, std::int32_t y)
{
    const PlotRect& plot = mapping.plot;
    const int pixel = MapYToPixel(mapping, y);
    return {plot.left + 1, pixel, plot.left + 1 + plot.width(), pixel + 1};
}

}  // namespace lumenplot
