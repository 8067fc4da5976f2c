#include "vellum/PureToneAverage.h"

#include "platform/runtime/Conversions.h"

namespace vellum {

std::int16_t pureToneAverage(const PureToneCurve& curve, std::int32_t mask, std::int32_t doubleMask)
{
    std::int64_t sum = 0;
    std::int64_t weights = 0;
    for (std::size_t bit = 0; bit < kAverageFrequencies.size(); ++bit) {
        const std::int32_t flag = std::int32_t{1} << bit;
        if ((mask & flag) == 0) continue;
        const auto found = curve.points.find(kAverageFrequencies[bit]);
        if (found == curve.points.end()) return kNoValue;
        const PureTonePoint& point = *found->second;
        if (point.status != kStatusMeasured || point.level == kNoValue) return kNoValue;
        const int weight = (doubleMask & flag) != 0 ? 2 : 1;
        sum += std::int64_t{point.level} * weight;
        weights += weight;
    }
    if (weights == 0) return kNoValue;
    return platform::runtime::CInt(static_cast<double>(sum) / static_cast<double>(weights));
}

}  // namespace vellum
