// The speech view's editing road: a result from a chart click, the chart's
// menu, an entry table or the results table is written into its speech
// curve, and a point or a whole curve is deleted.

#include "module/views/CSpeech.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/PopupMenu.h"
#include "module/panels/SpeechTable.h"
#include "module/panels/SpeechTableView.h"
#include "module/views/SitedChart.h"

#include "platform/com/Failure.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;
using platform::runtime::CInt;
using platform::runtime::CLng;

constexpr const char* kChartSource = "Chart";
constexpr const char* kMessageTitle = "Tessmark";

// The chart's "no position" and "no grid value".
constexpr double kNoPosition = -32767;
constexpr double kNoGridValue = -1;

constexpr std::int32_t kMaximumPoints = 12;
constexpr std::int32_t kGatedScore = 50;
constexpr std::int32_t kFullScore = 100;
constexpr std::int32_t kUnmaskedSymbol = 0;

// Thresholds that the gating flag draws as one point at 50 %: speech
// reception, detection and awareness. Comfort and discomfort levels are
// always one point.
constexpr std::int32_t kFirstGatedType = 15;
constexpr std::int32_t kLastGatedType = 25;
constexpr std::int32_t kFirstLevelType = 26;
constexpr std::int32_t kLastLevelType = 29;

bool IsPosition(double X, double Y)
{
    return std::ranges::none_of(std::initializer_list<double>{X, Y},
                                [](double value) { return value == kNoPosition || value == kNoGridValue; });
}

bool IsGatedType(std::int32_t curveType) { return curveType >= kFirstGatedType && curveType <= kLastGatedType; }

// A result's stored values: level in tenths, score in hundredths, masking in
// whole dB, each with the data's mark for none. Raises 6 (overflow) for a
// value beyond 16 bits, before anything is changed.
struct StoredPoint {
    std::int16_t level;
    std::int16_t score;
    std::int16_t masking;
};

StoredPoint StoredPointOf(std::int32_t dB, std::int32_t Score, std::int32_t Masking)
{
    return {CInt(dB * 10.0), Score == vellum::kNoValue ? vellum::kNoValue : CInt(Score * 100.0),
            Masking == vellum::kNoValue ? vellum::kNoSpeechMasking : CInt(Masking)};
}

}  // namespace

std::optional<CSpeech::SpeechTest> CSpeech::SelectedTest() const
{
    const auto button = palSpeech->SelectedButton();
    if (!button)
        return std::nullopt;
    const auto item = m_paletteItems->ItemByID(button->ItemData().toLong());
    if (!item || !item->CurvePreferences)
        return std::nullopt;
    return SpeechTest{item, item->CurvePreferences};
}

std::int32_t CSpeech::CurrentEar() const
{
    const auto test = SelectedTest();
    if (butBinaural->ButtonState() == Tolvane_ButtonDown || (test && test->item->Binaural))
        return vellum::kEarBinaural;
    // The palette button's halves follow RightOnLeft: the left half is the
    // right ear's when the right ear stands on the left.
    const auto button = palSpeech->SelectedButton();
    const bool leftIsDown = button && button->LeftIsDown();
    return leftIsDown == m_rightOnLeft ? vellum::kEarRight : vellum::kEarLeft;
}

bool CSpeech::SingleTestPoint(std::int32_t curveType) const
{
    return (IsGatedType(curveType) && m_grid.SingleThresholdPoint) ||
           (curveType >= kFirstLevelType && curveType <= kLastLevelType);
}

com::ComPtr<vellum::IVellumSpeechCurve> CSpeech::FindCurve(const CCurvePref& pref, std::int32_t ear) const
{
    vellum::ComPtr<vellum::IVellumSpeechCurve> curve;
    if (!m_dataLayer ||
        !m_dataLayer->get_SpeechCurves()->Find(pref.TestType, ear, pref.Condition, pref.WordList, curve))
        return {};
    return curve;
}

// The chart.

void CSpeech::chtSpeech_PlotPoint(double X, double Y)
{
    RunShowingRaisedError(this, [&] { PlotFromChart(X, Y); });
}

