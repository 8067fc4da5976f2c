// The speech view's chart set-up, display of the data, table mode, layout,
// show/hide, underlays and test properties.

#include "module/views/tests/SpeechViewFixture.h"

#include "module/core/DescribeCurve.h"
#include "module/panels/ctlTolvaneButton.h"
#include "module/core/ListView.h"
#include "module/core/StoreSelection.h"
#include "module/panels/INotes.h"
#include "module/panels/IPTATable.h"
#include "module/panels/PaletteButton.h"
#include "module/preferences/frmPaletteConfig.h"
#include "module/preferences/frmTestProperties.h"
#include "module/views/SpeechChartGrid.h"

#include "platform/testing/ModalDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace brisance {
namespace {

using namespace testing;
using platform::testing::child;
using platform::testing::ModalDialogs;

using SpeechDisplayTest = SpeechViewTest;

// Right-clicks the palette button of the item and clicks the entry of the
// palette's menu.
void ChoosePaletteEntry(CSpeech& view, SpeechItem item, const char* entry)
{
    PaletteButton& button = *view.Palette()->findChildren<PaletteButton*>()[item];
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(10, button.height() / 2));
    QMenu* menu = view.Palette()->findChild<QMenu*>("popupMenu");
    ASSERT_NE(menu, nullptr);
    QAction* action = menu->findChild<QAction*>(entry);
    ASSERT_NE(action, nullptr) << entry;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

TEST(SpeechChartGrid, FollowsTheGraphOptions)
{
    struct Case {
        std::int32_t options;
        double xMax;
        double rightMargin;
        bool rightLabels;
        bool labelRow;
        bool captions;
        bool buffer;
        bool gating;
    };
    const Case cases[] = {
        {0, 135, 0, false, false, false, false, false},  {1, 135, 0, false, false, false, false, true},
        {4, 135, 0, false, true, false, false, false},   {8, 135, 0, false, false, true, false, false},
        {16, 135, 350, true, false, false, false, false}, {32, 125, 0, false, false, false, false, false},
        {64, 135, 0, false, false, false, true, false},  {127, 125, 350, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        const SpeechChartGrid grid = SpeechChartGridFor(c.options);
        EXPECT_EQ(grid.XMin, -5);
        EXPECT_EQ(grid.XMax, c.xMax) << c.options;
        EXPECT_EQ(grid.YMin, -10);
        EXPECT_EQ(grid.YMax, 110);
        EXPECT_EQ(grid.LeftMargin, 350);
        EXPECT_EQ(grid.RightMargin, c.rightMargin) << c.options;
        EXPECT_EQ(grid.BottomMargin, 300);
        EXPECT_EQ(grid.SingleThresholdPoint, c.gating) << c.options;
        EXPECT_EQ(grid.LevelLabelRow, c.labelRow) << c.options;
        EXPECT_EQ(grid.ShowAxisCaptions, c.captions) << c.options;
        EXPECT_EQ(grid.UseSymbolToLineBuffer, c.buffer) << c.options;

        ASSERT_EQ(grid.YGridLines.size(), 21u);
        EXPECT_EQ(grid.YGridLines.front(), (ChartGridLine{0, "100", true, false})) << "100 % at the top";
        EXPECT_EQ(grid.YGridLines[1], (ChartGridLine{5, "", true, false})) << "fives unlabelled";
        EXPECT_EQ(grid.YGridLines.back(), (ChartGridLine{100, "0", true, false}));
        EXPECT_EQ(grid.YLabels.size(), c.rightLabels ? 11u : 0u) << c.options;
        if (c.rightLabels) {
            EXPECT_EQ(grid.YLabels[2], (SpeechScoreLabel{20, "80"}));
        }

        EXPECT_EQ(grid.XGridLines.front(), (ChartGridLine{0, "0", true, false}));
        EXPECT_EQ(grid.XGridLines[1], (ChartGridLine{5, "", true, true})) << "dashed, unlabelled fives";
        EXPECT_EQ(grid.XGridLines.back().Position, c.xMax - 5) << c.options;
    }
}

TEST_F(SpeechDisplayTest, TheChartTakesTheGridAndShowsTheCaptionsOnlyWithItsChart)
{
    const auto visible = [this](const char* name) { return view->findChild<QWidget*>(name)->isVisible(); };
    view->InitializeSpeechChart(8 | 4 | 32);
    double xMax = 0;
    view->chtSpeech().chart().get_XMax(&xMax);
    EXPECT_EQ(xMax, 125);
    EXPECT_TRUE(hasLine(0)) << "the row of level labels";
    EXPECT_TRUE(visible("lblSpeechXAxis"));
    EXPECT_TRUE(visible("lblSpeechYAxis"));
    EXPECT_EQ(view->findChild<QLabel*>("lblSpeechXAxis")->text().toStdString(), text(TR_DB_HL));

    view->Clear();
    EXPECT_TRUE(hasLine(0)) << "Clear keeps the label row";

    view->Mode(0);
    EXPECT_FALSE(visible("lblSpeechXAxis"));
    EXPECT_FALSE(visible("lblSpeechYAxis"));
    EXPECT_FALSE(visible("chtSpeech"));

    view->Mode(1);
    view->InitializeSpeechChart(0);
    EXPECT_FALSE(hasLine(0));
    EXPECT_FALSE(visible("lblSpeechXAxis"));
}

TEST_F(SpeechDisplayTest, CurvesWithoutATestAreToldOncePerConditionInOneMessage)
{
    addCurve(kWrs, kLeft, kWrsWordList, {{40, 60}});
    addCurve(11, kLeft, 2, {{50, 70}});  // discrimination by bone: no such test
    addCurve(11, kRight, 2, {{50, 70}});
    view->ShowDataInDataLayer();

    ASSERT_EQ(responder.shown().size(), 1u);
    const std::string& message = responder.shown()[0].text;
    EXPECT_EQ(message.rfind("No test(s) was found in the Speech Palette with the following measured conditions: ", 0),
              0u);
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    EXPECT_EQ(responder.shown()[0].style & platform::ui::MB_ICONMASK, platform::ui::MB_ICONSTOP);
    EXPECT_EQ(responder.shown()[0].title, text(TR_PROGRAM_TITLE));

    EXPECT_TRUE(hasLine(lineKey(WrsItem, kLeft)));
    EXPECT_GT(pixelsOfColour(40, 60, kBlue), 10);
    EXPECT_TRUE(view->PaletteItems()->ItemByID(WrsItem)->HasData);
    EXPECT_FALSE(view->PaletteItems()->ItemByID(SrtItem)->HasData);

    view->InitializeSpeechChart(32);
    EXPECT_EQ(responder.shown().size(), 1u) << "a new axis does not tell it again";
    EXPECT_GT(pixelsOfColour(40, 60, kBlue), 10) << "the curves are drawn on the new axis";
}

TEST_F(SpeechDisplayTest, NoSpeechCurvesGiveNoMessageAndNoMarks)
{
    view->PaletteItems()->ItemByID(SrtItem)->HasData = true;
    view->ShowDataInDataLayer();
    EXPECT_TRUE(responder.shown().empty());
    for (const auto& item : *view->PaletteItems())
        EXPECT_FALSE(item->HasData) << item->CurvePreferences->Label;
}

TEST_F(SpeechDisplayTest, EveryShowingOfTheDataFillsTheAveragePanel)
{
    // Air conduction of the left ear at 500, 1000 and 2000 Hz, averaged over them.
    const auto points = data->get_PureToneCurves()->Add(1, kLeft, kUnaided)->get_Points();
    for (const auto& [frequency, level] : {std::pair{500, 100}, std::pair{1000, 200}, std::pair{2000, 300}})
        points->Add(frequency)->put_Level(static_cast<std::int16_t>(level));
    data->put_AverageFrequenciesLeft(1 << 2 | 1 << 4 | 1 << 6);
    data->put_AverageFrequenciesRight(1 << 2 | 1 << 4 | 1 << 6);

    for (const std::int32_t mode : {1, 0}) {
        view->Mode(mode);
        view->ShowDataInDataLayer();
        EXPECT_EQ(view->PureToneAverage()->ACLeftAverage(), "20") << "mode " << mode;
        EXPECT_EQ(view->PureToneAverage()->ACRightAverage(), "") << "mode " << mode << ": no curve";
    }
}

TEST_F(SpeechDisplayTest, TheResultsTableShowsTheSelectedTestsEarsOrBinaural)
{
    addCurve(kWrs, kLeft, kWrsWordList, {{40, 60}, {50, 90}});
    addCurve(kWrs, kRight, kWrsWordList, {{30, 20}});
    addCurve(kWrs, kBinaural, kWrsWordList, {{70, 100}});
    view->ShowDataInDataLayer();
    select(SrtItem);
    EXPECT_EQ(cell(1, 0, 0), "");
    select(WrsItem);
    EXPECT_EQ(resultsTable().TestConditions(), DescribeCurve(*view->PaletteItems()->ItemByID(WrsItem), true));
    EXPECT_EQ(cell(1, 0, 0), "30");
    EXPECT_EQ(cell(0, 1, 0), "50");
    EXPECT_EQ(cell(0, 1, 1), "90");
    QTest::mouseClick(view->findChild<ctlTolvaneButton*>("butBinaural"), Qt::LeftButton);
    EXPECT_TRUE(resultsTable().BinauralMode());
    EXPECT_EQ(cell(0, 0, 0), "70");
    EXPECT_EQ(cell(0, 0, 1), "100");

    view->Palette()->ClearButtons();
    view->ShowDataInDataLayer();
    EXPECT_EQ(resultsTable().TestConditions(), "") << "no selected button, no caption";
}

TEST_F(SpeechDisplayTest, TableModeLoadsEachCurveIntoItsTableAndTellsTheRest)
{
    addCurve(kSrt, kLeft, 1, {{35, 50}});
    addCurve(kWrs, kRight, kWrsWordList, {{40, 60}, {50, 88}});
    addCurve(11, kRight, 2, {{50, 70}});
    view->Mode(0);
    view->InitializeSpeechTables();
    view->ShowDataInDataLayer();

    const auto table = [this](int index) { return view->findChild<SpeechTable*>(QStringLiteral("tblSpeech%1").arg(index)); };
    const auto entry = [&](int index, const char* name, int group) {
        return table(index)->findChild<QLineEdit*>(QStringLiteral("%1%2").arg(name).arg(group))->text().toStdString();
    };
    for (int index = 0; index < 4; ++index)
        EXPECT_TRUE(table(index)->isVisible()) << "one table per test that is not binaural: " << index;
    EXPECT_EQ(table(4), nullptr);
    EXPECT_EQ(table(0)->TableCaption(), "SRT");
    EXPECT_EQ(table(3)->ItemData(), tests->Item("2-1-1-1-")->CurveID);
    EXPECT_EQ(entry(0, "txtdB", 1), "35");
    EXPECT_EQ(entry(1, "txtdB", 0), "50");
    EXPECT_EQ(entry(1, "txtScore", 0), "88");
    EXPECT_FALSE(view->chtSpeech().widget()->isVisible());
    EXPECT_FALSE(resultsTable().isVisible());
    ASSERT_EQ(responder.shown().size(), 1u) << "the curve without a table is told as on the chart";

    CPaletteItems& items = *view->PaletteItems();
    items.RemoveByID(NoiseItem);
    items.RemoveByID(MclItem);
    view->InitializeSpeechTables();
    EXPECT_FALSE(table(2)->isVisible()) << "a table beyond the tests is given up";
    EXPECT_EQ(table(2)->ItemData(), -1);

    items.Clear();
    view->InitializeSpeechTables();
    EXPECT_TRUE(view->findChild<QLabel*>("lblAddTests")->isVisible());
    EXPECT_EQ(view->findChild<QLabel*>("lblTablesHeading")->text().toStdString(), text(TR_SPEECH_TEST_TABLES));
}

TEST_F(SpeechDisplayTest, AHiddenTestStaysHiddenThroughARedraw)
{
    addCurve(kWrs, kLeft, kWrsWordList, {{40, 60}});
    view->ShowDataInDataLayer();
    EXPECT_GT(pixelsOfColour(40, 60, kBlue), 10);

    int reported = 0;
    QObject::connect(view, &CSpeech::PaletteMayHaveChanged, [&] { ++reported; });
    ChoosePaletteEntry(*view, WrsItem, "mnuHideCurve");
    EXPECT_EQ(reported, 1);
    EXPECT_TRUE(view->PaletteItems()->ItemByID(WrsItem)->HideInGraph);
    EXPECT_TRUE(view->Palette()->Button(WrsItem)->HiddenState());
    EXPECT_EQ(pixelsOfColour(40, 60, kBlue), 0);
    view->ShowDataInDataLayer();
    EXPECT_EQ(pixelsOfColour(40, 60, kBlue), 0);

    view->ShowHideTest(WrsItem, true);
    EXPECT_FALSE(view->Palette()->Button(WrsItem)->HiddenState());
    EXPECT_GT(pixelsOfColour(40, 60, kBlue), 10);
}

TEST_F(SpeechDisplayTest, TheTemplateUnderlayDrawsItsMarker)
{
    // Template A's marker stands at 18.5 dB from above 100 % to below 0 %.
    const auto blackNearTop = [this] {
        QCoreApplication::processEvents();
        const QImage image = grabControl(*view->chtSpeech().widget());
        const QPoint at = pixelOf(18.5, 105);
        int count = 0;
        for (int dx = -2; dx <= 2; ++dx)
            if (pixelAt(image, at.x() + dx, at.y()) == platform::gfx::rgb(0, 0, 0))
                ++count;
        return count;
    };
    EXPECT_EQ(blackNearTop(), 0);
    view->SetChartUnderlay(1);
    EXPECT_GT(blackNearTop(), 0);
    view->SetChartUnderlay(0);
    EXPECT_EQ(blackNearTop(), 0);
}

TEST_F(SpeechDisplayTest, ConfirmedTestPropertiesReachTheCurvesAndAreReported)
{
    addCurve(kWrs, kLeft, kWrsWordList, {{40, 60}});
    addCurve(kWrs, kRight, kWrsWordList, {{40, 60}});
    view->ShowDataInDataLayer();
    select(WrsItem);
    int reported = 0;
    QObject::connect(view, &CSpeech::TestSettingsChanged, [&] { ++reported; });

    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        ModalDialogs dialogs;
        dialogs.answer<frmTestProperties>([ok](frmTestProperties& dialog) {
            QLineEdit* comment = child<QLineEdit>(dialog, "txtConditionComment");
            comment->setFocus();
            comment->selectAll();
            QTest::keyClicks(comment, "left aid");
            platform::testing::click(child<QPushButton>(dialog, ok ? "cmdOK" : "cmdCancel"));
        });
        if (ok)
            ChoosePaletteEntry(*view, WrsItem, "mnuEditTestProperties");
        else
            view->ChangeSpeechTestProperties(false);
        EXPECT_EQ(reported, ok ? 1 : 0);
        EXPECT_EQ(view->DataNeedsSaved(), ok);
        for (const std::int32_t ear : {kLeft, kRight})
            EXPECT_EQ(curve(kWrs, ear, kWrsWordList)->get_Measurement()->get_ConditionDescription(),
                      ok ? "left aid" : "")
                << "ok " << ok << ", ear " << ear;
    }

    view->Palette()->ClearButtons();
    view->ChangeSpeechTestProperties(false);  // no dialog opens: the driver would fail on one
    EXPECT_EQ(reported, 1);
}

// Chooses the test's row of the dialog's available tests and clicks Add.
void AddTest(frmPaletteConfig& dialog, const char* label)
{
    ListView& tests = *child<ListView>(dialog, "lvwTests");
    const auto rows = tests.findItems(label, Qt::MatchExactly);
    ASSERT_EQ(rows.size(), 1) << label;
    QTest::mouseClick(tests.viewport(), Qt::LeftButton, {}, tests.visualItemRect(rows[0]).center());
    platform::testing::click(child<QPushButton>(dialog, "cmdAddToPalette0"));
}

TEST_F(SpeechDisplayTest, ThePaletteConfigurationRefillsThePaletteOnlyWhenConfirmed)
{
    view->PaletteItems()->RemoveByID(NoiseItem);
    FillCurvePalette(*view->Palette(), *view->PaletteItems(), true);
    int reported = 0;
    QObject::connect(view, &CSpeech::PaletteMayHaveChanged, [&] { ++reported; });
    const auto captions = [this] {
        std::vector<std::string> shown;
        for (const PaletteButton* button : view->Palette()->findChildren<PaletteButton*>())
            if (button->isVisible())
                shown.push_back(button->Caption());
        return shown;
    };
    const std::vector<std::string> before = captions();

    for (const bool ok : {false, true}) {
        ModalDialogs dialogs;
        dialogs.answer<frmPaletteConfig>([ok](frmPaletteConfig& dialog) {
            EXPECT_TRUE(dialog.ShowPalette()) << "the chart's palette shows as buttons";
            AddTest(dialog, "WRS-N");
            platform::testing::click(child<QPushButton>(dialog, ok ? "cmdOK" : "cmdCancel"));
        });
        view->ConfigureTestPalette();
        EXPECT_EQ(reported, ok ? 1 : 0);
    }
    std::vector<std::string> after = before;
    after.push_back("WRS-N");
    EXPECT_EQ(captions(), after);
}

TEST_F(SpeechDisplayTest, TheLinkOfAnEmptyTableModeAddsTests)
{
    addCurve(kWrs, kRight, kWrsWordList, {{40, 60}});
    view->PaletteItems()->Clear();
    view->Mode(0);
    view->InitializeSpeechTables();
    QLabel& link = *view->findChild<QLabel*>("lblAddTests");
    ASSERT_TRUE(link.isVisible());

    ModalDialogs dialogs;
    dialogs.answer<frmPaletteConfig>([](frmPaletteConfig& dialog) {
        EXPECT_FALSE(dialog.ShowPalette()) << "the table mode lists the tests";
        AddTest(dialog, "WRS");
        platform::testing::click(child<QPushButton>(dialog, "cmdOK"));
    });
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, link.height() / 2));

    EXPECT_FALSE(link.isVisible());
    const auto* table = view->findChild<SpeechTable*>("tblSpeech0");
    ASSERT_TRUE(table->isVisible());
    EXPECT_EQ(table->TableCaption(), "WRS");
    EXPECT_EQ(table->findChild<QLineEdit*>("txtdB0")->text(), "40") << "the data is shown again";
}

