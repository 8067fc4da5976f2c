// Plotting and deleting points and curves on the pure-tone view: by real
// clicks and keys on the ear charts, by the table's events and by the
// chart's menu.

#include "module/views/tests/PureToneViewFixture.h"

#include "module/panels/IPTATable.h"
#include "module/panels/ctlTolvaneButton.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace brisance {
namespace {

using testing::AirBinauralItem;
using testing::AirItem;
using testing::BoneItem;
using testing::FixtureItem;
using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::MclItem;
using testing::PureToneViewTest;

constexpr std::int32_t kAir = 1;
constexpr std::int32_t kBone = 2;
constexpr std::int32_t kLeft = vellum::kEarLeft;
constexpr std::int32_t kRight = vellum::kEarRight;
constexpr std::int32_t kBinaural = vellum::kEarBinaural;
// Chart positions of the normal range.
constexpr double k1000Hz = 500;
constexpr double k2000Hz = 650;
// Table columns.
constexpr int k1000HzColumn = 4;
constexpr int kLevelRow = 0;
constexpr int kMaskingRow = 1;

class PlottingTest : public PureToneViewTest {
public:
    // An entry typed into a cell of its own.
    void tablePlot(std::int32_t frequency, std::int32_t level, std::int32_t masking, std::int32_t ear,
                   std::int32_t kind)
    {
        emit view->TestDataPanel()->CellEditBegins();
        emit view->TestDataPanel()->PointPlot(frequency, level, masking, ear, kind);
    }

    // The ear under which a point stored at 1 kHz by the air test was found.
    std::int32_t earOfStoredPoint() const
    {
        for (const std::int32_t ear : {kLeft, kRight, kBinaural})
            if (point(kAir, ear, 1000))
                return ear;
        return 0;
    }
};

TEST_F(PlottingTest, AClickPlotsTheThresholdAndTheMinusKeyDeletesIt)
{
    select(AirItem);
    const auto before = data->get_Data();
    clickAt(0, k1000Hz, 40);

    const auto plotted = point(kAir, kLeft, 1000);
    ASSERT_TRUE(plotted) << "the click on the left-ear chart stores a left-ear point";
    EXPECT_EQ(plotted->get_Level(), 400);
    EXPECT_EQ(plotted->get_Status(), vellum::kStatusMeasured);
    EXPECT_EQ(plotted->get_MaskingLevel(), vellum::kNoValue);
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "40");
    EXPECT_GT(pixelsOfColour(0, k1000Hz, 40, kBlue), 10) << "the left X is drawn in the test's left colour";
    EXPECT_TRUE(view->DataNeedsSaved());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_PURE_TONE_POINT));
    EXPECT_EQ(saved[0].redo, text(TR_REDO_PURE_TONE_POINT));
    EXPECT_EQ(saved[0].data, before) << "the undo snapshot holds the data as it was before the click";

    view->DataNeedsSaved(false);
    QTest::keyClick(&chartWidget(0), Qt::Key_Minus);
    EXPECT_FALSE(point(kAir, kLeft, 1000));
    EXPECT_EQ(cell(0, k1000HzColumn, kLevelRow), "");
    leaveCharts();  // the cross-hair on the left-ear chart is blue as well
    EXPECT_EQ(pixelsOfColour(0, k1000Hz, 40, kBlue), 0);
    EXPECT_TRUE(view->DataNeedsSaved());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].undo, text(TR_UNDO_PURETONE_POINT_DELETE));
    EXPECT_EQ(saved[1].redo, text(TR_REDO_PURETONE_POINT_DELETE));
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(PlottingTest, EachKindIsStoredWithItsStatusAndMasking)
{
    struct Case {
        std::int32_t kind;
        std::int32_t masking;
        std::int16_t status;
        std::int16_t storedMasking;
    };
    const Case cases[] = {
        {0, 0, vellum::kStatusMeasured, vellum::kNoValue},    {0, 35, vellum::kStatusMeasured, vellum::kNoValue},
        {1, 35, vellum::kStatusNoResponse, vellum::kNoValue},  {2, 35, vellum::kStatusUnmeasurable, vellum::kNoValue},
        {3, 35, vellum::kStatusMeasured, 35},                  {3, 0, vellum::kStatusMeasured, 0},
        {4, 35, vellum::kStatusNoResponse, 35},                {5, 35, vellum::kStatusUnmeasurable, 35},
        {9, 35, vellum::kStatusMeasured, vellum::kNoValue},
    };
    select(AirItem);
    for (const Case& c : cases) {
        tablePlot(1000, 55, c.masking, kRight, c.kind);
        const auto stored = point(kAir, kRight, 1000);
        ASSERT_TRUE(stored) << "kind " << c.kind;
        EXPECT_EQ(stored->get_Level(), 550) << "kind " << c.kind << ": the level stays, marks included";
        EXPECT_EQ(stored->get_Status(), c.status) << "kind " << c.kind;
        EXPECT_EQ(stored->get_MaskingLevel(), c.storedMasking) << "kind " << c.kind << ", masking " << c.masking;
    }

    tablePlot(1000, 20, 0, kRight, 0);
    vellum::ComPtr<vellum::IVellumPureToneCurve> curve;
    ASSERT_TRUE(data->get_PureToneCurves()->Find(kAir, kRight, 2, curve));
    EXPECT_EQ(curve->get_Points()->get_Count(), 1) << "a second plot at one frequency replaces the first";
    EXPECT_EQ(point(kAir, kRight, 1000)->get_Level(), 200);
    EXPECT_EQ(saved.size(), std::size(cases) + 1) << "one undo step per plot";
    EXPECT_EQ(cell(1, k1000HzColumn, kLevelRow), "") << "the table, the source, is not written back";
    EXPECT_GT(pixelsOfColour(1, k1000Hz, 20, kRed), 10);
}