void CSpeech::PlotFromChart(double X, double Y)
{
    const auto test = SelectedTest();
    if (!test || !IsPosition(X, Y))
        return;
    const std::int32_t ear = CurrentEar();
    if (SymbolNumber(*test->pref, ear, kUnmaskedSymbol) == 0) {
        platform::ui::messageBox(this, Text(TR_MISSING_SYMBOL), kMessageTitle, platform::ui::MB_OK);
        return;
    }
    const std::int32_t level = CLng(X);
    std::int32_t score = CLng(kFullScore - Y);
    if (IsGatedType(test->pref->TestType) && m_grid.SingleThresholdPoint)
        score = kGatedScore;
    if (!WritePoint(level, score, vellum::kNoValue, ear, *test))
        return;
    RedrawCurveLine(*test, ear);
    tblSpeechView->Clear(ear);
    FillResultsForEar(*test->pref, ear);
}

void CSpeech::chtSpeech_RightClick(double X, double Y)
{
    RunShowingRaisedError(this, [&] {
        m_menuX = X;
        m_menuY = Y;
        const auto test = SelectedTest();
        if (!test)
            return;
        const auto guarded = [this](void (CSpeech::*entry)()) {
            return [this, entry] { RunShowingRaisedError(this, [this, entry] { (this->*entry)(); }); };
        };
        popupMenu(*this,
                  {{QStringLiteral("mnuChartChangeType"), QString::fromStdString(Text(TR_INSERT_UNMASKED)),
                    guarded(&CSpeech::mnuChartChangeType_Click)},
                   {QStringLiteral("mnuDeletePoint"), QString::fromStdString(Text(TR_DELETE_POINT)),
                    guarded(&CSpeech::mnuDeletePoint_Click)},
                   {QStringLiteral("mnuDeleteCurve"),
                    QString::fromStdString(Text(TR_DELETE) + " " + test->pref->Label),
                    guarded(&CSpeech::mnuDeleteCurve_Click)}});
    });
}

void CSpeech::mnuChartChangeType_Click()
{
    PlotFromChart(m_menuX, m_menuY);
}

void CSpeech::mnuDeletePoint_Click()
{
    const auto test = SelectedTest();
    if (!test || !IsPosition(m_menuX, m_menuY))
        return;
    const std::int32_t ear = CurrentEar();
    const std::int32_t dB = CLng(m_menuX);
    const std::int16_t level = StoredPointOf(dB, vellum::kNoValue, vellum::kNoValue).level;
    const auto curve = FindCurve(*test->pref, ear);
    if (!curve || !curve->get_Points()->Exists(level))
        return;
    curve->get_Points()->Remove(level);
    m_dataNeedsSaved = true;
    tblSpeechView->DeletePoint(ear, dB);
    RemoveLinePoint(*test->pref, ear, dB);
}

// The curve is the selected test's, wherever the click was.
void CSpeech::mnuDeleteCurve_Click()
{
    DeleteCurve(CurrentEar());
}

void CSpeech::DeleteCurrentCurve()
{
    DeleteCurve(CurrentEar());
}

void CSpeech::DeleteCurve(std::int32_t Ear)
{
    const auto test = SelectedTest();
    if (!test)
        return;
    const auto curve = FindCurve(*test->pref, Ear);
    if (!curve)
        return;
    m_dataLayer->get_SpeechCurves()->Remove(curve->get_Index());
    m_dataNeedsSaved = true;
    tblSpeechView->Clear(Ear);
    RedrawCurveLine(*test, Ear);
}

// Writing a point.

bool CSpeech::WritePoint(std::int32_t dB, std::int32_t Score, std::int32_t Masking, std::int32_t Ear,
                         const SpeechTest& test)
{
    const StoredPoint values = StoredPointOf(dB, Score, Masking);
    if (!m_dataLayer)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    const CCurvePref& pref = *test.pref;
    const bool single = SingleTestPoint(pref.TestType);

    auto curve = FindCurve(pref, Ear);
    if (curve && !single) {
        // A curve holds at most 12 levels; a 13th changes nothing.
        const auto points = curve->get_Points();
        if (points->get_Count() >= kMaximumPoints && !points->Exists(values.level))
            return false;
    }
    if (!curve) {
        curve = m_dataLayer->get_SpeechCurves()->Add(pref.TestType, Ear, pref.Condition, pref.WordList);
        const auto measurement = curve->get_Measurement();
        measurement->put_ConditionDescription(test.item->ConditionDescription);
        measurement->put_TransducerDescription(test.item->TransducerDescription);
        measurement->put_WordListDescription(test.item->WordList);
    }

    // One point per level; a single-point test keeps only its latest one.
    const auto points = curve->get_Points();
    if (single)
        points->Clear();
    else
        points->Remove(values.level);
    const auto point = points->Add(values.level);
    point->put_Score(values.score);
    point->put_NumberOfWords(test.item->NumberOfWords);
    if (values.masking != vellum::kNoSpeechMasking)
        point->put_MaskingLevel(values.masking);
    m_dataNeedsSaved = true;
    return true;
}

