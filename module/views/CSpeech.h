#pragma once
// The speech audiometry view: the speech chart (level in dB across, score in
// per cent down from 100 at the top), the test palette with the binaural
// button, the results table of the selected test, the manual-entry tables,
// the average panel and the notes panel. It keeps no measurements: the
// speech curves live in the document's data layer, and the view shows them
// and writes every edit into it, marking itself as needing to be saved. The
// speech view raises no SaveState: its edits are not undoable.
//
// Mode 1 shows the chart, the palette and the results table; mode 0 shows
// one entry table per test of the palette instead. Ears: 3 left, 2 right, 4
// binaural.
//
// A result takes one road whatever its source (a chart click, the chart's
// menu, an entry table, the results table): the test, the ear, the point
// written into its speech curve (a second point at one level replaces the
// first; a curve holds at most 12 points; a threshold test with the gating
// flag and a comfort or discomfort level keep only their latest point), the
// chart line and the results table redrawn from the data, DataNeedsSaved. A
// failure the user's action met is shown to the user, who goes on.
//
// The view works before it is given its tests, symbol images or chart
// set-up: it then shows no curves and raises nothing.

#include "module/panels/UserControl.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/views/ShowPureToneAverages.h"
#include "module/views/SpeechChartGrid.h"
#include "platform/gfx/ImageList.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLabel;

namespace brisance {

class CCurvePref;
class CCurvePrefs;
class CLangLoader;
class CPaletteItem;
class CPaletteItems;
class CurvePalette;
class INotes;
class IPTATable;
class NotesChangeHandler;
class PanelHeightWatcher;
class SitedChart;
class SpeechTable;
class SpeechTableView;
class VerticalLabel;
class ctlTolvaneButton;
struct SpeechLayout;

class CSpeech final : public UserControl {
    Q_OBJECT

public:
    explicit CSpeech(QWidget* parent = nullptr);
    ~CSpeech() override;

    // Enabled (the read-only switch) is the control's own.

    // 1 the chart, palette and results table; 0 the entry tables. A let lays
    // the view out again.
    std::int32_t Mode() const { return m_mode; }
    void Mode(std::int32_t mode);
    bool ShowNotes() const { return m_showNotes; }
    void ShowNotes(bool show);
    bool ShowPureToneAverage() const { return m_showPureToneAverage; }
    void ShowPureToneAverage(bool show);
    // The profile's averaged frequencies, for an ear whose audiogram stores none.
    void ProfileAverageMasks(const AverageMasks& masks) { m_profileAverageMasks = masks; }
    bool ShowGraphTable() const { return m_showGraphTable; }
    void ShowGraphTable(bool show);
    // True puts the right ear on the left: in the results table and on the
    // palette's button halves.
    bool RightOnLeft() const { return m_rightOnLeft; }
    void RightOnLeft(bool rightOnLeft);
    bool DataNeedsSaved() const { return m_dataNeedsSaved; }
    void DataNeedsSaved(bool needsSaved) { m_dataNeedsSaved = needsSaved; }
    // The small symbol images for the palette and the test dialog, the large
    // ones for the chart.
    const platform::com::ComPtr<platform::gfx::ImageList>& ImageList() const { return m_imageList; }
    void ImageList(const platform::com::ComPtr<platform::gfx::ImageList>& images);
    const platform::com::ComPtr<platform::gfx::ImageList>& ImageListLarge() const { return m_imageListLarge; }
    void ImageListLarge(const platform::com::ComPtr<platform::gfx::ImageList>& images);
    const platform::com::ComPtr<vellum::IVellumDataLayer>& DataLayer() const { return m_dataLayer; }
    void DataLayer(platform::com::ComPtr<vellum::IVellumDataLayer> dataLayer) { m_dataLayer = std::move(dataLayer); }
    void NotesLayer(platform::com::ComPtr<vellum::IVellumKeyedStore> notes) { m_notesLayer = std::move(notes); }
    // The view's text loader; setting it does not reload the texts.
    void LanguageLoader(std::shared_ptr<const CLangLoader> loader) { m_languageLoader = std::move(loader); }
    void TestPreferences(std::shared_ptr<const CCurvePrefs> prefs) { m_curvePrefs = std::move(prefs); }

    INotes* Notes() const { return notSpeech; }
    CurvePalette* Palette() const { return palSpeech; }
    IPTATable* PureToneAverage() const { return ptaSpeech; }
    const std::shared_ptr<CPaletteItems>& PaletteItems() const { return m_paletteItems; }
    std::int32_t HeightNeeded() const;

    // Shows the data layer's speech curves, the palette's marks, the notes
    // and the selected test's results afresh.
    void ShowDataInDataLayer();
    // Sets the chart up from the profile's speech graph options
    // (SpeechChartGrid.h) and draws the data's curves again on it.
    void InitializeSpeechChart(std::int32_t options);
    // Takes the view's captions from its text loader; texts only.
    void LoadStrings();
    // One entry table per test of the palette that is not binaural, in
    // palette order, for the tables-only mode.
    void InitializeSpeechTables();
    // Empties the tables, the results table, the notes, the average panel
    // and the chart's curves (its row of level labels stays).
    void Clear();
    // The palette configuration dialog; a confirmed change refills the
    // palette, sets the tables up again and shows the data again.
    void ConfigureTestPalette();
    // The larger of the width available and the widest shown row, in twips.
    std::int32_t WidthNeeded(std::int32_t available) const;
    // The test-properties dialog for the selected test (False) or the one
    // right-clicked on the palette (True).
    void ChangeSpeechTestProperties(bool blnRightClicked);
    // Deletes the selected test's curve of the current ear.
    void DeleteCurrentCurve();
    // Draws the metafile under the chart's curves (above its grid lines when
    // blnRenderAboveGrid); an empty name removes it.
    void DisplayMetaFileInChart(const std::string& strFile, bool blnRenderAboveGrid);
    // The chart's built-in underlay: 0 none, 1 to 4 the templates A to D.
    void SetChartUnderlay(std::int32_t auNewUnderlay);
    // Shows or hides the curves of the palette item with this ID, and marks
    // the item and its button.
    void ShowHideTest(std::int32_t TestID, bool Show);