TEST_F(PlottingTest, AMousePlotFollowsTheMaskedButton)
{
    select(AirItem);
    QTest::mouseClick(view->findChild<ctlTolvaneButton*>("butMasked"), Qt::LeftButton);
    clickAt(1, k2000Hz, 30);
    const auto masked = point(kAir, kRight, 2000);
    ASSERT_TRUE(masked);
    EXPECT_EQ(masked->get_Status(), vellum::kStatusMeasured);
    EXPECT_EQ(masked->get_MaskingLevel(), 0) << "a masked point from the chart has no masking level yet";
    EXPECT_EQ(cell(1, 6, kMaskingRow), "");
}

TEST_F(PlottingTest, WhatCannotBePlottedChangesNothing)
{
    struct Case {
        const char* what;
        std::function<void(PlottingTest&)> act;
        bool message;  // a box tells the user
    };
    const auto plotAt = [](double x, double y) {
        return [x, y](PlottingTest& t) { emit t.view->chtEar(0).PlotPoint(x, y); };
    };
    const Case cases[] = {
        {"no X", plotAt(-32767, 40), false},
        {"no Y", plotAt(k1000Hz, -32767), false},
        {"X on no grid line", plotAt(-1, 40), false},
        {"Y on no grid line", plotAt(k1000Hz, -1), false},
        {"a position between frequencies", plotAt(501, 40), false},
        {"a level whose tenths overflow", plotAt(k1000Hz, 3277), true},
        {"a table level whose tenths overflow", [](PlottingTest& t) { t.tablePlot(1000, -3277, 0, kLeft, 0); }, true},
        {"a masking level beyond 16 bits", [](PlottingTest& t) { t.tablePlot(1000, 40, 40000, kLeft, 3); }, true},
        {"a test without a symbol for the ear",
         [](PlottingTest& t) {
             t.select(MclItem);
             t.clickAt(0, k1000Hz, 40);
         },
         true},
        {"no selected button",
         [](PlottingTest& t) {
             t.view->Palette()->ClearButtons();
             t.clickAt(0, k1000Hz, 40);
             t.tablePlot(1000, 40, 0, kLeft, 0);
         },
         false},
    };
    for (const Case& c : cases) {
        SetUp();
        select(AirItem);
        const std::size_t shownBefore = responder.shown().size();
        c.act(*this);
        EXPECT_EQ(data->get_PureToneCurves()->get_Count(), 0) << c.what;
        EXPECT_TRUE(saved.empty()) << c.what << ": no undo step";
        EXPECT_FALSE(view->DataNeedsSaved()) << c.what;
        EXPECT_EQ(responder.shown().size() - shownBefore, c.message ? 1u : 0u) << c.what;
        saved.clear();
        TearDown();
    }
}

