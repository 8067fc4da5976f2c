// What the pure-tone view shows: the data layer's curves on the charts of
// their ears, the averages, the notes, its captions, its layout and the
// ear charts' grid.

#include "module/views/tests/PureToneViewFixture.h"

#include "module/panels/INotes.h"
#include "module/panels/IPTATable.h"
#include "module/panels/VerticalLabel.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/views/PureToneChartGrid.h"
#include "module/views/PureToneLayout.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <map>

namespace brisance {
namespace {

using testing::AirItem;
using testing::BoneItem;
using testing::PureToneViewTest;

using Keys = std::vector<std::int32_t>;
constexpr std::int32_t kLeft = vellum::kEarLeft;
constexpr std::int32_t kRight = vellum::kEarRight;
constexpr std::int32_t kBinaural = vellum::kEarBinaural;
constexpr std::int32_t kAverageOf500To2000 = 1 << 2 | 1 << 4 | 1 << 6;
constexpr std::int32_t k2000Hz = 1 << 6;

class DisplayTest : public PureToneViewTest {
public:
    bool visible(int chart, std::int32_t key) const
    {
        lumenplot::VARIANT_BOOL shown = lumenplot::VARIANT_FALSE;
        line(chart, key)->get_Visible(&shown);
        return shown != lumenplot::VARIANT_FALSE;
    }

    QLabel& earLabel(int chart) const { return *view->findChild<QLabel*>(QStringLiteral("lblEar%1").arg(chart)); }

    // One octave across over 20 dB down on a chart's plot, in pixels: 1 on a
    // true audiogram.
    double proportion(int chart) const
    {
        lumenplot::IChart& shown = view->chtEar(chart).chart();
        double left = 0, top = 0, right = 0, bottom = 0;
        shown.get_LeftMargin(&left);
        shown.get_TopMargin(&top);
        shown.get_RightMargin(&right);
        shown.get_BottomMargin(&bottom);
        const QWidget& widget = *view->chtEar(chart).widget();
        const double plotWidth = widget.width() - platform::ui::twipsToPixelsX(static_cast<int>(left + right));
        const double plotHeight = widget.height() - platform::ui::twipsToPixelsY(static_cast<int>(top + bottom));
        const PureToneChartGrid grid = PureToneChartGridFor(testing::kNormalRange);
        const double octave = plotWidth * grid.OctaveWidth / (grid.XMax - grid.XMin);
        const double twentyDb = plotHeight * 20 / (grid.YMax - grid.YMin);
        return octave / twentyDb;
    }
};

TEST_F(DisplayTest, TheCurvesOfPaletteTestsStandOnTheChartsOfTheirEars)
{
    // A reflex test on the palette; reflexes still stay off the audiogram.
    const auto reflex = tests->Add("4-0-1-");
    reflex->TestType = 8;
    reflex->Condition = 2;
    reflex->Left0Unmasked = 1;
    AddPaletteItemForCurvePref(reflex, *view->PaletteItems(), false);

    addCurve(1, kLeft, {{1000, 20}});
    addCurve(1, kRight, {{1000, 30}});
    addCurve(1, kBinaural, {{1000, 25}});
    addCurve(2, kLeft, {{1000, 10}});
    addCurve(8, kLeft, {{1000, 85}});     // reflexes
    addCurve(5, kLeft, {{1000, 60}});     // "2-3-1-": no such test
    addCurve(4, kBinaural, {{1000, 70}}); // MCL has no binaural item
    view->PaletteItems()->ItemByID(BoneItem)->HideInGraph = true;

    struct Case {
        std::int32_t mode;
        bool rightOnLeft;
        Keys chart0;
        Keys chart1;
        int boneChart;
    };
    // CurveIDs: air 1, bone 2.
    const Case cases[] = {
        {1, false, {1, 2, 1001}, {1, 1001}, 0},
        {1, true, {1, 1001}, {1, 2, 1001}, 1},
        {0, false, {-1, 1, 2, 1001}, {}, 0},
        {0, true, {-1, 1, 2, 1001}, {}, 0},
    };
    for (const Case& c : cases) {
        view->RightOnLeft(c.rightOnLeft);
        view->Mode(c.mode);
        EXPECT_EQ(lineKeys(0), c.chart0) << "mode " << c.mode << ", right on left " << c.rightOnLeft;
        EXPECT_EQ(lineKeys(1), c.chart1) << "mode " << c.mode << ", right on left " << c.rightOnLeft;
        EXPECT_FALSE(visible(c.boneChart, 2)) << "the hidden bone-conduction test";
        EXPECT_TRUE(visible(c.boneChart, 1));
    }
    view->Mode(1);
    view->RightOnLeft(false);
    EXPECT_GT(pixelsOfColour(1, 500, 30, testing::kRed), 10);
    EXPECT_GT(pixelsOfColour(1, 500, 25, testing::kGreen), 10);
    EXPECT_TRUE(saved.empty()) << "showing the data is no edit";

    // The curves without a palette test are kept, and told of once, however
    // often the data is shown again.
    EXPECT_TRUE(point(5, kLeft, 1000));
    EXPECT_TRUE(point(4, kBinaural, 1000));
    ASSERT_EQ(responder.shown().size(), 1u);
    const platform::ui::ShownDialog& told = responder.shown()[0];
    EXPECT_EQ(told.text, text(TR_PURE_TONE_TESTS_MISSING) + "\n" + text(TR_MCL) + "," + text(TR_SPEAKER) + "," +
                             text(TR_UNAIDED) + "\n" + text(TR_MCL) + "," + text(TR_PHONES) + "," +
                             text(TR_UNAIDED) + "," + text(TR_BINAURAL));
    EXPECT_EQ(told.title, text(TR_PROGRAM_TITLE));
    EXPECT_EQ(told.style, platform::ui::MB_ICONSTOP);

    // A new load tells of them again.
    view->DataLoaded();
    view->ShowDataInDataLayer();
    EXPECT_EQ(responder.shown().size(), 2u);
}

TEST_F(DisplayTest, AnAudiogramWithoutAveragedFrequenciesIsShownWithTheViewsAndKeepsThemOnlyWhenEdited)
{
    addCurve(1, kLeft, {{500, 10}, {1000, 20}, {2000, 30}});
    view->FrequenciesToAverage(kAverageOf500To2000);
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "20");

