#include "module/views/CPureToneChartMaps.h"

#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

CPureToneChartMaps Maps(std::int32_t octaves, bool dashed = false, bool hidden = false)
{
    CPureToneChartMaps maps;
    maps.ChartWidth = 1000;
    maps.OctavePositions = octaves;
    maps.InterOctaveDashed = dashed;
    maps.InterOctaveHidden = hidden;
    maps.Initialize();
    return maps;
}

struct Tick {
    std::int32_t frequency;
    const char* label;
    std::int32_t normal;  // position with 7 octaves; 0 when absent
    std::int32_t full;    // position with 9 octaves
};
constexpr Tick kTicks[] = {
    {125, "125", 50, 50},   {250, "250", 200, 162}, {500, "500", 350, 274}, {750, "", 440, 341},
    {1000, "1K", 500, 386}, {1500, "", 590, 453},   {2000, "2K", 650, 498}, {3000, "", 740, 565},
    {4000, "4K", 800, 610}, {6000, "", 890, 677},   {8000, "8K", 950, 722}, {12000, "12K", 0, 834},
    {16000, "16K", 0, 946},
};

TEST(CPureToneChartMaps, EachFrequencyStandsAtItsPositionInBothRanges)
{
    const CPureToneChartMaps normal = Maps(7, true, false);
    const CPureToneChartMaps full = Maps(9, false, true);
    EXPECT_EQ(normal.Increment(), 150);
    EXPECT_EQ(full.Increment(), 112) << "112.5 rounds to the even neighbour";
    ASSERT_EQ(normal.Count(), 11);
    ASSERT_EQ(full.Count(), 13);

    std::vector<std::int32_t> normalOrder, fullOrder;
    for (const auto& entry : normal)
        normalOrder.push_back(entry->FreqValue);
    for (const auto& entry : full)
        fullOrder.push_back(entry->FreqValue);
    EXPECT_EQ(fullOrder, (std::vector<std::int32_t>{125, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 6000, 8000,
                                                    12000, 16000}));
    EXPECT_EQ(normalOrder, std::vector<std::int32_t>(fullOrder.begin(), fullOrder.end() - 2));

    for (const Tick& tick : kTicks) {
        const std::string key = std::to_string(tick.frequency);
        const bool between = tick.label[0] == '\0';
        const auto entry = full.Item(key);
        EXPECT_EQ(entry->ChartValue, tick.full) << key;
        EXPECT_EQ(entry->Label, tick.label) << key;
        EXPECT_EQ(entry->Hide, between) << key;
        EXPECT_FALSE(entry->Dashed) << key;
        EXPECT_EQ(full.ConvertAudioXToChartX(tick.frequency), tick.full) << key;
        EXPECT_EQ(full.ConvertChartXToAudioX(tick.full), tick.frequency) << key;
        EXPECT_EQ(normal.ConvertAudioXToChartX(tick.frequency), tick.normal) << key;
        if (tick.normal != 0) {
            EXPECT_EQ(normal.Item(key)->Dashed, between) << key;
            EXPECT_FALSE(normal.Item(key)->Hide) << key;
            EXPECT_EQ(normal.ConvertChartXToAudioX(tick.normal), tick.frequency) << key;
        }
    }
    EXPECT_EQ(full.Item(1)->FreqValue, 125) << "by position too";
}

TEST(CPureToneChartMaps, ConversionsMissWithZero)
{
    const CPureToneChartMaps normal = Maps(7);
    EXPECT_EQ(normal.ConvertChartXToAudioX(51), 0);
    EXPECT_EQ(normal.ConvertChartXToAudioX(0), 0);
    EXPECT_EQ(normal.ConvertAudioXToChartX(800), 0);
    EXPECT_EQ(normal.ConvertAudioXToChartX(12000), 0);
}

TEST(CPureToneChartMaps, InitializeRebuildsAndRemoveTakesOneTick)
{
    CPureToneChartMaps maps = Maps(9);
    maps.OctavePositions = 7;
    maps.Initialize();
    EXPECT_EQ(maps.Count(), 11) << "built anew, not added to";
    maps.Initialize();
    EXPECT_EQ(maps.Count(), 11);

    maps.Remove("750");
    EXPECT_EQ(maps.Count(), 10);
    EXPECT_EQ(maps.ConvertAudioXToChartX(750), 0);
    EXPECT_EQ(platform::runtime::testing::errorNumberOf([&] { maps.Item("750"); }),
              platform::runtime::errors::InvalidProcedureCall);
}

TEST(CPureToneChartMaps, GraphOptionsGiveTheViewsSettings)
{
    struct Case {
        std::int32_t options;
        std::int32_t octaves;
        bool dashed;
        bool hidden;
    };
    constexpr Case kCases[] = {
        {0, 9, false, true},
        {32, 7, false, true},
        {128, 9, false, false},
        {0x2000, 9, true, false},
        {128 | 0x2000, 9, false, false},
        {32 | 0x2000 | 1, 7, true, false},
        {-1, 7, false, false},
    };
    for (const Case& c : kCases) {
        CPureToneChartMaps maps;
        SetChartMapsFromGraphOptions(maps, c.options);
        EXPECT_EQ(maps.ChartWidth, 1000) << c.options;
        EXPECT_EQ(maps.OctavePositions, c.octaves) << c.options;
        EXPECT_EQ(maps.InterOctaveDashed, c.dashed) << c.options;
        EXPECT_EQ(maps.InterOctaveHidden, c.hidden) << c.options;
    }
}

}  // namespace
}  // namespace brisance
