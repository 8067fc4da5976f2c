#include "ChartPrinting.h"

#include "ChartRenderer.h"
#include "DibSection.h"
#include "GdiScope.h"
#include "SymbolCache.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"

#include <algorithm>
#include <limits>

namespace lumenplot {

namespace com = platform::com;
namespace gfx = platform::gfx;

namespace {

constexpr int kReferenceInches = 4;
constexpr double kSmallTargetDivisor = 1.5;
constexpr float kTwipsPerInch = 1440.0f;
// Room on the canvas's edges beside the margins.
constexpr int kPlotLeftRoom = 10;
constexpr int kPlotTopRoom = 1;
constexpr int kPlotRightBottomRoom = 2;
constexpr int kTrueColour = 24;
std::int32_t clampedSum(std::int32_t a, std::int32_t b)
{
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{a} + b, Limits::min(), Limits::max()));
}

// The plot rectangle of the canvas as it lands in the target on the device.
PlotRect onDevice(const PlotRect& plot, gfx::Size canvas, const gfx::Rect& target)
{
    const double sx = static_cast<double>(target.width()) / canvas.cx;
    const double sy = static_cast<double>(target.height()) / canvas.cy;
    return {toPixel(target.left + plot.left * sx), toPixel(target.top + plot.top * sy),
            toPixel(target.left + plot.right * sx), toPixel(target.top + plot.bottom * sy)};
}

// The highlighted lines across the printed plot, in device pixels and kept
// inside the target.
void drawCrossHair(gfx::DcHandle dc, const ChartMapping& mapping, const gfx::Rect& target, const Highlight& highlight,
                   gfx::ColorRef colour)
{
    const SavedState state(dc);
    gfx::intersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    const gfx::ObjectHandle pen = createHighlightPen(colour);
    DrawCrossHair(dc, mapping, highlight, pen);
    gfx::deleteObject(pen);
}

// Draws the layers on a canvas at the printer's own resolution, laid out as
// if its shorter side were four inches, and stretches the canvas into the
// target (device pixels). A canvas that cannot be made is reported in a
// message and the chart is left off the page.
void drawChart(gfx::DcHandle dc, const gfx::Rect& target, const ChartScene& scene, const Highlight& highlight)
{
    const int dpiX = gfx::getDeviceCaps(dc, gfx::LOGPIXELSX);
    const int dpiY = gfx::getDeviceCaps(dc, gfx::LOGPIXELSY);
    const PrintFactors factors = printFactors(target.width(), target.height(), dpiX, dpiY);
    const gfx::Size size = printCanvasSize(target.width(), target.height(), factors.size);
    Canvas canvas;
    canvas.width = size.cx;
    canvas.height = size.cy;
    canvas.scale = DeviceScale::atResolution(dpiX, dpiY);
    canvas.printing = PrintScale{dpiX, dpiY, factors.font};
    SymbolCache symbols;
    canvas.symbols = &symbols;
    canvas.mapping = scene.properties.mapping(printerPlotRect(size, scene.properties.margins, factors.font, dpiX, dpiY));

    // A device that cannot stretch bitmaps takes the picture as a section.
    const bool canStretch = (gfx::getDeviceCaps(dc, gfx::RASTERCAPS) & gfx::RC_STRETCHBLT) != 0;
    const MemoryContext memory(dc);
    if (!memory.get()) return;
    const gfx::ObjectHandle bitmap =
        canStretch ? gfx::createCompatibleBitmap(dc, size.cx, size.cy) : CreateDibSection(size.cx, size.cy, kTrueColour);
    if (!bitmap) {
        if (canStretch) ShowSectionFailure();  // the section routine has shown its own
        return;
    }
    {
        const SelectedObject selected(memory.get(), bitmap, SelectedObject::Borrowed);
        canvas.dc = memory.get();
        DrawChartLayers(canvas, scene);
        if (canStretch)
            gfx::stretchBlt(dc, target.left, target.top, target.width(), target.height(), memory.get(), 0, 0, size.cx, size.cy,
                            gfx::SRCCOPY);
    }
    if (!canStretch) SendDibToDevice(dc, bitmap, target);
    gfx::deleteObject(bitmap);
    drawCrossHair(dc, scene.properties.mapping(onDevice(canvas.plot(), size, target)), target, highlight,
                  plainRgb(scene.properties.HighlightColor));
}

}  // namespace

PrintFactors printFactors(int width, int height, int dpiX, int dpiY)
{
    if (width <= 0 || height <= 0) return {};
    const int shorter = std::min(width, height);
    const int dpi = height < width ? dpiY : dpiX;
    if (dpi <= 0) return {};
    PrintFactors factors;
    // Whole inches; a target under one inch keeps its fonts as they are.
    const int inches = shorter / dpi;
    if (inches >= 1 && inches < kReferenceInches) factors.font = (kReferenceInches / inches) / kSmallTargetDivisor;
    factors.size = static_cast<double>(dpi) * kReferenceInches / shorter;
    return factors;
}

gfx::Size printCanvasSize(int width, int height, double sizeFactor)
{
    return {toPixel(width * sizeFactor), toPixel(height * sizeFactor)};
}

PlotRect printerPlotRect(gfx::Size canvas, const Margins& margins, double fontFactor, int dpiX, int dpiY)
{
    const auto inches = [fontFactor](double twips) {
        return static_cast<double>(static_cast<float>(twips * fontFactor) / kTwipsPerInch);
    };
    return {toPixel(inches(margins.left) * dpiX + kPlotLeftRoom), toPixel(inches(margins.top) * dpiY + kPlotTopRoom),
            toPixel(canvas.cx - inches(margins.right) * dpiX - kPlotRightBottomRoom),
            toPixel(canvas.cy - inches(margins.bottom) * dpiY - kPlotRightBottomRoom)};
}

com::HRESULT PrintChart(gfx::DcHandle dc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                        const ChartScene& scene, const Highlight& highlight)
{
    gfx::Point corners[] = {{x, y}, {clampedSum(x, width), clampedSum(y, height)}};
    if (!gfx::lpToDp(dc, corners, 2)) return com::E_INVALIDARG;
    // Kept within the drawing service's range, so that sizes cannot overflow.
    for (gfx::Point& corner : corners) {
        corner.x = std::clamp(corner.x, -kPixelLimit, kPixelLimit);
        corner.y = std::clamp(corner.y, -kPixelLimit, kPixelLimit);
    }
    const gfx::Rect target{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                           std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};

    const SavedState state(dc);
    gfx::setMapMode(dc, gfx::MM_TEXT);
    gfx::setWindowOrg(dc, 0, 0);
    gfx::setViewportOrg(dc, 0, 0);
    if (target.width() > 0 && target.height() > 0) drawChart(dc, target, scene, highlight);
    return com::S_OK;
}

}  // namespace lumenplot
