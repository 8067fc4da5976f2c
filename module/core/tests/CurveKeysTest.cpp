#include "module/core/CurveKeys.h"

#include "module/core/tests/CoreTestSupport.h"

#include "vellum/IVellumDataLayer.h"

#include "platform/com/Creation.h"

#include <gtest/gtest.h>

#include <string>

namespace brisance {
namespace {

using platform::com::ComPtr;

class CurveKeysTest : public testing::VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        m_data = platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid);
    }

    ComPtr<vellum::IVellumMeasurement> PureTone(std::int32_t curveType, std::int32_t condition)
    {
        return m_data->get_PureToneCurves()->Add(curveType, 3, condition)->get_Measurement();
    }
    ComPtr<vellum::IVellumMeasurement> Speech(std::int32_t curveType, std::int32_t wordList, std::int32_t condition)
    {
        return m_data->get_SpeechCurves()->Add(curveType, 3, condition, wordList)->get_Measurement();
    }

    ComPtr<vellum::IVellumDataLayer> m_data;
};

// Curve type -> the curve part of a pure-tone key and of a speech key.
struct CurveParts {
    std::int32_t curveType;
    const char* pureTone;
    const char* speech;
};
constexpr CurveParts kCurveParts[] = {
    {0, "0-0-", "0-0-"},   {1, "1-1-", "0-0-"},   {2, "1-2-", "0-0-"},   {3, "1-3-", "0-0-"},
    {4, "2-1-", "0-0-"},   {5, "2-3-", "0-0-"},   {6, "3-1-", "0-0-"},   {7, "3-3-", "0-0-"},
    {8, "4-0-", "0-0-"},   {9, "5-0-", "0-0-"},   {10, "0-0-", "1-1-"},  {11, "0-0-", "1-2-"},
    {12, "0-0-", "1-3-"},  {13, "0-0-", "2-1-"},  {14, "0-0-", "2-3-"},  {15, "0-0-", "3-1-"},
    {16, "0-0-", "3-2-"},  {17, "0-0-", "3-3-"},  {18, "0-0-", "4-1-"},  {19, "0-0-", "4-3-"},
    {20, "0-0-", "6-1-"},  {21, "0-0-", "6-2-"},  {22, "0-0-", "6-3-"},  {23, "0-0-", "5-1-"},
    {24, "0-0-", "5-2-"},  {25, "0-0-", "5-3-"},  {26, "0-0-", "7-1-"},  {27, "0-0-", "7-3-"},
    {28, "0-0-", "8-1-"},  {29, "0-0-", "8-3-"},  {30, "0-0-", "0-0-"},
};

// Measured condition -> the condition part of a key.
constexpr std::pair<std::int32_t, const char*> kConditionParts[] = {{2, "1-"}, {3, "2-"}, {4, "3-"}, {7, "1-"}};

TEST_F(CurveKeysTest, KeysOfMeasuredCurvesJoinTheCurvePartWordListAndCondition)
{
    for (const auto& [curveType, pureTonePart, speechPart] : kCurveParts) {
        for (const auto& [condition, conditionPart] : kConditionParts) {
            EXPECT_EQ(PureToneCurveKey(*PureTone(curveType, condition)), std::string(pureTonePart) + conditionPart)
                << "curve type " << curveType << ", condition " << condition;
            EXPECT_EQ(SpeechCurveKey(*Speech(curveType, 10, condition)),
                      std::string(speechPart) + "10-" + conditionPart)
                << "curve type " << curveType << ", condition " << condition;
        }
    }
}

TEST_F(CurveKeysTest, TheKeysOfTheExamples)
{
    EXPECT_EQ(PureToneCurveKey(*PureTone(1, 2)), "1-1-1-") << "air conduction unaided";
    EXPECT_EQ(PureToneCurveKey(*PureTone(12, 2)), "0-0-1-") << "a speech curve type is no pure-tone curve";
    EXPECT_EQ(PureToneCurveKey(*PureTone(1, 4)), "1-1-3-");
    EXPECT_EQ(SpeechCurveKey(*Speech(18, 3, 3)), "4-1-3-2-");
    EXPECT_EQ(SpeechCurveKey(*Speech(10, 10, 2)), "1-1-10-1-");
    EXPECT_EQ(SpeechCurveKey(*Speech(15, -32767, 2)), "3-1--32767-1-") << "no word list is written as its code";
}

TEST_F(CurveKeysTest, SymbolIndexFollowsStatusAndMasking)
{
    struct Case {
        std::int16_t status;
        std::int16_t masking;
        std::int32_t symbol;
    };
    constexpr Case kCases[] = {
        {1, -32767, 0}, {3, -32767, 1}, {4, -32767, 2}, {0, -32767, 0}, {2, -32767, 0},
        {1, 400, 3},    {3, 400, 4},    {4, 400, 5},    {1, 0, 3},      {2, -10, 3},
    };
    const auto points = m_data->get_PureToneCurves()->Add(1, 3, 2)->get_Points();
    std::int32_t frequency = 125;
    for (const Case& c : kCases) {
        const auto point = points->Add(frequency++);
        point->put_Status(c.status);
        point->put_MaskingLevel(c.masking);
        EXPECT_EQ(SymbolIndexFromPoint(*point), c.symbol) << "status " << c.status << ", masking " << c.masking;
    }
}

TEST(CurveKeys, OnlyTheSpeechCurvesInNoiseAreSpeechInNoiseTests)
{
    for (std::int32_t curveType = -1; curveType <= 30; ++curveType) {
        const bool inNoise = curveType == 13 || curveType == 14 || curveType == 18 || curveType == 19;
        EXPECT_EQ(IsSpeechInNoiseTest(curveType), inNoise) << "curve type " << curveType;
    }
}

}  // namespace
}  // namespace brisance
