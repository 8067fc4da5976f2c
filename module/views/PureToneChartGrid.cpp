#include "module/views/PureToneChartGrid.h"

#include "module/views/CPureToneChartMaps.h"

namespace brisance {
namespace {

constexpr std::int32_t kDashesBetweenSymbols = 64;
constexpr std::int32_t kLabelsAbove = 256;
constexpr std::int32_t kLevelsTo120 = 512;
constexpr std::int32_t kEvery5dB = 1024;
constexpr std::int32_t kAxisCaptions = 4096;

constexpr int kFirstLevel = -10;
constexpr int kLevelStep = 5;
constexpr int kLabelledLevelStep = 10;
// Room beyond the first and the last level line, for symbols drawn there.
constexpr double kLevelRoom = 15;

bool has(std::int32_t options, std::int32_t bit) { return (options & bit) != 0; }

}  // namespace

PureToneChartGrid PureToneChartGridFor(std::int32_t lngGraphOptions)
{
    CPureToneChartMaps maps;
    SetChartMapsFromGraphOptions(maps, lngGraphOptions);
    maps.Initialize();

    PureToneChartGrid grid;
    grid.XMin = 0;
    grid.XMax = maps.ChartWidth;
    grid.OctaveWidth = maps.Increment();
    for (const auto& tick : maps)
        grid.XGridLines.push_back({static_cast<double>(tick->ChartValue), tick->Label, !tick->Hide, tick->Dashed});

    const int lastLevel = has(lngGraphOptions, kLevelsTo120) ? 120 : 130;
    const bool stepsShown = has(lngGraphOptions, kEvery5dB);
    for (int level = kFirstLevel; level <= lastLevel; level += kLevelStep) {
        const bool labelled = level % kLabelledLevelStep == 0;
        grid.YGridLines.push_back({static_cast<double>(level), labelled ? std::to_string(level) : std::string(),
                                   labelled || stepsShown, !labelled});
    }
    grid.YMin = kFirstLevel - kLevelRoom;
    grid.YMax = lastLevel + kLevelRoom;

    grid.XLabelPosition = has(lngGraphOptions, kLabelsAbove) ? lumenplot::grid_OnTop : lumenplot::grid_OnBottom;
    grid.UseSymbolToLineBuffer = has(lngGraphOptions, kDashesBetweenSymbols);
    grid.ShowAxisCaptions = has(lngGraphOptions, kAxisCaptions);
    return grid;
}

}  // namespace brisance
