#pragma once
// One chart line: its points' symbols or texts, their X captions, and the
// segments between connected neighbours, stopping short of the symbols.

#include "ChartScene.h"

namespace lumenplot {

// Draws the line (whatever its Visible says; the caller picks the visible
// ones). A point whose centre falls outside the plot rectangle shows nothing,
// and segments are clipped to the plot rectangle.
void DrawLine(const Canvas& canvas, const ChartScene& scene, const LineData& line);

}  // namespace lumenplot
