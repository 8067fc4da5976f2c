#include "module/core/VocabularyTexts.h"

#include "module/core/CodeTable.h"
#include "module/core/ModuleGlobals.h"

namespace brisance {

namespace {

constexpr LibraryText kUnknown{TR_UNKNOWN};

constexpr CodeEntry<std::string_view> kTympTypeLetters[] = {
    {1, "A"}, {2, "AD"}, {3, "AS"}, {4, "B"}, {5, "C"}, {6, "D"}, {7, "E"},
};
constexpr std::int32_t kOtherTympType = 0;

// Curve type -> test type.
constexpr CodeEntry<LibraryText> kTestTypeTexts[] = {
    // pure tone
    {1, {TR_THRESHOLD}}, {2, {TR_THRESHOLD}}, {3, {TR_THRESHOLD}},
    {4, {TR_MCL}}, {5, {TR_MCL}},
    {6, {TR_UCL}}, {7, {TR_UCL}},
    {8, {TR_IPSILATERAL_RELFEXES}},
    {9, {TR_CONTALATERAL_REFLEXES}},
    // speech
    {10, {TR_DISCRIMINATION}}, {11, {TR_DISCRIMINATION}}, {12, {TR_DISCRIMINATION}},
    {13, {TR_DISCRIMINATION_WITH_NOISE}}, {14, {TR_DISCRIMINATION_WITH_NOISE}},
    {15, {TR_THRESHOLD}}, {16, {TR_THRESHOLD}}, {17, {TR_THRESHOLD}},
    {18, {TR_THRESHOLD_WITH_NOISE}}, {19, {TR_THRESHOLD_WITH_NOISE}},
    {20, {TR_THRESHOLD}}, {21, {TR_THRESHOLD}}, {22, {TR_THRESHOLD}},
    {23, {TR_THRESHOLD}}, {24, {TR_THRESHOLD}}, {25, {TR_THRESHOLD}},
    {26, {TR_MCL}}, {27, {TR_MCL}},
    {28, {TR_UCL}}, {29, {TR_UCL}},
};

// Curve type -> the transducer of its curve key.
constexpr CodeEntry<LibraryText> kTransducerTexts[] = {
    // pure tone
    {1, {TR_PHONES}}, {2, {TR_BONE_OSCILLATOR}}, {3, {TR_SPEAKER}},
    {4, {TR_PHONES}}, {5, {TR_SPEAKER}},
    {6, {TR_PHONES}}, {7, {TR_SPEAKER}},
    {8, {TR_PROBE}}, {9, {TR_PROBE}},
    // speech
    {10, {TR_PHONES}}, {11, {TR_BONE_OSCILLATOR}}, {12, {TR_SPEAKER}},
    {13, {TR_PHONES}}, {14, {TR_SPEAKER}},
    {15, {TR_PHONES}}, {16, {TR_BONE_OSCILLATOR}}, {17, {TR_SPEAKER}},
    {18, {TR_PHONES}}, {19, {TR_SPEAKER}},
    {20, {TR_PHONES}}, {21, {TR_BONE_OSCILLATOR}}, {22, {TR_SPEAKER}},
    {23, {TR_PHONES}}, {24, {TR_BONE_OSCILLATOR}}, {25, {TR_SPEAKER}},
    {26, {TR_PHONES}}, {27, {TR_SPEAKER}},
    {28, {TR_PHONES}}, {29, {TR_SPEAKER}},
};

// Measured condition -> its words.
constexpr CodeEntry<LibraryText> kConditionTexts[] = {
    {2, {TR_UNAIDED}},
    {3, {TR_AIDED_SOLUTION, " 1"}},
    {4, {TR_AIDED_SOLUTION, " 2"}},
};

constexpr CodeEntry<LibraryText> kWordListTexts[] = {
    {-32767, {TR_UNDEFINED}},
    {0, {TR_UNKNOWN}},
    {1, {TR_NO_WORD_LIST}},
    {2, {TR_MONOSYLLABIC_WORDS}},
    {3, {TR_MULTISYLLABIC_WORDS}},
    {4, {TR_DICHOTIC_WORDS}},
    {5, {TR_FREIBURGER}},
    {6, {TR_REIM}},
    {7, {TR_NUMERALS}},
    {8, {TR_SPONDAIC_WORDS}},
    {9, {TR_CONVERSATIONAL_SPEECH}},
    {10, {TR_PHONETICALLY_BALANCED}},
    {11, {TR_SENTENCE_MATERIALS}},
    {12, {TR_BODY_PARTS}},
    {21, {TR_USER_DEFINED, " 1"}},
    {22, {TR_USER_DEFINED, " 2"}},
    {23, {TR_USER_DEFINED, " 3"}},
    {24, {TR_USER_DEFINED, " 4"}},
    {25, {TR_USER_DEFINED, " 5"}},
};

template <class Table>
std::string WordText(const Table& table, std::int32_t code, bool useViewLoader)
{
    return LoadLibraryText(LookUpCode(table, code, kUnknown), useViewLoader);
}

}  // namespace

std::string LoadLibraryText(const LibraryText& text, bool blnUseViewLoader)
{
    return ModuleGlobals::TextLoader(blnUseViewLoader)->LoadResString(text.id) + std::string(text.suffix);
}

std::string TympTypeText(std::int32_t lngTympType)
{
    if (lngTympType == kOtherTympType)
        return ModuleGlobals::TextLoader(false)->LoadResString(TR_OTHER);
    return std::string(LookUpCode(kTympTypeLetters, lngTympType, std::string_view{}));
}

std::string TestTypeText(std::int32_t lngCurveType, bool blnUseViewLoader)
{
    return WordText(kTestTypeTexts, lngCurveType, blnUseViewLoader);
}

std::string TransducerText(std::int32_t lngCurveType, bool blnUseViewLoader)
{
    return WordText(kTransducerTexts, lngCurveType, blnUseViewLoader);
}

std::string ConditionText(std::int32_t lngCondition, bool blnUseViewLoader)
{
    return WordText(kConditionTexts, lngCondition, blnUseViewLoader);
}

std::string WordListText(std::int32_t lngWordList, bool blnUseViewLoader)
{
    return WordText(kWordListTexts, lngWordList, blnUseViewLoader);
}

}  // namespace brisance
