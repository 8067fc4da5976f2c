#pragma once
// The frequency axis of a pure-tone chart: each audiometric frequency has a
// fixed position on an X axis of ChartWidth units. Octaves stand equally
// spaced; 750, 1500, 3000 and 6000 Hz stand 0.6 of the way from the octave
// below to the one above. Every point between a chart and the audiogram data
// is converted here, exactly: there is no snapping.

#include "module/views/CPureToneChartMap.h"

#include "platform/runtime/Collection.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <memory>

namespace brisance {

class CPureToneChartMaps {
public:
    using Entry = std::shared_ptr<CPureToneChartMap>;

    // The settings Initialize builds from.
    std::int32_t ChartWidth = 0;
    // Octave ticks: 7 for 125 to 8000 Hz, 9 to go on to 12000 and 16000 Hz.
    std::int32_t OctavePositions = 0;
    // How the grid lines of the frequencies between octaves look.
    bool InterOctaveDashed = false;
    bool InterOctaveHidden = false;

    // Rebuilds the ticks from the settings, in ascending frequency, each keyed
    // by its frequency as text ("750"). Raises 6 (overflow) when there are
    // fewer than two octave ticks.
    void Initialize();
    // The octave spacing of the last Initialize.
    std::int32_t Increment() const { return m_increment; }

    // The tick at a 1-based position or under a frequency key; the
    // collection's 9 or 5 when there is none.
    Entry Item(const platform::runtime::Variant& vntIndexKey) const;
    std::int32_t Count() const;
    void Remove(const platform::runtime::Variant& vntIndexKey);
    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

    // The frequency at exactly this chart position; 0 when no tick is there.
    std::int32_t ConvertChartXToAudioX(std::int32_t ChartXVal) const;
    // The chart position of exactly this frequency; 0 when it has no tick.
    std::int32_t ConvertAudioXToChartX(std::int32_t AudioXVal) const;

private:
    platform::runtime::Collection<Entry> m_entries;
    std::int32_t m_increment = 0;
};

// The pure-tone view's settings from its "PTGraphOptions" mask: width 1000;
// 7 octaves with bit 32, else 9; lines between octaves solid with bit 128,
// else dashed with bit 0x2000, else hidden.
void SetChartMapsFromGraphOptions(CPureToneChartMaps& maps, std::int32_t lngGraphOptions);

}  // namespace brisance
