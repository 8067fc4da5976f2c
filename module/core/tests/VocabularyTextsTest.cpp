#include "module/core/VocabularyTexts.h"

#include "module/core/tests/TextsTestSupport.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

namespace brisance {
namespace {

using platform::runtime::testing::errorNumberOf;

class VocabularyTextsTest : public testing::ModuleTextsTest {};

// Curve type -> its test type and transducer, in English.
struct CurveWords {
    std::int32_t curveType;
    const char* testType;
    const char* transducer;
};
constexpr CurveWords kCurveWords[] = {
    {0, "Unknown", "Unknown"},
    {1, "Threshold", "Phones"},
    {2, "Threshold", "Bone Oscillator"},
    {3, "Threshold", "Speaker"},
    {4, "MCL", "Phones"},
    {5, "MCL", "Speaker"},
    {6, "UCL", "Phones"},
    {7, "UCL", "Speaker"},
    {8, "Ipsilateral Reflexes", "Probe"},
    {9, "Contralateral Reflexes", "Probe"},
    {10, "Discrimination", "Phones"},
    {11, "Discrimination", "Bone Oscillator"},
    {12, "Discrimination", "Speaker"},
    {13, "Discrimination with Noise", "Phones"},
    {14, "Discrimination with Noise", "Speaker"},
    {15, "Threshold", "Phones"},
    {16, "Threshold", "Bone Oscillator"},
    {17, "Threshold", "Speaker"},
    {18, "Threshold with Noise", "Phones"},
    {19, "Threshold with Noise", "Speaker"},
    {20, "Threshold", "Phones"},
    {21, "Threshold", "Bone Oscillator"},
    {22, "Threshold", "Speaker"},
    {23, "Threshold", "Phones"},
    {24, "Threshold", "Bone Oscillator"},
    {25, "Threshold", "Speaker"},
    {26, "MCL", "Phones"},
    {27, "MCL", "Speaker"},
    {28, "UCL", "Phones"},
    {29, "UCL", "Speaker"},
    {30, "Unknown", "Unknown"},
};

TEST_F(VocabularyTextsTest, TestTypeAndTransducerOfEveryCurveType)
{
    for (const auto& [curveType, testType, transducer] : kCurveWords) {
        EXPECT_EQ(TestTypeText(curveType, false), testType) << "curve type " << curveType;
        EXPECT_EQ(TransducerText(curveType, false), transducer) << "curve type " << curveType;
    }
}

TEST_F(VocabularyTextsTest, ConditionsAndWordLists)
{
    struct Case {
        std::int32_t code;
        const char* text;
    };
    constexpr Case kConditions[] = {
        {2, "Unaided"}, {3, "Aided Solution 1"}, {4, "Aided Solution 2"}, {1, "Unknown"}, {5, "Unknown"},
    };
    for (const auto& [code, text] : kConditions)
        EXPECT_EQ(ConditionText(code, false), text) << "condition " << code;

    constexpr Case kWordLists[] = {
        {-32767, "Undefined"},
        {0, "Unknown"},
        {1, "No Word List"},
        {2, "Monosyllabic Words"},
        {3, "Multisyllabic Words"},
        {4, "Dichotic Words"},
        {5, "Freiburger"},
        {6, "Rhyme Test"},
        {7, "Numerals"},
        {8, "Spondaic Words"},
        {9, "Conversational Speech"},
        {10, "Phonetically Balanced"},
        {11, "Sentence Materials"},
        {12, "Body Parts"},
        {13, "Unknown"},
        {20, "Unknown"},
        {21, "User Defined 1"},
        {23, "User Defined 3"},
        {25, "User Defined 5"},
        {26, "Unknown"},
        {-1, "Unknown"},
    };
    for (const auto& [code, text] : kWordLists)
        EXPECT_EQ(WordListText(code, false), text) << "word list " << code;
}

TEST_F(VocabularyTextsTest, TheFlagReadsTheViewTextLoader)
{
    EXPECT_EQ(TestTypeText(1, true), "Hörschwelle");
    EXPECT_EQ(TransducerText(2, true), "Knochenhörer");
    EXPECT_EQ(ConditionText(4, true), "Versorgung 2");
    EXPECT_EQ(WordListText(22, true), "Benutzerdefiniert 2");
    EXPECT_EQ(WordListText(99, true), "Unbekannt");
}

TEST_F(VocabularyTextsTest, TympanogramLettersWithTheUiLoadersOther)
{
    constexpr const char* kLetters[] = {"Other", "A", "AD", "AS", "B", "C", "D", "E", ""};
    for (std::int32_t type = 0; type <= 8; ++type)
        EXPECT_EQ(TympTypeText(type), kLetters[type]) << "tympanogram type " << type;
    EXPECT_EQ(TympTypeText(-1), "");
}

TEST(VocabularyTexts, WithoutAUiLoaderTheTextsRaise)
{
    EXPECT_EQ(errorNumberOf([] { TympTypeText(0); }), platform::runtime::errors::ObjectNotSet);
    EXPECT_EQ(errorNumberOf([] { TestTypeText(1, false); }), platform::runtime::errors::ObjectNotSet);
    EXPECT_EQ(TympTypeText(1), "A") << "letters need no loader";
}

}  // namespace
}  // namespace brisance
