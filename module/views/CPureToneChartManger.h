#pragma once
// Draws stored pure-tone curves on ear charts: each curve as one chart line
// of its test, its points placed through the frequency axis. The pure-tone
// view draws its data with it, and the report its printed charts.
//
// A line's key is its test's CurveID, + 1000 for the binaural ear (4), and
// negated for the right ear (2) when both ears share one chart
// (PureToneLineKey). A new line takes the look of its test for the curve's
// ear; a line that exists keeps its look.

#include "vellum/IVellumDataLayer.h"

#include "PelmTolvaneChart/IChart.h"

#include <cstdint>
#include <memory>

namespace brisance {

class CCurvePref;
class CCurvePrefs;
class CPureToneChartMaps;

// The chart line key of the test's curve of an ear; raises 6 (overflow) when
// it does not fit a Long.
std::int32_t PureToneLineKey(const CCurvePref& oPref, std::int32_t lngEar, bool blnRightKeysOnShared);

class CPureToneChartManger {
public:
    // The frequency axis that places the points.
    void ChartMaps(std::shared_ptr<const CPureToneChartMaps> maps) { m_chartMaps = std::move(maps); }
    // The tests, which give each curve its line and look.
    void CurvePrefs(std::shared_ptr<const CCurvePrefs> prefs) { m_curvePrefs = std::move(prefs); }

    // Draws the curve into the chart's BackLines when toBackLines, else into
    // its Lines: the line found or added, and each point put on it with the
    // symbol of its status and masking, at the level in whole dB (halves to
    // even). A curve without a test, and a point whose frequency the axis
    // does not hold, are not drawn; nothing is drawn before both the axis
    // and the tests are given. The chart is not repainted. A failing chart
    // or data call raises.
    void AddPureToneCurveToChart(lumenplot::IChart& chart, vellum::IVellumPureToneCurve& curve, bool toBackLines,
                                 bool rightKeysOnShared) const;

    // Draws an earlier action's curves behind the current ones: each into
    // the BackLines of its ear's chart (binaural on both, unless the ears
    // share one chart: the same chart given twice), then every back line of
    // those charts in grey RGB(190, 190, 190). The charts are not repainted.
    void RenderPureToneActionUnderlay(vellum::IVellumDataLayer& underlay, lumenplot::IChart& leftEarChart,
                                      lumenplot::IChart& rightEarChart) const;

private:
    std::shared_ptr<const CPureToneChartMaps> m_chartMaps;
    std::shared_ptr<const CCurvePrefs> m_curvePrefs;
};

}  // namespace brisance
