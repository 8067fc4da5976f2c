#include "module/views/PureToneLayout.h"

#include "module/views/AverageNotesRow.h"

#include <algorithm>
#include <cmath>

namespace brisance {
namespace {

constexpr int kMargin = 60;
constexpr int kGap = 120;
constexpr int kEarLabelHeight = 300;
constexpr int kCaptionSize = 300;
constexpr int kStateButtonWidth = 1400;
constexpr int kStateButtonHeight = 375;
constexpr int kStateButtonGap = 60;

}  // namespace

PureToneLayout LayOutPureTone(const PureToneLayoutInput& input)
{
    PureToneLayout layout;
    const int inner = std::max(0, input.Width - 2 * kMargin);
    const int captionWidth = input.ShowAxisCaptions ? kCaptionSize : 0;
    const int chartsLeft = kMargin + captionWidth;
    const int chartsWidth = std::max(0, inner - captionWidth);

    // The proportion is that of one chart of a pair, whatever is shown.
    const int pairWidth = std::max(0, (chartsWidth - kGap) / 2);
    const int plotWidth = std::max(0, pairWidth - input.ChartMarginsAcross);
    const int chartHeight =
        static_cast<int>(std::lround(plotWidth * input.PlotHeightPerWidth)) + input.ChartMarginsDown;

    int y = kMargin;
    const int chartTop = y + kEarLabelHeight;
    const int chartCount = std::clamp(input.ChartCount, 1, 2);
    const int chartWidth = chartCount == 2 ? pairWidth : chartsWidth;
    for (int slot = 0; slot < chartCount; ++slot) {
        const int left = chartsLeft + slot * (pairWidth + kGap);
        layout.EarLabels[slot] = QRect(left, y, chartWidth, kEarLabelHeight);
        layout.Charts[slot] = QRect(left, chartTop, chartWidth, chartHeight);
    }
    y = chartTop + chartHeight;
    if (input.ShowAxisCaptions) {
        layout.LevelCaption = QRect(kMargin, chartTop, kCaptionSize, chartHeight);
        layout.FrequencyCaption = QRect(chartsLeft, y, chartsWidth, kCaptionSize);
        y += kCaptionSize;
    }

    y += kGap;
    const int buttonsLeft = kMargin + inner - kStateButtonWidth;
    const int paletteWidth = std::max(0, buttonsLeft - kGap - kMargin);
    const int paletteHeight = input.PaletteHeight ? input.PaletteHeight(paletteWidth) : 0;
    layout.Palette = QRect(kMargin, y, paletteWidth, paletteHeight);
    layout.MaskedButton = QRect(buttonsLeft, y, kStateButtonWidth, kStateButtonHeight);
    layout.BinauralButton =
        QRect(buttonsLeft, y + kStateButtonHeight + kStateButtonGap, kStateButtonWidth, kStateButtonHeight);
    y += std::max(paletteHeight, 2 * kStateButtonHeight + kStateButtonGap);

    if (input.ShowTestDataTable) {
        y += kGap;
        layout.Table = QRect(kMargin, y, inner, input.TableHeight);
        y += input.TableHeight;
    }

    if (input.ShowPureToneAverage || input.ShowNotes) {
        y += kGap;
        const AverageNotesRow row = LayOutAverageNotesRow(kMargin, y, inner, input.ShowPureToneAverage,
                                                          input.AverageHeight, input.ShowNotes, input.NotesHeight);
        layout.Average = row.Average;
        layout.Notes = row.Notes;
        y += row.Height;
    }

    layout.Height = y + kMargin;
    return layout;
}

}  // namespace brisance
