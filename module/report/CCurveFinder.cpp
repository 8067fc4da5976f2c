#include "module/report/CCurveFinder.h"

#include "platform/com/HResult.h"

#include <array>

namespace brisance {
namespace {

constexpr std::int32_t kUnaided = 2;

// Speech reception, awareness and detection thresholds.
constexpr std::array<std::int32_t, 9> kThresholdTypes = {17, 15, 16, 25, 23, 24, 22, 20, 21};
constexpr std::array<std::int32_t, 2> kMostComfortableTypes = {27, 26};
constexpr std::array<std::int32_t, 2> kUncomfortableTypes = {29, 28};
constexpr std::array<std::int32_t, 3> kDiscriminationTypes = {12, 10, 11};
constexpr std::array<std::int32_t, 2> kDiscriminationInNoiseTypes = {14, 13};

}  // namespace

bool CCurveFinder::GetSRTPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const
{
    return FindFirstSpeechPoint(oData, kThresholdTypes, Ear, Point);
}

bool CCurveFinder::GetMCLPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const
{
    return FindFirstSpeechPoint(oData, kMostComfortableTypes, Ear, Point);
}

bool CCurveFinder::GetUCLPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear, SpeechPoint& Point) const
{
    return FindFirstSpeechPoint(oData, kUncomfortableTypes, Ear, Point);
}

bool CCurveFinder::GetWordRecognitionPoint(vellum::IVellumDataLayer& oData, std::int32_t Ear,
                                           SpeechPoint& Point) const
{
    return FindFirstSpeechPoint(oData, kDiscriminationTypes, Ear, Point);
}

bool CCurveFinder::GetWordRecognitionWithNoisePoint(vellum::IVellumDataLayer& oData, std::int32_t Ear,
                                                    SpeechPoint& Point) const
{
    return FindFirstSpeechPoint(oData, kDiscriminationInNoiseTypes, Ear, Point);
}

bool CCurveFinder::FindFirstSpeechPoint(vellum::IVellumDataLayer& oData, std::span<const std::int32_t> curveTypes,
                                        std::int32_t Ear, SpeechPoint& Point)
{
    const auto curves = oData.get_SpeechCurves();
    for (const std::int32_t curveType : curveTypes) {
        vellum::ComPtr<vellum::IVellumSpeechCurve> curve;
        if (!curves->FindAnyWordList(curveType, Ear, kUnaided, curve)) continue;
        // The first curve found answers, even an empty one.
        platform::runtime::Variant first;
        if (curve->get_Points()->get__NewEnum()->Next(1, &first, nullptr) != platform::com::S_OK) return false;
        Point = first.toObject().as<vellum::IVellumSpeechPoint>();
        return true;
    }
    return false;
}

}  // namespace brisance