// The tables.

void CSpeech::tblSpeech_DataChanged(std::size_t Index, std::int32_t Ear)
{
    RunShowingRaisedError(this, [&] {
        SpeechTable& table = *tblSpeech[Index];
        const auto item = m_paletteItems->ItemByCurveID(table.ItemData());
        if (!item || !item->CurvePreferences || !m_dataLayer)
            return;
        std::int32_t dB = 0;
        std::int32_t score = 0;
        std::int32_t masking = 0;
        const bool entered = table.GetEarData(Ear, dB, score, masking);
        const StoredPoint values = StoredPointOf(entered ? dB : 0, score, masking);

        // The table replaces the point it wrote or loaded last, and only that
        // one: the curve's other points stay.
        const auto key = std::pair{Index, Ear};
        if (const auto last = m_entryLevels.find(key); last != m_entryLevels.end()) {
            if (!entered || last->second != values.level) {
                if (const auto curve = FindCurve(*item->CurvePreferences, Ear)) {
                    curve->get_Points()->Remove(last->second);
                    m_dataNeedsSaved = true;
                }
            }
            m_entryLevels.erase(last);
        }
        if (entered && WritePoint(dB, score, masking, Ear, {item, item->CurvePreferences}))
            m_entryLevels[key] = values.level;
    });
}

void CSpeech::tblSpeechView_PointPlot(std::int32_t Ear, std::int32_t dB, std::int32_t SCORE, std::int32_t Value)
{
    RunShowingRaisedError(this, [&] {
        const auto test = SelectedTest();
        if (!test)
            return;
        // Only the masking (or noise) row is edited: the point keeps its score.
        const StoredPoint values = StoredPointOf(dB, SCORE, Value);
        const auto curve = FindCurve(*test->pref, Ear);
        if (!curve || !curve->get_Points()->Exists(values.level))
            return;
        curve->get_Points()->Item(values.level)->put_MaskingLevel(values.masking);
        m_dataNeedsSaved = true;
        RedrawCurveLine(*test, Ear);
    });
}

// Chart lines.

void CSpeech::RedrawCurveLine(const SpeechTest& test, std::int32_t ear)
{
    const auto lineID = ChartLineID(*test.pref, ear);
    if (!lineID)
        return;
    lumenplot::IChart& chart = m_chart->chart();
    const auto lines = ChartLines(chart);
    lumenplot::VARIANT_BOOL removed = lumenplot::VARIANT_FALSE;
    raiseOnFailure(lines->Remove(*lineID, &removed), kChartSource);
    if (const auto curve = FindCurve(*test.pref, ear); curve && m_curvePrefs) {
        BuildSpeechChartLines(chart, *curve, false);
        if (test.item->HideInGraph)
            SetChartLineVisible(*lines, *lineID, false);
    }
    raiseOnFailure(chart.Refresh(), kChartSource);
}

void CSpeech::RemoveLinePoint(const CCurvePref& pref, std::int32_t ear, std::int32_t dB)
{
    const auto lineID = ChartLineID(pref, ear);
    if (!lineID)
        return;
    lumenplot::IChart& chart = m_chart->chart();
    const auto lines = ChartLines(chart);
    lumenplot::VARIANT_BOOL exists = lumenplot::VARIANT_FALSE;
    raiseOnFailure(lines->ItemExist(*lineID, &exists), kChartSource);
    if (exists != lumenplot::VARIANT_FALSE) {
        com::ComPtr<lumenplot::ILine> line;
        raiseOnFailure(lines->Item(*lineID, line.put()), kChartSource);
        raiseOnFailure(line->RemovePoint(dB), kChartSource);
    }
    raiseOnFailure(chart.Refresh(), kChartSource);
}

}  // namespace brisance
