#include "module/views/SpeechIntelligibilityBands.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace brisance {

double SpeechAreaCentre(const SpeechBand& band)
{
    return band.SpeechSpectrumLevel - band.InternalNoise;
}

std::array<int, kSpeechBands.size()> AudibilityDotCounts()
{
    std::array<int, kSpeechBands.size()> counts{};
    std::array<double, kSpeechBands.size()> remainders{};
    for (std::size_t i = 0; i < kSpeechBands.size(); ++i) {
        const double share = kSpeechBands[i].Importance * kAudibilityDots;
        counts[i] = static_cast<int>(std::floor(share));
        remainders[i] = share - counts[i];
    }
    std::array<std::size_t, kSpeechBands.size()> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    const int left = kAudibilityDots - std::accumulate(counts.begin(), counts.end(), 0);
    for (int i = 0; i < left; ++i)
        ++counts[order[static_cast<std::size_t>(i)]];
    return counts;
}

std::vector<double> AudibilityDotLevels(const SpeechBand& band, int dots)
{
    std::vector<double> levels;
    const double lowest = SpeechAreaCentre(band) - kSpeechHalfRange;
    for (int k = 0; k < dots; ++k)
        levels.push_back(lowest + 2 * kSpeechHalfRange * (k + 0.5) / dots);
    return levels;
}

}  // namespace brisance
