#pragma once
// The pure-tone audiogram view: one or two ear charts, the test palette with
// the masked and binaural buttons, the test-data table, the average panel and
// the notes panel. It keeps no measurements: the curves live in the
// document's data layer, and the view shows them and writes every edit into
// it. The document drives it through its members and hears it by its signals;
// SaveState comes before every edit of the data, so that the document can
// take its undo snapshot first.
//
// Ears: 3 left, 2 right, 4 binaural. Mode 0 shows both ears on one chart
// (chtEar(0)), mode 1 one chart per ear: the left ear on chtEar(0) and the
// right ear on chtEar(1), swapped when RightOnLeft. Point kinds, as the table
// and the masked button give them: 0 measured, 1 no response, 2
// unmeasurable, 3 to 5 the same masked.
//
// A point takes one road whatever its source: the chart position or the
// table's frequency, the test of the selected palette button, SaveState, the
// point written (a second point at one frequency replaces the first), the
// table, the chart line, the averages, DataNeedsSaved. A failure of the data
// or a chart on a road the user started is shown to the user, who goes on.
//
// The view works before it is given its tests, symbol images or chart
// set-up: it then shows no curves and raises nothing.

#include "module/panels/UserControl.h"

// Qt's meta-object compiler cannot read the standard library's C++20 headers
// that the variant type brings in, and it needs nothing from them.
#ifndef Q_MOC_RUN
#include "module/views/CPureToneChartManger.h"
#include "module/views/EditUndoSteps.h"
#include "module/views/PureToneChartGrid.h"
#include "PelmSonvale/ISonvaleController.h"
#include "platform/gfx/ImageList.h"
#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"
#endif

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace brisance {

class CCurvePref;
class CCurvePrefs;
class CLangLoader;
class CPaletteItem;
class CPaletteItems;
class CPureToneChartMaps;
class CurvePalette;
class INotes;
class IPTATable;
class NotesChangeHandler;
class PanelHeightWatcher;
class SitedChart;
class SonvaleEvents;
class TableView;
class VerticalLabel;
class ctlTolvaneButton;
struct PureToneLayout;

class CPureTone final : public UserControl {
    Q_OBJECT

public:
    // The width below which the view does not shrink, in twips.
    static constexpr std::int32_t kMinimumWidth = 11360;

    explicit CPureTone(QWidget* parent = nullptr);
    ~CPureTone() override;

    // 0 both ears on one chart, 1 one chart per ear; a let lays out and shows
    // the data again.
    std::int32_t Mode() const { return m_mode; }
    void Mode(std::int32_t mode);
    // 2 both ear charts, 0 only the chart placed on the left, 1 only the one
    // placed on the right.
    void DisplayMode(std::int32_t mode);
    bool DataNeedsSaved() const { return m_dataNeedsSaved; }
    void DataNeedsSaved(bool needsSaved) { m_dataNeedsSaved = needsSaved; }
    bool ShowTestDataTable() const { return m_showTestDataTable; }
    void ShowTestDataTable(bool show);
    bool ShowNotes() const { return m_showNotes; }
    void ShowNotes(bool show);
    bool ShowPureToneAverage() const { return m_showPureToneAverage; }
    void ShowPureToneAverage(bool show);
    // The frequencies averaged, and those counted twice: handed to the average
    // panel and, for both ears, to the data layer.
    std::int32_t FrequenciesToAverage() const { return m_frequenciesToAverage; }
    void FrequenciesToAverage(std::int32_t mask);
    std::int32_t FrequenciesToDblAverage() const { return m_frequenciesToDblAverage; }
    void FrequenciesToDblAverage(std::int32_t mask);
    // True puts the right ear on the left: its chart, its table grid and its
    // palette halves.
    bool RightOnLeft() const { return m_rightOnLeft; }
    void RightOnLeft(bool rightOnLeft);

    // The small symbol images for the palette, the large ones for the charts.
    void ImageList(const platform::com::ComPtr<platform::gfx::ImageList>& images);
    void ImageListLarge(const platform::com::ComPtr<platform::gfx::ImageList>& images);
    const platform::com::ComPtr<vellum::IVellumDataLayer>& DataLayer() const { return m_dataLayer; }
    void DataLayer(platform::com::ComPtr<vellum::IVellumDataLayer> dataLayer) { m_dataLayer = std::move(dataLayer); }
    void NotesLayer(platform::com::ComPtr<vellum::IVellumKeyedStore> notes) { m_notesLayer = std::move(notes); }
    // The view's text loader; setting it does not reload the texts.
    void LanguageLoader(std::shared_ptr<const CLangLoader> loader) { m_languageLoader = std::move(loader); }
    void TestPreferences(std::shared_ptr<const CCurvePrefs> prefs);

    INotes* Notes() const { return notPureTone; }
    CurvePalette* Palette() const { return palPureTone; }
    IPTATable* PureToneAverage() const { return ptaPureTone; }
    TableView* TestDataPanel() const { return tblPureTone; }
    const std::shared_ptr<CPaletteItems>& PaletteItems() const { return m_paletteItems; }
    // The ear chart 0 or 1.
    SitedChart& chtEar(int index) const { return *m_charts.at(static_cast<std::size_t>(index)); }

    std::int32_t HeightNeeded() const;
    std::int32_t WidthNeeded(std::int32_t available) const;
    // The height of the port the view is shown in, in twips: the charts are
    // sized so that the view fits it where they can (PureToneLayout.h); 0
    // sizes them from the width alone.
    void PortHeight(std::int32_t twips);

    // Sets both ear charts up from the profile's graph options
    // (PureToneChartGrid.h) and draws the data again on the new axis.
    void InitializeCharts(std::int32_t lngGraphOptions);
    // Shows the data layer's curves, averages and the notes afresh. The user
    // is told of measured curves that no test of the palette shows, each once
    // after DataLoaded.
    void ShowDataInDataLayer();
    // The data layer holds a newly loaded audiogram: its curves that cannot
    // be shown are told of again.
    void DataLoaded();
    // Empties both charts' lines, the table, the averages and the notes.
    void Clear();
    // Takes the view's captions from its text loader.
    void LoadStrings();

    // The instrument link whose measurements the view plots; a new one ends
    // the subscription to the one before.
    void Sonvale(platform::com::ComPtr<pelmsonvale::ISonvaleController> controller);
    // A measurement starts: the charts take no clicks until the link has
    // stopped.
    void OnStartAudi();

    // Shows or hides the curves of the palette test whose item has this ID,
    // and marks its button; nothing when the palette has no such button.
    void ShowHideTest(std::int32_t TestID, bool Show);
    // Edits the selected (or right-clicked) test in the test-properties
    // dialog; the descriptions of its stored curves follow a confirmed edit.
    void ChangePureToneTestProperties(bool blnRightClicked);
    // Lets the user choose the palette's tests; a confirmed choice rebuilds
    // the palette, keeping the selected test when it stays.
    void ConfigureTestPalette();
    // Copies the selected test's points of the shown ear to the other ear.
    void CopyEarDataToOffEar();

    // Underlays (CPureToneUnderlay.cpp).
    // The earlier action drawn under the charts: a data layer of the view's
    // own, created empty on first use.
    const platform::com::ComPtr<vellum::IVellumDataLayer>& UnderlayDataLayer();
    // Draws the underlay data layer's curves behind the current ones, in
    // grey, on the charts of their ears; only empties the back lines when it
    // holds no curves. Chart set-ups and frequency ranges keep it.
    void RenderPureToneActionUnderlay();
    // Shows the metafile under both charts, above their grid lines when
    // blnRenderAboveGrid; an empty name removes it.
    void DisplayMetaFileInChart(const std::string& strFile, bool blnRenderAboveGrid);

signals:
    void SaveState(const std::string& ActionUndoDescription, const std::string& ActionRedoDescription);
    void PaletteButtonSelected();
    void PaletteMayHaveChanged();
    void TestSettingsChanged();
    // Declared for the document; never raised.
    void Started();
    void Stopped();
    // A result of the instrument link reached the view while it is read-only
    // (disabled): take() takes it, and does so only when the view has been
    // enabled by then.
    void ReadOnlyResult(const std::function<void()>& take);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The test a point belongs to: a palette item and its test, or a test
    // given by its key alone.
    struct PointTest {
        std::shared_ptr<CPaletteItem> item;
        std::shared_ptr<const CCurvePref> pref;
    };

    // Which places a plot or a delete updates: everywhere; all but the
    // table, which is the source; everywhere, for the test of a key; the
    // table and the chart, the data staying as it is.
    enum PlotMode : std::int32_t { PlotEverywhere = 0, PlotFromTable = 1, PlotByTestKey = 2, PlotDisplayOnly = 3 };

    // Plotting and deleting points.
    void PlotTestPoint(const std::string& Test, std::int32_t Frequency, std::int32_t Level, std::int32_t Ear,
                       std::int32_t Kind, std::int32_t Mode, std::int32_t MaskingLevel);
    platform::com::ComPtr<vellum::IVellumPureTonePoint> WriteTestPoint(const PointTest& Test, std::int32_t Frequency,
                                                                      std::int32_t Level, std::int32_t MaskingLevel,
                                                                      std::int32_t Ear, std::int32_t Kind);
    void DeleteTestPoint(const std::string& Test, std::int32_t Frequency, std::int32_t Ear, std::int32_t Mode);
    std::int32_t EarOfChart(int Index) const;
    bool SelectedTestHasSymbol(std::int32_t Ear) const;
    void chtEar_PlotPoint(int Index, double X, double Y);
    void chtEar_UnPlotPoint(int Index, double X, double Y);
    void chtEar_RightClick(int Index, double X, double Y);
    void tblPureTone_PointPlot(std::int32_t X, std::int32_t Y, std::int32_t MASKING, std::int32_t Ear,
                               std::int32_t PlotType);
    void tblPureTone_DeletePoint(std::int32_t Freq, std::int32_t Ear);
    // The test of the selected palette button, or of a key; none when there
    // is no such button, item or test.
    std::optional<PointTest> SelectedTest() const;
    std::optional<PointTest> TestOfKey(const std::string& key) const;
    // The stored curve of a test's keys and an ear, or null.
    vellum::ComPtr<vellum::IVellumPureToneCurve> StoredCurve(const CCurvePref& pref, std::int32_t ear) const;
    // Runs the road of a table entry: the SaveStates of one cell's edit are
    // one undo step.
    void TableEntry(const std::function<void()>& road);
    // The frequency at a chart position: 0 where there is no position or the
    // axis has no frequency.
    std::int32_t FrequencyAt(double X, double Y) const;

    // Chart lines.
    void UpdateCurveLine(const CCurvePref& Pref, std::int32_t Frequency, std::int32_t Level, std::int32_t Ear,
                         std::int32_t Kind);
    void RefreshCurveLine(int Chart, std::int32_t LineKey, std::int32_t Ear, const CCurvePref& Pref,
                          std::int32_t Frequency, std::int32_t Level, std::int32_t Kind);
    void RemoveCurvePoint(const CCurvePref& Pref, std::int32_t Frequency, std::int32_t Ear);
    void mnuDeletePoint_Click();
    void mnuDeleteCurve_Click();
    void DeleteCurve(const std::string& Test, std::int32_t Ear);
    // Shows or hides the curves of the palette item with this ID, and marks
    // the item and its button.
    void ShowHideCurve(std::int32_t TestID, bool Show);
    std::int32_t LineKey(const CCurvePref& pref, std::int32_t ear) const;
    // The charts that show an ear's curves: ear 2 on the right-ear chart, ear 4
    // on both in mode 1, every other ear on the left-ear chart.
    std::vector<int> ChartsOfEar(std::int32_t ear) const;
    int LeftEarChart() const;
    int RightEarChart() const;
    bool EarsShareChart() const { return m_mode == 0; }

    // The instrument link.
    void m_oAudi_PlotPoint(std::int32_t CurveType, std::int32_t Ear, std::int32_t PointType,
                           std::int32_t PointStatus, std::int16_t Freq1, std::int16_t Intensity1, std::int16_t Freq2,
                           std::int16_t Intensity2);
    void m_oAudi_MoveCursor(std::int32_t CurveType, std::int32_t Ear, std::int16_t Freq1, std::int16_t Intensity1);
    void m_oAudi_DeletePoint(std::int32_t CurveType, std::int32_t Ear, std::int16_t Freq1);
    void m_oAudi_DeleteCurve(std::int32_t CurveType, std::int32_t Ear);
    void m_oAudi_DeleteAllCurves();
    void m_oAudi_MeasurementComplete();
    void m_oAudi_SonvaleError(std::int32_t frError);
    void m_oAudi_ShutdownComplete();
    void SetChartsInteractive(bool interactive);
    // The profile's test of an instrument's curve type for an ear: among the
    // palette's tests of that type, an unaided one first; null when there is
    // none.
    std::shared_ptr<const CCurvePref> InstrumentTest(std::int32_t curveType, std::int32_t ear) const;
    // The keys alone (curve type, unaided) of an instrument curve that has
    // no test: its points are stored, but not drawn.
    static PointTest UntestedCurve(std::int32_t curveType);
    // Whether the table shows this test's points of this ear.
    bool TableShows(const CCurvePref& pref, std::int32_t ear) const;
    // Removes a stored curve with its table cells and, when its test is
    // known, its chart lines.
    void RemoveCurve(vellum::IVellumPureToneCurve& curve, const CCurvePref* pref);

    // The palette, the table and the chart menu's point kinds.
    void ConnectPalette();
    void palPureTone_ButtonChange();
    void palPureTone_HideCurve();
    void palPureTone_ShowCurve();
    void ShowSelectedTestInTable();
    void FillTableForEar(const CCurvePref& CurvePref, std::int32_t Ear);
    void FillTableFromCurve(vellum::IVellumPureToneCurve& Curve, std::int32_t Ear);
    void tblPureTone_SpecifyMasking(std::int32_t X, std::int32_t MASKING, std::int32_t Ear);
    void PlotMaskedPoint(std::int32_t Frequency, std::int32_t Level, std::int32_t MaskingLevel, std::int32_t Ear,
                         std::int32_t Kind);
    void mnuChartChangeType_Click(std::int32_t Kind);
    // A point of this kind at a chart position, with the checks of a click.
    void PlotAtChartPosition(int Index, double X, double Y, std::int32_t Kind);

    // Display.
    std::vector<std::string> DrawCurves();
    // The curves the view draws: curve types 1 to 7; reflexes and decays
    // belong to the impedance view.
    static bool IsAudiogramCurve(std::int32_t curveType);
    // The words of a measured curve that no test shows: test type,
    // transducer, condition, and binaural for ear 4.
    std::string UnshownCurveWords(std::int32_t curveType, std::int32_t condition, std::int32_t ear) const;
    // Tells the user, in one message, of those conditions not yet told of
    // since DataLoaded.
    void TellMissingTests(const std::vector<std::string>& conditions);
    void RedrawCurves();
    void ClearLines();
    void RefreshCharts();
    void RefreshAverages();
    void ApplyGrid(lumenplot::IChart& chart) const;
    void ApplyEarLabels();
    // Each chart's cross-hair in the colour of the ear a click on it plots
    // into: the chart's ear, or on a shared chart the pressed half's.
    void ApplyCrossHairColours();
    std::vector<int> ShownCharts() const;
    PureToneLayout Layout(std::int32_t width) const;
    void LayOut();
    std::string Text(std::int32_t id) const;
    void RaiseSaveState(std::int32_t undoId, std::int32_t redoId);
    // SaveState before an edit of the data (once for all the keystrokes of a
    // table cell's edit), then the averaged frequencies the data was shown
    // with are kept in it.
    void SaveStateBeforeEdit(const std::string& undo, const std::string& redo);
    void KeepShownAverageFrequencies();

    // Underlays and the average panel's requests (CPureToneUnderlay.cpp).
    void ConnectAveragePanel();
    void DrawActionUnderlay();
    void ptaPureTone_HideMe();
    void ptaPureTone_ChangeFrequencies();
    // Runs a handler of something the user did; a raised error is shown.
    void Guarded(const std::function<void()>& handler);

    std::array<std::unique_ptr<SitedChart>, 2> m_charts;
    CurvePalette* palPureTone;
    TableView* tblPureTone;
    IPTATable* ptaPureTone;
    INotes* notPureTone;
    ctlTolvaneButton* butMasked;
    ctlTolvaneButton* butBinaural;
    std::array<QLabel*, 2> lblEar;
    VerticalLabel* lblChartYLabel;
    QLabel* lblChartXLabel;
    NotesChangeHandler* m_notesHandler;

    std::shared_ptr<CPaletteItems> m_paletteItems;
    std::shared_ptr<CPureToneChartMaps> m_chartMaps;
    CPureToneChartManger m_chartManager;

    std::int32_t m_mode = 1;
    std::int32_t m_displayMode = 2;
    std::int32_t m_portHeight = 0;
    bool m_dataNeedsSaved = false;
    bool m_showTestDataTable = true;
    bool m_showNotes = true;
    bool m_showPureToneAverage = true;
    std::int32_t m_frequenciesToAverage = 0;
    std::int32_t m_frequenciesToDblAverage = 0;
    bool m_rightOnLeft = false;

    platform::com::ComPtr<vellum::IVellumDataLayer> m_dataLayer;
    platform::com::ComPtr<vellum::IVellumKeyedStore> m_notesLayer;
    std::shared_ptr<const CLangLoader> m_languageLoader;
    std::shared_ptr<const CCurvePrefs> m_curvePrefs;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageListLarge;
    platform::com::ComPtr<platform::gfx::ImageList> m_imageList;

    // The subscription to the link controller (m_oAudi); from OnStartAudi to
    // the link's ShutdownComplete the charts stay out of interactive mode.
    std::unique_ptr<SonvaleEvents> m_link;
    bool m_measuring = false;
    // A link error answered in this measurement: one stop, one box.
    bool m_linkErrorShown = false;

    platform::com::ComPtr<vellum::IVellumDataLayer> m_underlayDataLayer;

    PureToneChartGrid m_grid;
    bool m_chartsInitialized = false;
    std::string m_leftEarText;
    std::string m_rightEarText;
    std::string m_deletePointText;
    std::string m_deleteText;

    EditUndoSteps m_tableEdits;
    // The conditions of unshown curves told of since the data was loaded.
    std::vector<std::string> m_toldMissingTests;

    // Where the last right click was, for the context menu's entries.
    int m_menuChart = 0;
    double m_menuX = 0;
    double m_menuY = 0;

    // Last: it stops listening to the panels before anything else goes.
    std::unique_ptr<PanelHeightWatcher> m_panelHeights;
};

}  // namespace brisance
