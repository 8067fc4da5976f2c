#pragma once
// The four built-in speech templates that Underlay selects: reference curves
// in chart units, a vertical marker where the first curve crosses y = 50
// (x50), and a scale counting from x50 in steps of ten along y = 50.

#include "ChartScene.h"

namespace lumenplot {

// The template of Underlay (1 to 4, A to D) over the canvas; nothing for any
// other value.
void ApplySpeechTemplate(const Canvas& canvas, const ChartScene& scene);
// A black line one pixel wide at x50 from y = -10 to y = 110.
void DrawTemplateMarker(const Canvas& canvas, double x50);
// A line along y = 50 from x = -5 to XMax, and from x50 on, while x stays
// three units short of XMax, a tick every ten units labelled 0, 10, ... in
// LabelFont below the line (label 0 one unit right of its tick).
void DrawRelativeScale(const Canvas& canvas, const ChartScene& scene, double x50);

}  // namespace lumenplot
