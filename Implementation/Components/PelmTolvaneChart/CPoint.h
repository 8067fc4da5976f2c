#pragma once
// One point of a chart line.

#include "PelmTolvaneChart/ChartTypes.h"

#include <cstdint>
#include <string>

namespace lumenplot {

struct CPoint {
    double X = 0;
    double Y = 0;
    // 0 or more: image SymbolID + 1 of the chart's image list; negative: the
    // point shows SymbolString instead.
    std::int32_t SymbolID = -1;
    // A segment joins two neighbouring points only when both are true (-1).
    VARIANT_BOOL Connect = VARIANT_FALSE;
    std::string SymbolString;
};

}  // namespace lumenplot
