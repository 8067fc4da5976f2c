#pragma once
// Filling the dialogs' lists of tests. Failures are raised to the caller.

#include "module/core/CCurvePref.h"

#include <cstdint>

namespace brisance {

class CCurvePrefs;
class ListView;

// Lists the tests of one kind in collection order: key "K" + CurveID, text the
// label, icon 1 for pure tone and 2 for speech, the CurveID as tag, and, when
// the list has a second column, the test's caption in the UI language there.
void FillTestList(ListView& lvwTests, const CCurvePrefs& oPrefs, CurvePrefType lngKind);

}  // namespace brisance
