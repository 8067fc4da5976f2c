#include "CGridLine.h"

#include "SortedInsert.h"

#include <cmath>
#include <limits>

namespace lumenplot {

namespace {

template <class Record>
bool byPosition(const Record& a, const Record& b)
{
    return a.Position < b.Position;
}

}  // namespace

void addGridLine(std::vector<CGridLine>& list, CGridLine gridLine)
{
    insertSorted(list, std::move(gridLine), byPosition<CGridLine>);
}

void addLabel(std::vector<CLabel>& list, CLabel label)
{
    insertSorted(list, std::move(label), byPosition<CLabel>);
}

std::int32_t wholeGridValue(double position)
{
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(position)) return 0;
    return static_cast<std::int32_t>(
        std::trunc(std::fmax(static_cast<double>(Limits::min()), std::fmin(static_cast<double>(Limits::max()), position))));
}

std::int32_t FirstGridPosition(const std::vector<CGridLine>& list)
{
    return list.empty() ? -1 : wholeGridValue(list.front().Position);
}

std::int32_t LastGridPosition(const std::vector<CGridLine>& list)
{
    return list.empty() ? -1 : wholeGridValue(list.back().Position);
}

}  // namespace lumenplot
