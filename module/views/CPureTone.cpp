// The pure-tone view's children, properties, display and layout. Plotting
// and deleting points: CPureTonePlotting.cpp; chart lines and curves:
// CPureToneLines.cpp.

#include "module/views/CPureTone.h"

#include "module/core/CCurvePrefs.h"
#include "module/core/ChartLineRoutines.h"
#include "module/core/CLangLoader.h"
#include "module/core/CPaletteItems.h"
#include "module/core/CurveKeys.h"
#include "module/core/ForEachCurve.h"
#include "module/core/ProgramTitle.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/core/VocabularyTexts.h"
#include "module/panels/ControlColours.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/INotes.h"
#include "module/panels/IPTATable.h"
#include "module/panels/NotesChangeHandler.h"
#include "module/panels/TableView.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/VerticalLabel.h"
#include "module/views/CPureToneChartMaps.h"
#include "module/views/PanelHeightWatcher.h"
#include "module/views/PureToneLayout.h"
#include "module/views/ShowPureToneAverages.h"
#include "module/views/SitedChart.h"
#include "module/views/SonvaleEvents.h"
#include "module/views/ViewCaptions.h"

#include "platform/com/Failure.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QResizeEvent>
#include <QLabel>

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;
using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;

constexpr const char* kChartSource = "Chart";

// The ear charts' margins round the plot, in twips: the level labels on the
// left, the frequency labels above or below.
constexpr int kLeftMargin = 450;
constexpr int kRightMargin = 150;
constexpr int kLabelMargin = 330;
constexpr int kOpenMargin = 150;

// Table limits of typed levels, in dB.
constexpr std::int32_t kLowestLevel = -10;
constexpr std::int32_t kHighestLevel = 130;

// Reflex thresholds are stored as pure-tone curves; they have no place on
// the audiogram.
constexpr const char* kIpsilateralReflexKey = "4-0-1-";

// The audiogram's curve types: thresholds, comfortable and uncomfortable
// levels by phones, bone or speaker.
constexpr std::int32_t kFirstAudiogramCurve = 1;
constexpr std::int32_t kLastAudiogramCurve = 7;

constexpr const char* kEarNamesSeparator = " / ";

lumenplot::VARIANT_BOOL VariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

