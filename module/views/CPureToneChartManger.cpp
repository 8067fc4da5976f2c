#include "module/views/CPureToneChartManger.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CurveKeys.h"
#include "module/views/CPureToneChartMaps.h"

#include "platform/com/Failure.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <limits>

namespace brisance {
namespace {

constexpr std::int64_t kBinauralKeyOffset = 1000;

using platform::com::raiseOnFailure;
constexpr const char* kChartSource = "Chart";

void GreyBackLines(lumenplot::IChart& chart)
{
    const auto lines = ChartLines(chart, true);
    platform::com::ComPtr<platform::com::IUnknown> enumerator;
    raiseOnFailure(lines->get__NewEnum(enumerator.put()), kChartSource);
    const auto walk = enumerator.as<platform::com::IEnumVARIANT>();
    platform::runtime::Variant item;
    while (walk->Next(1, &item, nullptr) == platform::com::S_OK)
        raiseOnFailure(item.toObject().as<lumenplot::ILine>()->put_LineColor(kBackLineColour), kChartSource);
}

}  // namespace

std::int32_t PureToneLineKey(const CCurvePref& oPref, std::int32_t lngEar, bool blnRightKeysOnShared)
{
    std::int64_t key = oPref.CurveID;
    if (lngEar == vellum::kEarBinaural)
        key += kBinauralKeyOffset;
    if (lngEar == vellum::kEarRight && blnRightKeysOnShared)
        key = -key;
    if (key > std::numeric_limits<std::int32_t>::max() || key < std::numeric_limits<std::int32_t>::min())
        platform::runtime::raise(platform::runtime::errors::Overflow);
    return static_cast<std::int32_t>(key);
}

void CPureToneChartManger::AddPureToneCurveToChart(lumenplot::IChart& chart, vellum::IVellumPureToneCurve& curve,
                                                   bool toBackLines, bool rightKeysOnShared) const
{
    if (!m_chartMaps || !m_curvePrefs)
        return;
    const auto measurement = curve.get_Measurement();
    const auto test = m_curvePrefs->Item(platform::runtime::Variant(PureToneCurveKey(*measurement)));
    if (!test)
        return;

    const std::int32_t ear = measurement->get_Ear();
    const auto line = CurveLine(*ChartLines(chart, toBackLines), PureToneLineKey(*test, ear, rightKeysOnShared), *test, ear);

    const auto points = curve.get_Points()->get__NewEnum();
    platform::runtime::Variant item;
    while (points->Next(1, &item, nullptr) == platform::com::S_OK) {
        const auto point = item.toObject().as<vellum::IVellumPureTonePoint>();
        const std::int32_t x = m_chartMaps->ConvertAudioXToChartX(point->get_Frequency());
        if (x == 0)
            continue;  // a frequency beyond this axis's range
        const auto level = static_cast<std::int32_t>(platform::runtime::roundHalfEven(point->get_Level() / 10.0));
        PlotPointOnLine(*line, x, level, SymbolIndexFromPoint(*point), ear, *test);
    }
}

void CPureToneChartManger::RenderPureToneActionUnderlay(vellum::IVellumDataLayer& underlay,
                                                        lumenplot::IChart& leftEarChart,
                                                        lumenplot::IChart& rightEarChart) const
{
    const bool shared = &leftEarChart == &rightEarChart;
    const auto curves = underlay.get_PureToneCurves()->get__NewEnum();
    platform::runtime::Variant item;
    while (curves->Next(1, &item, nullptr) == platform::com::S_OK) {
        const auto curve = item.toObject().as<vellum::IVellumPureToneCurve>();
        const std::int32_t ear = curve->get_Measurement()->get_Ear();
        if (ear != vellum::kEarRight)
            AddPureToneCurveToChart(leftEarChart, *curve, true, shared);
        if (ear == vellum::kEarRight || (ear == vellum::kEarBinaural && !shared))
            AddPureToneCurveToChart(rightEarChart, *curve, true, shared);
    }
    GreyBackLines(leftEarChart);
    if (!shared)
        GreyBackLines(rightEarChart);
}

}  // namespace brisance
