#include "module/views/ChartGridLine.h"

#include "platform/com/Failure.h"

namespace brisance {
namespace {

constexpr const char* kChartSource = "Chart";

lumenplot::VARIANT_BOOL VariantBool(bool value) { return value ? lumenplot::VARIANT_TRUE : lumenplot::VARIANT_FALSE; }

}  // namespace

void ReplaceGridLines(lumenplot::IChart& chart, const std::vector<ChartGridLine>& XGridLines,
                      const std::vector<ChartGridLine>& YGridLines)
{
    using platform::com::raiseOnFailure;
    raiseOnFailure(chart.ClearXGridLines(), kChartSource);
    for (const ChartGridLine& line : XGridLines)
        raiseOnFailure(chart.AddXGridLine(line.Position, line.Label, VariantBool(line.Visible), VariantBool(line.Dashed)),
                       kChartSource);
    raiseOnFailure(chart.ClearYGridLines(), kChartSource);
    for (const ChartGridLine& line : YGridLines)
        raiseOnFailure(chart.AddYGridLine(line.Position, line.Label, VariantBool(line.Visible), VariantBool(line.Dashed)),
                       kChartSource);
}

}  // namespace brisance
