#include "module/views/ShowPureToneAverages.h"

#include "module/panels/IPTATable.h"
#include "platform/runtime/Conversions.h"

#include <string>

namespace brisance {
namespace {

using vellum::kEarBinaural;
using vellum::kEarLeft;
using vellum::kEarRight;

constexpr std::int32_t kAirConduction = 1;
constexpr std::int32_t kBoneConduction = 2;
constexpr std::int32_t kSoundField = 3;
constexpr std::int32_t kUnaided = 2;

}  // namespace

std::string PureToneAverageText(vellum::IVellumPureToneCurves& curves, std::int32_t curveType, std::int32_t ear,
                                const AverageMasks& masks)
{
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (!curves.Find(curveType, ear, kUnaided, curve)) return {};
    const std::int16_t tenths = curve->Average(masks.average, masks.doubleWeight);
    if (tenths == vellum::kNoValue) return {};
    return std::to_string(static_cast<int>(platform::runtime::roundHalfEven(tenths / 10.0)));
}

AverageMasks EarAverageMasks(vellum::IVellumDataLayer& dataLayer, std::int32_t ear, const AverageMasks& profile)
{
    const AverageMasks stored = ear == kEarLeft ? AverageMasks{dataLayer.get_AverageFrequenciesLeft(),
                                                               dataLayer.get_DoubleAverageFrequenciesLeft()}
                                                : AverageMasks{dataLayer.get_AverageFrequenciesRight(),
                                                               dataLayer.get_DoubleAverageFrequenciesRight()};
    return stored.average != 0 ? stored : profile;
}

void ShowPureToneAverages(IPTATable& panel, vellum::IVellumDataLayer& dataLayer, const AverageMasks& profile)
{
    const AverageMasks left = EarAverageMasks(dataLayer, kEarLeft, profile);
    const AverageMasks right = EarAverageMasks(dataLayer, kEarRight, profile);
    panel.AverageFrequencies(kEarLeft, left.average);
    panel.AverageFrequencies(kEarRight, right.average);
    panel.DoubleAverageFrequencies(kEarLeft, left.doubleWeight);
    panel.DoubleAverageFrequencies(kEarRight, right.doubleWeight);

    const vellum::ComPtr<vellum::IVellumPureToneCurves> curves = dataLayer.get_PureToneCurves();
    panel.ACLeftAverage(PureToneAverageText(*curves, kAirConduction, kEarLeft, left));
    panel.ACRightAverage(PureToneAverageText(*curves, kAirConduction, kEarRight, right));
    panel.BCLeftAverage(PureToneAverageText(*curves, kBoneConduction, kEarLeft, left));
    panel.BCRightAverage(PureToneAverageText(*curves, kBoneConduction, kEarRight, right));
    panel.SFAverage(PureToneAverageText(*curves, kSoundField, kEarBinaural, left));
}

}  // namespace brisance
