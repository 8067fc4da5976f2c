#pragma once
// Custom grid lines and free labels of the chart's axes, each axis's lists
// kept sorted by Position (records of equal Position all kept).

#include "PelmTolvaneChart/ChartTypes.h"

#include <string>
#include <vector>

namespace lumenplot {

struct CGridLine {
    double Position = 0;  // chart units of its axis
    std::string Label;
    VARIANT_BOOL Visible = VARIANT_TRUE;  // an invisible grid line still shows its label
    VARIANT_BOOL Dashed = VARIANT_FALSE;  // drawn dotted when true (-1)
};

struct CLabel {
    double Position = 0;
    std::string Label;
};

struct GridRecords {
    std::vector<CGridLine> xGridLines;
    std::vector<CGridLine> yGridLines;
    std::vector<CLabel> xLabels;
    std::vector<CLabel> yLabels;
};

void addGridLine(std::vector<CGridLine>& list, CGridLine gridLine);
void addLabel(std::vector<CLabel>& list, CLabel label);

}  // namespace lumenplot
