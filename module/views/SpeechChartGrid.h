#pragma once
// The frame and grid of the speech chart for the profile's speech graph
// options ("SPGraphOptions"): one pure function, so that the chart and the
// view's layout can never disagree.
//
// Level in dB runs across, from -5 to 120 or 130 dB; the score runs down the
// chart as 100 minus the score in percent, so that 100 % stands at the top.
//
// Bits read here: 1 a speech reception, detection or awareness threshold is
// one point at 50 % (the gating flag), 4 the row of level labels along the
// 50 % line, 8 the axis captions, 16 the score labels on the right as well,
// 32 levels to 120 dB (else 130 dB), 64 dashes between symbols (lines stop
// short of their symbols).

#include "module/views/ChartGridLine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

// A free label beside the score axis.
struct SpeechScoreLabel {
    double Position = 0;
    std::string Label;

    friend bool operator==(const SpeechScoreLabel&, const SpeechScoreLabel&) = default;
};

struct SpeechChartGrid {
    double XMin = -5;
    double XMax = 135;
    double YMin = -10;
    double YMax = 110;
    // Margins round the plot, in twips.
    double LeftMargin = 350;
    double RightMargin = 0;
    double TopMargin = 0;
    double BottomMargin = 300;
    // A line every 5 dB from 0 up to XMax - 5: the tens solid and labelled,
    // the fives dashed and unlabelled.
    std::vector<ChartGridLine> XGridLines;
    // A line every 5 % of score: the tens labelled with their score.
    std::vector<ChartGridLine> YGridLines;
    // The score labels again, on the right; empty unless asked for.
    std::vector<SpeechScoreLabel> YLabels;
    bool SingleThresholdPoint = false;
    bool LevelLabelRow = false;
    bool ShowAxisCaptions = false;
    bool UseSymbolToLineBuffer = false;
};

SpeechChartGrid SpeechChartGridFor(std::int32_t lngGraphOptions);

}  // namespace brisance
