#include "LineData.h"

#include "SortedInsert.h"

#include <algorithm>

namespace lumenplot {

void addPoint(LineData& line, CPoint point)
{
    insertSorted(line.points, std::move(point),
                 [](const CPoint& a, const CPoint& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
}

void removePoint(LineData& line, double x)
{
    const auto found = std::find_if(line.points.begin(), line.points.end(), [x](const CPoint& p) { return p.X == x; });
    if (found != line.points.end()) line.points.erase(found);
}

}  // namespace lumenplot
