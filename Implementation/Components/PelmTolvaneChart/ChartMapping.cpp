#include "ChartMapping.h"

#include <cmath>

namespace lumenplot {

namespace {

// The share of a span that a value lies from its start; 0 for an empty span.
double fraction(double value, double start, double span)
{
    return span > 0 ? (value - start) / span : 0.0;
}

}  // namespace

double ChartMapping::xSpan() const { return std::fabs(xMax - xMin); }
double ChartMapping::ySpan() const { return std::fabs(yMax - yMin); }

int toPixel(double value)
{
    if (std::isnan(value)) return -kPixelLimit;
    if (value >= kPixelLimit) return kPixelLimit;
    if (value <= -kPixelLimit) return -kPixelLimit;
    return static_cast<int>(value);
}

int MapXToPixel(const ChartMapping& mapping, double x)
{
    const PlotRect& plot = mapping.plot;
    return toPixel(fraction(x, mapping.xMin, mapping.xSpan()) * plot.width() + plot.left);
}

int MapYToPixel(const ChartMapping& mapping, double y)
{
    const PlotRect& plot = mapping.plot;
    const double t = fraction(y, mapping.yMin, mapping.ySpan()) * plot.height();
    return mapping.yMax >= mapping.yMin ? toPixel(plot.top + t) : toPixel(plot.bottom + t);
}

double PixelToX(const ChartMapping& mapping, double offset)
{
    const int width = mapping.plot.width();
    return width != 0 ? offset / width * mapping.xSpan() + mapping.xMin : mapping.xMin;
}

double PixelToY(const ChartMapping& mapping, double offset)
{
    const double atTop = mapping.yMax >= mapping.yMin ? mapping.yMin : mapping.yMax;
    const int height = mapping.plot.height();
    return height != 0 ? atTop + offset / height * mapping.ySpan() : atTop;
}

bool insidePlot(const PlotRect& plot, int x, int y)
{
    return x >= plot.left && x <= plot.right && y >= plot.top && y <= plot.bottom;
}

std::vector<int> standardGridPositions(int first, int last, double span, double tickFreq)
{
    std::vector<int> positions;
    const double step = (last - first) / (span / tickFreq);
    if (!(span > 0) || !(tickFreq > 0) || !std::isfinite(step) || step < 1.0) return positions;
    for (double at = first + step; at < last - 1; at += step) positions.push_back(toPixel(at));
    return positions;
}

double twipsAsPixels(double twips, int dotsPerInch)
{
    return twips / 1440.0 * dotsPerInch;
}

PlotRect plotRectFromMargins(int width, int height, const Margins& margins, int dpiX, int dpiY)
{
    return {toPixel(twipsAsPixels(margins.left, dpiX)), toPixel(twipsAsPixels(margins.top, dpiY)),
            toPixel(width - twipsAsPixels(margins.right, dpiX)), toPixel(height - twipsAsPixels(margins.bottom, dpiY))};
}

}  // namespace lumenplot
