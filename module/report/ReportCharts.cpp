// The report's audiogram charts: each drawn by a chart of its own on a hidden
// print form, filled with the data as the views fill theirs, then rendered
// into the report's context.
#include "module/core/CLangLoader.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/ForEachCurve.h"
#include "module/core/TextResources.h"
#include "module/report/CPrinter.h"
#include "module/report/CReport.h"
#include "module/report/frmPrintHelper.h"
#include "module/views/CPureToneChartManger.h"
#include "module/views/CPureToneChartMaps.h"

#include "vellum/VellumValues.h"

#include "platform/com/Failure.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

namespace brisance {
namespace {

namespace com = platform::com;
namespace runtime = platform::runtime;

constexpr const char* kSource = "CReport";
constexpr std::int32_t kHighestStandardFrequency = 8000;

// The chart draws itself into the area (cm), in the context's units of
// 0.01 cm with y growing upwards.
void renderChart(lumenplot::IChart& chart, platform::gfx::DcHandle hdc, float X, float Y, float W, float H)
{
    using runtime::CLng;
    com::raiseOnFailure(chart.RenderToDC(static_cast<std::int32_t>(hdc), CLng(X * 100), CLng(Y * -100),
                                         CLng(W * 100), CLng(H * -100)),
                        kSource);
}

}  // namespace

void CReport::PrintChart(float X, float Y, float W, float H, std::optional<std::int32_t> Ear)
{
    if (!m_curvePrefs || !m_symbolImagesLarge) runtime::raise(runtime::errors::ObjectNotSet, {}, kSource);

    const auto maps = std::make_shared<CPureToneChartMaps>();
    maps->ChartWidth = 1000;
    maps->OctavePositions = HasPointsAbove8000Hz() ? 9 : 7;
    maps->InterOctaveDashed = true;
    maps->InterOctaveHidden = false;
    maps->Initialize();

    frmPrintHelper form;
    lumenplot::IChart& cht = *form.cht();
    com::raiseOnFailure(cht.putref_ImageList(m_symbolImagesLarge.get()), kSource);
    form.InitPureToneChart(*maps);

    CPureToneChartManger manager;
    manager.ChartMaps(maps);
    manager.CurvePrefs(m_curvePrefs);
    ForEachCurve<vellum::IVellumPureToneCurve>(dataLayer().get_PureToneCurves()->get__NewEnum(), [&](auto& curve) {
        if (!Ear) {
            // Both ears share this chart: the right ear's curves need lines
            // of their own, or they would replace the left ear's points.
            manager.AddPureToneCurveToChart(cht, curve, true, true);
            return;
        }
        const std::int32_t ear = curve.get_Measurement()->get_Ear();
        if (ear == *Ear || ear == vellum::kEarBinaural) manager.AddPureToneCurveToChart(cht, curve, true, false);
    });

    renderChart(cht, m_hdc, X + 0.3f, Y + 0.3f, W, H);

    // The axis titles stand in the 0.3 cm beside the chart, but a line of
    // text is taller than that: written after the chart, whose picture is
    // opaque, their letters keep their lower edge.
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    out.SetFont("Arial", 10, false);
    out.PrintVerticalText(texts.LoadResString(TR_HEARING_LEVEL_IN_DECIBELS_DB), X, Y + H / 2, true);
    out.PrintTextCenteredOnPoint(texts.LoadResString(TR_FREQUENCY_IN_HERTZ_HZ), X + W / 2 + 0.5f, Y, false);
}

bool CReport::HasPointsAbove8000Hz() const
{
    bool above = false;
    const auto curves = dataLayer().get_PureToneCurves()->get__NewEnum();
    runtime::Variant item;
    while (!above && curves->Next(1, &item, nullptr) == com::S_OK) {
        const auto points = item.toObject().as<vellum::IVellumPureToneCurve>()->get_Points()->get__NewEnum();
        runtime::Variant point;
        while (!above && points->Next(1, &point, nullptr) == com::S_OK)
            above = point.toObject().as<vellum::IVellumPureTonePoint>()->get_Frequency() > kHighestStandardFrequency;
    }
    return above;
}

void CReport::PrintSpeechChart(float X, float Y, float W, float H)
{
    if (!m_symbolImagesLarge) runtime::raise(runtime::errors::ObjectNotSet, {}, kSource);

    frmPrintHelper form;
    lumenplot::IChart& cht = *form.cht();
    com::raiseOnFailure(cht.putref_ImageList(m_symbolImagesLarge.get()), kSource);
    form.InitSpeechChart();
    ForEachCurve<vellum::IVellumSpeechCurve>(dataLayer().get_SpeechCurves()->get__NewEnum(),
                                             [&](auto& curve) { BuildSpeechChartLines(cht, curve, false); });
    renderChart(cht, m_hdc, X, Y, W, H);
}

}  // namespace brisance
