// The pure-tone view's instrument link: each measurement the instrument
// sends takes the road of a click (its test found by the instrument's curve
// type), the instrument's cursor is followed on the charts, and the charts
// take no clicks while a measurement runs.

#include "module/views/CPureTone.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CodeTable.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ForEachCurve.h"
#include "module/core/TextResources.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/TableView.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/SitedChart.h"
#include "module/views/SonvaleEvents.h"

#include "PelmSonvale/SonvaleTypes.h"
#include "platform/com/Failure.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;

constexpr const char* kChartSource = "Chart";

// The instrument measures without hearing aids.
constexpr std::int32_t kUnaided = 2;

// The point kind of a measured point by its status, masked or not: no
// response 1, unmeasurable 2, anything else measured 0; masked 3 more.
std::int32_t InstrumentPointKind(bool masked, std::int32_t pointStatus)
{
    constexpr CodeEntry<std::int32_t> kUnmaskedKinds[] = {{pelmsonvale::TAudiPointStatus_NoResponse, 1},
                                                          {pelmsonvale::TAudiPointStatus_Unmeasureable, 2}};
    const std::int32_t kind = LookUpCode(kUnmaskedKinds, pointStatus, 0);
    return masked ? kind + 3 : kind;
}

// The instrument's frequencies beyond the audiogram.
constexpr std::int16_t kUnplottedFrequency = 12000;

// The cursor follows levels from -10 to 120 dB inside the frequency axis.
constexpr std::int16_t kLowestCursorLevel = -10;
constexpr std::int16_t kHighestCursorLevel = 120;
constexpr std::int32_t kAxisEnd = 1000;

// Reflex and decay results of the impedance view share the pure-tone curves;
// an audiometer's "delete all curves" leaves them.
constexpr std::int32_t kImpedanceCurveTypes[] = {vellum::kCurveIpsilateralReflex, vellum::kCurveContralateralReflex,
                                                 vellum::kCurveIpsilateralDecay, vellum::kCurveContralateralDecay};

}  // namespace

void CPureTone::Sonvale(com::ComPtr<pelmsonvale::ISonvaleController> controller)
{
    m_link.reset();
    if (!controller)
        return;
    m_link = std::make_unique<SonvaleEvents>(std::move(controller));
    connect(m_link.get(), &SonvaleEvents::PlotPoint, this, WhenTaken(this, &CPureTone::m_oAudi_PlotPoint));
    connect(m_link.get(), &SonvaleEvents::MoveCursor, this, &CPureTone::m_oAudi_MoveCursor);
    connect(m_link.get(), &SonvaleEvents::DeletePoint, this,
            WhenTaken(this, &CPureTone::m_oAudi_DeletePoint));
    connect(m_link.get(), &SonvaleEvents::DeleteCurve, this,
            WhenTaken(this, &CPureTone::m_oAudi_DeleteCurve));
    connect(m_link.get(), &SonvaleEvents::DeleteAllCurves, this,
            WhenTaken(this, &CPureTone::m_oAudi_DeleteAllCurves));
    connect(m_link.get(), &SonvaleEvents::MeasurementComplete, this, &CPureTone::m_oAudi_MeasurementComplete);
    connect(m_link.get(), &SonvaleEvents::SonvaleError, this, &CPureTone::m_oAudi_SonvaleError);
    connect(m_link.get(), &SonvaleEvents::ShutdownComplete, this, &CPureTone::m_oAudi_ShutdownComplete);
}

void CPureTone::OnStartAudi()
{
    Guarded([this] {
        m_measuring = true;
        m_linkErrorShown = false;
        SetChartsInteractive(false);
    });
}

void CPureTone::SetChartsInteractive(bool interactive)
{
    for (const auto& chart : m_charts)
        raiseOnFailure(chart->chart().put_InteractiveMode(interactive ? lumenplot::VARIANT_TRUE
                                                                      : lumenplot::VARIANT_FALSE),
                       kChartSource);
}

void CPureTone::m_oAudi_PlotPoint(std::int32_t CurveType, std::int32_t Ear, std::int32_t PointType,
                                  std::int32_t PointStatus, std::int16_t Freq1, std::int16_t Intensity1,
                                  std::int16_t Freq2, std::int16_t Intensity2)
{
    Guarded([&] {
        if (PointType != pelmsonvale::TAudiPointType_MeasurementPoint || Freq1 == kUnplottedFrequency ||
            !IsAudiogramCurve(CurveType))
            return;
        // The link repeats the frequency in the masking channel of a masked point.
        const std::int32_t kind = InstrumentPointKind(Freq2 == Freq1, PointStatus);
        if (const auto test = InstrumentTest(CurveType, Ear)) {
            PlotTestPoint(test->Key(), Freq1, Intensity1, Ear, kind, PlotByTestKey, Intensity2);
            return;
        }
        // A measurement is never lost: without a test to show it, it is
        // stored all the same, and the user hears why it is not shown.
        TellMissingTests({UnshownCurveWords(CurveType, kUnaided, Ear)});
        WriteTestPoint(UntestedCurve(CurveType), Freq1, Intensity1, Intensity2, Ear, kind);
        m_dataNeedsSaved = true;
    });
}

