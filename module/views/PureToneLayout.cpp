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
// A plot this high still shows every 5-dB line well apart; charts that would
// be lower to let the panels under them fit leave those panels to the scroll
// bar and fill the height with the palette.
constexpr int kReadablePlotHeight = 3300;
// The lowest plot that the height ever leaves.
constexpr int kSmallestPlotHeight = 1500;

}  // namespace

PureToneLayout LayOutPureTone(const PureToneLayoutInput& input)
{
    PureToneLayout layout;
    const int inner = std::max(0, input.Width - 2 * kMargin);
    const int captionWidth = input.ShowAxisCaptions ? kCaptionSize : 0;
    const int captionHeight = input.ShowAxisCaptions ? kCaptionSize : 0;
    const int chartsLeft = kMargin + captionWidth;
    const int chartsWidth = std::max(0, inner - captionWidth);
    const int chartCount = std::clamp(input.ChartCount, 1, 2);

    // The palette row does not depend on the charts.
    const int buttonsLeft = kMargin + inner - kStateButtonWidth;
    const int paletteWidth = std::max(0, buttonsLeft - kGap - kMargin);
    const int paletteHeight = input.PaletteHeight ? input.PaletteHeight(paletteWidth) : 0;
    const int paletteRowHeight = std::max(paletteHeight, 2 * kStateButtonHeight + kStateButtonGap);
    const AverageNotesRow bottomRow = LayOutAverageNotesRow(kMargin, 0, inner, input.ShowPureToneAverage,
                                                            input.AverageHeight, input.ShowNotes, input.NotesHeight);
    const int panelsHeight = (input.ShowTestDataTable ? kGap + input.TableHeight : 0) +
                             (input.ShowPureToneAverage || input.ShowNotes ? kGap + bottomRow.Height : 0);

    // The plot as the width allows, then as the height allows.
    const int widthForPlot =
        std::max(0, (chartCount == 2 ? (chartsWidth - kGap) / 2 : chartsWidth) - input.ChartMarginsAcross);
    int plotHeight = static_cast<int>(std::lround(widthForPlot * input.PlotHeightPerWidth));
    if (input.Height > 0) {
        const int aroundPlots = kMargin + kEarLabelHeight + input.ChartMarginsDown + captionHeight + kGap +
                                paletteRowHeight + kMargin;
        const int withPanels = input.Height - aroundPlots - panelsHeight;
        const int withPalette = input.Height - aroundPlots;
        plotHeight = std::min(plotHeight, withPanels >= kReadablePlotHeight
                                              ? withPanels
                                              : std::max(withPalette, kSmallestPlotHeight));
    }
    const int plotWidth =
        input.PlotHeightPerWidth > 0
            ? std::min(widthForPlot, static_cast<int>(std::lround(plotHeight / input.PlotHeightPerWidth)))
            : widthForPlot;
    const int chartWidth = plotWidth + input.ChartMarginsAcross;
    const int chartHeight = plotHeight + input.ChartMarginsDown;

    // The charts, centred as a group.
    const int groupWidth = chartCount * chartWidth + (chartCount - 1) * kGap;
    const int groupLeft = chartsLeft + std::max(0, (chartsWidth - groupWidth) / 2);
    int y = kMargin;
    const int chartTop = y + kEarLabelHeight;
    for (int slot = 0; slot < chartCount; ++slot) {
        const int left = groupLeft + slot * (chartWidth + kGap);
        layout.EarLabels[slot] = QRect(left, y, chartWidth, kEarLabelHeight);
        layout.Charts[slot] = QRect(left, chartTop, chartWidth, chartHeight);
    }
    y = chartTop + chartHeight;
    if (input.ShowAxisCaptions) {
        layout.LevelCaption = QRect(groupLeft - kCaptionSize, chartTop, kCaptionSize, chartHeight);
        layout.FrequencyCaption = QRect(groupLeft, y, groupWidth, kCaptionSize);
        y += kCaptionSize;
    }

    y += kGap;
    layout.Palette = QRect(kMargin, y, paletteWidth, paletteHeight);
    layout.MaskedButton = QRect(buttonsLeft, y, kStateButtonWidth, kStateButtonHeight);
    layout.BinauralButton =
        QRect(buttonsLeft, y + kStateButtonHeight + kStateButtonGap, kStateButtonWidth, kStateButtonHeight);
    y += paletteRowHeight;

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