CPureTone::CPureTone(QWidget* parent)
    : UserControl(parent),
      palPureTone(new CurvePalette(this)),
      tblPureTone(new TableView(this)),
      ptaPureTone(new IPTATable(this)),
      notPureTone(new INotes(this)),
      butMasked(new ctlTolvaneButton(this)),
      butBinaural(new ctlTolvaneButton(this)),
      lblEar{new QLabel(this), new QLabel(this)},
      lblChartYLabel(new VerticalLabel(this)),
      lblChartXLabel(new QLabel(this)),
      m_paletteItems(std::make_shared<CPaletteItems>()),
      m_chartMaps(std::make_shared<CPureToneChartMaps>()),
      m_grid(PureToneChartGridFor(0))
{
    keepTextColoursWhenDisabled(*this);
    m_chartManager.ChartMaps(m_chartMaps);

    for (std::size_t index = 0; index < m_charts.size(); ++index) {
        m_charts[index] = std::make_unique<SitedChart>(*this);
        const int chart = static_cast<int>(index);
        SitedChart& sited = *m_charts[index];
        connect(&sited, &SitedChart::PlotPoint, this,
                [this, chart](double X, double Y) { chtEar_PlotPoint(chart, X, Y); });
        connect(&sited, &SitedChart::UnPlotPoint, this,
                [this, chart](double X, double Y) { chtEar_UnPlotPoint(chart, X, Y); });
        connect(&sited, &SitedChart::RightClick, this,
                [this, chart](double X, double Y) { chtEar_RightClick(chart, X, Y); });
        sited.widget()->setObjectName(QStringLiteral("chtEar%1").arg(chart));
    }

    palPureTone->ShowAddTestButton(false);
    tblPureTone->LowLimit(kLowestLevel);
    tblPureTone->HighLimit(kHighestLevel);
    connect(tblPureTone, &TableView::PointPlot, this, &CPureTone::tblPureTone_PointPlot);
    connect(tblPureTone, &TableView::DeletePoint, this, &CPureTone::tblPureTone_DeletePoint);
    connect(tblPureTone, &TableView::CellEditBegins, this, [this] { m_tableEdits.EditBegins(); });
    ConnectAveragePanel();

    m_notesHandler = new NotesChangeHandler(
        *notPureTone,
        NotesViewHook{0, [this] { return m_notesLayer.get(); }, [this] { return !isEnabled(); },
                      [this] { m_dataNeedsSaved = true; }},
        this);

    // The two-state buttons change state only when their host says so.
    for (ctlTolvaneButton* button : {butMasked, butBinaural}) {
        connect(button, &ctlTolvaneButton::Click, this, [button] {
            button->ButtonState(button->ButtonState() == Tolvane_ButtonDown ? Tolvane_ButtonUp : Tolvane_ButtonDown);
        });
    }
    ConnectPalette();
    butMasked->setObjectName(QStringLiteral("butMasked"));
    butBinaural->setObjectName(QStringLiteral("butBinaural"));

    for (std::size_t chart = 0; chart < lblEar.size(); ++chart) {
        QLabel* label = lblEar[chart];
        label->setObjectName(QStringLiteral("lblEar%1").arg(chart));
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    lblChartXLabel->setObjectName(QStringLiteral("lblChartXLabel"));
    lblChartYLabel->setObjectName(QStringLiteral("lblChartYLabel"));
    palPureTone->setObjectName(QStringLiteral("palPureTone"));
    tblPureTone->setObjectName(QStringLiteral("tblPureTone"));
    ptaPureTone->setObjectName(QStringLiteral("ptaPureTone"));
    notPureTone->setObjectName(QStringLiteral("notPureTone"));
    lblChartXLabel->setAlignment(Qt::AlignCenter);
    lblChartYLabel->Alignment(VerticalLabel::AlignCentre);
    lblChartYLabel->Caption({});
    // The document lays the view out only on its own resizes; panels that
    // change their own height ask for the view's layout here.
    m_panelHeights = std::make_unique<PanelHeightWatcher>(std::initializer_list<QWidget*>{tblPureTone, notPureTone},
                                                          [this] { LayOut(); });
    LayOut();
}

CPureTone::~CPureTone() = default;

// Properties.

void CPureTone::Mode(std::int32_t mode)
{
    m_mode = mode;
    // On a shared chart the pressed half of a test's button says the ear a
    // click plots into, so the halves show.
    if (palPureTone->ShowSides() != EarsShareChart())
        palPureTone->ShowSides(EarsShareChart());
    ApplyEarLabels();
    ApplyCrossHairColours();
    LayOut();
    ShowDataInDataLayer();
    RenderPureToneActionUnderlay();
}

void CPureTone::DisplayMode(std::int32_t mode)
{
    m_displayMode = mode;
    LayOut();
}

void CPureTone::ShowTestDataTable(bool show)
{
    m_showTestDataTable = show;
    LayOut();
}

void CPureTone::ShowNotes(bool show)
{
    m_showNotes = show;
    LayOut();
}

void CPureTone::ShowPureToneAverage(bool show)
{
    m_showPureToneAverage = show;
    LayOut();
}

void CPureTone::FrequenciesToAverage(std::int32_t mask)
{
    m_frequenciesToAverage = mask;
    ptaPureTone->AverageFrequencies(vellum::kEarLeft, mask);
    ptaPureTone->AverageFrequencies(vellum::kEarRight, mask);
    if (m_dataLayer) {
        m_dataLayer->put_AverageFrequenciesLeft(mask);
        m_dataLayer->put_AverageFrequenciesRight(mask);
    }
    RefreshAverages();
}

void CPureTone::FrequenciesToDblAverage(std::int32_t mask)
{
    m_frequenciesToDblAverage = mask;
    ptaPureTone->DoubleAverageFrequencies(vellum::kEarLeft, mask);
    ptaPureTone->DoubleAverageFrequencies(vellum::kEarRight, mask);
    if (m_dataLayer) {
        m_dataLayer->put_DoubleAverageFrequenciesLeft(mask);
        m_dataLayer->put_DoubleAverageFrequenciesRight(mask);
    }
    RefreshAverages();
}

void CPureTone::RightOnLeft(bool rightOnLeft)
{
    m_rightOnLeft = rightOnLeft;
    palPureTone->RightOnLeft(rightOnLeft);
    tblPureTone->RightEarOnLeft(rightOnLeft);
    ApplyEarLabels();
    ApplyCrossHairColours();
    LayOut();
    RedrawCurves();
}

void CPureTone::ImageList(const com::ComPtr<platform::gfx::ImageList>& images)
{
    m_imageList = images;
    palPureTone->ImageList(images.as<com::IUnknown>());
}

void CPureTone::ImageListLarge(const com::ComPtr<platform::gfx::ImageList>& images)
{
    m_imageListLarge = images;
    for (const auto& chart : m_charts)
        raiseOnFailure(chart->chart().putref_ImageList(images.as<com::IUnknown>().get()), kChartSource);
}

void CPureTone::TestPreferences(std::shared_ptr<const CCurvePrefs> prefs)
{
    m_curvePrefs = prefs;
    m_chartManager.CurvePrefs(std::move(prefs));
}

// Size.

std::int32_t CPureTone::WidthNeeded(std::int32_t available) const
{
    return std::max(available, kMinimumWidth);
}

std::int32_t CPureTone::HeightNeeded() const
{
    return Layout(WidthNeeded(Width())).Height;
}

void CPureTone::PortHeight(std::int32_t twips)
{
    if (twips == m_portHeight)
        return;
    m_portHeight = twips;
    LayOut();
}

// Chart set-up.

void CPureTone::InitializeCharts(std::int32_t lngGraphOptions)
{
    SetChartMapsFromGraphOptions(*m_chartMaps, lngGraphOptions);
    m_chartMaps->Initialize();
    m_grid = PureToneChartGridFor(lngGraphOptions);
    for (const auto& chart : m_charts)
        ApplyGrid(chart->chart());
    m_chartsInitialized = true;
    LayOut();
    RedrawCurves();
}

void CPureTone::ApplyGrid(lumenplot::IChart& chart) const
{
    const bool labelsOnTop = m_grid.XLabelPosition == lumenplot::grid_OnTop;
    raiseOnFailure(chart.put_AutoRedraw(VARIANT_FALSE), kChartSource);
    // A profile applied while the instrument measures must not let the
    // charts take clicks again.
    raiseOnFailure(chart.put_InteractiveMode(VariantBool(!m_measuring)), kChartSource);
    raiseOnFailure(chart.put_XGridLineMode(lumenplot::grid_UseCustom), kChartSource);
    raiseOnFailure(chart.put_YGridLineMode(lumenplot::grid_UseCustom), kChartSource);
    raiseOnFailure(chart.put_XMin(m_grid.XMin), kChartSource);
    raiseOnFailure(chart.put_XMax(m_grid.XMax), kChartSource);
    raiseOnFailure(chart.put_YMin(m_grid.YMin), kChartSource);
    raiseOnFailure(chart.put_YMax(m_grid.YMax), kChartSource);
    raiseOnFailure(chart.put_LeftMargin(kLeftMargin), kChartSource);
    raiseOnFailure(chart.put_RightMargin(kRightMargin), kChartSource);
    raiseOnFailure(chart.put_TopMargin(labelsOnTop ? kLabelMargin : kOpenMargin), kChartSource);
    raiseOnFailure(chart.put_BottomMargin(labelsOnTop ? kOpenMargin : kLabelMargin), kChartSource);
    raiseOnFailure(chart.put_XLabelPosition(m_grid.XLabelPosition), kChartSource);
    raiseOnFailure(chart.put_YLabelPosition(lumenplot::grid_OnLeft), kChartSource);

    ReplaceGridLines(chart, m_grid.XGridLines, m_grid.YGridLines);

    raiseOnFailure(chart.put_UseSymbolToLineBuffer(VariantBool(m_grid.UseSymbolToLineBuffer)), kChartSource);
    if (m_imageListLarge)
        raiseOnFailure(chart.putref_ImageList(m_imageListLarge.as<com::IUnknown>().get()), kChartSource);
    raiseOnFailure(chart.put_AutoRedraw(VARIANT_TRUE), kChartSource);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

// Display.

void CPureTone::ShowDataInDataLayer()
{
    Clear();
    if (!m_dataLayer)
        return;
    m_chartManager.ChartMaps(m_chartMaps);

    // The data shown afresh (loaded, or given back by Undo): the next
    // keystroke in the table is an edit of its own.
    m_tableEdits.EditBegins();

    TellMissingTests(DrawCurves());
    RefreshAverages();
    if (palPureTone->SelectedButton())
        ShowSelectedTestInTable();
    RefreshCharts();
    m_notesHandler->LoadPanel();
}

void CPureTone::Clear()
{
    ClearLines();
    RefreshCharts();
    tblPureTone->ClearData(vellum::kEarBinaural);
    ptaPureTone->ACLeftAverage({});
    ptaPureTone->ACRightAverage({});
    ptaPureTone->BCLeftAverage({});
    ptaPureTone->BCRightAverage({});
    ptaPureTone->SFAverage({});
    m_notesHandler->ClearPanel();
}

// The curves of the data layer whose tests are on the palette, each on the
// charts of its ear; a hidden test's lines hidden. Gives the words of the
// audiogram's measured curves that no test of the palette shows, each once.
std::vector<std::string> CPureTone::DrawCurves()
{
    std::vector<std::string> unshown;
    if (!m_dataLayer || !m_curvePrefs || !m_chartsInitialized)
        return unshown;
    const auto curves = m_dataLayer->get_PureToneCurves()->get__NewEnum();
    ForEachCurve<vellum::IVellumPureToneCurve>(curves, [&](vellum::IVellumPureToneCurve& curve) {
        const auto measurement = curve.get_Measurement();
        const std::string key = PureToneCurveKey(*measurement);
        if (key == kIpsilateralReflexKey)
            return;
        const std::int32_t ear = measurement->get_Ear();
        const auto test = m_curvePrefs->Item(key);
        const auto item = test ? m_paletteItems->GetItemByTestKey(key, ear == vellum::kEarBinaural) : nullptr;
        if (!item) {
            const std::int32_t type = measurement->get_CurveType();
            const std::string words = UnshownCurveWords(type, measurement->get_Condition(), ear);
            if (IsAudiogramCurve(type) && curve.get_Points()->get_Count() > 0 &&
                std::ranges::find(unshown, words) == unshown.end())
                unshown.push_back(words);
            return;
        }
        for (const int chart : ChartsOfEar(ear)) {
            lumenplot::IChart& target = m_charts[static_cast<std::size_t>(chart)]->chart();
            m_chartManager.AddPureToneCurveToChart(target, curve, false, EarsShareChart());
            if (item->HideInGraph)
                SetChartLineVisible(*ChartLines(target), LineKey(*test, ear), false);
        }
    });
    return unshown;
}

bool CPureTone::IsAudiogramCurve(std::int32_t curveType)
{
    return curveType >= kFirstAudiogramCurve && curveType <= kLastAudiogramCurve;
}

std::string CPureTone::UnshownCurveWords(std::int32_t curveType, std::int32_t condition, std::int32_t ear) const
{
    std::string words = TestTypeText(curveType, true) + "," + TransducerText(curveType, true) + "," +
                        ConditionText(condition, true);
    return ear == vellum::kEarBinaural ? words + "," + Text(TR_BINAURAL) : words;
}

void CPureTone::TellMissingTests(const std::vector<std::string>& conditions)
{
    std::string untold;
    for (const std::string& condition : conditions) {
        if (std::ranges::find(m_toldMissingTests, condition) != m_toldMissingTests.end())
            continue;
        m_toldMissingTests.push_back(condition);
        untold += "\n" + condition;
    }
    if (untold.empty())
        return;
    const std::string title = m_languageLoader ? ProgramTitle(*m_languageLoader) : std::string();
    platform::ui::messageBox(this, Text(TR_PURE_TONE_TESTS_MISSING) + untold, title, platform::ui::MB_ICONSTOP);
}

void CPureTone::DataLoaded()
{
    m_toldMissingTests.clear();
}

void CPureTone::RedrawCurves()
{
    ClearLines();
    // The curves that stay unshown were told of when the data was shown.
    DrawCurves();
    DrawActionUnderlay();
    RefreshCharts();
}

void CPureTone::ClearLines()
{
    for (const auto& chart : m_charts)
        raiseOnFailure(ChartLines(chart->chart())->Clear(), kChartSource);
}

void CPureTone::RefreshCharts()
{
    for (const auto& chart : m_charts)
        raiseOnFailure(chart->chart().Refresh(), kChartSource);
}

void CPureTone::RefreshAverages()
{
    if (m_dataLayer)
        ShowPureToneAverages(*ptaPureTone, *m_dataLayer, {m_frequenciesToAverage, m_frequenciesToDblAverage});
}

// Chart indexes.

int CPureTone::LeftEarChart() const
{
    return EarsShareChart() || !m_rightOnLeft ? 0 : 1;
}

int CPureTone::RightEarChart() const
{
    return EarsShareChart() || m_rightOnLeft ? 0 : 1;
}

std::vector<int> CPureTone::ChartsOfEar(std::int32_t ear) const
{
    if (ear == vellum::kEarRight)
        return {RightEarChart()};
    if (ear == vellum::kEarBinaural && !EarsShareChart())
        return {LeftEarChart(), RightEarChart()};
    return {LeftEarChart()};
}

std::vector<int> CPureTone::ShownCharts() const
{
    if (EarsShareChart() || m_displayMode == 0)
        return {0};
    if (m_displayMode == 1)
        return {1};
    return {0, 1};
}

// Layout and captions.

PureToneLayout CPureTone::Layout(std::int32_t width) const
{
    PureToneLayoutInput input;
    input.Width = width;
    input.Height = m_portHeight;
    input.ChartCount = static_cast<int>(ShownCharts().size());
    input.ShowAxisCaptions = m_grid.ShowAxisCaptions;
    input.ShowTestDataTable = m_showTestDataTable;
    input.ShowPureToneAverage = m_showPureToneAverage;
    input.ShowNotes = m_showNotes;
    const double xSpan = m_grid.XMax - m_grid.XMin;
    input.PlotHeightPerWidth = xSpan > 0 ? m_grid.OctaveWidth / xSpan * (m_grid.YMax - m_grid.YMin) / 20.0 : 0;
    input.ChartMarginsAcross = kLeftMargin + kRightMargin;
    input.ChartMarginsDown = kLabelMargin + kOpenMargin;
    input.PaletteHeight = [this](int paletteWidth) { return palPureTone->HeightNeeded(paletteWidth); };
    input.TableHeight = tblPureTone->Height();
    input.AverageHeight = ptaPureTone->HeightNeeded();
    input.NotesHeight = notPureTone->Height();
    return LayOutPureTone(input);
}

void CPureTone::LayOut()
{
    const PureToneLayout layout = Layout(Width());
    const auto place = [](QWidget& widget, const QRect& twips) {
        widget.setGeometry(twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    };

    const std::vector<int> shown = ShownCharts();
    for (int chart = 0; chart < 2; ++chart) {
        const auto slot = std::ranges::find(shown, chart);
        const bool visible = slot != shown.end();
        QWidget& chartWidget = *m_charts[static_cast<std::size_t>(chart)]->widget();
        if (visible) {
            const auto index = static_cast<std::size_t>(slot - shown.begin());
            m_charts[static_cast<std::size_t>(chart)]->Move(layout.Charts[index]);
            place(*lblEar[static_cast<std::size_t>(chart)], layout.EarLabels[index]);
        }
        chartWidget.setVisible(visible);
        lblEar[static_cast<std::size_t>(chart)]->setVisible(visible);
    }

    lblChartYLabel->setVisible(m_grid.ShowAxisCaptions);
    lblChartXLabel->setVisible(m_grid.ShowAxisCaptions);
    place(*lblChartYLabel, layout.LevelCaption);
    place(*lblChartXLabel, layout.FrequencyCaption);

    place(*palPureTone, layout.Palette);
    place(*butMasked, layout.MaskedButton);
    place(*butBinaural, layout.BinauralButton);
    tblPureTone->setVisible(m_showTestDataTable);
    ptaPureTone->setVisible(m_showPureToneAverage);
    notPureTone->setVisible(m_showNotes);
    if (m_showTestDataTable)
        place(*tblPureTone, layout.Table);
    if (m_showPureToneAverage)
        place(*ptaPureTone, layout.Average);
    if (m_showNotes)
        place(*notPureTone, layout.Notes);
}

void CPureTone::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    LayOut();
}

void CPureTone::ApplyCrossHairColours()
{
    for (int chart = 0; chart < static_cast<int>(m_charts.size()); ++chart) {
        const std::int32_t ear =
            EarsShareChart() ? EarOfChart(chart) : chart == LeftEarChart() ? vellum::kEarLeft : vellum::kEarRight;
        raiseOnFailure(chtEar(chart).chart().put_HighlightColor(earColour(ear)), kChartSource);
    }
}

void CPureTone::ApplyEarLabels()
{
    if (EarsShareChart()) {
        const std::string& first = m_rightOnLeft ? m_rightEarText : m_leftEarText;
        const std::string& second = m_rightOnLeft ? m_leftEarText : m_rightEarText;
        lblEar[0]->setText(QString::fromStdString(first + kEarNamesSeparator + second));
        return;
    }
    lblEar[static_cast<std::size_t>(LeftEarChart())]->setText(QString::fromStdString(m_leftEarText));
    lblEar[static_cast<std::size_t>(RightEarChart())]->setText(QString::fromStdString(m_rightEarText));
}

std::string CPureTone::Text(std::int32_t id) const
{
    return m_languageLoader ? m_languageLoader->LoadResString(id) : std::string();
}

void CPureTone::LoadStrings()
{
    m_leftEarText = Text(TR_LEFT_EAR);
    m_rightEarText = Text(TR_RIGHT_EAR);
    ApplyEarLabels();
    butMasked->Caption(Text(TR_MASKED));
    butBinaural->Caption(Text(TR_BINAURAL));
    lblChartXLabel->setText(QString::fromStdString(Text(TR_FREQUENCY_IN_HERTZ_HZ)));
    lblChartYLabel->Caption(Text(TR_HEARING_LEVEL_IN_DECIBELS_DB));
    tblPureTone->RowCaption(1, Text(TR_THRESHOLD));
    tblPureTone->RowCaption(2, Text(TR_MASKING));
    m_deletePointText = Text(TR_DELETE_POINT);
    m_deleteText = Text(TR_DELETE);

    LoadPaletteCaptions(*palPureTone, m_languageLoader.get());
    LoadAverageCaptions(*ptaPureTone, m_languageLoader.get());
}

void CPureTone::RaiseSaveState(std::int32_t undoId, std::int32_t redoId)
{
    SaveStateBeforeEdit(Text(undoId), Text(redoId));
}

void CPureTone::Guarded(const std::function<void()>& handler)
{
    RunShowingRaisedError(this, handler);
}

}  // namespace brisance
