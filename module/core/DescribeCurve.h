#pragma once
// The one-line caption of a test: test type, transducer, word list (speech)
// and aided condition, each with the notes a palette item adds, in the
// language of the loader the flag picks (true the view text loader, false the
// UI text loader).

#include <string>

namespace brisance {

class CCurvePref;
class CPaletteItem;

// "Threshold / Phones / Unaided " with a test's own words only.
std::string DescribeCurve(const CCurvePref& oPref, bool blnUseViewLoader);
// The same with the item's transducer, condition and word-list notes in
// brackets; a binaural item ends with " / Binaural ".
std::string DescribeCurve(const CPaletteItem& oItem, bool blnUseViewLoader);

}  // namespace brisance