    SitedChart& chtSpeech() const { return *m_chart; }

signals:
    void TestSettingsChanged();
    void PaletteMayHaveChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The test a result belongs to.
    struct SpeechTest {
        std::shared_ptr<CPaletteItem> item;
        std::shared_ptr<CCurvePref> pref;
    };
    // The editing road (CSpeechEntry.cpp).
    std::optional<SpeechTest> SelectedTest() const;
    std::int32_t CurrentEar() const;
    bool SingleTestPoint(std::int32_t curveType) const;
    void chtSpeech_PlotPoint(double X, double Y);
    void chtSpeech_RightClick(double X, double Y);
    void PlotFromChart(double X, double Y);
    bool WritePoint(std::int32_t dB, std::int32_t Score, std::int32_t Masking, std::int32_t Ear,
                    const SpeechTest& test);
    platform::com::ComPtr<vellum::IVellumSpeechCurve> FindCurve(const CCurvePref& pref, std::int32_t ear) const;
    void tblSpeech_DataChanged(std::size_t Index, std::int32_t Ear);
    void tblSpeechView_PointPlot(std::int32_t Ear, std::int32_t dB, std::int32_t SCORE, std::int32_t Value);
    void mnuChartChangeType_Click();
    void mnuDeletePoint_Click();
    void mnuDeleteCurve_Click();
    void DeleteCurve(std::int32_t Ear);
    // Draws the test's line of the ear again from the data; no curve, no line.
    void RedrawCurveLine(const SpeechTest& test, std::int32_t ear);
    void RemoveLinePoint(const CCurvePref& pref, std::int32_t ear, std::int32_t dB);

    // Display, palette and tests (CSpeechDisplay.cpp).
    void ClearCurves();
    std::vector<std::string> DrawCurves();
    void LoadCurvesIntoTables();
    void ShowMissingTests(const std::vector<std::string>& conditions);
    void TakeDescriptionsFromData();
    void ShowSelectedTestInTable();
    void FillResultsForEar(const CCurvePref& pref, std::int32_t ear);
    // The ear a chart click plots into, named by lblEar and shown by the
    // cross-hair's colour.
    void ApplyEarCaption();
    SpeechTable& EntryTable(std::size_t index);
    std::optional<std::size_t> TableOfTest(std::int32_t CurveID) const;
    void palSpeech_ButtonChange();
    void palSpeech_ShowHideCurve(bool Show);
    void butBinaural_Click();

    // Layout and captions (CSpeech.cpp).
    SpeechLayout Layout(std::int32_t width) const;
    void LayOut();
    void ApplyEntryTableCaptions(SpeechTable& table) const;
    void ApplyChartGrid();
    std::string Text(std::int32_t id) const;

    std::unique_ptr<SitedChart> m_chart;
    CurvePalette* palSpeech;
    std::vector<SpeechTable*> tblSpeech;
    SpeechTableView* tblSpeechView;
    INotes* notSpeech;
    IPTATable* ptaSpeech;
    ctlTolvaneButton* butBinaural;
    QLabel* lblEar;
    QLabel* lblSpeechXAxis;
    VerticalLabel* lblSpeechYAxis;
    QLabel* lblTablesHeading;
    QLabel* lblAddTests;
    NotesChangeHandler* m_notesHandler;

    std::shared_ptr<CPaletteItems> m_paletteItems;
    std::int32_t m_mode = 1;
    bool m_showNotes = true;
    bool m_showPureToneAverage = true;
    AverageMasks m_profileAverageMasks;
    bool m_showGraphTable = true;
    bool m_rightOnLeft = false;
    bool m_dataNeedsSaved = false;
    // The entry tables in use, from element 0.
    std::size_t m_tablesInUse = 0;

    platform::com::ComPtr<vellum::IVellumDataLayer> m_dataLayer;
    platform::com::ComPtr<vellum::IVellumKeyedStore> m_notesLayer;
    std::shared_ptr<const CLangLoader> m_languageLoader;
    std::shared_ptr<const CCurvePrefs> m_curvePrefs;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageList;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageListLarge;

    SpeechChartGrid m_grid;
    bool m_chartInitialized = false;

    // The level, in tenths, of the point that each entry table last wrote or
    // loaded, by table and ear: the point its next entry replaces.
    std::map<std::pair<std::size_t, std::int32_t>, std::int32_t> m_entryLevels;

    // Where the last right click was, for the chart menu's entries.
    double m_menuX = 0;
    double m_menuY = 0;

    // Last: it stops listening to the panels before anything else goes.
    std::unique_ptr<PanelHeightWatcher> m_panelHeights;
};

}  // namespace brisance
