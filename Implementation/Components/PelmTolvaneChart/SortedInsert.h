#pragma once
// Inserting into a list kept sorted: the new item goes after every item that
// is not greater, so that equal items keep the order in which they came.

#include <algorithm>
#include <vector>

namespace lumenplot {

template <class T, class Less>
void insertSorted(std::vector<T>& items, T item, Less less)
{
    const auto at = std::upper_bound(items.begin(), items.end(), item, less);
    items.insert(at, std::move(item));
}

}  // namespace lumenplot
