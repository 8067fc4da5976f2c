// The two page layouts of the report, one row per section in drawing order.
#include "module/report/ReportLayout.h"

#include "vellum/VellumValues.h"

#include <array>

namespace brisance {
namespace {

// On a page too narrow for the European layout's charts and the legends at
// its right edge, the charts end 0.2 cm short of the legend beside them
// instead of printing over it; both ears' charts keep one size.
constexpr float kLegendWidth = 4.1f;
constexpr float kLegendGap = 0.2f;
constexpr float kLeftEarChartLeft = 6.95f;
constexpr float kChartPictureIndent = 0.3f;  // PrintChart draws the chart this far in
constexpr float kSpeechChartLeft = 0.2f;
constexpr LayoutMeasure kEarChartSize =
    atMost(6.2f, fromW(-(kLegendWidth + kLegendGap + kLeftEarChartLeft + kChartPictureIndent)));
constexpr LayoutMeasure kSpeechChartWidth = atMost(13.5f, fromW(-(kLegendWidth + kLegendGap + kSpeechChartLeft)));

}  // namespace

std::span<const CReport::LayoutRow> CReport::Layout(std::int32_t Version)
{
    using Row = LayoutRow;
    // Both ears on one chart. The legend, the speech table, the average box
    // and the tympanometry box stand at the same page positions whatever X
    // is.
    static constexpr std::array kUS = {
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintHeader(X, Y, W, H); },
            fromX(0), fromY(0), page(18.5f), page(1.5f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSymbolLegend(X, Y, W, H); },
            page(14.1f), fromY(2.0f), page(5.65f), page(6.1f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintChart(X, Y, W, H); },
            fromX(0), fromY(1.75f), page(11.7f), page(10.2f)},
        // The chart's picture, drawn 0.3 cm below the chart's area, ends at
        // Y + 12.25: the masking table's frame stands just below it.
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintMaskingTable(X, Y, W, H); },
            fromX(0), fromY(12.3f), page(11.7f), page(3.65f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintAverageBox(X, Y, W, H); },
            page(11.6f), fromY(16.1f), page(2.5f), page(3.0f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSpeechTable(X, Y, W, H); },
            page(14.1f), fromY(8.35f), page(5.65f), page(7.6f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintTympanometry(X, Y, W, H); },
            page(14.945f), fromY(16.2f), page(4.0f), page(4.9f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintReflexTable(X, Y, W, H); },
            fromX(0), fromY(16.1f), page(9.1f), page(4.5f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintFooter(X, Y, W, H); },
            fromX(0), fromY(21.5f), page(18.0f), fromH(-21.5f)},
    };
    // One chart per ear, the right ear's on the left, and the speech chart.
    static constexpr std::array kEurope = {
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintHeader(X, Y, W, H); },
            fromX(0), fromY(0), page(18.5f), page(1.5f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSectionTitle(X, Y, W, H); },
            fromX(0), fromY(1.7f), page(0), page(0)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSymbolLegend(X, Y, W, H); },
            fromRight(-4.1f), fromY(3.5f), page(4.1f), page(6.0f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintChart(X, Y, W, H, vellum::kEarRight); },
            fromX(0.2f), fromY(3.0f), kEarChartSize, kEarChartSize},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintChart(X, Y, W, H, vellum::kEarLeft); },
            fromX(kLeftEarChartLeft), fromY(3.0f), kEarChartSize, kEarChartSize},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintMaskingTable(X, Y, W, H); },
            fromX(3.0f), fromY(10.4f), page(12.2f), page(3.8f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSpeechLegend(X, Y, W, H); },
            fromRight(-4.1f), fromY(15.0f), page(4.1f), page(5.0f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintSpeechChart(X, Y, W, H); },
            fromX(kSpeechChartLeft), fromY(15.0f), kSpeechChartWidth, page(6.0f)},
        Row{[](CReport& r, float X, float Y, float W, float H) { r.PrintFooter(X, Y, W, H); },
            fromX(0), fromY(21.5f), fromW(0), fromH(-21.5f)},
    };
    if (Version == ReportVersion_US) return kUS;
    return kEurope;
}

}  // namespace brisance