    // An action stored without them is shown with the view's frequencies,
    // and showing it writes nothing into it.
    for (const auto put : {&vellum::IVellumDataLayer::put_AverageFrequenciesLeft,
                           &vellum::IVellumDataLayer::put_AverageFrequenciesRight})
        (data.get()->*put)(0);
    const auto stored = data->get_Data();
    view->ShowDataInDataLayer();
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "20");
    EXPECT_EQ(view->PureToneAverage()->AverageFrequencies(kLeft), kAverageOf500To2000);
    EXPECT_EQ(data->get_Data(), stored);
    EXPECT_FALSE(view->DataNeedsSaved());

    // An action's own frequencies stay its own.
    data->put_AverageFrequenciesLeft(1 << 2);
    view->ShowDataInDataLayer();
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "10");
    EXPECT_EQ(view->FrequenciesToAverage(), kAverageOf500To2000);

    // Edited, the action keeps the frequencies it was shown with, to be saved.
    data->put_AverageFrequenciesLeft(0);
    select(AirItem);
    clickAt(1, 500, 40);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].data, stored) << "undo gives the action back as it was stored";
    EXPECT_EQ(data->get_AverageFrequenciesLeft(), kAverageOf500To2000);
    EXPECT_EQ(data->get_AverageFrequenciesRight(), kAverageOf500To2000);
    EXPECT_TRUE(view->DataNeedsSaved());

    // The double-weight frequencies reach the data layer too, so that the
    // report prints the average shown here.
    view->FrequenciesToDblAverage(k2000Hz);
    EXPECT_EQ(data->get_DoubleAverageFrequenciesLeft(), k2000Hz);
    EXPECT_EQ(data->get_DoubleAverageFrequenciesRight(), k2000Hz);
    EXPECT_EQ(view->PureToneAverage()->DoubleAverageFrequencies(kLeft), k2000Hz);
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "22") << "(10 + 20 + 30 + 30) / 4, halves to even";
}

