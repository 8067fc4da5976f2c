#include "module/preferences/FunctionsTAVOShouldImplement.h"

#include "module/core/CodeTable.h"
#include "module/core/VocabularyTexts.h"

#include <QComboBox>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace brisance {

namespace {

// Test types whose key and curve type do not depend on the transducer.
constexpr bool IsReflex(std::int32_t testType) { return testType == 4 || testType == 5; }

// When an entry is offered, by the selected test type.
constexpr bool Always(std::int32_t) { return true; }
constexpr bool ForReflex(std::int32_t testType) { return IsReflex(testType); }
constexpr bool ForNonReflex(std::int32_t testType) { return !IsReflex(testType); }
constexpr bool ForPureToneBoneConduction(std::int32_t testType)
{
    return testType != 2 && testType != 3 && !IsReflex(testType);
}
constexpr bool ForSpeechBoneConduction(std::int32_t testType)
{
    return testType == 1 || testType == 3 || testType == 5 || testType == 6;
}

struct Entry {
    LibraryText text;
    std::int32_t code;
    bool (*offered)(std::int32_t testType) = Always;
};

constexpr Entry kPureToneTestTypes[] = {
    {{TR_THRESHOLD}, 1},
    {{TR_MCL}, 2},
    {{TR_UCL}, 3},
    {{TR_IPSILATERAL_RELFEXES}, 4},
    {{TR_CONTALATERAL_REFLEXES}, 5},
};

constexpr Entry kSpeechTestTypes[] = {
    {{TR_DISCRIMINATION}, 1},
    {{TR_DISCRIMINATION_WITH_NOISE}, 2},
    {{TR_SRT}, 3},
    {{TR_SRT_WITH_NOISE}, 4},
    {{TR_SAT}, 5},
    {{TR_SDT}, 6},
    {{TR_MCL}, 7},
    {{TR_UCL}, 8},
};

constexpr Entry kPureToneTransducers[] = {
    {{TR_PHONES}, 1, ForNonReflex},
    {{TR_BONE_OSCILLATOR}, 2, ForPureToneBoneConduction},
    {{TR_SPEAKER}, 3, ForNonReflex},
    {{TR_PROBE}, 4, ForReflex},
};

constexpr Entry kSpeechTransducers[] = {
    {{TR_PHONES}, 1},
    {{TR_BONE_OSCILLATOR}, 2, ForSpeechBoneConduction},
    {{TR_SPEAKER}, 3},
};

constexpr Entry kAidedConditions[] = {
    {{TR_UNAIDED}, 1},
    {{TR_AIDED_SOLUTION, " 1"}, 2, ForNonReflex},
    {{TR_AIDED_SOLUTION, " 2"}, 3, ForNonReflex},
};

// Codes 5, 6 and 13 to 20 are never offered.
constexpr Entry kWordLists[] = {
    {{TR_NONE}, 1},
    {{TR_MONOSYLLABIC_WORDS}, 2},
    {{TR_MULTISYLLABIC_WORDS}, 3},
    {{TR_DICHOTIC_WORDS}, 4},
    {{TR_NUMERALS}, 7},
    {{TR_SPONDAIC_WORDS}, 8},
    {{TR_CONVERSATIONAL_SPEECH}, 9},
    {{TR_PHONETICALLY_BALANCED}, 10},
    {{TR_SENTENCE_MATERIALS}, 11},
    {{TR_BODY_PARTS}, 12},
    {{TR_USER_DEFINED, " 1"}, 21},
    {{TR_USER_DEFINED, " 2"}, 22},
    {{TR_USER_DEFINED, " 3"}, 23},
    {{TR_USER_DEFINED, " 4"}, 24},
    {{TR_USER_DEFINED, " 5"}, 25},
};

void Fill(QComboBox& combo, std::span<const Entry> entries, std::int32_t testType = 0)
{
    combo.clear();
    for (const Entry& entry : entries) {
        if (entry.offered(testType))
            combo.addItem(QString::fromStdString(LoadLibraryText(entry.text, false)), entry.code);
    }
    combo.setCurrentIndex(-1);  // the user chooses
}

// Curve types by transducer code 1, 2, 3, and for any other code.
struct CurveTypes {
    std::array<std::int32_t, 3> byTransducer;
    std::int32_t otherTransducer = 0;
};

constexpr CodeEntry<CurveTypes> kPureToneCurveTypes[] = {
    {1, {{1, 2, 3}}},
    {2, {{4, 0, 5}}},
    {3, {{6, 0, 7}}},
    {4, {{8, 8, 8}, 8}},
    {5, {{9, 9, 9}, 9}},
};

// Awareness (5) and detection (6) run the other way round from their curve types.
constexpr CodeEntry<CurveTypes> kSpeechCurveTypes[] = {
    {1, {{10, 11, 12}}},
    {2, {{13, 0, 14}}},
    {3, {{15, 16, 17}}},
    {4, {{18, 0, 19}}},
    {5, {{23, 24, 25}}},
    {6, {{20, 21, 22}}},
    {7, {{26, 0, 27}}},
    {8, {{28, 0, 29}}},
};

constexpr CurveTypes kNoCurveTypes{{0, 0, 0}};

std::int32_t CurveTypeOf(const CurveTypes& types, std::int32_t transducer)
{
    if (transducer >= 1 && transducer <= 3)
        return types.byTransducer[static_cast<std::size_t>(transducer - 1)];
    return types.otherTransducer;
}

constexpr CodeEntry<std::int32_t> kConditionsByAidedCode[] = {{1, 2}, {2, 3}, {3, 4}};

// The code of the chosen entry; none while the combo box has no choice.
std::optional<std::int32_t> ChosenCode(const QComboBox& combo)
{
    if (combo.currentIndex() < 0)
        return std::nullopt;
    return combo.currentData().toInt();
}

std::string KeyPart(std::int32_t code) { return std::to_string(code) + "-"; }

}  // namespace

