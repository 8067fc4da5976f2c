// The pure-tone view's one road for a point, from a chart click, a table
// entry or (with a test key) the instrument, and its twin for deleting one.

#include "module/views/CPureTone.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/CLangLoader.h"
#include "module/core/CodeTable.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ProgramTitle.h"
#include "module/core/TextResources.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/IPTATable.h"
#include "module/panels/TableView.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/ShowPureToneAverages.h"

#include "platform/runtime/Conversions.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>

namespace brisance {
namespace {

using platform::runtime::CInt;
using platform::runtime::CLng;

// How the data layer stores a point of each kind.
struct KindValues {
    std::int16_t status;
    bool masked;
};

constexpr CodeEntry<KindValues> kPointKinds[] = {
    {0, {vellum::kStatusMeasured, false}},    {1, {vellum::kStatusNoResponse, false}},
    {2, {vellum::kStatusUnmeasurable, false}}, {3, {vellum::kStatusMeasured, true}},
    {4, {vellum::kStatusNoResponse, true}},    {5, {vellum::kStatusUnmeasurable, true}},
};
constexpr std::int32_t kMeasuredKind = 0;

// The symbols of each ear; a test shows on an ear's chart by its unmasked one.
constexpr CodeEntry<const SymbolFields*> kEarSymbols[] = {
    {vellum::kEarRight, &kRightSymbolFields},
    {vellum::kEarLeft, &kLeftSymbolFields},
    {vellum::kEarBinaural, &kBinauralSymbolFields},
};
constexpr std::int32_t kMaskedKind = 3;

// The chart's "no position" and "no grid value".
constexpr double kNoPosition = -32767;
constexpr double kNoGridValue = -1;

constexpr const char* kMessageTitle = "Tessmark";

bool IsPointKind(std::int32_t kind)
{
    return std::ranges::any_of(kPointKinds, [kind](const auto& entry) { return entry.code == kind; });
}

// A point's stored values: level in tenths, the masking level of a masked
// kind, the status. Raises 6 (overflow) for a value that does not fit 16
// bits, before anything is changed.
struct StoredValues {
    std::int16_t level;
    std::int16_t maskingLevel;
    std::int16_t status;
};

StoredValues StoredValuesOf(std::int32_t level, std::int32_t maskingLevel, std::int32_t kind)
{
    const KindValues values = LookUpCode(kPointKinds, kind, KindValues{vellum::kStatusMeasured, false});
    return {CInt(level * 10.0), values.masked ? CInt(maskingLevel) : vellum::kNoValue, values.status};
}

}  // namespace

std::optional<CPureTone::PointTest> CPureTone::SelectedTest() const
{
    const auto button = palPureTone->SelectedButton();
    if (!button)
        return std::nullopt;
    const auto item = m_paletteItems->ItemByID(button->ItemData().toLong());
    if (!item || !item->CurvePreferences)
        return std::nullopt;
    return PointTest{item, item->CurvePreferences};
}

std::optional<CPureTone::PointTest> CPureTone::TestOfKey(const std::string& key) const
{
    if (!m_curvePrefs)
        return std::nullopt;
    const auto pref = m_curvePrefs->Item(key);
    if (!pref)
        return std::nullopt;
    return PointTest{nullptr, pref};
}

vellum::ComPtr<vellum::IVellumPureToneCurve> CPureTone::StoredCurve(const CCurvePref& pref, std::int32_t ear) const
{
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (!m_dataLayer || !m_dataLayer->get_PureToneCurves()->Find(pref.TestType, ear, pref.Condition, curve))
        return {};
    return curve;
}

std::int32_t CPureTone::FrequencyAt(double X, double Y) const
{
    for (const double value : {X, Y})
        if (value == kNoPosition || value == kNoGridValue)
            return 0;
    return m_chartMaps->ConvertChartXToAudioX(CLng(X));
}

std::int32_t CPureTone::EarOfChart(int Index) const
{
    const auto button = palPureTone->SelectedButton();
    const auto test = SelectedTest();
    if (butBinaural->ButtonState() == Tolvane_ButtonDown || (test && test->item->Binaural))
        return vellum::kEarBinaural;
    if (EarsShareChart()) {
        // The palette button's halves follow RightOnLeft: the left half is the
        // right ear's when the right ear stands on the left.
        const bool leftIsDown = button && button->LeftIsDown();
        return leftIsDown == m_rightOnLeft ? vellum::kEarRight : vellum::kEarLeft;
    }
    return Index == LeftEarChart() ? vellum::kEarLeft : vellum::kEarRight;
}

bool CPureTone::SelectedTestHasSymbol(std::int32_t Ear) const
{
    const auto test = SelectedTest();
    const SymbolFields* symbols = LookUpCode(kEarSymbols, Ear, static_cast<const SymbolFields*>(nullptr));
    return test && symbols && test->pref.get()->*(*symbols)[0] != 0;
}

// Handlers.

void CPureTone::chtEar_PlotPoint(int Index, double X, double Y)
{
    Guarded([&] {
        PlotAtChartPosition(Index, X, Y,
                            butMasked->ButtonState() == Tolvane_ButtonDown ? kMaskedKind : kMeasuredKind);
    });
}

void CPureTone::PlotAtChartPosition(int Index, double X, double Y, std::int32_t Kind)
{
    if (!palPureTone->SelectedButton())
        return;
    const std::int32_t Frequency = FrequencyAt(X, Y);
    if (Frequency == 0)
        return;
    const std::int32_t Ear = EarOfChart(Index);
    if (!SelectedTestHasSymbol(Ear)) {
        platform::ui::messageBox(this, Text(TR_MISSING_SYMBOL), kMessageTitle, platform::ui::MB_OK);
        return;
    }
    PlotTestPoint({}, Frequency, CLng(Y), Ear, Kind, PlotEverywhere, 0);
}

void CPureTone::chtEar_UnPlotPoint(int Index, double X, double Y)
{
    Guarded([&] {
        const std::int32_t Frequency = FrequencyAt(X, Y);
        if (Frequency != 0)
            DeleteTestPoint({}, Frequency, EarOfChart(Index), PlotEverywhere);
    });
}

void CPureTone::tblPureTone_PointPlot(std::int32_t X, std::int32_t Y, std::int32_t MASKING, std::int32_t Ear,
                                      std::int32_t PlotType)
{
    TableEntry([&] { PlotTestPoint({}, X, Y, Ear, PlotType, PlotFromTable, MASKING); });
}

void CPureTone::tblPureTone_DeletePoint(std::int32_t Freq, std::int32_t Ear)
{
    TableEntry([&] {
        // A cell emptied of text that no stored point stood behind changes
        // nothing.
        const auto test = SelectedTest();
        const auto curve = test ? StoredCurve(*test->pref, Ear) : nullptr;
        if (curve && curve->get_Points()->Exists(Freq))
            DeleteTestPoint({}, Freq, Ear, PlotFromTable);
    });
}

void CPureTone::TableEntry(const std::function<void()>& road)
{
    m_tableEdits.Entry([&] { Guarded(road); });
}

void CPureTone::SaveStateBeforeEdit(const std::string& undo, const std::string& redo)
{
    if (!m_tableEdits.TakesStep())
        return;
    emit SaveState(undo, redo);
    KeepShownAverageFrequencies();
}

// An audiogram stored without the frequencies of an ear's average was shown
// with the profile's; once it is edited, it keeps them.
void CPureTone::KeepShownAverageFrequencies()
{
    if (!m_dataLayer || m_frequenciesToAverage == 0)
        return;
    if (m_dataLayer->get_AverageFrequenciesLeft() == 0) {
        m_dataLayer->put_AverageFrequenciesLeft(m_frequenciesToAverage);
        m_dataLayer->put_DoubleAverageFrequenciesLeft(m_frequenciesToDblAverage);
        m_dataNeedsSaved = true;
    }
    if (m_dataLayer->get_AverageFrequenciesRight() == 0) {
        m_dataLayer->put_AverageFrequenciesRight(m_frequenciesToAverage);
        m_dataLayer->put_DoubleAverageFrequenciesRight(m_frequenciesToDblAverage);
        m_dataNeedsSaved = true;
    }
}

// The road of a point.

void CPureTone::PlotTestPoint(const std::string& Test, std::int32_t Frequency, std::int32_t Level, std::int32_t Ear,
                              std::int32_t Kind, std::int32_t Mode, std::int32_t MaskingLevel)
{
    const auto test = Mode == PlotByTestKey ? TestOfKey(Test) : SelectedTest();
    if (!test)
        return;
    // A kind without a meaning is stored as a measured point: draw it as one.
    const std::int32_t kind = IsPointKind(Kind) ? Kind : kMeasuredKind;
    if (Mode != PlotDisplayOnly)
        StoredValuesOf(Level, MaskingLevel, kind);  // refuses what cannot be stored, before any change

    if (test->item && test->item->HideInGraph)
        ShowHideCurve(test->item->ID, true);

    platform::com::ComPtr<vellum::IVellumPureTonePoint> point;
    if (Mode != PlotDisplayOnly) {
        point = WriteTestPoint(*test, Frequency, Level, MaskingLevel, Ear, kind);
    } else if (m_dataLayer) {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        const auto& pref = *test->pref;
        if (m_dataLayer->get_PureToneCurves()->Find(pref.TestType, Ear, pref.Condition, curve) &&
            curve->get_Points()->Exists(Frequency))
            point = curve->get_Points()->Item(Frequency);
    }
    // The instrument's test need not be the one the table shows.
    if (Mode != PlotFromTable && point && (Mode != PlotByTestKey || TableShows(*test->pref, Ear)))
        tblPureTone->PureTonePlotPoint(Ear, *point);
    UpdateCurveLine(*test->pref, Frequency, Level, Ear, kind);
    m_dataNeedsSaved = true;
}

platform::com::ComPtr<vellum::IVellumPureTonePoint> CPureTone::WriteTestPoint(const PointTest& Test,
                                                                             std::int32_t Frequency,
                                                                             std::int32_t Level,
                                                                             std::int32_t MaskingLevel,
                                                                             std::int32_t Ear, std::int32_t Kind)
{
    const StoredValues values = StoredValuesOf(Level, MaskingLevel, Kind);
    if (!m_dataLayer)
        platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    RaiseSaveState(TR_UNDO_PURE_TONE_POINT, TR_REDO_PURE_TONE_POINT);

    const CCurvePref& pref = *Test.pref;
    const auto curves = m_dataLayer->get_PureToneCurves();
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    if (!curves->Find(pref.TestType, Ear, pref.Condition, curve)) {
        curve = curves->Add(pref.TestType, Ear, pref.Condition);
        if (Test.item) {
            const auto measurement = curve->get_Measurement();
            measurement->put_ConditionDescription(Test.item->ConditionDescription);
            measurement->put_TransducerDescription(Test.item->TransducerDescription);
        }
    }

    // One point per frequency: a second one replaces the first.
    const auto points = curve->get_Points();
    points->Remove(Frequency);
    const auto point = points->Add(Frequency);
    point->put_Level(values.level);
    point->put_MaskingLevel(values.maskingLevel);
    point->put_Status(values.status);

    RefreshAverages();
    return point;
}

void CPureTone::DeleteTestPoint(const std::string& Test, std::int32_t Frequency, std::int32_t Ear, std::int32_t Mode)
{
    // A delete for the instrument's test key needs no palette: the key's test
    // is the test.
    const auto test = Test.empty() ? SelectedTest() : TestOfKey(Test);
    if (!test)
        return;
    RaiseSaveState(TR_UNDO_PURETONE_POINT_DELETE, TR_REDO_PURETONE_POINT_DELETE);

    const CCurvePref& pref = *test->pref;
    if (Mode != PlotDisplayOnly && m_dataLayer) {
        vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
        if (m_dataLayer->get_PureToneCurves()->Find(pref.TestType, Ear, pref.Condition, curve)) {
            const auto points = curve->get_Points();
            if (points->Exists(Frequency)) {
                points->Remove(Frequency);
                m_dataNeedsSaved = true;
            }
            RefreshAverages();
        }
    }
    if (Mode != PlotFromTable && (Test.empty() || TableShows(pref, Ear)))
        tblPureTone->PureToneDeletePoint(Ear, Frequency);
    RemoveCurvePoint(pref, Frequency, Ear);
}

}  // namespace brisance