TEST_F(DisplayTest, ClearEmptiesWhatTheViewShowsButTheUnderlay)
{
    addCurve(1, kLeft, {{500, 10}, {1000, 20}});
    view->FrequenciesToAverage(kAverageOf500To2000);
    select(AirItem);
    emit view->TestDataPanel()->PointPlot(2000, 30, 0, kLeft, 0);
    notes->put_Category(0);
    notes->put_Section(0);
    notes->put_Value("Comments", "quiet booth");
    view->ShowDataInDataLayer();
    ASSERT_EQ(view->Notes()->GetNoteTypeText(6), "quiet booth");
    platform::com::ComPtr<lumenplot::ILines> backLines;
    view->chtEar(0).chart().get_BackLines(backLines.put());
    platform::com::ComPtr<lumenplot::ILine> underlay;
    backLines->Add(7, underlay.put());

    view->DataNeedsSaved(false);
    view->Clear();
    EXPECT_EQ(lineKeys(0), Keys{});
    EXPECT_EQ(cell(0, 6, 0), "");
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "");
    EXPECT_EQ(view->Notes()->GetNoteTypeText(6), "");
    lumenplot::VARIANT_BOOL kept = lumenplot::VARIANT_FALSE;
    backLines->ItemExist(7, &kept);
    EXPECT_EQ(kept, lumenplot::VARIANT_TRUE) << "the back lines belong to the underlay";
    EXPECT_FALSE(view->DataNeedsSaved()) << "clearing the notes is no edit";
    EXPECT_EQ(data->get_PureToneCurves()->get_Count(), 1);
}