void FillPureToneTestTypes(QComboBox& cboTestType) { Fill(cboTestType, kPureToneTestTypes); }
void FillSpeechTestTypes(QComboBox& cboTestType) { Fill(cboTestType, kSpeechTestTypes); }
void FillWordLists(QComboBox& cboWordList) { Fill(cboWordList, kWordLists); }

void FillPureToneTransducers(QComboBox& cboTransducer, std::int32_t lngTestType)
{
    Fill(cboTransducer, kPureToneTransducers, lngTestType);
}

void FillSpeechTransducers(QComboBox& cboTransducer, std::int32_t lngTestType)
{
    Fill(cboTransducer, kSpeechTransducers, lngTestType);
}

void FillAidedConditions(QComboBox& cboCondition, std::int32_t lngTestType)
{
    Fill(cboCondition, kAidedConditions, lngTestType);
}

std::string BuildNotation3(const QComboBox& cboTestType, const QComboBox& cboTransducer,
                           const QComboBox& cboCondition)
{
    const auto testType = ChosenCode(cboTestType);
    const auto transducer = ChosenCode(cboTransducer);
    const auto condition = ChosenCode(cboCondition);
    if (!testType || !transducer || !condition)
        return {};
    return KeyPart(*testType) + KeyPart(IsReflex(*testType) ? 0 : *transducer) + KeyPart(*condition);
}

std::string BuildNotation4(const QComboBox& cboTestType, const QComboBox& cboTransducer,
                           const QComboBox& cboWordList, const QComboBox& cboCondition)
{
    const auto testType = ChosenCode(cboTestType);
    const auto transducer = ChosenCode(cboTransducer);
    const auto wordList = ChosenCode(cboWordList);
    const auto condition = ChosenCode(cboCondition);
    if (!testType || !transducer || !wordList || !condition)
        return {};
    return KeyPart(*testType) + KeyPart(*transducer) + KeyPart(*wordList) + KeyPart(*condition);
}

std::int32_t PureToneCurveID(std::int32_t lngTestType, std::int32_t lngTransducer)
{
    return CurveTypeOf(LookUpCode(kPureToneCurveTypes, lngTestType, kNoCurveTypes), lngTransducer);
}

std::int32_t SpeechCurveID(std::int32_t lngTestType, std::int32_t lngTransducer)
{
    return CurveTypeOf(LookUpCode(kSpeechCurveTypes, lngTestType, kNoCurveTypes), lngTransducer);
}

std::int32_t ConditionFromAidedCode(std::int32_t lngAidedCode)
{
    return LookUpCode(kConditionsByAidedCode, lngAidedCode, 0);
}

}  // namespace brisance
