// The speech view's display of the data: the chart's curves or the entry
// tables, the palette's marks, the notes and the results table of the
// selected test; and what the palette and the test dialogs do to it.

#include "module/views/CSpeech.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CLangLoader.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CurveKeys.h"
#include "module/core/DescribeCurve.h"
#include "module/core/ModuleGlobals.h"
#include "module/core/ProgramTitle.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/panels/ControlColours.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/IPTATable.h"
#include "module/panels/NotesChangeHandler.h"
#include "module/panels/PaletteItemsFromCurves.h"
#include "module/panels/SpeechTable.h"
#include "module/panels/SpeechTableView.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/views/EditTestProperties.h"
#include "module/views/PanelHeightWatcher.h"
#include "module/views/ShowPureToneAverages.h"
#include "module/views/SitedChart.h"

#include "platform/com/Failure.h"
#include "platform/runtime/Conversions.h"
#include "platform/ui/MessageBox.h"

#include <QLabel>

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;
using platform::runtime::CLng;

constexpr const char* kChartSource = "Chart";
constexpr const char* kMissingTestsMessage =
    "No test(s) was found in the Speech Palette with the following measured conditions: ";
constexpr std::int32_t kNoTable = -1;

// Each speech curve of the data layer in turn.
template <class Visit>
void ForEachSpeechCurve(vellum::IVellumDataLayer& dataLayer, Visit visit)
{
    const auto curves = dataLayer.get_SpeechCurves()->get__NewEnum();
    platform::runtime::Variant item;
    while (curves->Next(1, &item, nullptr) == com::S_OK)
        visit(*item.toObject().as<vellum::IVellumSpeechCurve>());
}

// Each point of a speech curve in turn.
template <class Visit>
void ForEachSpeechPoint(vellum::IVellumSpeechCurve& curve, Visit visit)
{
    const auto points = curve.get_Points()->get__NewEnum();
    platform::runtime::Variant item;
    while (points->Next(1, &item, nullptr) == com::S_OK)
        visit(*item.toObject().as<vellum::IVellumSpeechPoint>());
}

void AddOnce(std::vector<std::string>& list, const std::string& text)
{
    if (!text.empty() && std::ranges::find(list, text) == list.end())
        list.push_back(text);
}

}  // namespace

// Display.

void CSpeech::ShowDataInDataLayer()
{
    Clear();
    if (!m_dataLayer)
        return;
    if (m_mode == 1)
        ShowMissingTests(DrawCurves());
    else
        LoadCurvesIntoTables();
    TakeDescriptionsFromData();
    m_notesHandler->LoadPanel();
    ShowSelectedTestInTable();
    // The averages come from the same data, so that no refresh leaves the
    // panel empty.
    ShowPureToneAverages(*ptaSpeech, *m_dataLayer, m_profileAverageMasks);
}

void CSpeech::Clear()
{
    for (std::size_t index = 0; index < m_tablesInUse; ++index)
        tblSpeech[index]->Clear();
    m_entryLevels.clear();
    for (const std::int32_t ear : {vellum::kEarLeft, vellum::kEarRight, vellum::kEarBinaural})
        tblSpeechView->Clear(ear);
    m_notesHandler->ClearPanel();
    ptaSpeech->ACLeftAverage({});
    ptaSpeech->ACRightAverage({});
    ptaSpeech->BCLeftAverage({});
    ptaSpeech->BCRightAverage({});
    ptaSpeech->SFAverage({});

    ClearCurves();
}

