#pragma once
// The localized words for the codes of a test or a measured curve: test type
// and transducer by curve type, aided condition, word list, and the letters of
// a tympanogram type.
//
// The flag picks the loader: true the view text loader (views and report),
// false the UI text loader (dialogs). A code without a word of its own gives
// the TR_UNKNOWN text, never an error; a missing loader raises 91.

#include "module/core/TextResources.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brisance {

// A text of the language library, with a number behind it where one text
// serves several codes ("Aided Solution 2", "User Defined 3").
struct LibraryText {
    TextResources id;
    std::string_view suffix = {};
};

// The text through the loader the flag picks, with its suffix.
std::string LoadLibraryText(const LibraryText& text, bool blnUseViewLoader);

// "A", "AD", "AS", "B", "C", "D", "E" for 1 to 7, the UI loader's TR_OTHER
// text for 0, and the empty text for any other code.
std::string TympTypeText(std::int32_t lngTympType);

std::string TestTypeText(std::int32_t lngCurveType, bool blnUseViewLoader);
std::string TransducerText(std::int32_t lngCurveType, bool blnUseViewLoader);
// The measured condition: 2 unaided, 3 and 4 the first and second aided solution.
std::string ConditionText(std::int32_t lngCondition, bool blnUseViewLoader);
// Word-list codes 1 to 12 and the user-defined lists 21 to 25; -32767 undefined.
std::string WordListText(std::int32_t lngWordList, bool blnUseViewLoader);

}  // namespace brisance