TEST_F(DisplayTest, ANotesEditIsWrittenUnlessTheViewIsReadOnly)
{
    auto& comments = *view->Notes()->findChild<QPlainTextEdit*>("txtComments");
    QTest::keyClicks(&comments, "ok");
    notes->put_Category(0);
    notes->put_Section(0);
    EXPECT_EQ(notes->get_Value("Comments"), platform::runtime::Variant("ok"));
    EXPECT_TRUE(view->DataNeedsSaved());

    view->DataNeedsSaved(false);
    view->Enabled(false);
    comments.setPlainText("changed");
    EXPECT_EQ(notes->get_Value("Comments"), platform::runtime::Variant("ok"));
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(DisplayTest, AViewNotYetSetUpShowsNoCurvesAndRaisesNothing)
{
    addCurve(1, kLeft, {{1000, 20}});
    CPureTone bare(window.get());
    bare.DataLayer(data);
    bare.Mode(0);
    bare.ShowDataInDataLayer();
    bare.InitializeCharts(testing::kNormalRange);  // still no tests
    platform::com::ComPtr<lumenplot::ILines> lines;
    bare.chtEar(0).chart().get_Lines(lines.put());
    platform::com::ComPtr<platform::com::IUnknown> walk;
    lines->get__NewEnum(walk.put());
    platform::runtime::Variant first;
    EXPECT_NE(walk.as<platform::com::IEnumVARIANT>()->Next(1, &first, nullptr), platform::com::S_OK);
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(DisplayTest, CaptionsComeFromTheTextLoader)
{
    EXPECT_EQ(earLabel(0).text().toStdString(), text(TR_LEFT_EAR));
    EXPECT_EQ(earLabel(1).text().toStdString(), text(TR_RIGHT_EAR));
    view->RightOnLeft(true);
    EXPECT_EQ(earLabel(0).text().toStdString(), text(TR_RIGHT_EAR));
    view->Mode(0);
    EXPECT_EQ(earLabel(0).text().toStdString(), text(TR_RIGHT_EAR) + " / " + text(TR_LEFT_EAR));
    EXPECT_EQ(view->findChild<ctlTolvaneButton*>("butMasked")->Caption(), text(TR_MASKED));
    EXPECT_EQ(view->findChild<ctlTolvaneButton*>("butBinaural")->Caption(), text(TR_BINAURAL));
    EXPECT_EQ(view->findChild<VerticalLabel*>()->Caption(), text(TR_HEARING_LEVEL_IN_DECIBELS_DB));
    EXPECT_EQ(view->Palette()->HideButtonBaseText(), text(TR_HIDE_PCTS_CURVE));
    EXPECT_FALSE(view->Palette()->ShowAddTestButton());
    // The test-data table names its rows.
    const auto tableLabel = [this](const char* name) {
        return view->TestDataPanel()->findChild<QLabel*>(name)->text().toStdString();
    };
    EXPECT_EQ(tableLabel("lblRowLabel1"), text(TR_THRESHOLD));
    EXPECT_EQ(tableLabel("lblRowLabel2"), text(TR_MASKING));

    // Another loader shows only after LoadStrings.
    auto german = std::make_shared<CLangLoader>();
    ASSERT_TRUE(german->OpenResourceLibrary(BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceDEU.so"));
    view->LanguageLoader(german);
    EXPECT_EQ(view->findChild<ctlTolvaneButton*>("butMasked")->Caption(), text(TR_MASKED));
    view->LoadStrings();
    EXPECT_EQ(view->findChild<ctlTolvaneButton*>("butMasked")->Caption(), german->LoadResString(TR_MASKED));
}

// Layout.

PureToneLayoutInput LayoutInput()
{
    PureToneLayoutInput input;
    input.Width = 12000;
    input.ChartCount = 2;
    input.ShowTestDataTable = input.ShowPureToneAverage = input.ShowNotes = true;
    input.PlotHeightPerWidth = 1.0;
    input.ChartMarginsAcross = 600;
    input.ChartMarginsDown = 480;
    input.PaletteHeight = [](int) { return 400; };
    input.TableHeight = 1500;
    input.AverageHeight = 1800;
    input.NotesHeight = 2935;
    return input;
}

TEST(PureToneLayout, RowsStackUnderTheChartsAndHiddenPanelsTakeNoRoom)
{
    // With every row: margin 60, ear labels 300, charts 5760 (a pair's plot
    // 5880 - 600 wide, as high, and the margins), gap 120, the palette row
    // 810 (the two buttons), gap and table 1500, gap and the notes 2935,
    // margin 60.
    struct Case {
        const char* what;
        std::function<void(PureToneLayoutInput&)> change;
        int height;
    };
    const Case cases[] = {
        {"everything", [](PureToneLayoutInput&) {}, 11785},
        {"one chart: as wide as the row, and as high", [](PureToneLayoutInput& in) { in.ChartCount = 1; },
         11785 + 6000},
        {"no table", [](PureToneLayoutInput& in) { in.ShowTestDataTable = false; }, 11785 - 1620},
        {"no notes: the average sets the row", [](PureToneLayoutInput& in) { in.ShowNotes = false; }, 11785 - 1135},
        {"neither average nor notes",
         [](PureToneLayoutInput& in) { in.ShowNotes = in.ShowPureToneAverage = false; }, 11785 - 3055},
        {"a high palette", [](PureToneLayoutInput& in) { in.PaletteHeight = [](int) { return 1000; }; }, 11975},
        {"axis captions: a narrower pair and the frequency caption",
         [](PureToneLayoutInput& in) { in.ShowAxisCaptions = true; }, 11785 - 150 + 300},
    };
    for (const Case& c : cases) {
        PureToneLayoutInput input = LayoutInput();
        c.change(input);
        EXPECT_EQ(LayOutPureTone(input).Height, c.height) << c.what;
    }

    const PureToneLayout pair = LayOutPureTone(LayoutInput());
    EXPECT_EQ(pair.Charts[0], QRect(60, 360, 5880, 5760));
    EXPECT_EQ(pair.Charts[1], QRect(6060, 360, 5880, 5760));
    EXPECT_EQ(pair.EarLabels[1], QRect(6060, 60, 5880, 300));
    EXPECT_EQ(pair.Palette.top(), 6240);
    EXPECT_EQ(pair.MaskedButton.right() + 1, 11940) << "the buttons stand at the palette's right";
    EXPECT_EQ(pair.Table, QRect(60, 7170, 11880, 1500));
    EXPECT_EQ(pair.Average.left(), 60);
    EXPECT_EQ(pair.Notes.left(), pair.Average.right() + 1 + 120);
    EXPECT_EQ(pair.Notes.right() + 1, 11940);

    PureToneLayoutInput alone = LayoutInput();
    alone.ChartCount = 1;
    alone.ShowPureToneAverage = false;
    const PureToneLayout single = LayOutPureTone(alone);
    EXPECT_EQ(single.Charts[0], QRect(60, 360, 11880, 11760));
    EXPECT_TRUE(single.Charts[1].isEmpty());
    EXPECT_EQ(single.Notes.left(), 60);
}

// The height of a chart's plot for its width, over the audiogram's (one
// octave across for 20 dB down); 1 where the chart keeps the proportion.
double ProportionOf(const QRect& chart, const PureToneLayoutInput& input)
{
    const double plotWidth = chart.width() - input.ChartMarginsAcross;
    const double plotHeight = chart.height() - input.ChartMarginsDown;
    return plotHeight / plotWidth / input.PlotHeightPerWidth;
}

TEST(PureToneLayout, EveryChartKeepsTheAudiogramsProportionCentredInItsRow)
{
    struct Case {
        const char* what;
        int charts;
        int height;
        bool captions;
    };
    const Case cases[] = {
        {"a pair, sized by the width", 2, 0, false},
        {"one chart, sized by the width", 1, 0, true},
        {"a pair in a port that fits everything", 2, 20000, true},
        {"a pair in a low port", 2, 9000, false},
        {"one chart in a low port", 1, 9000, true},
        {"one chart in a very low port", 1, 4000, false},
    };
    for (const Case& c : cases) {
        PureToneLayoutInput input = LayoutInput();
        input.PlotHeightPerWidth = 0.95;
        input.ChartCount = c.charts;
        input.Height = c.height;
        input.ShowAxisCaptions = c.captions;
        const PureToneLayout layout = LayOutPureTone(input);
        for (int slot = 0; slot < c.charts; ++slot)
            EXPECT_NEAR(ProportionOf(layout.Charts[slot], input), 1.0, 0.05) << c.what << ", chart " << slot;
        const int left = layout.Charts[0].left();
        const int right = layout.Charts[c.charts - 1].right() + 1;
        const int rowLeft = c.captions ? 60 + 300 : 60;
        EXPECT_NEAR(left - rowLeft, 11940 - right, 1) << c.what << ": centred";
        if (c.captions) {
            EXPECT_EQ(layout.LevelCaption.right() + 1, left) << c.what;
            EXPECT_EQ(layout.FrequencyCaption.left(), left) << c.what;
            EXPECT_EQ(layout.FrequencyCaption.right() + 1, right) << c.what;
        }
    }
}

TEST(PureToneLayout, TheChartsShrinkSoThatTheViewFitsItsPort)
{
    // Sized by the width, everything takes 11785 (the first test).
    struct Case {
        const char* what;
        int port;
        // The lowest part that must stand whole in the port, and the height
        // the view then needs.
        const char* whole;
        int height;
    };
    const Case cases[] = {
        {"a port higher than the view needs: no change", 15000, "notes", 11785},
        {"a lower port: everything fits, the charts lower", 11000, "notes", 11000},
        {"too low for readable charts and the panels: charts and palette", 7000, "palette", 7000 + 4675},
        {"lower still: charts and palette, as low as needs be", 4000, "palette", 4000 + 4675},
    };
    for (const Case& c : cases) {
        PureToneLayoutInput input = LayoutInput();
        input.Height = c.port;
        const PureToneLayout layout = LayOutPureTone(input);
        const QRect& whole = std::string(c.whole) == "notes" ? layout.Notes : layout.Palette;
        EXPECT_LE(whole.bottom() + 1, c.port) << c.what;
        EXPECT_NEAR(layout.Height, c.height, 2) << c.what;
    }
}

TEST_F(DisplayTest, TheDisplayModeShowsOneChartOrBoth)
{
    QWidget& chart0 = *view->chtEar(0).widget();
    QWidget& chart1 = *view->chtEar(1).widget();
    const int pairHeight = view->HeightNeeded();
    const int pairWidth = chart0.width();

    EXPECT_NEAR(proportion(0), 1.0, 0.05) << "a pair";
    EXPECT_NEAR(proportion(1), 1.0, 0.05) << "a pair";

    view->DisplayMode(0);
    EXPECT_TRUE(chart0.isVisible());
    EXPECT_FALSE(chart1.isVisible());
    EXPECT_FALSE(earLabel(1).isVisible());
    EXPECT_GT(chart0.width(), pairWidth) << "a zoomed chart takes the room of both";
    EXPECT_NEAR(proportion(0), 1.0, 0.05) << "zoomed on the left chart";
    EXPECT_NEAR(chart0.x(), view->width() - chart0.geometry().right() - 1, 2) << "centred";

    view->DisplayMode(1);
    EXPECT_FALSE(chart0.isVisible());
    EXPECT_TRUE(chart1.isVisible());
    EXPECT_EQ(chart1.x(), chart0.x()) << "the one chart stands where the other stood";
    EXPECT_NEAR(proportion(1), 1.0, 0.05) << "zoomed on the right chart";

    view->DisplayMode(2);
    view->Mode(0);
    EXPECT_FALSE(chart1.isVisible()) << "both ears share chtEar(0)";
    EXPECT_NEAR(proportion(0), 1.0, 0.05) << "single graph";

    view->Mode(1);
    view->ShowNotes(false);
    view->ShowPureToneAverage(false);
    view->ShowTestDataTable(false);
    EXPECT_FALSE(view->TestDataPanel()->isVisible());
    EXPECT_LT(view->HeightNeeded(), pairHeight);
    EXPECT_EQ(view->WidthNeeded(5000), CPureTone::kMinimumWidth);
    EXPECT_EQ(view->WidthNeeded(20000), 20000);
}

// The charts' grid.

TEST(PureToneChartGrid, TheGraphOptionsGiveTheAxesAndTheirLines)
{
    struct Case {
        std::int32_t options;
        std::size_t xLines;
        double lastX;
        double lastLevel;
        double yMax;
        lumenplot::TXLabelPosition labels;
        bool interOctaveShown;
        bool interOctaveDashed;
        bool stepsShown;
        bool buffer;
        bool captions;
    };
    const Case cases[] = {
        {0, 13, 946, 130, 145, lumenplot::grid_OnBottom, false, false, false, false, false},
        {32 | 128 | 512, 11, 950, 120, 135, lumenplot::grid_OnBottom, true, false, false, false, false},
        {32 | 0x2000 | 1024 | 256, 11, 950, 130, 145, lumenplot::grid_OnTop, true, true, true, false, false},
        {128 | 0x2000 | 64 | 4096, 13, 946, 130, 145, lumenplot::grid_OnBottom, true, false, false, true, true},
    };
    for (const Case& c : cases) {
        const PureToneChartGrid grid = PureToneChartGridFor(c.options);
        ASSERT_EQ(grid.XGridLines.size(), c.xLines) << "options " << c.options;
        EXPECT_EQ(grid.XGridLines.front(), (ChartGridLine{50, "125", true, false}));
        EXPECT_EQ(grid.XGridLines.back().Position, c.lastX);
        const ChartGridLine& at750 = grid.XGridLines[3];
        EXPECT_EQ(at750.Label, "");
        EXPECT_EQ(at750.Visible, c.interOctaveShown) << "options " << c.options;
        EXPECT_EQ(at750.Dashed, c.interOctaveDashed) << "options " << c.options;
        EXPECT_EQ(grid.XMin, 0);
        EXPECT_EQ(grid.XMax, 1000);

        EXPECT_EQ(grid.YGridLines.front(), (ChartGridLine{-10, "-10", true, false}));
        EXPECT_EQ(grid.YGridLines.back(), (ChartGridLine{c.lastLevel, std::to_string(int(c.lastLevel)), true, false}));
        EXPECT_EQ(grid.YGridLines[1], (ChartGridLine{-5, "", c.stepsShown, true})) << "options " << c.options;
        EXPECT_EQ(grid.YMin, -25);
        EXPECT_EQ(grid.YMax, c.yMax);
        EXPECT_EQ(grid.XLabelPosition, c.labels);
        EXPECT_EQ(grid.UseSymbolToLineBuffer, c.buffer);
        EXPECT_EQ(grid.ShowAxisCaptions, c.captions);
    }
}

TEST_F(DisplayTest, EachRangeIsDrawnWithItsLines)
{
    struct Case {
        std::int32_t options;
        bool stepsShown;
        bool has12kHz;
    };
    for (const Case& c : {Case{32, false, false}, Case{32 | 1024, true, false}, Case{1024, true, true}}) {
        view->InitializeCharts(c.options);
        QCoreApplication::processEvents();
        const QImage image = testing::grabControl(*view->chtEar(0).widget());
        // Along a level line, between the 4 and 8 kHz lines of either range.
        const auto along = [&](double level) {
            std::map<platform::gfx::ColorRef, int> colours;
            const int y = pixelOf(0, 0, level).y();
            for (int x = pixelOf(0, 730, 0).x(); x < pixelOf(0, 790, 0).x(); ++x)
                ++colours[testing::pixelAt(image, x, y)];
            return colours;
        };
        const auto labelled = along(20);
        ASSERT_EQ(labelled.size(), 1u) << "a labelled line is solid";
        const platform::gfx::ColorRef gridColour = labelled.begin()->first;
        const auto step = along(25);
        EXPECT_EQ(step.contains(gridColour), c.stepsShown) << "options " << c.options;
        if (c.stepsShown) {
            EXPECT_EQ(step.size(), 2u) << "a 5-dB line is dashed";
        }
        const QPoint at12kHz = pixelOf(0, 834, 22);
        EXPECT_EQ(testing::pixelAt(image, at12kHz.x(), at12kHz.y()) == gridColour, c.has12kHz) << "options " << c.options;
    }
}

}  // namespace
}  // namespace brisance