void CSpeech::ClearCurves()
{
    lumenplot::IChart& chart = m_chart->chart();
    raiseOnFailure(ChartLines(chart)->Clear(), kChartSource);
    if (m_grid.LevelLabelRow && m_chartInitialized)
        AddXAxisLabelLine(chart);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

// Each curve on the chart from its test; gives the measured conditions of
// those whose test is missing, each once.
std::vector<std::string> CSpeech::DrawCurves()
{
    std::vector<std::string> missing;
    if (!m_dataLayer || !m_curvePrefs || !m_chartInitialized)
        return missing;
    lumenplot::IChart& chart = m_chart->chart();
    ForEachSpeechCurve(*m_dataLayer, [&](vellum::IVellumSpeechCurve& curve) {
        ModuleGlobals::SetMissingTestText({});
        BuildSpeechChartLines(chart, curve, false);
        AddOnce(missing, ModuleGlobals::MissingTestText());

        const auto measurement = curve.get_Measurement();
        const std::int32_t ear = measurement->get_Ear();
        const auto item = m_paletteItems->GetItemByTestKey(SpeechCurveKey(*measurement), ear == vellum::kEarBinaural);
        if (item && item->HideInGraph)
            if (const auto line = ChartLineID(*item->CurvePreferences, ear))
                SetChartLineVisible(*ChartLines(chart), *line, false);
    });
    raiseOnFailure(chart.Refresh(), kChartSource);
    return missing;
}

// Each curve into the entry table of its test; those whose test has no
// table are told as on the chart.
void CSpeech::LoadCurvesIntoTables()
{
    std::vector<std::string> missing;
    ForEachSpeechCurve(*m_dataLayer, [&](vellum::IVellumSpeechCurve& curve) {
        const auto measurement = curve.get_Measurement();
        const auto item = m_paletteItems->GetItemByTestKey(SpeechCurveKey(*measurement), false);
        const std::optional<std::size_t> index = item ? TableOfTest(item->CurvePreferences->CurveID) : std::nullopt;
        if (!index) {
            if (measurement->get_CurveType() != 0)
                AddOnce(missing, MissingTestWords(*measurement));
            return;
        }
        tblSpeech[*index]->LoadCurve(curve);
        // The table shows the last point of the curve: its next entry replaces that one.
        ForEachSpeechPoint(curve, [&](vellum::IVellumSpeechPoint& point) {
            m_entryLevels[{*index, measurement->get_Ear()}] = point.get_Level();
        });
    });
    ShowMissingTests(missing);
}

void CSpeech::ShowMissingTests(const std::vector<std::string>& conditions)
{
    if (conditions.empty())
        return;
    std::string message = kMissingTestsMessage;
    for (const std::string& condition : conditions)
        message += "\n" + condition;
    const std::string title = m_languageLoader ? ProgramTitle(*m_languageLoader) : std::string();
    platform::ui::messageBox(this, message, title, platform::ui::MB_ICONSTOP);
}

// The palette items take their measured curves' descriptions and marks.
void CSpeech::TakeDescriptionsFromData()
{
    ForEachSpeechCurve(*m_dataLayer, [&](vellum::IVellumSpeechCurve& curve) {
        const auto measurement = curve.get_Measurement();
        const auto item = m_paletteItems->GetItemByTestKey(SpeechCurveKey(*measurement),
                                                           measurement->get_Ear() == vellum::kEarBinaural);
        if (!item)
            return;
        item->ConditionDescription = measurement->get_ConditionDescription();
        item->TransducerDescription = measurement->get_TransducerDescription();
        item->WordList = measurement->get_WordListDescription();
    });
    MarkPaletteItemsWithData(*m_dataLayer, *m_paletteItems);
}

// The results table: the selected test's results of the current ear, or of
// both ears side by side.
void CSpeech::ShowSelectedTestInTable()
{
    const auto test = SelectedTest();
    tblSpeechView->TestConditions(test ? DescribeCurve(*test->item, true) : std::string());
    for (const std::int32_t ear : {vellum::kEarLeft, vellum::kEarRight, vellum::kEarBinaural})
        tblSpeechView->Clear(ear);
    if (!test || m_mode != 1 || !m_dataLayer)
        return;
    tblSpeechView->blnNoiseTest(IsSpeechInNoiseTest(test->pref->TestType));
    if (CurrentEar() == vellum::kEarBinaural) {
        tblSpeechView->BinauralMode(true);
        FillResultsForEar(*test->pref, vellum::kEarBinaural);
    } else {
        tblSpeechView->BinauralMode(false);
        FillResultsForEar(*test->pref, vellum::kEarLeft);
        FillResultsForEar(*test->pref, vellum::kEarRight);
    }
}

void CSpeech::FillResultsForEar(const CCurvePref& pref, std::int32_t ear)
{
    const auto curve = FindCurve(pref, ear);
    if (!curve)
        return;
    ForEachSpeechPoint(*curve, [&](vellum::IVellumSpeechPoint& point) {
        // The table's values are whole dB and per cent; it shows "none" as
        // an empty cell.
        const std::int16_t score = point.get_Score();
        const std::int16_t masking = point.get_MaskingLevel();
        tblSpeechView->PlotPoint(
            ear, CLng(point.get_Level() / 10.0), score == vellum::kNoValue ? vellum::kNoValue : CLng(score / 100.0),
            platform::runtime::Variant(
                static_cast<std::int32_t>(masking == vellum::kNoSpeechMasking ? vellum::kNoValue : masking)));
    });
}

void CSpeech::ApplyEarCaption()
{
    const std::int32_t ear = CurrentEar();
    const std::int32_t id = ear == vellum::kEarBinaural ? TR_BINAURAL
                            : ear == vellum::kEarRight  ? TR_RIGHT_EAR
                                                        : TR_LEFT_EAR;
    lblEar->setText(QString::fromStdString(Text(id)));
    // The cross-hair shows it too.
    raiseOnFailure(m_chart->chart().put_HighlightColor(earColour(ear)), kChartSource);
}

// The entry tables.

SpeechTable& CSpeech::EntryTable(std::size_t index)
{
    while (tblSpeech.size() <= index) {
        const std::size_t added = tblSpeech.size();
        auto* table = new SpeechTable(this);
        table->setObjectName(QStringLiteral("tblSpeech%1").arg(added));
        table->ItemData(kNoTable);
        table->LeftEarCaption(tblSpeech[0]->LeftEarCaption());
        table->RightEarCaption(tblSpeech[0]->RightEarCaption());
        table->BinauralEarCaption(tblSpeech[0]->BinauralEarCaption());
        ApplyEntryTableCaptions(*table);
        connect(table, &SpeechTable::DataChanged, this,
                [this, added](std::int32_t Ear) { tblSpeech_DataChanged(added, Ear); });
        m_panelHeights->Watch(*table);
        tblSpeech.push_back(table);
    }
    return *tblSpeech[index];
}

std::optional<std::size_t> CSpeech::TableOfTest(std::int32_t CurveID) const
{
    for (std::size_t index = 0; index < m_tablesInUse; ++index)
        if (tblSpeech[index]->ItemData() == CurveID)
            return index;
    return std::nullopt;
}

void CSpeech::InitializeSpeechTables()
{
    std::size_t count = 0;
    for (const auto& item : *m_paletteItems) {
        if (item->Binaural)
            continue;
        const CCurvePref& pref = *item->CurvePreferences;
        SpeechTable& table = EntryTable(count++);
        table.TableCaption(pref.Label);
        table.TestDescription(DescribeCurve(*item, true));
        table.ItemData(pref.CurveID);
        table.ConfigureTable(pref.TestType, 0, pref.Condition);
        table.Clear();
    }
    for (std::size_t index = count; index < tblSpeech.size(); ++index) {
        tblSpeech[index]->ItemData(kNoTable);
        tblSpeech[index]->Clear();
        tblSpeech[index]->hide();
    }
    m_tablesInUse = count;
    m_entryLevels.clear();
    LayOut();
}

// The palette.

void CSpeech::palSpeech_ButtonChange()
{
    RunShowingRaisedError(this, [this] {
        ShowSelectedTestInTable();
        ApplyEarCaption();
    });
}

void CSpeech::palSpeech_ShowHideCurve(bool Show)
{
    RunShowingRaisedError(this, [this, Show] {
        const auto button = palSpeech->RightClickedButton();
        if (!button)
            return;
        ShowHideTest(button->ItemData().toLong(), Show);
        emit PaletteMayHaveChanged();
    });
}

void CSpeech::butBinaural_Click()
{
    butBinaural->ButtonState(butBinaural->ButtonState() == Tolvane_ButtonDown ? Tolvane_ButtonUp
                                                                               : Tolvane_ButtonDown);
    RunShowingRaisedError(this, [this] {
        ShowSelectedTestInTable();
        ApplyEarCaption();
    });
}

void CSpeech::ShowHideTest(std::int32_t TestID, bool Show)
{
    const auto item = m_paletteItems->ItemByID(TestID);
    if (!item || !item->CurvePreferences)
        return;
    item->HideInGraph = !Show;
    if (const auto button = palSpeech->Button(TestID))
        button->HiddenState(!Show);

    lumenplot::IChart& chart = m_chart->chart();
    const auto lines = ChartLines(chart);
    for (const std::int32_t ear : {vellum::kEarLeft, vellum::kEarRight, vellum::kEarBinaural})
        SetChartLineVisible(*lines, *ChartLineID(*item->CurvePreferences, ear), Show);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

// The test dialogs.

void CSpeech::ChangeSpeechTestProperties(bool blnRightClicked)
{
    const auto item = EditTestProperties(this, *palSpeech, *m_paletteItems, blnRightClicked, true, m_imageList);
    if (!item)
        return;

    // A read-only audiogram keeps the descriptions it was saved with.
    if (m_dataLayer && Enabled()) {
        for (const std::int32_t ear : {vellum::kEarRight, vellum::kEarLeft, vellum::kEarBinaural}) {
            const auto curve = FindCurve(*item->CurvePreferences, ear);
            if (!curve)
                continue;
            const auto measurement = curve->get_Measurement();
            measurement->put_ConditionDescription(item->ConditionDescription);
            measurement->put_TransducerDescription(item->TransducerDescription);
            measurement->put_WordListDescription(item->WordList);
        }
        m_dataNeedsSaved = true;
    }
    emit TestSettingsChanged();
}

void CSpeech::ConfigureTestPalette()
{
    // A test with results in the open audiogram must stay on the palette.
    if (m_dataLayer)
        MarkPaletteItemsWithData(*m_dataLayer, *m_paletteItems);

    frmPaletteConfig dialog(this);
    dialog.CurveType(PrefType_Speech);
    dialog.ShowPalette(m_mode == 1);
    dialog.CurvePrefs(m_curvePrefs);
    dialog.PaletteItems(m_paletteItems);
    dialog.LoadTestData();
    dialog.exec();
    if (dialog.OKPressed) {
        FillCurvePalette(*palSpeech, *m_paletteItems, false);
        if (m_mode != 1)
            InitializeSpeechTables();
        ShowDataInDataLayer();
        emit PaletteMayHaveChanged();
    }
    // A test edited through More... is stored as one edited on the palette.
    if (dialog.TestEdited)
        emit TestSettingsChanged();
}

}  // namespace brisance
