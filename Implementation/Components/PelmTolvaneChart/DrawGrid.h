#pragma once
// The custom grid lines of each axis with their labels, and the free labels,
// which stand on the side of the plot opposite to their axis's grid labels.

#include "ChartScene.h"

namespace lumenplot {

// Drawn when the axis's grid mode is custom: each visible record as a line
// across the plot in GridLineColor (dotted when Dashed), and every record's
// label, invisible ones included, in GridlineFont.
void DrawCustomXGrid(const Canvas& canvas, const ChartScene& scene);
void DrawCustomYGrid(const Canvas& canvas, const ChartScene& scene);
// The free labels in LabelFont; Y labels in black.
void DrawXLabels(const Canvas& canvas, const ChartScene& scene);
void DrawYLabels(const Canvas& canvas, const ChartScene& scene);

}  // namespace lumenplot
