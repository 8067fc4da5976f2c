// Entering and deleting speech results: by real clicks on the chart and its
// menu, by typing into the entry tables and the results table.

#include "module/views/tests/SpeechViewFixture.h"

#include "module/panels/PaletteButton.h"
#include "module/panels/ctlTolvaneButton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <functional>

namespace brisance {
namespace {

using namespace testing;

class SpeechEntryTest : public SpeechViewTest {
public:
    QWidget& chartWidget() const { return *view->chtSpeech().widget(); }

    void clickAt(double dB, double score, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = pixelOf(dB, score);
        QTest::mouseMove(window.get(), QPoint(5, 5));  // so that the cross-hair follows the move
        QTest::mouseMove(&chartWidget(), at);
        QTest::mouseClick(&chartWidget(), button, {}, at);
    }

    // The chart's menu at a chart position, as its right click opens it.
    QAction& menuEntryAt(double X, double Y, const char* name)
    {
        emit view->chtSpeech().RightClick(X, Y);
        QAction* entry = view->findChild<QAction*>(name);
        EXPECT_NE(entry, nullptr) << name << " is offered";
        return *entry;
    }

    void plotAt(double dB, double score) { emit view->chtSpeech().PlotPoint(dB, 100 - score); }

    QLineEdit& box(SpeechTable& table, const char* name, int group) const
    {
        return *table.findChild<QLineEdit*>(QStringLiteral("%1%2").arg(name).arg(group));
    }

    void retype(QLineEdit& entry, const char* text)
    {
        entry.setFocus();
        entry.selectAll();
        QTest::keyClick(&entry, Qt::Key_Backspace);
        QTest::keyClicks(&entry, text);
    }