TEST_F(PlottingTest, TheMissingSymbolIsToldInTheModulesBox)
{
    select(MclItem);
    clickAt(0, k1000Hz, 40);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, text(TR_MISSING_SYMBOL));
    EXPECT_EQ(responder.shown()[0].title, "Tessmark");
    EXPECT_EQ(responder.shown()[0].style, platform::ui::MB_OK);

    clickAt(1, k1000Hz, 40);
    EXPECT_TRUE(point(4, kRight, 1000)) << "the test has a right-ear symbol";
}

TEST_F(PlottingTest, TheDeletePointEntryAtNoPositionDeletesNothing)
{
    select(AirItem);
    clickAt(0, k1000Hz, 40);
    saved.clear();

    // The mouse left the chart and came back without moving: no cross-hair.
    leaveCharts();
    QTest::mouseClick(&chartWidget(0), Qt::RightButton, {}, pixelOf(0, k1000Hz, 40));
    menuEntry("mnuDeletePoint").trigger();
    EXPECT_TRUE(saved.empty());
    EXPECT_TRUE(point(kAir, kLeft, 1000));
}

// Which charts show an ear's line, and under which key.
struct Routing {
    std::int32_t mode;
    bool rightOnLeft;
    std::int32_t ear;
    std::vector<std::int32_t> chart0;
    std::vector<std::int32_t> chart1;
};

TEST_F(PlottingTest, LinesGoToTheChartsOfTheirEarUnderTheirKeys)
{
    // The air test has CurveID 1.
    const Routing cases[] = {
        {1, false, kLeft, {1}, {}},       {1, false, kRight, {}, {1}},      {1, false, kBinaural, {1001}, {1001}},
        {1, true, kLeft, {}, {1}},        {1, true, kRight, {1}, {}},       {1, true, kBinaural, {1001}, {1001}},
        {0, false, kLeft, {1}, {}},       {0, false, kRight, {-1}, {}},     {0, false, kBinaural, {1001}, {}},
        {0, true, kRight, {-1}, {}},
    };
    for (const Routing& c : cases) {
        view->RightOnLeft(c.rightOnLeft);
        view->Mode(c.mode);
        select(c.ear == kBinaural ? AirBinauralItem : AirItem);
        tablePlot(1000, 40, 0, c.ear, 0);
        EXPECT_EQ(lineKeys(0), c.chart0) << "mode " << c.mode << ", right on left " << c.rightOnLeft << ", ear " << c.ear;
        EXPECT_EQ(lineKeys(1), c.chart1) << "mode " << c.mode << ", right on left " << c.rightOnLeft << ", ear " << c.ear;
        data->get_PureToneCurves()->Clear();
        view->ShowDataInDataLayer();
    }
}

TEST_F(PlottingTest, ANewLineTakesItsEarsLookAndAnExistingLineKeepsItsOwn)
{
    struct Look {
        std::int32_t ear;
        int chart;
        std::int32_t key;
        lumenplot::OLE_COLOR colour;
        std::int32_t style;
    };
    const Look looks[] = {{kLeft, 0, 1, kBlue, 0}, {kRight, 1, 1, kRed, 1}, {kBinaural, 1, 1001, kGreen, 2}};
    for (const Look& look : looks) {
        select(look.ear == kBinaural ? AirBinauralItem : AirItem);
        tablePlot(1000, 40, 0, look.ear, 0);
        lumenplot::OLE_COLOR colour = 0;
        std::int32_t style = -1;
        std::int32_t width = 0;
        line(look.chart, look.key)->get_LineColor(&colour);
        line(look.chart, look.key)->get_LineStyle(&style);
        line(look.chart, look.key)->get_LineWidth(&width);
        EXPECT_EQ(colour, look.colour) << "ear " << look.ear;
        EXPECT_EQ(style, look.style) << "ear " << look.ear;
        EXPECT_EQ(width, 1) << "ear " << look.ear;
    }

    line(0, 1)->put_LineColor(0x123456);
    line(0, 1)->put_LineStyle(3);
    select(AirItem);
    tablePlot(2000, 50, 0, kLeft, 0);
    lumenplot::OLE_COLOR colour = 0;
    std::int32_t style = 0;
    line(0, 1)->get_LineColor(&colour);
    line(0, 1)->get_LineStyle(&style);
    EXPECT_EQ(colour, 0x123456);
    EXPECT_EQ(style, 3);
}

