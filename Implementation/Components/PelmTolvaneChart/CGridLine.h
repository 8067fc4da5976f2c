#pragma once
// Custom grid lines and free labels of the chart's axes, each axis's lists
// kept sorted by Position (records of equal Position all kept).

#include "PelmTolvaneChart/ChartTypes.h"

#include <cstdint>
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

// A grid value as the chart reports and stores it: truncated to a whole
// number, kept within the 32-bit range (NaN gives 0).
std::int32_t wholeGridValue(double position);
// The first and the last record's Position as whole grid values; -1 for an
// empty list.
std::int32_t FirstGridPosition(const std::vector<CGridLine>& list);
std::int32_t LastGridPosition(const std::vector<CGridLine>& list);

}  // namespace lumenplot
