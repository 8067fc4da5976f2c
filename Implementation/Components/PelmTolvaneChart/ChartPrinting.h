#pragma once
// The chart printed into a rectangle of a device context (RenderToPrinterDC):
// laid out as if its shorter side were four inches at the device's
// resolution, drawn off screen with the same layers as on the screen, and
// stretched into the rectangle.

#include "ChartCrossHair.h"
#include "ChartScene.h"
#include "platform/com/HResult.h"
#include "platform/gfx/Types.h"

#include <cstdint>

namespace lumenplot {

// How a target of width x height pixels at a resolution scales the picture:
// the size factor makes its shorter side four inches at that resolution
// (dpiY when the target is wider than high, else dpiX), and targets under
// four inches get a font factor of (4 / whole inches) / 1.5, those under one
// inch 1. Both 1 for an empty target or a device without a resolution.
struct PrintFactors {
    double size = 1.0;
    double font = 1.0;
};
PrintFactors printFactors(int width, int height, int dpiX, int dpiY);

// The canvas for a target of width x height pixels, each side scaled by the
// size factor, truncated and kept within the drawing service's range.
platform::gfx::Size printCanvasSize(int width, int height, double sizeFactor);

// The plot rectangle on a printer's canvas: the margins (twips) grow with the
// font factor and leave room for the labels at the device's resolution.
PlotRect printerPlotRect(platform::gfx::Size canvas, const Margins& margins, double fontFactor, int dpiX, int dpiY);

// Draws the chart into the rectangle (X, Y, Width, Height) given in the
// context's logical units, and over it the highlighted cross-hair lines. The
// context's state is the same afterwards. S_OK also when the rectangle is
// empty (nothing is drawn) and when the canvas cannot be made (a message box
// "Error <code>" says so and the chart is left off the page); E_INVALIDARG
// when dc is no device context.
platform::com::HRESULT PrintChart(platform::gfx::DcHandle dc, std::int32_t x, std::int32_t y, std::int32_t width,
                                  std::int32_t height, const ChartScene& scene, const Highlight& highlight);

}  // namespace lumenplot
