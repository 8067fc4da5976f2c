// The pure-tone view's chart lines: each test's curve of an ear is one line
// on the chart of that ear, keyed by PureToneLineKey. A plotted or removed
// point reaches its line here, and the chart's menu deletes a point or a
// whole curve.

#include "module/views/CPureTone.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CPaletteItems.h"
#include "module/core/TextResources.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PopupMenu.h"
#include "module/panels/TableView.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/SitedChart.h"

#include "platform/com/Failure.h"

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;

constexpr const char* kChartSource = "Chart";

// The point kinds, 0 measured to 5 masked unmeasurable, offered in this
// order from TR_INSERT_UNMASKED on.
constexpr std::int32_t kPointKindCount = 6;

// The line of key on the chart, or null when it has none.
com::ComPtr<lumenplot::ILine> ExistingLine(lumenplot::ILines& lines, std::int32_t key)
{
    lumenplot::VARIANT_BOOL exists = lumenplot::VARIANT_FALSE;
    raiseOnFailure(lines.ItemExist(key, &exists), kChartSource);
    com::ComPtr<lumenplot::ILine> line;
    if (exists != lumenplot::VARIANT_FALSE)
        raiseOnFailure(lines.Item(key, line.put()), kChartSource);
    return line;
}

}  // namespace

std::int32_t CPureTone::LineKey(const CCurvePref& pref, std::int32_t ear) const
{
    return PureToneLineKey(pref, ear, EarsShareChart());
}

void CPureTone::UpdateCurveLine(const CCurvePref& Pref, std::int32_t Frequency, std::int32_t Level, std::int32_t Ear,
                                std::int32_t Kind)
{
    const std::int32_t key = LineKey(Pref, Ear);
    for (const int chart : ChartsOfEar(Ear))
        RefreshCurveLine(chart, key, Ear, Pref, Frequency, Level, Kind);
}

void CPureTone::RefreshCurveLine(int Chart, std::int32_t LineKey, std::int32_t Ear, const CCurvePref& Pref,
                                 std::int32_t Frequency, std::int32_t Level, std::int32_t Kind)
{
    // A frequency beyond the axis stays in the data; a range that holds it
    // draws it.
    const std::int32_t x = m_chartMaps->ConvertAudioXToChartX(Frequency);
    if (x == 0)
        return;
    lumenplot::IChart& chart = chtEar(Chart).chart();
    const auto line = CurveLine(*ChartLines(chart), LineKey, Pref, Ear);
    PlotPointOnLine(*line, x, Level, Kind, Ear, Pref);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

void CPureTone::RemoveCurvePoint(const CCurvePref& Pref, std::int32_t Frequency, std::int32_t Ear)
{
    // The point goes from where its ear's line stands, whatever the binaural
    // button says: the chart keeps agreeing with the data.
    const std::int32_t x = m_chartMaps->ConvertAudioXToChartX(Frequency);
    if (x == 0)
        return;
    const std::int32_t key = LineKey(Pref, Ear);
    for (const int chart : ChartsOfEar(Ear)) {
        lumenplot::IChart& target = chtEar(chart).chart();
        if (const auto line = ExistingLine(*ChartLines(target), key)) {
            raiseOnFailure(line->RemovePoint(x), kChartSource);
            raiseOnFailure(target.Refresh(), kChartSource);
        }
    }
}

// The chart's context menu.

void CPureTone::chtEar_RightClick(int Index, double X, double Y)
{
    Guarded([&] {
        m_menuChart = Index;
        m_menuX = X;
        m_menuY = Y;
        if (!palPureTone->SelectedButton())
            return;
        const auto test = SelectedTest();
        const std::string label = test ? test->pref->Label : std::string();
        // The point kinds first: a mouse user enters no-response and
        // unmeasurable points here.
        std::vector<PopupMenuItem> items;
        for (std::int32_t kind = 0; kind < kPointKindCount; ++kind)
            items.push_back({QStringLiteral("mnuChartChangeType%1").arg(kind),
                             QString::fromStdString(Text(TR_INSERT_UNMASKED + kind)),
                             [this, kind] { Guarded([this, kind] { mnuChartChangeType_Click(kind); }); }});
        items.push_back({QStringLiteral("mnuDeletePoint"), QString::fromStdString(m_deletePointText),
                         [this] { Guarded([this] { mnuDeletePoint_Click(); }); }});
        items.push_back({QStringLiteral("mnuDeleteCurve"), QString::fromStdString(m_deleteText + " " + label),
                         [this] { Guarded([this] { mnuDeleteCurve_Click(); }); }});
        popupMenu(*this, items);
    });
}

void CPureTone::mnuDeletePoint_Click()
{
    const std::int32_t Frequency = FrequencyAt(m_menuX, m_menuY);
    if (Frequency != 0)
        DeleteTestPoint({}, Frequency, EarOfChart(m_menuChart), PlotEverywhere);
}

void CPureTone::mnuDeleteCurve_Click()
{
    DeleteCurve({}, EarOfChart(m_menuChart));
}

void CPureTone::DeleteCurve(const std::string& Test, std::int32_t Ear)
{
    const auto test = Test.empty() ? SelectedTest() : TestOfKey(Test);
    if (!test)
        return;
    RaiseSaveState(TR_UNDO_DELETE_CURVE, TR_REDO_DELETE_CURVE);

    const CCurvePref& pref = *test->pref;
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (m_dataLayer && m_dataLayer->get_PureToneCurves()->Find(pref.TestType, Ear, pref.Condition, curve))
        RemoveCurve(*curve, &pref);
}

void CPureTone::RemoveCurve(vellum::IVellumPureToneCurve& curve, const CCurvePref* pref)
{
    const std::int32_t ear = curve.get_Measurement()->get_Ear();
    if (pref && TableShows(*pref, ear)) {
        const auto points = curve.get_Points()->get__NewEnum();
        platform::runtime::Variant item;
        while (points->Next(1, &item, nullptr) == com::S_OK)
            tblPureTone->PureToneDeletePoint(ear, item.toObject().as<vellum::IVellumPureTonePoint>()->get_Frequency());
    }
    m_dataLayer->get_PureToneCurves()->Remove(curve.get_Index());

    if (pref) {
        const std::int32_t key = LineKey(*pref, ear);
        for (const int chart : ChartsOfEar(ear)) {
            lumenplot::IChart& target = chtEar(chart).chart();
            lumenplot::VARIANT_BOOL removed = lumenplot::VARIANT_FALSE;
            raiseOnFailure(ChartLines(target)->Remove(key, &removed), kChartSource);
            raiseOnFailure(target.Refresh(), kChartSource);
        }
    }
    RefreshAverages();
    m_dataNeedsSaved = true;
}

void CPureTone::ShowHideCurve(std::int32_t TestID, bool Show)
{
    const auto item = m_paletteItems->ItemByID(TestID);
    if (!item || !item->CurvePreferences)
        return;
    item->HideInGraph = !Show;
    if (const auto button = palPureTone->Button(TestID))
        button->HiddenState(!Show);

    const CCurvePref& pref = *item->CurvePreferences;
    const std::vector<std::int32_t> keys =
        item->Binaural ? std::vector{LineKey(pref, vellum::kEarBinaural)}
                       : std::vector{LineKey(pref, vellum::kEarLeft), LineKey(pref, vellum::kEarRight)};
    for (const auto& chart : m_charts) {
        const auto lines = ChartLines(chart->chart());
        for (const std::int32_t key : keys)
            SetChartLineVisible(*lines, key, Show);
        raiseOnFailure(chart->chart().Refresh(), kChartSource);
    }
}

}  // namespace brisance
