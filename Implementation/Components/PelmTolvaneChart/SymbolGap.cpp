#include "SymbolGap.h"

#include "ChartMapping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumenplot {

namespace {

// Taken in 64 bits: the gap is a container's value and is not limited.
struct Offset {
    std::int64_t along = 0;   // horizontal
    std::int64_t across = 0;  // vertical
};

std::int64_t distance(PixelPoint a, PixelPoint b)
{
    const double dx = static_cast<double>(b.x) - a.x;
    const double dy = static_cast<double>(b.y) - a.y;
    return static_cast<std::int64_t>(std::sqrt(dx * dx + dy * dy));
}

Offset offset(std::int64_t rise, std::int64_t d, std::int64_t gap)
{
    if (d == 0) return {};
    const std::int64_t across = rise * gap / d;
    const auto along = static_cast<std::int64_t>(std::sqrt(static_cast<double>(std::max<std::int64_t>(0, gap * gap - across * across))));
    return {along, across};
}

}  // namespace

PixelPoint ComputeGapStart(PixelPoint from, PixelPoint to, int gap)
{
    const Offset o = offset(std::int64_t{to.y} - from.y, distance(from, to), gap);
    return {toPixel(static_cast<double>(from.x + o.along)), toPixel(static_cast<double>(from.y + o.across))};
}

PixelPoint ComputeGapEnd(PixelPoint from, PixelPoint to, int gap)
{
    const Offset o = offset(std::int64_t{from.y} - to.y, distance(from, to), gap);
    return {toPixel(static_cast<double>(to.x - o.along)), toPixel(static_cast<double>(to.y + o.across))};
}

}  // namespace lumenplot
