#include "module/views/SpeechLayout.h"

#include "module/views/AverageNotesRow.h"

#include <algorithm>
#include <cmath>

namespace brisance {
namespace {

constexpr int kMargin = 60;
constexpr int kGap = 120;
constexpr int kCaptionSize = 300;
constexpr int kButtonWidth = 1400;
constexpr int kButtonHeight = 375;
constexpr int kEarLabelHeight = 300;
constexpr int kHeadingHeight = 360;
constexpr int kLinkHeight = 300;

// The narrowest each row may be: the panels' own design widths, and room for
// a readable chart and a palette row of a few buttons.
constexpr int kChartMinimumWidth = 6000;
constexpr int kPaletteMinimumWidth = 4000;
constexpr int kResultsTableWidth = 10470;
constexpr int kEntryTableWidth = 9225;

}  // namespace

SpeechLayout LayOutSpeech(const SpeechLayoutInput& input)
{
    SpeechLayout layout;
    const int inner = std::max(0, input.Width - 2 * kMargin);
    int widest = 0;
    int y = kMargin;

    if (input.ShowChart) {
        const int captionWidth = input.ShowAxisCaptions ? kCaptionSize : 0;
        const int chartLeft = kMargin + captionWidth;
        const int chartWidth = std::max(0, inner - captionWidth);
        const int plotWidth = std::max(0, chartWidth - input.ChartMarginsAcross);
        const int chartHeight =
            static_cast<int>(std::lround(plotWidth * input.PlotHeightPerWidth)) + input.ChartMarginsDown;
        layout.Chart = QRect(chartLeft, y, chartWidth, chartHeight);
        widest = std::max(widest, captionWidth + kChartMinimumWidth);
        if (input.ShowAxisCaptions) {
            layout.ScoreCaption = QRect(kMargin, y, kCaptionSize, chartHeight);
            layout.LevelCaption = QRect(chartLeft, y + chartHeight, chartWidth, kCaptionSize);
            y += kCaptionSize;
        }
        y += chartHeight + kGap;

        const int buttonLeft = kMargin + inner - kButtonWidth;
        const int paletteWidth = std::max(0, buttonLeft - kGap - kMargin);
        const int paletteHeight = input.PaletteHeight ? input.PaletteHeight(paletteWidth) : 0;
        layout.Palette = QRect(kMargin, y, paletteWidth, paletteHeight);
        layout.BinauralButton = QRect(buttonLeft, y, kButtonWidth, kButtonHeight);
        layout.EarLabel = QRect(buttonLeft, y + kButtonHeight, kButtonWidth, kEarLabelHeight);
        y += std::max(paletteHeight, kButtonHeight + kEarLabelHeight);
        widest = std::max(widest, kPaletteMinimumWidth + kGap + kButtonWidth);

        if (input.ShowGraphTable) {
            y += kGap;
            layout.Table = QRect(kMargin, y, inner, input.TableHeight);
            y += input.TableHeight;
            widest = std::max(widest, kResultsTableWidth);
        }
    } else {
        layout.Heading = QRect(kMargin, y, inner, kHeadingHeight);
        y += kHeadingHeight;
        if (input.EntryTableHeights.empty()) {
            layout.AddTestsLink = QRect(kMargin, y, inner, kLinkHeight);
            y += kLinkHeight;
        }
        for (const int height : input.EntryTableHeights) {
            y += kGap;
            layout.EntryTables.push_back(QRect(kMargin, y, inner, height));
            y += height;
            widest = std::max(widest, kEntryTableWidth);
        }
    }

    if (input.ShowPureToneAverage || input.ShowNotes) {
        y += kGap;
        const AverageNotesRow row = LayOutAverageNotesRow(kMargin, y, inner, input.ShowPureToneAverage,
                                                          input.AverageHeight, input.ShowNotes, input.NotesHeight);
        layout.Average = row.Average;
        layout.Notes = row.Notes;
        y += row.Height;
        widest = std::max(widest, row.MinimumWidth);
    }

    layout.Height = y + kMargin;
    layout.MinimumWidth = widest + 2 * kMargin;
    return layout;
}

}  // namespace brisance
