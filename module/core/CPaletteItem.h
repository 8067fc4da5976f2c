#pragma once
// One test that a view offers on its curve palette: the test definition,
// shared with the module's tests, and what the view keeps about it (the
// binaural variant or not, hidden on the chart, measured in the loaded data,
// the descriptions its caption shows).

#include "module/core/CCurvePref.h"

#include <cstdint>
#include <memory>
#include <string>

namespace brisance {

class CPaletteItem {
public:
    std::shared_ptr<CCurvePref> CurvePreferences;
    // The item's number in its collection, given by CPaletteItems.Add.
    std::int32_t ID = 0;
    // The test's notation key when the item was added.
    std::string Key;
    bool Binaural = false;
    bool HideInGraph = false;
    bool HasData = false;
    std::string ConditionDescription;
    std::string TransducerDescription;
    std::string WordList;
    std::int32_t NumberOfWords = 0;

    // Copies every field but CurvePreferences into oDestObject, so that a
    // saved item can be put back onto a new one that offers the same test.
    void CopyTo(CPaletteItem& oDestObject) const;
};

}  // namespace brisance
