#pragma once
// What the demo client's visits measured: a slowly growing high-frequency
// loss, written into an audiogram's data object as the views leave it.

#include "vellum/IVellumDataLayer.h"

#include <cstddef>

namespace demo {

struct Visit {
    int daysAgo;         // before the day the demo is made
    int highFrequencyDb; // added to the first visit's levels from 2 kHz on
};

// Oldest first.
inline constexpr Visit kVisits[] = {{420, 0}, {180, 5}, {35, 10}};

// Both ears' air conduction (the right masked from 2 kHz on, the left's
// 8 kHz without a response) and bone conduction (masked), the averages of
// 500 Hz to 2 kHz, speech threshold, comfortable level and word recognition,
// both tympanograms, and ipsilateral and contralateral reflexes.
void fillVisit(vellum::IVellumDataLayer& data, const Visit& visit);

}  // namespace demo
