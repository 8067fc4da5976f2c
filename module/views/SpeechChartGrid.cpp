#include "module/views/SpeechChartGrid.h"

namespace brisance {
namespace {

constexpr std::int32_t kSingleThresholdPoint = 1;
constexpr std::int32_t kLevelLabelRow = 4;
constexpr std::int32_t kAxisCaptions = 8;
constexpr std::int32_t kScoreLabelsOnRight = 16;
constexpr std::int32_t kLevelsTo120 = 32;
constexpr std::int32_t kDashesBetweenSymbols = 64;

constexpr double kNarrowXMax = 125;
constexpr double kWideXMax = 135;
constexpr double kRightLabelMargin = 350;
constexpr int kStep = 5;
constexpr int kLabelledStep = 10;
constexpr int kFullScore = 100;

bool has(std::int32_t options, std::int32_t bit) { return (options & bit) != 0; }

}  // namespace

SpeechChartGrid SpeechChartGridFor(std::int32_t lngGraphOptions)
{
    SpeechChartGrid grid;
    grid.XMax = has(lngGraphOptions, kLevelsTo120) ? kNarrowXMax : kWideXMax;
    const bool labelsOnRight = has(lngGraphOptions, kScoreLabelsOnRight);
    grid.RightMargin = labelsOnRight ? kRightLabelMargin : 0;

    for (int position = 0; position <= kFullScore; position += kStep) {
        const bool labelled = position % kLabelledStep == 0;
        const std::string score = labelled ? std::to_string(kFullScore - position) : std::string();
        grid.YGridLines.push_back({static_cast<double>(position), score, true, false});
        if (labelled && labelsOnRight)
            grid.YLabels.push_back({static_cast<double>(position), score});
    }
    for (int level = 0; level <= static_cast<int>(grid.XMax) - kStep; level += kStep) {
        const bool labelled = level % kLabelledStep == 0;
        grid.XGridLines.push_back(
            {static_cast<double>(level), labelled ? std::to_string(level) : std::string(), true, !labelled});
    }

    grid.SingleThresholdPoint = has(lngGraphOptions, kSingleThresholdPoint);
    grid.LevelLabelRow = has(lngGraphOptions, kLevelLabelRow);
    grid.ShowAxisCaptions = has(lngGraphOptions, kAxisCaptions);
    grid.UseSymbolToLineBuffer = has(lngGraphOptions, kDashesBetweenSymbols);
    return grid;
}

}  // namespace brisance
