#include "CGridLine.h"

#include "SortedInsert.h"

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

}  // namespace lumenplot
