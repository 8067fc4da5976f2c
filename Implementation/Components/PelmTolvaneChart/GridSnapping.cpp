#include "GridSnapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumenplot {

std::int32_t wholeGridValue(double position)
{
    if (std::isnan(position)) return kNoGridLine;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(position), lowest, highest));
}

std::int32_t SnapToGridLine(double v, const std::vector<CGridLine>& gridLines)
{
    if (gridLines.empty()) return kNoGridLine;
    const auto above = std::find_if(gridLines.begin(), gridLines.end(), [v](const CGridLine& line) { return line.Position >= v; });
    if (above == gridLines.begin()) return wholeGridValue(above->Position);
    if (above == gridLines.end()) return wholeGridValue(gridLines.back().Position);
    const double a = above->Position;
    const double p = std::prev(above)->Position;
    return wholeGridValue(p != a && v - p < a - v ? p : a);
}

std::int32_t FirstGridPosition(const std::vector<CGridLine>& gridLines)
{
    return gridLines.empty() ? kNoGridLine : wholeGridValue(gridLines.front().Position);
}

// The steps compare whole grid values, so that a line at a fractional
// Position (shown at its truncated value) does not stop the cross-hair.
std::int32_t PreviousGridPosition(std::int32_t value, const std::vector<CGridLine>& gridLines)
{
    const auto below = std::find_if(gridLines.rbegin(), gridLines.rend(),
                                    [value](const CGridLine& line) { return wholeGridValue(line.Position) < value; });
    return below != gridLines.rend() ? wholeGridValue(below->Position) : FirstGridPosition(gridLines);
}

std::int32_t NextGridPosition(std::int32_t value, const std::vector<CGridLine>& gridLines)
{
    const auto above = std::find_if(gridLines.begin(), gridLines.end(),
                                    [value](const CGridLine& line) { return wholeGridValue(line.Position) > value; });
    return above != gridLines.end() ? wholeGridValue(above->Position) : kNoGridLine;
}

}  // namespace lumenplot
