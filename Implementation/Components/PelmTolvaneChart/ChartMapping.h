#pragma once
// The one mapping between chart values and pixels of a drawing surface, used by
// every layer on screen and on printers alike.

#include <vector>

namespace lumenplot {

// The plot rectangle in pixels of the drawing surface; right and bottom are the
// last column and row of the plot, as the border is drawn through them.
struct PlotRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const PlotRect&, const PlotRect&) = default;
};

// What the mapping needs of the chart: its ranges and the plot rectangle.
struct ChartMapping {
    double xMin = 0;
    double xMax = 10;
    double yMin = 0;
    double yMax = 10;
    PlotRect plot;

    double xSpan() const;
    double ySpan() const;
};

// A double made a pixel coordinate: truncated toward zero and kept within
// +/- kPixelLimit, so that no value the container sets can overflow an
// integer or reach the painter as an absurd coordinate. NaN lies at
// -kPixelLimit, outside every surface.
inline constexpr int kPixelLimit = 1 << 24;
int toPixel(double value);

// X maps linearly from XMin at the left edge; a zero span maps everything to
// the left edge.
int MapXToPixel(const ChartMapping& mapping, double x);
// Y maps linearly from YMin at the top edge (YMax >= YMin) or at the bottom
// edge (YMax < YMin). Values outside the range land outside the plot
// rectangle, where drawing clips them; a zero span maps everything to YMin's edge.
int MapYToPixel(const ChartMapping& mapping, double y);
// The chart value at a pixel offset from the plot's left or top edge; XMin or
// the top edge's value when the plot has no width or height.
double PixelToX(const ChartMapping& mapping, double offset);
double PixelToY(const ChartMapping& mapping, double offset);

// Whether a pixel lies inside the plot rectangle, edges included.
bool insidePlot(const PlotRect& plot, int x, int y);

// The pixel positions of the evenly spaced standard grid lines between two
// edges of the plot (first and last), one every tickFreq chart units of a span,
// the edges themselves left out. None when the span or the step is zero,
// negative or not finite, or when the lines would lie closer than one pixel.
std::vector<int> standardGridPositions(int first, int last, double span, double tickFreq);

// Twips (1/1440 inch) as pixels at the given dots per inch; the margins of the
// chart are kept in twips and drawn as pixels of the target device.
double twipsAsPixels(double twips, int dotsPerInch);

struct Margins {
    double left = 20;
    double bottom = 20;
    double top = 0;
    double right = 0;
};

// The plot rectangle of a surface of width x height pixels with the margins
// in twips, each edge truncated.
PlotRect plotRectFromMargins(int width, int height, const Margins& margins, int dpiX, int dpiY);

}  // namespace lumenplot