void CPureTone::m_oAudi_MoveCursor(std::int32_t, std::int32_t Ear, std::int16_t Freq1, std::int16_t Intensity1)
{
    Guarded([&] {
        const std::int32_t x = m_chartMaps->ConvertAudioXToChartX(Freq1);
        if (Intensity1 < kLowestCursorLevel || Intensity1 > kHighestCursorLevel || x < 1 || x >= kAxisEnd)
            return;
        const int chart = Ear == vellum::kEarLeft ? LeftEarChart() : RightEarChart();
        if (ShownCharts().size() == 2) {
            lumenplot::IChart& other = chtEar(1 - chart).chart();
            raiseOnFailure(other.UnHighlightXGridline(), kChartSource);
            raiseOnFailure(other.UnHighlightYGridline(), kChartSource);
        }
        lumenplot::IChart& shown = chtEar(chart).chart();
        raiseOnFailure(shown.HighlightXGridline(x), kChartSource);
        raiseOnFailure(shown.HighlightYGridline(Intensity1), kChartSource);
    });
}

void CPureTone::m_oAudi_DeletePoint(std::int32_t CurveType, std::int32_t Ear, std::int16_t Freq1)
{
    Guarded([&] {
        if (!IsAudiogramCurve(CurveType))
            return;
        if (const auto test = InstrumentTest(CurveType, Ear)) {
            DeleteTestPoint(test->Key(), Freq1, Ear, PlotByTestKey);
            return;
        }
        const auto curve = StoredCurve(*UntestedCurve(CurveType).pref, Ear);
        if (!curve || !curve->get_Points()->Exists(Freq1))
            return;
        RaiseSaveState(TR_UNDO_PURETONE_POINT_DELETE, TR_REDO_PURETONE_POINT_DELETE);
        curve->get_Points()->Remove(Freq1);
        RefreshAverages();
        m_dataNeedsSaved = true;
    });
}

void CPureTone::m_oAudi_DeleteCurve(std::int32_t CurveType, std::int32_t Ear)
{
    Guarded([&] {
        if (!IsAudiogramCurve(CurveType))
            return;
        if (const auto test = InstrumentTest(CurveType, Ear)) {
            DeleteCurve(test->Key(), Ear);
            return;
        }
        if (const auto curve = StoredCurve(*UntestedCurve(CurveType).pref, Ear)) {
            RaiseSaveState(TR_UNDO_DELETE_CURVE, TR_REDO_DELETE_CURVE);
            RemoveCurve(*curve, nullptr);
        }
    });
}

// The profile's test of an instrument curve: among the palette's tests of
// the curve type for the ear (binaural or not), an unaided one first, in
// palette order.
std::shared_ptr<const CCurvePref> CPureTone::InstrumentTest(std::int32_t curveType, std::int32_t ear) const
{
    std::shared_ptr<const CCurvePref> found;
    for (const auto& item : *m_paletteItems) {
        const auto& pref = item->CurvePreferences;
        if (!pref || pref->PrefType != PrefType_PureTone || pref->TestType != curveType || pref->Key().empty() ||
            item->Binaural != (ear == vellum::kEarBinaural))
            continue;
        if (pref->Condition == kUnaided)
            return pref;
        if (!found)
            found = pref;
    }
    return found;
}

CPureTone::PointTest CPureTone::UntestedCurve(std::int32_t curveType)
{
    auto keys = std::make_shared<CCurvePref>();
    keys->TestType = curveType;
    keys->Condition = kUnaided;
    return {nullptr, std::move(keys)};
}

void CPureTone::m_oAudi_DeleteAllCurves()
{
    Guarded([this] {
        if (!m_dataLayer)
            return;
        std::vector<com::ComPtr<vellum::IVellumPureToneCurve>> doomed;
        ForEachCurve<vellum::IVellumPureToneCurve>(
            m_dataLayer->get_PureToneCurves()->get__NewEnum(), [&](vellum::IVellumPureToneCurve& curve) {
                const std::int32_t type = curve.get_Measurement()->get_CurveType();
                if (curve.get_Points()->get_Count() > 0 && std::ranges::find(kImpedanceCurveTypes, type) ==
                                                               std::ranges::end(kImpedanceCurveTypes))
                    doomed.emplace_back(&curve);
            });
        if (doomed.empty())
            return;
        // One undo step brings every curve back.
        RaiseSaveState(TR_UNDO_DELETE_CURVE, TR_REDO_DELETE_CURVE);
        for (const auto& curve : doomed) {
            const auto test = m_curvePrefs ? m_curvePrefs->ItemByMeasuredCondition(curve->get_Measurement()) : nullptr;
            RemoveCurve(*curve, test.get());
        }
    });
}

void CPureTone::m_oAudi_MeasurementComplete()
{
    emit Stopped();
    if (!m_link)
        return;
    pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_fr_OK;
    m_link->Controller()->Stop(&result);
}

void CPureTone::m_oAudi_SonvaleError(std::int32_t frError)
{
    // The first error of a run ends it; later ones of the same run, which
    // the stop delivers, are already answered.
    if (m_linkErrorShown)
        return;
    m_linkErrorShown = true;
    // A failed read ends the driver's polling while the link still counts as
    // running: without a stop the measurement would seem never to end.
    emit Stopped();
    if (m_link) {
        pelmsonvale::TFuncResult result = pelmsonvale::TFuncResult_fr_OK;
        m_link->Controller()->Stop(&result);
    }
    m_measuring = false;
    Guarded([this] { SetChartsInteractive(true); });
    platform::ui::messageBox(this, Text(TR_INSTRUMENT_LINK_ERROR) + " " + std::to_string(frError),
                             Text(TR_PROGRAM_TITLE),
                             platform::ui::MB_OK | platform::ui::MB_ICONSTOP);
}

void CPureTone::m_oAudi_ShutdownComplete()
{
    m_measuring = false;
    m_linkErrorShown = false;
    Guarded([this] { SetChartsInteractive(true); });
}

}  // namespace brisance
