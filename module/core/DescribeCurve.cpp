#include "module/core/DescribeCurve.h"

#include "module/core/CCurvePref.h"
#include "module/core/CPaletteItem.h"
#include "module/core/VocabularyTexts.h"

#include "platform/runtime/RuntimeError.h"

namespace brisance {

namespace {

// What a caption adds to the test's own words; a blank each by default.
struct CaptionNotes {
    std::string transducer = " ";
    std::string condition = " ";
    std::string words;
};

// Not a text of the language libraries: the caption always says it so.
constexpr const char* kBinauralNote = " / Binaural ";

std::string Bracketed(const std::string& text) { return " ( " + text + " ) "; }

std::string Caption(const CCurvePref& oPref, const CaptionNotes& notes, bool useViewLoader)
{
    const std::int32_t type = oPref.TestType;
    std::string caption = TestTypeText(type, useViewLoader) + " / " + TransducerText(type, useViewLoader) +
                          notes.transducer + "/ ";
    if (oPref.PrefType != PrefType_PureTone)
        caption += WordListText(oPref.WordList, useViewLoader) + notes.words + " / ";
    return caption + ConditionText(oPref.Condition, useViewLoader) + notes.condition;
}

CaptionNotes NotesOf(const CPaletteItem& oItem)
{
    CaptionNotes notes;
    if (!oItem.TransducerDescription.empty())
        notes.transducer = Bracketed(oItem.TransducerDescription);
    if (!oItem.ConditionDescription.empty())
        notes.condition = Bracketed(oItem.ConditionDescription);
    const bool hasWordList = !oItem.WordList.empty();
    const bool hasWordCount = oItem.NumberOfWords != 0;
    if (hasWordList || hasWordCount) {
        std::string words = oItem.WordList;
        if (hasWordList && hasWordCount)
            words += " - ";
        if (hasWordCount)
            words += std::to_string(oItem.NumberOfWords);
        notes.words = Bracketed(words);
    }
    return notes;
}

}  // namespace

std::string DescribeCurve(const CCurvePref& oPref, bool blnUseViewLoader)
{
    return Caption(oPref, CaptionNotes{}, blnUseViewLoader);
}

std::string DescribeCurve(const CPaletteItem& oItem, bool blnUseViewLoader)
{
    if (!oItem.CurvePreferences)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    std::string caption = Caption(*oItem.CurvePreferences, NotesOf(oItem), blnUseViewLoader);
    if (oItem.Binaural)
        caption += kBinauralNote;
    return caption;
}

}  // namespace brisance
