#pragma once
// The layers of one picture of the chart, in their fixed order, drawn onto a
// canvas: the screen's off-screen bitmap or a printer's.

#include "ChartScene.h"

namespace lumenplot {

void DrawChartLayers(const Canvas& canvas, const ChartScene& scene);

}  // namespace lumenplot
