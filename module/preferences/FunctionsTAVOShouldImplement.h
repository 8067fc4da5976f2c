#pragma once
// The fixed vocabularies from which a new test is composed: the combo-box
// lists of test types, transducers, aided conditions and word lists, the
// notation key built from the chosen entries, and the maps from those codes
// to the curve type and to the measured condition.
//
// Each combo entry shows its text from the UI text loader and carries its
// code as item data; keys and curve types are made of the codes only, so
// they stay the same whatever the language. A missing loader raises 91.

#include <cstdint>
#include <string>

class QComboBox;

namespace brisance {

// Each fill clears the combo box, appends its entries and leaves none chosen.

// The entries of their list.
void FillPureToneTestTypes(QComboBox& cboTestType);
void FillSpeechTestTypes(QComboBox& cboTestType);
void FillWordLists(QComboBox& cboWordList);
// The entries offered for this test-type code:
// reflex tests (4, 5) use the probe only and are measured unaided; bone
// conduction is offered for the pure-tone threshold and for the speech tests
// 1, 3, 5 and 6.
void FillPureToneTransducers(QComboBox& cboTransducer, std::int32_t lngTestType);
void FillSpeechTransducers(QComboBox& cboTransducer, std::int32_t lngTestType);
void FillAidedConditions(QComboBox& cboCondition, std::int32_t lngTestType);

// The notation key "T-R-A-" of a pure-tone test from the chosen codes (the
// transducer written 0 for a reflex test), or "" while a combo box has no
// choice.
std::string BuildNotation3(const QComboBox& cboTestType, const QComboBox& cboTransducer,
                           const QComboBox& cboCondition);
// The notation key "T-R-W-A-" of a speech test, or "" while a combo box has
// no choice.
std::string BuildNotation4(const QComboBox& cboTestType, const QComboBox& cboTransducer,
                           const QComboBox& cboWordList, const QComboBox& cboCondition);

// The curve type (1 to 29) that a test of these codes records; 0 when the
// pair has none.
std::int32_t PureToneCurveID(std::int32_t lngTestType, std::int32_t lngTransducer);
std::int32_t SpeechCurveID(std::int32_t lngTestType, std::int32_t lngTransducer);

// The measured condition (2 unaided, 3 and 4 aided) of an aided-condition
// code (1 unaided, 2 and 3 aided); 0 for any other code.
std::int32_t ConditionFromAidedCode(std::int32_t lngAidedCode);

}  // namespace brisance
