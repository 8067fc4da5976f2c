#pragma once
// Keeping a view's palette items and palette buttons in step with the stored
// palette, the tests and the measured data.
//
// A stored palette is two lists, each entry followed by ",": the notation
// keys of its tests, and their binaural flags ("True" or anything else for
// not binaural) in the same order.
//
// Failures of the palette, the items, the tests or the data are raised to the
// caller.

#include "vellum/IVellumDataLayer.h"

#include <memory>
#include <string>

namespace brisance {

class CCurvePref;
class CCurvePrefs;
class CPaletteItems;
class CurvePalette;

// Empties the items and adds one per listed key that the tests hold, in the
// stored order; unknown keys are passed over. Lists of different lengths make
// every item not binaural.
void LoadPaletteFromString(CPaletteItems& oItems, const CCurvePrefs& oPrefs, const std::string& strKeys,
                           const std::string& strBinaural);

// Adds an item for the test, binaural or not.
void AddPaletteItemForCurvePref(const std::shared_ptr<CCurvePref>& oPref, CPaletteItems& oItems, bool blnBinaural);

// Marks HasData on exactly the items whose test (and binaural flag) has a
// measured pure-tone or speech curve with at least one point; adds no item.
void MarkPaletteItemsWithData(vellum::IVellumDataLayer& oData, CPaletteItems& oItems);

// Rebuilds the palette's buttons, one per item in order, each showing its
// test's unmasked symbols (a binaural item its binaural symbol on both halves,
// acting as one button). Then presses the first button when blnSelectFirst,
// else the button of the item that was selected before, if it is still there.
void FillCurvePalette(CurvePalette& oPalette, const CPaletteItems& oItems, bool blnSelectFirst);

}  // namespace brisance
