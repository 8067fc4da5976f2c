#pragma once
// A custom grid line of a view's chart, and the one way the views put their
// grid lines on a chart.

#include "PelmTolvaneChart/IChart.h"

#include <string>
#include <vector>

namespace brisance {

struct ChartGridLine {
    double Position = 0;
    std::string Label;
    bool Visible = true;
    bool Dashed = false;

    friend bool operator==(const ChartGridLine&, const ChartGridLine&) = default;
};

// Replaces the chart's custom grid lines of both axes by these, in order.
// Raises a failing chart call.
void ReplaceGridLines(lumenplot::IChart& chart, const std::vector<ChartGridLine>& XGridLines,
                      const std::vector<ChartGridLine>& YGridLines);

}  // namespace brisance
