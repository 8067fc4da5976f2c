#pragma once
// The grid and frame of a pure-tone ear chart for the profile's graph
// options ("PTGraphOptions"): one pure function, so that the ear charts and
// an underlay drawn for them can never disagree.
//
// Bits read here: 32 frequency axis to 8 kHz (else 16 kHz), 64 dashes
// between symbols (lines stop short of their symbols), 128 and 0x2000 the
// lines between octaves (solid, dashed, else hidden), 256 frequency labels
// above the audiogram (else below), 512 levels to 120 dB (else 130 dB), 1024
// the 5-dB lines shown, 4096 the axis captions shown.

#include "module/views/ChartGridLine.h"

#include "PelmTolvaneChart/ChartTypes.h"

#include <cstdint>
#include <vector>

namespace brisance {

struct PureToneChartGrid {
    // The frame: the chart's ranges. X runs over the frequency map's width;
    // levels grow downward, 15 dB beyond the first and the last level line.
    double XMin = 0;
    double XMax = 0;
    double YMin = 0;
    double YMax = 0;
    // Chart units between two octave ticks: one octave across stands for 20
    // dB down on a true audiogram.
    double OctaveWidth = 0;
    // One line per frequency of the axis, in ascending frequency.
    std::vector<ChartGridLine> XGridLines;
    // One line every 5 dB from -10 dB: the 10-dB lines labelled, visible and
    // solid; the others unlabelled and dashed, shown or not, but always there
    // for the cross-hair to snap to.
    std::vector<ChartGridLine> YGridLines;
    lumenplot::TXLabelPosition XLabelPosition = lumenplot::grid_OnBottom;
    bool UseSymbolToLineBuffer = false;
    bool ShowAxisCaptions = false;
};

PureToneChartGrid PureToneChartGridFor(std::int32_t lngGraphOptions);

}  // namespace brisance
