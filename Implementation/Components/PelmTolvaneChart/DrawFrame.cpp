#include "DrawFrame.h"

#include "GdiScope.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Colour.h"
#include "platform/gfx/Draw.h"

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

constexpr int kBorderWidth = 2;

}  // namespace

void DrawBackground(const Canvas& canvas, const ChartScene& scene)
{
    // A paint has no one to tell of a bad colour: it draws black and goes on.
    gfx::ColorRef colour = kBlack;
    gfx::translateColor(static_cast<gfx::OleColor>(scene.properties.BackgroundColor), &colour);
    const gfx::ObjectHandle brush = gfx::createSolidBrush(colour);
    gfx::fillRect(canvas.dc, {0, 0, canvas.width, canvas.height}, brush);
    gfx::deleteObject(brush);
}

void DrawGridBackground(const Canvas& canvas, const ChartScene& scene)
{
    const PlotRect& plot = canvas.plot();
    if (!scene.picture.isNull()) {
        const gfx::ObjectHandle bitmap = gfx::bitmapFromImage(scene.picture);
        gfx::stretchBitmap(canvas.dc, plot.left, plot.top, plot.width(), plot.height(), bitmap);
        gfx::deleteObject(bitmap);
        return;
    }
    const SelectedObject brush(canvas.dc, gfx::createSolidBrush(plainRgb(scene.properties.GridBackgroundColor)));
    gfx::rectangle(canvas.dc, plot.left, plot.top, plot.right, plot.bottom);
}

void DrawStandardXGrid(const Canvas& canvas, const ChartScene& scene)
{
    const PlotRect& plot = canvas.plot();
    for (const int x : standardGridPositions(plot.left, plot.right, canvas.mapping.xSpan(), scene.properties.XTickFreq)) {
        gfx::moveToEx(canvas.dc, x, plot.top + 1);
        gfx::lineTo(canvas.dc, x, plot.bottom - 1);
    }
}

void DrawStandardYGrid(const Canvas& canvas, const ChartScene& scene)
{
    const PlotRect& plot = canvas.plot();
    for (const int y : standardGridPositions(plot.top, plot.bottom, canvas.mapping.ySpan(), scene.properties.YTickFreq)) {
        gfx::moveToEx(canvas.dc, plot.left + 1, y);
        gfx::lineTo(canvas.dc, plot.right - 1, y);
    }
}

void DrawBorder(const Canvas& canvas)
{
    const PlotRect& plot = canvas.plot();
    const SelectedObject pen(canvas.dc, gfx::createPen(gfx::PS_SOLID, kBorderWidth, kBlack));
    gfx::moveToEx(canvas.dc, plot.left, plot.top);
    gfx::lineTo(canvas.dc, plot.right, plot.top);
    gfx::lineTo(canvas.dc, plot.right, plot.bottom);
    gfx::lineTo(canvas.dc, plot.left, plot.bottom);
    gfx::lineTo(canvas.dc, plot.left, plot.top);
}

}  // namespace lumenplot
