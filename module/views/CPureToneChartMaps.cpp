#include "module/views/CPureToneChartMaps.h"

#include "platform/runtime/Conversions.h"

#include <string>
#include <string_view>

namespace brisance {

namespace {

struct Tick {
    std::int32_t frequency;
    std::string_view label;
    bool interOctave = false;
    // Only on the full range (more than seven octaves).
    bool fullRangeOnly = false;
};

constexpr Tick kTicks[] = {
    {125, "125"},
    {250, "250"},
    {500, "500"},
    {750, "", true},
    {1000, "1K"},
    {1500, "", true},
    {2000, "2K"},
    {3000, "", true},
    {4000, "4K"},
    {6000, "", true},
    {8000, "8K"},
    {12000, "12K", false, true},
    {16000, "16K", false, true},
};

constexpr std::int32_t kNormalRangeOctaves = 7;
constexpr std::int32_t kFullRangeOctaves = 9;
// The axis keeps a tenth of its width as margin, half of it before the first octave.
constexpr double kMarginShare = 0.1;
constexpr double kInterOctaveShare = 0.6;

constexpr std::int32_t kShowSolidInterOctaves = 128;
constexpr std::int32_t kShowDashedInterOctaves = 0x2000;
constexpr std::int32_t kNormalRange = 32;
constexpr std::int32_t kViewChartWidth = 1000;

using platform::runtime::CLng;

}  // namespace

void CPureToneChartMaps::Initialize()
{
    const double width = ChartWidth;
    m_increment = CLng((width - kMarginShare * width) / (OctavePositions - 1));
    m_entries = {};

    std::int32_t octavePosition = 0;
    bool first = true;
    for (const Tick& tick : kTicks) {
        if (tick.fullRangeOnly && OctavePositions <= kNormalRangeOctaves)
            continue;
        auto entry = std::make_shared<CPureToneChartMap>();
        entry->FreqValue = tick.frequency;
        entry->Label = std::string(tick.label);
        if (tick.interOctave) {
            entry->ChartValue = CLng(kInterOctaveShare * m_increment + octavePosition);
            entry->Dashed = InterOctaveDashed;
            entry->Hide = InterOctaveHidden;
        } else {
            octavePosition = first ? CLng(kMarginShare * width / 2) : octavePosition + m_increment;
            entry->ChartValue = octavePosition;
            first = false;
        }
        m_entries.Add(std::move(entry), std::to_string(tick.frequency));
    }
}

CPureToneChartMaps::Entry CPureToneChartMaps::Item(const platform::runtime::Variant& vntIndexKey) const
{
    return m_entries.Item(vntIndexKey);
}

std::int32_t CPureToneChartMaps::Count() const { return m_entries.Count(); }

void CPureToneChartMaps::Remove(const platform::runtime::Variant& vntIndexKey) { m_entries.Remove(vntIndexKey); }

std::int32_t CPureToneChartMaps::ConvertChartXToAudioX(std::int32_t ChartXVal) const
{
    for (const Entry& entry : m_entries) {
        if (entry->ChartValue == ChartXVal)
            return entry->FreqValue;
    }
    return 0;
}

std::int32_t CPureToneChartMaps::ConvertAudioXToChartX(std::int32_t AudioXVal) const
{
    for (const Entry& entry : m_entries) {
        if (entry->FreqValue == AudioXVal)
            return entry->ChartValue;
    }
    return 0;
}

void SetChartMapsFromGraphOptions(CPureToneChartMaps& maps, std::int32_t lngGraphOptions)
{
    maps.ChartWidth = kViewChartWidth;
    maps.OctavePositions = (lngGraphOptions & kNormalRange) != 0 ? kNormalRangeOctaves : kFullRangeOctaves;
    const bool solid = (lngGraphOptions & kShowSolidInterOctaves) != 0;
    const bool dashed = (lngGraphOptions & kShowDashedInterOctaves) != 0;
    maps.InterOctaveDashed = !solid && dashed;
    maps.InterOctaveHidden = !solid && !dashed;
}

}  // namespace brisance
