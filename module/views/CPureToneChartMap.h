#pragma once
// One tick of the pure-tone chart's frequency axis: where a frequency stands
// on the chart and how its grid line looks.

#include <cstdint>
#include <string>

namespace brisance {

class CPureToneChartMap {
public:
    // Position on the chart's X axis.
    std::int32_t ChartValue = 0;
    // Frequency in Hz.
    std::int32_t FreqValue = 0;
    // Drawn under the tick; empty for the frequencies between octaves.
    std::string Label;
    bool Dashed = false;
    // The grid line is not drawn.
    bool Hide = false;
};

}  // namespace brisance