TEST_F(SpeechDisplayTest, NotesTypedAreTheSpeechNotesUnlessTheViewIsReadOnly)
{
    const auto speechNotes = [this] {
        const StoreSelectionKeeper section(*notes, 0, 1);
        return notes->get_Value("Comments").toString();
    };
    {
        const StoreSelectionKeeper section(*notes, 0, 1);
        notes->put_Value("Comments", platform::runtime::Variant("quiet room"));
    }
    view->ShowDataInDataLayer();
    QPlainTextEdit& comments = *view->Notes()->findChild<QPlainTextEdit*>("txtComments");
    EXPECT_EQ(comments.toPlainText(), "quiet room");
    comments.setFocus();
    comments.selectAll();
    QTest::keyClicks(&comments, "ok");
    EXPECT_EQ(speechNotes(), "ok");
    EXPECT_TRUE(view->DataNeedsSaved());

    view->DataNeedsSaved(false);
    view->Enabled(false);
    view->Notes()->SetNoteTypeText(6, "changed by code");
    EXPECT_EQ(speechNotes(), "ok");
    EXPECT_FALSE(view->DataNeedsSaved());
}

TEST_F(SpeechDisplayTest, TheHeightAndWidthNeededFollowTheModeAndThePanels)
{
    struct Case {
        std::int32_t mode;
        bool table;
        bool average;
        bool notes;
    };
    const Case cases[] = {
        {1, true, true, true}, {1, false, true, true}, {1, true, false, false}, {1, false, false, false},
        {0, false, true, true}, {0, false, false, false},
    };
    for (const Case& c : cases) {
        view->Mode(c.mode);
        if (c.mode == 0)
            view->InitializeSpeechTables();
        view->ShowGraphTable(c.table);
        view->ShowPureToneAverage(c.average);
        view->ShowNotes(c.notes);
        int bottom = 0;
        for (const QWidget* shown : view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (shown->isVisible())
                bottom = std::max(bottom, shown->geometry().bottom() + 1);
        const int needed = platform::ui::twipsToPixelsY(view->HeightNeeded());
        EXPECT_NEAR(needed, bottom + 4, 2) << "mode " << c.mode << ", table " << c.table << ", average " << c.average
                                           << ", notes " << c.notes;
        EXPECT_EQ(view->findChild<QWidget*>("tblSpeechView")->isVisible(), c.mode == 1 && c.table);
        EXPECT_EQ(view->WidthNeeded(100000), 100000);
        EXPECT_GE(view->WidthNeeded(0), c.mode == 1 && c.table ? 10470 : 4000);
    }
}

}  // namespace
}  // namespace brisance
