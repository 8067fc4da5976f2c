#include "DrawLine.h"

#include "DeviceFont.h"
#include "DrawSymbol.h"
#include "GdiScope.h"
#include "SymbolGap.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Text.h"

#include <cmath>
#include <string>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

// X as a whole number in decimal, truncated.
std::string wholeNumberText(double x)
{
    constexpr double kLimit = 9.0e18;
    if (std::isnan(x)) return "0";
    return std::to_string(static_cast<long long>(std::trunc(std::fmax(-kLimit, std::fmin(kLimit, x)))));
}

// The line's two device fonts, deleted when the line is drawn.
struct LineFonts {
    gfx::ObjectHandle symbol = 0;
    gfx::ObjectHandle description = 0;
    ~LineFonts()
    {
        if (symbol) gfx::deleteObject(symbol);
        if (description) gfx::deleteObject(description);
    }
};

void drawSegment(const Canvas& canvas, const ChartScene& scene, PixelPoint from, PixelPoint to)
{
    const PlotRect& plot = canvas.plot();
    const SavedState state(canvas.dc);
    gfx::intersectClipRect(canvas.dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
    if (scene.properties.UseSymbolToLineBuffer == VARIANT_TRUE) {
        const int gap = canvas.scale.horizontal(scene.properties.SymbolToLineBufferLength);
        const PixelPoint start = ComputeGapStart(from, to, gap);
        to = ComputeGapEnd(from, to, gap);
        from = start;
    }
    gfx::moveToEx(canvas.dc, from.x, from.y);
    gfx::lineTo(canvas.dc, to.x, to.y);
}

}  // namespace

void DrawLine(const Canvas& canvas, const ChartScene& scene, const LineData& line)
{
    if (line.points.empty()) return;
    const gfx::DcHandle dc = canvas.dc;
    const SelectedObject pen(dc, gfx::createPen(static_cast<std::uint32_t>(line.LineStyle),
                                                canvas.scale.horizontal(line.LineWidth), plainRgb(line.LineColor)));
    const int previousMode = gfx::setBkMode(dc, gfx::TRANSPARENT);
    LineFonts fonts;
    fonts.symbol = CreateFontFromIFont(scene.symbolFont, canvas);
    fonts.description = CreateFontFromIFont(scene.symbolDescriptionFont, canvas);

    const auto pixelOf = [&](const CPoint& point) {
        return PixelPoint{MapXToPixel(canvas.mapping, point.X), MapYToPixel(canvas.mapping, point.Y)};
    };
    for (std::size_t i = 0; i < line.points.size(); ++i) {
        const CPoint& point = line.points[i];
        const PixelPoint at = pixelOf(point);
        if (insidePlot(canvas.plot(), at.x, at.y)) {
            int captionBottom = at.y;
            if (point.SymbolID >= 0) {
                DrawSymbol(canvas, scene.imageList, at.x, at.y, plainRgb(line.LineColor), point.SymbolID);
            } else if (fonts.symbol) {
                const SelectedObject font(dc, fonts.symbol, SelectedObject::Borrowed);
                const gfx::Size size = textExtent(dc, point.SymbolString);
                captionBottom = at.y - size.cy / 2;
                gfx::textOut(dc, at.x - size.cx / 2, captionBottom, point.SymbolString);
            }
            if (line.ShowXValueBySymbol == VARIANT_TRUE) {
                const SelectedObject font(dc, fonts.description, SelectedObject::Borrowed);
                const gfx::ColorRef previousColour = gfx::setTextColor(dc, kBlack);
                const std::string caption = wholeNumberText(point.X);
                const gfx::Size size = textExtent(dc, caption);
                gfx::textOut(dc, at.x - size.cx / 2, captionBottom - size.cy, caption);
                gfx::setTextColor(dc, previousColour);
            }
        }
        if (i + 1 < line.points.size()) {
            const CPoint& next = line.points[i + 1];
            if (point.Connect == VARIANT_TRUE && next.Connect == VARIANT_TRUE) drawSegment(canvas, scene, at, pixelOf(next));
        }
    }
    gfx::setBkMode(dc, previousMode);
}

}  // namespace lumenplot