    // Table mode with the palette's tests.
    SpeechTable& tableMode(int index)
    {
        view->Mode(0);
        view->InitializeSpeechTables();
        view->ShowDataInDataLayer();
        return *view->findChild<SpeechTable*>(QStringLiteral("tblSpeech%1").arg(index));
    }
};

// Groups of the entry table: 0 right, 1 left, 2 binaural.
constexpr int kRightGroup = 0;
constexpr int kLeftGroup = 1;

TEST_F(SpeechEntryTest, AClickOnTheChartStoresThePointDrawsItAndShowsItInTheResults)
{
    select(WrsItem);
    clickAt(60, 80);

    const auto stored = point(kWrs, kRight, 60, kWrsWordList);
    ASSERT_TRUE(stored) << "a click with the right half selected stores a right-ear point";
    EXPECT_EQ(stored->get_Level(), 600);
    EXPECT_EQ(stored->get_Score(), 8000);
    EXPECT_EQ(stored->get_NumberOfWords(), kWrsWords);
    EXPECT_EQ(stored->get_MaskingLevel(), vellum::kNoSpeechMasking);
    EXPECT_GT(pixelsOfColour(60, 80, kRed), 10) << "the right-ear symbol is drawn in the test's right colour";
    EXPECT_EQ(cell(1, 0, 0), "60");
    EXPECT_EQ(cell(1, 0, 1), "80");
    EXPECT_EQ(cell(1, 0, 2), "");
    EXPECT_TRUE(view->DataNeedsSaved());
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(SpeechEntryTest, WritingFollowsTheLevelTheTestAndTheLimitOfTwelvePoints)
{
    struct Case {
        const char* what;
        std::int32_t graphOptions;
        SpeechItem item;
        std::vector<std::pair<double, double>> plots;  // (dB, score %) in order
        std::int32_t type;
        std::int32_t wordList;
        std::vector<std::int32_t> levels;
        std::int32_t lastScore;  // % of the last level
    };
    std::vector<std::pair<double, double>> thirteen;
    for (int level = 0; level <= 60; level += 5)
        thirteen.emplace_back(level, 50);
    std::vector<std::int32_t> twelve;
    for (int level = 0; level <= 55; level += 5)
        twelve.push_back(level);
    const Case cases[] = {
        {"the same level replaced", kPlainGraph, WrsItem, {{40, 30}, {40, 70}}, kWrs, kWrsWordList, {40}, 70},
        {"a comfort level keeps its latest point", kPlainGraph, MclItem, {{40, 0}, {60, 0}}, kMcl, 1, {60}, 0},
        {"a threshold without gating is a curve", kPlainGraph, SrtItem, {{30, 20}, {40, 60}}, kSrt, 1, {30, 40}, 60},
        {"a gated threshold is one point at 50 %", kGating, SrtItem, {{30, 20}, {40, 60}}, kSrt, 1, {40}, 50},
        {"a 13th level is refused", kPlainGraph, WrsItem, thirteen, kWrs, kWrsWordList, twelve, 50},
    };
    for (const Case& c : cases) {
        SetUp();
        view->InitializeSpeechChart(c.graphOptions);
        select(c.item);
        for (const auto& [dB, score] : c.plots)
            plotAt(dB, score);
        EXPECT_EQ(levels(c.type, kRight, c.wordList), c.levels) << c.what;
        const auto last = point(c.type, kRight, c.levels.back(), c.wordList);
        ASSERT_TRUE(last) << c.what;
        EXPECT_EQ(last->get_Score(), c.lastScore * 100) << c.what;
        TearDown();
    }
}

TEST_F(SpeechEntryTest, TheRefused13thLevelChangesNothingOnScreen)
{
    select(WrsItem);
    for (int level = 0; level <= 55; level += 5)
        plotAt(level, 50);
    view->DataNeedsSaved(false);
    plotAt(60, 90);
    EXPECT_EQ(pixelsOfColour(60, 90, kRed), 0);
    EXPECT_EQ(cell(1, 11, 0), "55");
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(SpeechEntryTest, WhatCannotBeWrittenChangesNothing)
{
    struct Case {
        const char* what;
        std::function<void(SpeechEntryTest&)> act;
        bool message;
    };
    const auto plotRaw = [](double X, double Y) {
        return [X, Y](SpeechEntryTest& t) { emit t.view->chtSpeech().PlotPoint(X, Y); };
    };
    const auto changeTypeAt = [](double X, double Y) {
        return [X, Y](SpeechEntryTest& t) { t.menuEntryAt(X, Y, "mnuChartChangeType").trigger(); };
    };
    const Case cases[] = {
        {"no position", plotRaw(-32767, -32767), false},
        {"no level", plotRaw(-32767, 20), false},
        {"no score", plotRaw(60, -32767), false},
        {"a level on no grid line", plotRaw(-1, 20), false},
        {"a score on no grid line", plotRaw(60, -1), false},
        {"the menu at no level", changeTypeAt(-32767, 20), false},
        {"the menu at no grid line", changeTypeAt(60, -1), false},
        {"a level whose tenths overflow", plotRaw(3277, 20), true},
        {"a score whose hundredths overflow", plotRaw(60, -300), true},
        {"a test without a symbol for the ear",
         [](SpeechEntryTest& t) {
             t.select(MclItem);
             t.view->Palette()->SelectedButton()->LeftIsDown(true);
             t.clickAt(60, 80);
         },
         true},
        {"no selected button",
         [](SpeechEntryTest& t) {
             t.view->Palette()->ClearButtons();
             t.clickAt(60, 80);
         },
         false},
    };
    for (const Case& c : cases) {
        SetUp();
        select(WrsItem);
        const std::size_t shownBefore = responder.shown().size();
        c.act(*this);
        EXPECT_EQ(data->get_SpeechCurves()->get_Count(), 0) << c.what;
        EXPECT_FALSE(view->DataNeedsSaved()) << c.what;
        EXPECT_EQ(responder.shown().size() - shownBefore, c.message ? 1u : 0u) << c.what;
        TearDown();
    }
}

TEST_F(SpeechEntryTest, AMissingSymbolIsToldWithItsText)
{
    select(MclItem);
    view->Palette()->SelectedButton()->LeftIsDown(true);
    clickAt(60, 80);
    ASSERT_EQ(responder.shown().size(), 1u);
    EXPECT_EQ(responder.shown()[0].text, text(TR_MISSING_SYMBOL));
    EXPECT_EQ(responder.shown()[0].title, "Tessmark");
}

TEST_F(SpeechEntryTest, TheCurrentEarFollowsTheBinauralButtonThePressedHalfAndRightOnLeft)
{
    struct Case {
        bool binaural;
        bool leftIsDown;
        bool rightOnLeft;
        std::int32_t ear;
    };
    const Case cases[] = {
        {false, false, false, kRight}, {false, true, false, kLeft}, {false, false, true, kLeft},
        {false, true, true, kRight},   {true, false, false, kBinaural}, {true, true, true, kBinaural},
    };
    for (const Case& c : cases) {
        SetUp();
        view->RightOnLeft(c.rightOnLeft);
        select(WrsItem);
        PaletteButton& wrs = *view->Palette()->findChildren<PaletteButton*>()[WrsItem];
        QTest::mouseClick(&wrs, Qt::LeftButton, {}, QPoint(c.leftIsDown ? 10 : wrs.width() - 10, wrs.height() / 2));
        ASSERT_EQ(view->Palette()->SelectedButton()->LeftIsDown(), c.leftIsDown);
        if (c.binaural)
            QTest::mouseClick(view->findChild<ctlTolvaneButton*>("butBinaural"), Qt::LeftButton);
        plotAt(50, 40);
        EXPECT_TRUE(point(kWrs, c.ear, 50, kWrsWordList))
            << "binaural " << c.binaural << ", left down " << c.leftIsDown << ", right on left " << c.rightOnLeft;
        const std::int32_t id = c.ear == kBinaural ? TR_BINAURAL : c.ear == kRight ? TR_RIGHT_EAR : TR_LEFT_EAR;
        EXPECT_EQ(view->findChild<QLabel*>("lblEar")->text().toStdString(), text(id));
        TearDown();
    }
    SetUp();
    select(WrsBinauralItem);
    plotAt(50, 40);
    EXPECT_TRUE(point(kWrs, kBinaural, 50, kWrsWordList)) << "a binaural test writes the binaural curve";
}

TEST_F(SpeechEntryTest, TypedEntriesReplaceOnlyTheTablesOwnPoint)
{
    addCurve(kWrs, kRight, kWrsWordList, {{20, 10}, {30, 40}});
    SpeechTable& table = tableMode(1);
    ASSERT_EQ(table.ItemData(), tests->Item("1-1-10-1-")->CurveID);
    EXPECT_EQ(box(table, "txtdB", kRightGroup).text(), "30") << "the table shows the curve's last point";

    retype(box(table, "txtdB", kRightGroup), "45");
    EXPECT_EQ(levels(kWrs, kRight, kWrsWordList), (std::vector<std::int32_t>{20, 45}))
        << "the typed level replaces the table's point; the other stays";
    retype(box(table, "txtScore", kRightGroup), "72");
    ASSERT_TRUE(point(kWrs, kRight, 45, kWrsWordList));
    EXPECT_EQ(point(kWrs, kRight, 45, kWrsWordList)->get_Score(), 7200);
    EXPECT_EQ(point(kWrs, kRight, 45, kWrsWordList)->get_NumberOfWords(), kWrsWords);
    EXPECT_TRUE(view->DataNeedsSaved());

    box(table, "txtdB", kRightGroup).selectAll();
    QTest::keyClick(&box(table, "txtdB", kRightGroup), Qt::Key_Backspace);
    EXPECT_EQ(levels(kWrs, kRight, kWrsWordList), (std::vector<std::int32_t>{20})) << "an emptied level removes it";

    SpeechTable& srt = *view->findChild<SpeechTable*>("tblSpeech0");
    retype(box(srt, "txtdB", kLeftGroup), "35");
    ASSERT_TRUE(point(kSrt, kLeft, 35));
    EXPECT_EQ(point(kSrt, kLeft, 35)->get_Score(), vellum::kNoValue) << "a level alone has no score";
    retype(box(srt, "txtMask", kLeftGroup), "50");
    EXPECT_EQ(point(kSrt, kLeft, 35)->get_MaskingLevel(), 50);
    EXPECT_TRUE(responder.shown().empty());
}

TEST_F(SpeechEntryTest, AMaskingEditInTheResultsTableReachesThePoint)
{
    addCurve(kWrs, kRight, kWrsWordList, {{40, 75}});
    view->ShowDataInDataLayer();
    select(WrsItem);
    emit resultsTable().PointPlot(kRight, 40, 75, 55);
    ASSERT_TRUE(point(kWrs, kRight, 40, kWrsWordList));
    EXPECT_EQ(point(kWrs, kRight, 40, kWrsWordList)->get_MaskingLevel(), 55);
    EXPECT_EQ(point(kWrs, kRight, 40, kWrsWordList)->get_Score(), 7500) << "the score stays as stored";
    EXPECT_TRUE(view->DataNeedsSaved());

    emit resultsTable().PointPlot(kRight, 40, 75, vellum::kNoValue);
    EXPECT_EQ(point(kWrs, kRight, 40, kWrsWordList)->get_MaskingLevel(), vellum::kNoSpeechMasking);
}

TEST_F(SpeechEntryTest, TheMenuDeletesAPointOrTheCurveAndDeleteCurrentCurveTheSame)
{
    select(WrsItem);
    plotAt(40, 60);
    plotAt(50, 80);
    view->DataNeedsSaved(false);

    menuEntryAt(-32767, 40, "mnuDeletePoint").trigger();
    menuEntryAt(40, -1, "mnuDeletePoint").trigger();
    EXPECT_EQ(levels(kWrs, kRight, kWrsWordList), (std::vector<std::int32_t>{40, 50}))
        << "a point needs a level: a click on no grid line deletes none";
    EXPECT_FALSE(view->DataNeedsSaved());

    menuEntryAt(40, 40, "mnuDeletePoint").trigger();
    EXPECT_EQ(levels(kWrs, kRight, kWrsWordList), (std::vector<std::int32_t>{50}));
    EXPECT_EQ(pixelsOfColour(40, 60, kRed), 0);
    EXPECT_GT(pixelsOfColour(50, 80, kRed), 10);
    EXPECT_EQ(cell(1, 0, 0), "50");
    EXPECT_TRUE(view->DataNeedsSaved());

    QAction& deleteCurve = menuEntryAt(50, 20, "mnuDeleteCurve");
    EXPECT_EQ(deleteCurve.text().toStdString(), text(TR_DELETE) + " WRS");
    deleteCurve.trigger();
    EXPECT_FALSE(curve(kWrs, kRight, kWrsWordList));
    EXPECT_FALSE(hasLine(lineKey(WrsItem, kRight)));
    EXPECT_EQ(pixelsOfColour(50, 80, kRed), 0);
    EXPECT_EQ(cell(1, 0, 0), "");

    plotAt(50, 80);
    view->DataNeedsSaved(false);
    view->DeleteCurrentCurve();
    EXPECT_FALSE(curve(kWrs, kRight, kWrsWordList));
    EXPECT_TRUE(view->DataNeedsSaved());

    // The curve is the selected test's: the menu deletes it from a click on
    // no grid line too.
    plotAt(50, 80);
    menuEntryAt(40, -1, "mnuDeleteCurve").trigger();
    EXPECT_FALSE(curve(kWrs, kRight, kWrsWordList));

    view->DataNeedsSaved(false);
    view->DeleteCurrentCurve();
    menuEntryAt(50, 20, "mnuDeletePoint").trigger();
    EXPECT_FALSE(view->DataNeedsSaved()) << "a test with no data for the ear changes nothing";
    EXPECT_TRUE(responder.shown().empty());
}

}  // namespace
}  // namespace brisance
