#pragma once
// What one chart line holds: its style and its points, sorted by X and then
// by Y (equal points all kept, in the order they were added).

#include "CPoint.h"
#include "PelmTolvaneChart/ChartTypes.h"

#include <cstdint>
#include <vector>

namespace lumenplot {

struct LineData {
    OLE_COLOR LineColor = 0x000000;  // drawn as a plain RGB value
    VARIANT_BOOL Visible = VARIANT_TRUE;
    std::int32_t LineStyle = 0;  // pen style: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none
    std::int32_t LineWidth = 1;  // pixels at 96 dots per inch
    VARIANT_BOOL ShowXValueBySymbol = VARIANT_FALSE;
    std::vector<CPoint> points;
};

void addPoint(LineData& line, CPoint point);
// Removes the first point (in sorted order) whose X equals x exactly; nothing
// when there is none.
void removePoint(LineData& line, double x);

}  // namespace lumenplot