TEST_F(PlottingTest, TheEarOfAClickFollowsTheBinauralChoicesAndTheSharedChartsHalves)
{
    struct Case {
        std::int32_t mode;
        bool rightOnLeft;
        bool leftIsDown;
        FixtureItem item;
        bool binauralDown;
        int chart;
        std::int32_t ear;
    };
    const Case cases[] = {
        {0, false, true, AirItem, false, 0, kLeft},   {0, false, false, AirItem, false, 0, kRight},
        {0, true, true, AirItem, false, 0, kRight},   {0, true, false, AirItem, false, 0, kLeft},
        {1, false, true, AirItem, false, 1, kRight},  {1, true, true, AirItem, false, 1, kLeft},
        {1, false, true, AirItem, true, 0, kBinaural}, {0, false, true, AirBinauralItem, false, 0, kBinaural},
    };
    for (const Case& c : cases) {
        SetUp();
        view->RightOnLeft(c.rightOnLeft);
        view->Mode(c.mode);
        select(c.item);
        view->Palette()->SelectedButton()->LeftIsDown(c.leftIsDown);
        if (c.binauralDown)
            QTest::mouseClick(view->findChild<ctlTolvaneButton*>("butBinaural"), Qt::LeftButton);
        clickAt(c.chart, k1000Hz, 40);
        EXPECT_EQ(earOfStoredPoint(), c.ear) << "mode " << c.mode << ", right on left " << c.rightOnLeft
                                             << ", left half " << c.leftIsDown << ", chart " << c.chart;
        TearDown();
    }
}

TEST_F(PlottingTest, PointsAreDeletedByTheMenuAndByTheTable)
{
    select(AirItem);
    tablePlot(1000, 40, 0, kLeft, 0);
    tablePlot(2000, 50, 0, kLeft, 0);
    view->ShowDataInDataLayer();  // the table shows both
    view->DataNeedsSaved(false);
    saved.clear();

    clickAt(0, k1000Hz, 40, Qt::RightButton);
    EXPECT_EQ(menuEntry("mnuDeletePoint").text().toStdString(), text(TR_DELETE_POINT));
    EXPECT_EQ(menuEntry("mnuDeleteCurve").text().toStdString(), text(TR_DELETE) + " AC");
    menuEntry("mnuDeletePoint").trigger();
    EXPECT_FALSE(point(kAir, kLeft, 1000));
    EXPECT_TRUE(point(kAir, kLeft, 2000));
    EXPECT_EQ(pixelsOfColour(0, k1000Hz, 40, kBlue), 0);
    EXPECT_TRUE(view->DataNeedsSaved());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_PURETONE_POINT_DELETE));

    view->DataNeedsSaved(false);
    emit view->TestDataPanel()->DeletePoint(2000, kLeft);
    EXPECT_FALSE(point(kAir, kLeft, 2000));
    EXPECT_EQ(pixelsOfColour(0, k2000Hz, 50, kBlue), 0);
    EXPECT_TRUE(view->DataNeedsSaved());
    EXPECT_EQ(saved.size(), 2u);

    // A cell emptied with no point behind it: nothing to undo, nothing to save.
    view->DataNeedsSaved(false);
    emit view->TestDataPanel()->DeletePoint(1000, kRight);
    EXPECT_EQ(saved.size(), 2u);
    EXPECT_FALSE(view->DataNeedsSaved());
    EXPECT_FALSE(hasCurve(kAir, kRight));
}

