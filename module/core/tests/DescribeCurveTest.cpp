#include "module/core/DescribeCurve.h"

#include "module/core/CCurvePref.h"
#include "module/core/CPaletteItem.h"
#include "module/core/tests/TextsTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace brisance {
namespace {

class DescribeCurveTest : public testing::ModuleTextsTest {
protected:
    static std::shared_ptr<CCurvePref> Test(CurvePrefType kind, std::int32_t curveType, std::int32_t wordList,
                                            std::int32_t condition)
    {
        auto test = std::make_shared<CCurvePref>();
        test->PrefType = kind;
        test->TestType = curveType;
        test->WordList = wordList;
        test->Condition = condition;
        return test;
    }

    std::shared_ptr<CCurvePref> m_airConduction = Test(PrefType_PureTone, 1, 0, 2);
    std::shared_ptr<CCurvePref> m_discrimination = Test(PrefType_Speech, 10, 10, 3);
};

TEST_F(DescribeCurveTest, ATestsCaptionHasItsOwnWordsWithABlankForEachNote)
{
    EXPECT_EQ(DescribeCurve(*m_airConduction, false), "Threshold / Phones / Unaided ");
    EXPECT_EQ(DescribeCurve(*m_discrimination, false),
              "Discrimination / Phones / Phonetically Balanced / Aided Solution 1 ");
    EXPECT_EQ(DescribeCurve(*m_airConduction, true), "Hörschwelle / Kopfhörer / Unversorgt ")
        << "the flag picks the view text loader";
}

TEST_F(DescribeCurveTest, APaletteItemAddsItsDescriptionsAndBinauralMark)
{
    CPaletteItem plain;
    plain.CurvePreferences = m_discrimination;
    EXPECT_EQ(DescribeCurve(plain, false), DescribeCurve(*m_discrimination, false)) << "no descriptions, no notes";

    CPaletteItem described;
    described.CurvePreferences = m_discrimination;
    described.TransducerDescription = "TDH-39";
    described.ConditionDescription = "left aid";
    described.WordList = "NU-6";
    described.NumberOfWords = 25;
    EXPECT_EQ(DescribeCurve(described, false),
              "Discrimination / Phones ( TDH-39 ) / Phonetically Balanced ( NU-6 - 25 )  / Aided Solution 1 ( left aid ) ");

    CPaletteItem wordsOnly;
    wordsOnly.CurvePreferences = m_discrimination;
    wordsOnly.NumberOfWords = 50;
    EXPECT_EQ(DescribeCurve(wordsOnly, false),
              "Discrimination / Phones / Phonetically Balanced ( 50 )  / Aided Solution 1 ");

    CPaletteItem binaural;
    binaural.CurvePreferences = m_airConduction;
    binaural.Binaural = true;
    binaural.TransducerDescription = "insert";
    EXPECT_EQ(DescribeCurve(binaural, true), "Hörschwelle / Kopfhörer ( insert ) / Unversorgt  / Binaural ");
}

}  // namespace
}  // namespace brisance
