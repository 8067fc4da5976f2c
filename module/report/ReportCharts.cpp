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

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
namespace runtime = platform::runtime;

constexpr const char* kSource = "CReport";
constexpr std::int32_t kHighestStandardFrequency = 8000;
// The pure-tone chart's picture stands this far right of and below its area.
constexpr float kTitleRoom = 0.3f;

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

    // The axis titles stand in the room beside the chart's picture, which is
    // opaque and drawn after them. A line of text is taller than that room:
    // each title moves out just far enough to keep its letters whole.
    CPrinter& out = printer();
    const CLangLoader& texts = languageLoader();
    out.SetFont("Arial", 10, false);
    const std::string level = texts.LoadResString(TR_HEARING_LEVEL_IN_DECIBELS_DB);
    const std::string frequency = texts.LoadResString(TR_FREQUENCY_IN_HERTZ_HZ);
    out.PrintVerticalText(level, std::min(X, X + kTitleRoom - out.TextHeight(level)), Y + H / 2, true);
    out.PrintTextCenteredOnPoint(frequency, X + W / 2 + 0.5f, std::min(Y, Y + kTitleRoom - out.TextHeight(frequency)),
                                 false);

    renderChart(cht, m_hdc, X + kTitleRoom, Y + kTitleRoom, W, H);
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