TEST_F(PlottingTest, EachTableCellEditIsOneUndoStepAndAnEmptiedLevelDeletesThePoint)
{
    select(AirItem);
    view->FrequenciesToAverage(1 << 4);  // 1000 Hz alone
    const auto empty = data->get_Data();

    // Every keystroke plots; the step before the edit is the one to undo to.
    QLineEdit* editor = &editTableCell(0, k1000HzColumn, kLevelRow);
    QTest::keyClicks(editor, "35");
    ASSERT_TRUE(point(kAir, kLeft, 1000));
    EXPECT_EQ(point(kAir, kLeft, 1000)->get_Level(), 350);
    EXPECT_GT(pixelsOfColour(0, k1000Hz, 35, kBlue), 10);
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "35");
    ASSERT_EQ(saved.size(), 1u) << "one cell edit, one undo step";
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_PURE_TONE_POINT));

    // Emptied, the level's point goes from the data, the chart and the
    // averages, within the same edit.
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_FALSE(point(kAir, kLeft, 1000));
    EXPECT_EQ(pixelsOfColour(0, k1000Hz, 35, kBlue), 0);
    EXPECT_EQ(pixelsOfColour(0, k1000Hz, 3, kBlue), 0);
    EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "");
    QTest::keyClicks(editor, "4");
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].data, empty) << "undo gives back the empty cell";

    // Another cell, or the same one entered again, is an edit of its own.
    QTest::keyClicks(&editTableCell(0, k1000HzColumn + 2, kLevelRow), "50");
    ASSERT_EQ(saved.size(), 2u);
    const auto withBoth = data->get_Data();
    editor = &editTableCell(0, k1000HzColumn, kLevelRow);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, "20");
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[2].undo, text(TR_UNDO_PURETONE_POINT_DELETE));
    EXPECT_EQ(saved[2].data, withBoth) << "undo gives back the 4 dB the cell held";

    // Undone as the document does it, the data is shown afresh: the open
    // cell's next keystroke is a step of its own.
    data->get_PureToneCurves()->Clear();
    data->put_Data(saved[2].data);
    view->ShowDataInDataLayer();
    EXPECT_EQ(editor->text().toStdString(), "4");
    QTest::keyClicks(editor, "5");
    EXPECT_EQ(point(kAir, kLeft, 1000)->get_Level(), 450);
    EXPECT_EQ(saved.size(), 4u);
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(PlottingTest, ABinauralPointGoesFromBothChartsWhateverTheBinauralButtonSays)
{
    select(AirBinauralItem);
    tablePlot(1000, 40, 0, kBinaural, 0);
    ASSERT_GT(pixelsOfColour(0, k1000Hz, 40, kGreen), 10);
    ASSERT_GT(pixelsOfColour(1, k1000Hz, 40, kGreen), 10);

    select(AirItem);  // the binaural button stays up
    emit view->TestDataPanel()->DeletePoint(1000, kBinaural);
    EXPECT_EQ(pixelsOfColour(0, k1000Hz, 40, kGreen), 0);
    EXPECT_EQ(pixelsOfColour(1, k1000Hz, 40, kGreen), 0);
}

TEST_F(PlottingTest, TheCurveEntryDeletesTheWholeCurveFromTheDataTheTableAndTheCharts)
{
    select(AirBinauralItem);
    tablePlot(1000, 40, 0, kBinaural, 0);
    tablePlot(2000, 50, 0, kBinaural, 0);
    select(BoneItem);
    tablePlot(1000, 30, 0, kLeft, 0);
    select(AirBinauralItem);
    view->DataNeedsSaved(false);
    saved.clear();

    clickAt(1, k1000Hz, 40, Qt::RightButton);
    menuEntry("mnuDeleteCurve").trigger();
    EXPECT_FALSE(hasCurve(kAir, kBinaural));
    EXPECT_TRUE(hasCurve(kBone, kLeft));
    EXPECT_EQ(lineKeys(0), std::vector<std::int32_t>{2});
    EXPECT_EQ(lineKeys(1), std::vector<std::int32_t>{});
    EXPECT_TRUE(view->DataNeedsSaved());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].undo, text(TR_UNDO_DELETE_CURVE));
    EXPECT_EQ(saved[0].redo, text(TR_REDO_DELETE_CURVE));

    // Again: no curve left, only the undo step.
    view->DataNeedsSaved(false);
    clickAt(1, k1000Hz, 40, Qt::RightButton);
    menuEntry("mnuDeleteCurve").trigger();
    EXPECT_EQ(saved.size(), 2u);
    EXPECT_FALSE(view->DataNeedsSaved());
    EXPECT_EQ(data->get_PureToneCurves()->get_Count(), 1);
}

TEST_F(PlottingTest, PlottingIntoAHiddenTestShowsItAgain)
{
    select(AirItem);
    tablePlot(1000, 40, 0, kLeft, 0);
    view->PaletteItems()->ItemByID(AirItem)->HideInGraph = true;
    view->ShowDataInDataLayer();
    lumenplot::VARIANT_BOOL visible = lumenplot::VARIANT_TRUE;
    line(0, 1)->get_Visible(&visible);
    ASSERT_EQ(visible, lumenplot::VARIANT_FALSE);

    tablePlot(2000, 50, 0, kLeft, 0);
    line(0, 1)->get_Visible(&visible);
    EXPECT_EQ(visible, lumenplot::VARIANT_TRUE);
    EXPECT_FALSE(view->PaletteItems()->ItemByID(AirItem)->HideInGraph);
    EXPECT_FALSE(view->Palette()->Button(AirItem)->HiddenState());
}

}  // namespace
}  // namespace brisance
