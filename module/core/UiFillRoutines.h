#pragma once
// Filling the document's and the dialogs' controls with the tests: the
// show/hide-test menu, the captions of the average panel and the lists of
// tests. Failures are raised to the caller.

#include "module/core/CCurvePref.h"

#include <cstdint>

namespace brisance {

class CCurvePrefs;
class CPaletteItems;
class IPTATable;
class ListView;
class MenuControlArray;

// One menu entry per palette item, in order: the test's label, checked while
// the test shows on the chart, the item's ID as Tag. Entries beyond the items
// are unloaded; with no items entry 0 stays as it was.
void FillMenuArray(MenuControlArray& mnuArray, const CPaletteItems& oItems);

// Shows the air-conduction (bit 0), bone-conduction (bit 1) and sound-field
// (bit 2) averages that the mask chooses, each captioned with the label of
// the module's unaided test of that kind ("##" when there is none). Captions
// of hidden averages stay as they were.
void FillPTATable(IPTATable& oTable, std::int32_t lngMask);

// Lists the tests of one kind in collection order: key "K" + CurveID, text the
// label, icon 1 for pure tone and 2 for speech, the CurveID as tag, and, when
// the list has a second column, the test's caption in the UI language there.
void FillTestList(ListView& lvwTests, const CCurvePrefs& oPrefs, CurvePrefType lngKind);

}  // namespace brisance
