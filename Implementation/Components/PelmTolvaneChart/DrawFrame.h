#pragma once
// The layers that frame the plot: the background, the grid background, the
// evenly spaced standard grid and the border.

#include "ChartScene.h"

namespace lumenplot {

// The whole canvas in BackgroundColor; a colour that cannot be translated
// draws as black.
void DrawBackground(const Canvas& canvas, const ChartScene& scene);
// The picture stretched over the plot rectangle, or the plot rectangle in
// GridBackgroundColor outlined with the surface's current pen.
void DrawGridBackground(const Canvas& canvas, const ChartScene& scene);
// The standard grid's lines, one every tick of the axis, with the surface's
// current pen; none for a degenerate span or tick.
void DrawStandardXGrid(const Canvas& canvas, const ChartScene& scene);
void DrawStandardYGrid(const Canvas& canvas, const ChartScene& scene);
// A solid black line two pixels wide around the plot rectangle.
void DrawBorder(const Canvas& canvas);

}  // namespace lumenplot
