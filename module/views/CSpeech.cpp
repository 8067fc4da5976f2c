// The speech view's children, properties, chart set-up, underlays, layout
// and captions. Display, palette and tests: CSpeechDisplay.cpp; entering and
// deleting results: CSpeechEntry.cpp.

#include "module/views/CSpeech.h"

#include "module/core/ChartLineRoutines.h"
#include "module/core/CLangLoader.h"
#include "module/core/CPaletteItems.h"
#include "module/core/ShowRaisedError.h"
#include "module/core/TextResources.h"
#include "module/panels/ControlColours.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/CurvePalette.h"
#include "module/panels/INotes.h"
#include "module/panels/IPTATable.h"
#include "module/panels/NotesChangeHandler.h"
#include "module/panels/SpeechTable.h"
#include "module/panels/SpeechTableView.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/VerticalLabel.h"
#include "module/views/PanelHeightWatcher.h"
#include "module/views/SitedChart.h"
#include "module/views/SpeechLayout.h"
#include "module/views/ViewCaptions.h"

#include "platform/com/Failure.h"

#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

namespace brisance {
namespace {

namespace com = platform::com;
using com::raiseOnFailure;
using lumenplot::VARIANT_FALSE;
using lumenplot::VARIANT_TRUE;

constexpr const char* kChartSource = "Chart";
constexpr const char* kScoreCaption = "%";
constexpr std::int32_t kLevelLabelLine = 0;

lumenplot::VARIANT_BOOL VariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

void Place(QWidget& widget, const QRect& twips)
{
    widget.setGeometry(twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
}

}  // namespace

CSpeech::CSpeech(QWidget* parent)
    : UserControl(parent),
      m_chart(std::make_unique<SitedChart>(*this)),
      palSpeech(new CurvePalette(this)),
      tblSpeech{new SpeechTable(this)},
      tblSpeechView(new SpeechTableView(this)),
      notSpeech(new INotes(this)),
      ptaSpeech(new IPTATable(this)),
      butBinaural(new ctlTolvaneButton(this)),
      lblEar(new QLabel(this)),
      lblSpeechXAxis(new QLabel(this)),
      lblSpeechYAxis(new VerticalLabel(this)),
      lblTablesHeading(new QLabel(this)),
      lblAddTests(new QLabel(this)),
      m_paletteItems(std::make_shared<CPaletteItems>()),
      m_grid(SpeechChartGridFor(0))
{
    keepTextColoursWhenDisabled(*this);
    m_chart->widget()->setObjectName(QStringLiteral("chtSpeech"));
    connect(m_chart.get(), &SitedChart::PlotPoint, this, &CSpeech::chtSpeech_PlotPoint);
    connect(m_chart.get(), &SitedChart::RightClick, this, &CSpeech::chtSpeech_RightClick);

    palSpeech->ShowAddTestButton(false);
    // The pressed half of a test's button says the ear a chart click plots
    // into, so the halves show.
    palSpeech->ShowSides(true);
    connect(palSpeech, &CurvePalette::ButtonChange, this, &CSpeech::palSpeech_ButtonChange);
    connect(palSpeech, &CurvePalette::HideCurve, this, [this] { palSpeech_ShowHideCurve(false); });
    connect(palSpeech, &CurvePalette::ShowCurve, this, [this] { palSpeech_ShowHideCurve(true); });
    connect(palSpeech, &CurvePalette::TestProperties, this,
            [this] { RunShowingRaisedError(this, [this] { ChangeSpeechTestProperties(true); }); });

    tblSpeech[0]->setObjectName(QStringLiteral("tblSpeech0"));
    tblSpeech[0]->ItemData(-1);
    tblSpeech[0]->hide();
    connect(tblSpeech[0], &SpeechTable::DataChanged, this, [this](std::int32_t Ear) { tblSpeech_DataChanged(0, Ear); });
    tblSpeechView->setObjectName(QStringLiteral("tblSpeechView"));
    connect(tblSpeechView, &SpeechTableView::PointPlot, this, &CSpeech::tblSpeechView_PointPlot);

    m_notesHandler = new NotesChangeHandler(
        *notSpeech,
        NotesViewHook{1, [this] { return m_notesLayer.get(); }, [this] { return !isEnabled(); },
                      [this] { m_dataNeedsSaved = true; }},
        this);
    connect(ptaSpeech, &IPTATable::HideMe, this, [this] { ShowPureToneAverage(false); });

    butBinaural->setObjectName(QStringLiteral("butBinaural"));
    connect(butBinaural, &ctlTolvaneButton::Click, this, &CSpeech::butBinaural_Click);

    lblEar->setObjectName(QStringLiteral("lblEar"));
    lblEar->setAlignment(Qt::AlignCenter);
    QFont bold = lblEar->font();
    bold.setBold(true);
    lblEar->setFont(bold);
    lblSpeechXAxis->setObjectName(QStringLiteral("lblSpeechXAxis"));
    lblSpeechXAxis->setAlignment(Qt::AlignCenter);
    lblSpeechYAxis->setObjectName(QStringLiteral("lblSpeechYAxis"));
    lblSpeechYAxis->Alignment(VerticalLabel::AlignCentre);
    lblSpeechYAxis->Caption({});
    lblTablesHeading->setObjectName(QStringLiteral("lblTablesHeading"));
    lblTablesHeading->setFont(bold);
    lblAddTests->setObjectName(QStringLiteral("lblAddTests"));
    lblAddTests->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(lblAddTests, &QLabel::linkActivated, this,
            [this] { RunShowingRaisedError(this, [this] { ConfigureTestPalette(); }); });

    // The document lays the view out only on its own resizes; panels that
    // change their own height ask for the view's layout here.
    m_panelHeights = std::make_unique<PanelHeightWatcher>(
        std::initializer_list<QWidget*>{tblSpeechView, notSpeech, ptaSpeech, tblSpeech[0]}, [this] { LayOut(); });
    LayOut();
}

CSpeech::~CSpeech() = default;

// Properties.

void CSpeech::Mode(std::int32_t mode)
{
    m_mode = mode;
    LayOut();
}

void CSpeech::ShowNotes(bool show)
{
    m_showNotes = show;
    LayOut();
}

void CSpeech::ShowPureToneAverage(bool show)
{
    m_showPureToneAverage = show;
    LayOut();
}

void CSpeech::ShowGraphTable(bool show)
{
    m_showGraphTable = show;
    LayOut();
}

void CSpeech::RightOnLeft(bool rightOnLeft)
{
    m_rightOnLeft = rightOnLeft;
    tblSpeechView->RightEarOnLeft(rightOnLeft);
    palSpeech->RightOnLeft(rightOnLeft);
    // The results table keeps the grids it has filled: it is filled again,
    // and the pressed half may now stand for the other ear.
    ShowSelectedTestInTable();
    ApplyEarCaption();
}

void CSpeech::ImageList(const com::ComPtr<platform::gfx::ImageList>& images)
{
    m_imageList = images;
    palSpeech->ImageList(images.as<com::IUnknown>());
}

void CSpeech::ImageListLarge(const com::ComPtr<platform::gfx::ImageList>& images)
{
    m_imageListLarge = images;
    raiseOnFailure(m_chart->chart().putref_ImageList(images.as<com::IUnknown>().get()), kChartSource);
}

// Size.

std::int32_t CSpeech::HeightNeeded() const
{
    return Layout(WidthNeeded(Width())).Height;
}

std::int32_t CSpeech::WidthNeeded(std::int32_t available) const
{
    return std::max(available, Layout(available).MinimumWidth);
}

// Chart set-up.

void CSpeech::InitializeSpeechChart(std::int32_t options)
{
    m_grid = SpeechChartGridFor(options);
    ApplyChartGrid();
    m_chartInitialized = true;
    LayOut();
    // The data's curves on the new axis; what they lack was told when the
    // data was shown.
    ClearCurves();
    DrawCurves();
}

void CSpeech::ApplyChartGrid()
{
    lumenplot::IChart& chart = m_chart->chart();
    raiseOnFailure(chart.put_AutoRedraw(VARIANT_FALSE), kChartSource);
    raiseOnFailure(chart.put_LeftMargin(m_grid.LeftMargin), kChartSource);
    raiseOnFailure(chart.put_RightMargin(m_grid.RightMargin), kChartSource);
    raiseOnFailure(chart.put_TopMargin(m_grid.TopMargin), kChartSource);
    raiseOnFailure(chart.put_BottomMargin(m_grid.BottomMargin), kChartSource);
    raiseOnFailure(chart.put_XMin(m_grid.XMin), kChartSource);
    raiseOnFailure(chart.put_XMax(m_grid.XMax), kChartSource);
    raiseOnFailure(chart.put_XGridLineMode(lumenplot::grid_UseCustom), kChartSource);
    raiseOnFailure(chart.put_YGridLineMode(lumenplot::grid_UseCustom), kChartSource);
    raiseOnFailure(chart.put_YMin(m_grid.YMin), kChartSource);
    raiseOnFailure(chart.put_YMax(m_grid.YMax), kChartSource);
    raiseOnFailure(chart.put_YLabelPosition(lumenplot::grid_OnLeft), kChartSource);

    raiseOnFailure(chart.ClearXLabels(), kChartSource);
    raiseOnFailure(chart.ClearYLabels(), kChartSource);
    ReplaceGridLines(chart, m_grid.XGridLines, m_grid.YGridLines);
    for (const SpeechScoreLabel& label : m_grid.YLabels)
        raiseOnFailure(chart.AddYLabel(label.Position, label.Label), kChartSource);

    raiseOnFailure(chart.put_UseSymbolToLineBuffer(VariantBool(m_grid.UseSymbolToLineBuffer)), kChartSource);
    // The row of level labels belongs to one axis: a new axis draws it anew.
    lumenplot::VARIANT_BOOL removed = VARIANT_FALSE;
    raiseOnFailure(ChartLines(chart)->Remove(kLevelLabelLine, &removed), kChartSource);
    if (m_grid.LevelLabelRow)
        AddXAxisLabelLine(chart);
    raiseOnFailure(chart.put_AutoRedraw(VARIANT_TRUE), kChartSource);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

// Underlays.

void CSpeech::DisplayMetaFileInChart(const std::string& strFile, bool blnRenderAboveGrid)
{
    lumenplot::IChart& chart = m_chart->chart();
    raiseOnFailure(chart.put_MetaFilename(strFile), kChartSource);
    raiseOnFailure(chart.put_DrawMetafileOverGrid(VariantBool(blnRenderAboveGrid)), kChartSource);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

void CSpeech::SetChartUnderlay(std::int32_t auNewUnderlay)
{
    lumenplot::IChart& chart = m_chart->chart();
    raiseOnFailure(chart.put_Underlay(static_cast<lumenplot::TAudiologicalUnderlays>(auNewUnderlay)), kChartSource);
    raiseOnFailure(chart.Refresh(), kChartSource);
}

// Layout.

SpeechLayout CSpeech::Layout(std::int32_t width) const
{
    SpeechLayoutInput input;
    input.Width = width;
    input.ShowChart = m_mode == 1;
    input.ShowAxisCaptions = m_grid.ShowAxisCaptions;
    input.ShowGraphTable = m_showGraphTable;
    input.ShowPureToneAverage = m_showPureToneAverage;
    input.ShowNotes = m_showNotes;
    input.PlotHeightPerWidth = (m_grid.YMax - m_grid.YMin) / (m_grid.XMax - m_grid.XMin);
    input.ChartMarginsAcross = static_cast<int>(m_grid.LeftMargin + m_grid.RightMargin);
    input.ChartMarginsDown = static_cast<int>(m_grid.TopMargin + m_grid.BottomMargin);
    input.PaletteHeight = [this](int paletteWidth) { return palSpeech->HeightNeeded(paletteWidth); };
    input.TableHeight = tblSpeechView->Height();
    for (std::size_t index = 0; index < m_tablesInUse; ++index)
        input.EntryTableHeights.push_back(tblSpeech[index]->Height());
    input.AverageHeight = ptaSpeech->HeightNeeded();
    input.NotesHeight = notSpeech->Height();
    return LayOutSpeech(input);
}

void CSpeech::LayOut()
{
    const SpeechLayout layout = Layout(Width());
    const bool chartMode = m_mode == 1;

    m_chart->widget()->setVisible(chartMode);
    if (chartMode)
        m_chart->Move(layout.Chart);
    for (QWidget* caption : std::initializer_list<QWidget*>{lblSpeechXAxis, lblSpeechYAxis})
        caption->setVisible(chartMode && m_grid.ShowAxisCaptions);
    Place(*lblSpeechYAxis, layout.ScoreCaption);
    Place(*lblSpeechXAxis, layout.LevelCaption);
    for (QWidget* part : std::initializer_list<QWidget*>{palSpeech, butBinaural, lblEar})
        part->setVisible(chartMode);
    Place(*palSpeech, layout.Palette);
    Place(*butBinaural, layout.BinauralButton);
    Place(*lblEar, layout.EarLabel);
    tblSpeechView->setVisible(chartMode && m_showGraphTable);
    Place(*tblSpeechView, layout.Table);

    lblTablesHeading->setVisible(!chartMode);
    Place(*lblTablesHeading, layout.Heading);
    lblAddTests->setVisible(!chartMode && m_tablesInUse == 0);
    Place(*lblAddTests, layout.AddTestsLink);
    for (std::size_t index = 0; index < tblSpeech.size(); ++index) {
        const bool shown = !chartMode && index < m_tablesInUse;
        tblSpeech[index]->setVisible(shown);
        if (shown)
            Place(*tblSpeech[index], layout.EntryTables[index]);
    }

    ptaSpeech->setVisible(m_showPureToneAverage);
    notSpeech->setVisible(m_showNotes);
    if (m_showPureToneAverage)
        Place(*ptaSpeech, layout.Average);
    if (m_showNotes)
        Place(*notSpeech, layout.Notes);
}

void CSpeech::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    LayOut();
}

// Captions.

std::string CSpeech::Text(std::int32_t id) const
{
    return m_languageLoader ? m_languageLoader->LoadResString(id) : std::string();
}

void CSpeech::ApplyEntryTableCaptions(SpeechTable& table) const
{
    table.LeftEarCaption(Text(TR_LEFT));
    table.RightEarCaption(Text(TR_RIGHT));
    table.BinauralEarCaption(Text(TR_BINAURAL));
    table.ScoreCaption(kScoreCaption);
    table.dBCaption(Text(TR_DB));
    table.MaskCaption(Text(TR_MASK));
    table.NoiseCaption(Text(TR_NOISE));
    table.Refresh();
}

void CSpeech::LoadStrings()
{
    for (SpeechTable* table : tblSpeech)
        ApplyEntryTableCaptions(*table);

    tblSpeechView->RowCaption(0, Text(TR_DB_LEVEL));
    tblSpeechView->RowCaption(1, kScoreCaption);
    tblSpeechView->RowCaption(2, Text(TR_MASKING));
    tblSpeechView->MaskCaption(Text(TR_MASKING));
    tblSpeechView->NoiseCaption(Text(TR_NOISE));
    tblSpeechView->TableCaption(Text(TR_TEST_DATA_TABLE));

    butBinaural->Caption(Text(TR_BINAURAL));
    ApplyEarCaption();
    lblSpeechXAxis->setText(QString::fromStdString(Text(TR_DB_HL)));
    lblSpeechYAxis->Caption(Text(TR_PCT_SCORE));
    lblTablesHeading->setText(QString::fromStdString(Text(TR_SPEECH_TEST_TABLES)));
    lblAddTests->setText(QStringLiteral("<a href=\"add\">%1</a>")
                             .arg(QString::fromStdString(Text(TR_CLICK_HERE_TO_ADD_TESTS)).toHtmlEscaped()));

    LoadPaletteCaptions(*palSpeech, m_languageLoader.get());
    LoadAverageCaptions(*ptaSpeech, m_languageLoader.get());
}

}  // namespace brisance
