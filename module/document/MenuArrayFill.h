#pragma once
// Filling the document's show/hide-test menu with the palette's tests.
// Failures are raised to the caller.

namespace brisance {

class CPaletteItems;
class MenuControlArray;

// One menu entry per palette item, in order: the test's label, checked while
// the test shows on the chart, the item's ID as Tag. Entries beyond the items
// are unloaded; with no items entry 0 stays as it was.
void FillMenuArray(MenuControlArray& mnuArray, const CPaletteItems& oItems);

}  // namespace brisance
