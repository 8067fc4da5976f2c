#include "module/core/CurveKeys.h"

#include "module/core/CodeTable.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace brisance {

namespace {

// Curve type -> test-type and transducer codes of the key.
constexpr CodeEntry<std::string_view> kPureToneCurveParts[] = {
    {1, "1-1-"}, {2, "1-2-"}, {3, "1-3-"}, {4, "2-1-"}, {5, "2-3-"},
    {6, "3-1-"}, {7, "3-3-"}, {8, "4-0-"}, {9, "5-0-"},
};
constexpr CodeEntry<std::string_view> kSpeechCurveParts[] = {
    {10, "1-1-"}, {11, "1-2-"}, {12, "1-3-"}, {13, "2-1-"}, {14, "2-3-"}, {15, "3-1-"}, {16, "3-2-"},
    {17, "3-3-"}, {18, "4-1-"}, {19, "4-3-"}, {20, "6-1-"}, {21, "6-2-"}, {22, "6-3-"}, {23, "5-1-"},
    {24, "5-2-"}, {25, "5-3-"}, {26, "7-1-"}, {27, "7-3-"}, {28, "8-1-"}, {29, "8-3-"},
};
constexpr std::string_view kUnknownCurvePart = "0-0-";

// The measured aided condition -> the key's condition code; anything else is
// written as unaided.
constexpr CodeEntry<std::string_view> kConditionParts[] = {{2, "1-"}, {3, "2-"}, {4, "3-"}};
constexpr std::string_view kUnknownConditionPart = "1-";

// Point status -> symbol index when unmasked; masking moves it by 3.
constexpr CodeEntry<std::int32_t> kStatusSymbols[] = {{3, 1}, {4, 2}};
constexpr std::int32_t kMeasuredSymbol = 0;
constexpr std::int32_t kMaskedOffset = 3;
constexpr std::int16_t kNotMasked = -32767;

constexpr std::int32_t kSpeechInNoiseCurveTypes[] = {13, 14, 18, 19};

std::string ConditionPart(std::int32_t condition)
{
    return std::string(LookUpCode(kConditionParts, condition, kUnknownConditionPart));
}

}  // namespace

std::string PureToneCurveKey(vellum::IVellumMeasurement& oMeas)
{
    const std::int32_t curveType = oMeas.get_CurveType();
    return std::string(LookUpCode(kPureToneCurveParts, curveType, kUnknownCurvePart)) +
           ConditionPart(oMeas.get_Condition());
}

std::string SpeechCurveKey(vellum::IVellumMeasurement& oMeas)
{
    const std::int32_t curveType = oMeas.get_CurveType();
    return std::string(LookUpCode(kSpeechCurveParts, curveType, kUnknownCurvePart)) +
           std::to_string(oMeas.get_WordList()) + "-" + ConditionPart(oMeas.get_Condition());
}

std::int32_t SymbolIndexFromPoint(vellum::IVellumPureTonePoint& oPoint)
{
    const bool masked = oPoint.get_MaskingLevel() != kNotMasked;
    const std::int32_t symbol = LookUpCode(kStatusSymbols, oPoint.get_Status(), kMeasuredSymbol);
    return masked ? symbol + kMaskedOffset : symbol;
}

bool IsSpeechInNoiseTest(std::int32_t lngCurveType)
{
    return std::ranges::find(kSpeechInNoiseCurveTypes, lngCurveType) != std::end(kSpeechInNoiseCurveTypes);
}

}  // namespace brisance
