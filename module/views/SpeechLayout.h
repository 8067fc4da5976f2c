#pragma once
// Where the speech view's children stand, in twips: a pure function of the
// view's width, its mode, what it shows and the heights its panels ask for,
// so that the view's resize, HeightNeeded and WidthNeeded never disagree.
//
// With its chart (mode 1): the chart at the top, one 10-dB step across as
// long as one 10 % step up, with the score caption upright at its left and
// the level caption under it when the captions show. Under it the palette,
// with the binaural button and the ear label at its right; then the results
// table; then the average panel and the notes panel side by side.
//
// Tables only (mode 0): a heading, the link that adds tests when there are no
// entry tables, the entry tables one under the other, then the average panel
// and the notes panel side by side.

#include <QRect>

#include <functional>
#include <vector>

namespace brisance {

struct SpeechLayoutInput {
    int Width = 0;
    bool ShowChart = true;
    bool ShowAxisCaptions = false;
    bool ShowGraphTable = false;
    bool ShowPureToneAverage = false;
    bool ShowNotes = false;
    // The plot's height for its width: the score span over the level span.
    double PlotHeightPerWidth = 0;
    // The chart's margins round the plot.
    int ChartMarginsAcross = 0;
    int ChartMarginsDown = 0;
    // The palette's height at a width.
    std::function<int(int)> PaletteHeight;
    int TableHeight = 0;
    // The heights of the shown entry tables, in order.
    std::vector<int> EntryTableHeights;
    int AverageHeight = 0;
    int NotesHeight = 0;
};

struct SpeechLayout {
    // Empty where the part is not shown.
    QRect Chart;
    QRect ScoreCaption;
    QRect LevelCaption;
    QRect Palette;
    QRect BinauralButton;
    QRect EarLabel;
    QRect Table;
    QRect Heading;
    QRect AddTestsLink;
    std::vector<QRect> EntryTables;
    QRect Average;
    QRect Notes;
    // The height of everything shown, with the gaps.
    int Height = 0;
    // The width below which the widest shown row no longer fits.
    int MinimumWidth = 0;
};

SpeechLayout LayOutSpeech(const SpeechLayoutInput& input);

}  // namespace brisance
