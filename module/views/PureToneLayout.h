#pragma once
// Where the pure-tone view's children stand, in twips: a pure function of
// the view's width, the height it is shown in, what it shows and the heights
// its panels ask for, so that the view's resize and HeightNeeded can never
// disagree.
//
// The shown ear charts stand side by side at the top, centred as a group, at
// equal sizes, each with its ear label above it; with the axis captions, the
// level caption stands upright at the group's left and the frequency caption
// under it. Every chart keeps the audiogram's proportion (one octave across
// for 20 dB down), also when it stands alone. Under the charts: the palette
// with the masked and binaural buttons at its right; then the test-data
// table; then the average panel and the notes panel side by side.
//
// The charts are as large as the width allows, but no higher than lets the
// whole view fit the height it is shown in. Where that would leave them too
// small to read, they are as high as lets the charts with their captions and
// the palette fit, and the panels below are scrolled to.

#include <QRect>

#include <array>
#include <functional>

namespace brisance {

struct PureToneLayoutInput {
    int Width = 0;
    // The height the view is shown in; 0 sizes the charts from the width alone.
    int Height = 0;
    // The shown ear charts: 1 or 2.
    int ChartCount = 2;
    bool ShowAxisCaptions = false;
    bool ShowTestDataTable = false;
    bool ShowPureToneAverage = false;
    bool ShowNotes = false;
    // The plot's height for its width: octave width / X span x level span / 20.
    double PlotHeightPerWidth = 0;
    // The charts' margins round the plot.
    int ChartMarginsAcross = 0;
    int ChartMarginsDown = 0;
    // The palette's height at a width.
    std::function<int(int)> PaletteHeight;
    int TableHeight = 0;
    int AverageHeight = 0;
    int NotesHeight = 0;
};

struct PureToneLayout {
    // By slot, left to right; the second is empty with one chart.
    std::array<QRect, 2> EarLabels;
    std::array<QRect, 2> Charts;
    QRect LevelCaption;      // empty without the axis captions
    QRect FrequencyCaption;  // empty without the axis captions
    QRect Palette;
    QRect MaskedButton;
    QRect BinauralButton;
    // Empty where the panel is not shown.
    QRect Table;
    QRect Average;
    QRect Notes;
    // The height of everything shown, with the gaps.
    int Height = 0;
};

PureToneLayout LayOutPureTone(const PureToneLayoutInput& input);

}  // namespace brisance
