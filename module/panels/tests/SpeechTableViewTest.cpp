#include "module/panels/SpeechTableView.h"
#include "module/panels/TolvEditGrid.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace ui = platform::ui;
using platform::runtime::Variant;
using Events = std::vector<std::string>;
using Row = std::vector<std::string>;  // a grid row's cells from column 0

constexpr int kGridWidth = 4455;  // twips
constexpr int kRowHeight = 300;
constexpr int kLeft = 3;
constexpr int kRight = 2;
constexpr int kBinaural = 4;

// A speech results table as the speech view sets it up (left ear in grid 0),
// in a shown window, recording its PointPlot events.
class SpeechTableViewTest : public ::testing::Test {
protected:
    SpeechTableViewTest() : table(new SpeechTableView(&window))
    {
        table->RightEarOnLeft(false);
        table->RowCaption(0, "dB Level");
        table->RowCaption(1, "%");
        table->MaskCaption("Masking");
        table->NoiseCaption("Noise");
        window.resize(table->size());
        QObject::connect(table, &SpeechTableView::PointPlot,
                         [this](std::int32_t Ear, std::int32_t dB, std::int32_t SCORE, std::int32_t Value) {
                             events.push_back("PointPlot " + std::to_string(Ear) + " " + std::to_string(dB) + " "
                                              + std::to_string(SCORE) + " " + std::to_string(Value));
                         });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TolvEditGrid& grid(int index) const
    {
        return *table->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(index));
    }
    QLineEdit& editor(int index) const { return *grid(index).findChild<QLineEdit*>("txtEdit"); }
    QLabel& rowLabel(int row) const { return *table->findChild<QLabel*>(QStringLiteral("lblRowLabel%1").arg(row)); }

    // The first cells of a grid row, as many as expected.
    Row cells(int index, int row, std::size_t count) const
    {
        Row texts;
        for (std::size_t col = 0; col < count; ++col)
            texts.push_back(grid(index).GetCellText(static_cast<std::int32_t>(col), row));
        return texts;
    }

    // A real click into a cell; true when it opened the cell's editor.
    bool clickCell(int index, int col, int row) const
    {
        const int colWidth = kGridWidth / 12;
        const QPoint at(ui::twipsToPixelsX(col * colWidth + colWidth / 2),
                        ui::twipsToPixelsY(row * kRowHeight + kRowHeight / 2));
        editor(index).hide();
        QTest::mouseClick(grid(index).findChild<QWidget*>("picGrid"), Qt::LeftButton, {}, at);
        return editor(index).isVisible();
    }

    void paste(int index, const std::string& text) const
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QTest::keySequence(&editor(index), QKeySequence::Paste);
    }

    QWidget window;
    SpeechTableView* table;
    Events events;
};

TEST_F(SpeechTableViewTest, LevelsStandInAscendingColumnsAndALevelPlottedAgainChangesItsColumnOnly)
{
    table->PlotPoint(kLeft, 50, 90, Variant(40));
    table->PlotPoint(kLeft, 30, 70, Variant(20));
    table->PlotPoint(kLeft, 40, 80, Variant(30));
    EXPECT_EQ(cells(0, 0, 4), (Row{"30", "40", "50", ""}));
    EXPECT_EQ(cells(0, 1, 4), (Row{"70", "80", "90", ""}));
    EXPECT_EQ(cells(0, 2, 4), (Row{"20", "30", "40", ""}));

    table->PlotPoint(kLeft, 40, 85, Variant(35));
    EXPECT_EQ(cells(0, 0, 4), (Row{"30", "40", "50", ""}));
    EXPECT_EQ(cells(0, 1, 4), (Row{"70", "85", "90", ""}));
    EXPECT_EQ(cells(0, 2, 4), (Row{"20", "35", "40", ""}));
    EXPECT_EQ(cells(1, 0, 1), Row{""}) << "the right ear's grid stays empty";

    table->DeletePoint(kLeft, 40);
    EXPECT_EQ(cells(0, 0, 3), (Row{"30", "50", ""}));
    EXPECT_EQ(cells(0, 1, 3), (Row{"70", "90", ""}));
    EXPECT_EQ(cells(0, 2, 3), (Row{"20", "40", ""}));
    table->DeletePoint(kLeft, 45);
    EXPECT_EQ(cells(0, 0, 3), (Row{"30", "50", ""})) << "a level not listed";

    table->PlotPoint(7, 60, 60, Variant(10));
    table->Clear(kRight);
    EXPECT_EQ(cells(0, 0, 3), (Row{"30", "50", ""})) << "another ear's list";
    table->Clear(kLeft);
    EXPECT_EQ(cells(0, 0, 2), (Row{"", ""}));
}

TEST_F(SpeechTableViewTest, NoScoreAndNoMaskingShowEmptyCellsEvenWhenALevelIsUpdated)
{
    const struct {
        const char* what;
        std::function<void(SpeechTableView&)> plot;
        Row scores;
        Row maskings;
    } cases[] = {
        {"the data object's no masking", [](SpeechTableView& t) { t.PlotPoint(kLeft, 30, 70, Variant(-3276)); },
         {"70"}, {""}},
        {"the table's own no masking", [](SpeechTableView& t) { t.PlotPoint(kLeft, 30, 70, Variant(-32767)); },
         {"70"}, {""}},
        {"no Value given shows 0", [](SpeechTableView& t) { t.PlotPoint(kLeft, 30, 70); }, {"70"}, {"0"}},
        {"no score", [](SpeechTableView& t) { t.PlotPoint(kLeft, 30, -32767, Variant(25)); }, {""}, {"25"}},
        {"an update to no masking",
         [](SpeechTableView& t) {
             t.PlotPoint(kLeft, 30, 70, Variant(25));
             t.PlotPoint(kLeft, 40, 80, Variant(35));
             t.PlotPoint(kLeft, 30, -32767, Variant(-3276));
         },
         {"", "80"}, {"", "35"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        table->Clear(kLeft);
        c.plot(*table);
        EXPECT_EQ(cells(0, 1, c.scores.size()), c.scores);
        EXPECT_EQ(cells(0, 2, c.maskings.size()), c.maskings);
    }
}

TEST_F(SpeechTableViewTest, AListKeeps13LevelsTwelveWithColumnsAndRefusesAFourteenth)
{
    for (int level = 10; level <= 140; level += 10)
        table->PlotPoint(kRight, level, level, Variant(5));
    Row firstTwelve;
    for (int level = 10; level <= 120; level += 10)
        firstTwelve.push_back(std::to_string(level));
    EXPECT_EQ(cells(1, 0, 12), firstTwelve);

    // With two levels taken out, the 13th shows in column 10 and no 14th follows it.
    table->DeletePoint(kRight, 10);
    table->DeletePoint(kRight, 20);
    Row afterDelete(firstTwelve.begin() + 2, firstTwelve.end());
    afterDelete.push_back("130");
    afterDelete.push_back("");
    EXPECT_EQ(cells(1, 0, 12), afterDelete);
}

TEST_F(SpeechTableViewTest, OnlyTheMaskingCellOfAListedLevelOpensForEditing)
{
    table->PlotPoint(kLeft, 30, 70, Variant(20));
    table->PlotPoint(kRight, 40, 80, Variant(20));
    table->PlotPoint(kRight, 50, 90, Variant(20));
    EXPECT_FALSE(clickCell(0, 1, 2)) << "an empty column";
    EXPECT_FALSE(clickCell(0, 0, 0)) << "the level row";
    EXPECT_FALSE(clickCell(0, 0, 1)) << "the score row";
    EXPECT_TRUE(clickCell(0, 0, 2));
    EXPECT_TRUE(clickCell(1, 1, 2)) << "the right ear's own count";
    EXPECT_FALSE(clickCell(1, 2, 2));
    EXPECT_TRUE(events.empty());
}

TEST_F(SpeechTableViewTest, TypingOrEmptyingAMaskingCellReportsTheLevelsEntry)
{
    table->PlotPoint(kLeft, 30, 70, Variant(20));
    table->PlotPoint(kLeft, 40, 80, Variant(-3276));
    ASSERT_TRUE(clickCell(0, 1, 2));
    QTest::keyClicks(&editor(0), "40");
    QTest::keyClick(&editor(0), Qt::Key_Backspace);
    QTest::keyClick(&editor(0), Qt::Key_Backspace);
    EXPECT_EQ(events, (Events{"PointPlot 3 40 80 4", "PointPlot 3 40 80 40", "PointPlot 3 40 80 4",
                              "PointPlot 3 40 80 -32767"}));
}

TEST_F(SpeechTableViewTest, AMaskingOutsideTheRangeOfALevelEmptiesTheCellWithoutAnEvent)
{
    table->PlotPoint(kLeft, 30, 70, Variant(20));
    for (const char* text : {"40000", "-40000", "1e999", "99999999999", "32768", "-32768"}) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(clickCell(0, 0, 2));
        paste(0, text);
        EXPECT_EQ(grid(0).GetCellText(0, 2), "");
        EXPECT_EQ(editor(0).text().toStdString(), "");
        EXPECT_TRUE(events.empty());
    }
    paste(0, "32767");
    EXPECT_EQ(events, Events{"PointPlot 3 30 70 32767"});
}

TEST_F(SpeechTableViewTest, AHostThatRefillsTheEarDuringPointPlotKeepsTheTypedText)
{
    table->PlotPoint(kLeft, 30, 70, Variant(20));
    QObject::connect(table, &SpeechTableView::PointPlot,
                     [this](std::int32_t Ear, std::int32_t dB, std::int32_t SCORE, std::int32_t Value) {
                         table->Clear(Ear);
                         table->PlotPoint(Ear, dB, SCORE, Variant(Value));
                     });
    ASSERT_TRUE(clickCell(0, 0, 2));
    QTest::keyClicks(&editor(0), "45");
    EXPECT_EQ(editor(0).text().toStdString(), "45");
    EXPECT_EQ(events, (Events{"PointPlot 3 30 70 4", "PointPlot 3 30 70 45"}));
}

TEST_F(SpeechTableViewTest, RightEarOnLeftChoosesTheGridOfEachEar)
{
    const struct {
        const char* what;
        std::function<void(SpeechTableView&)> setUp;
        Row grid0;  // levels of the right, then the left ear's first column
        Row grid1;
    } cases[] = {
        {"left ear on the left", [](SpeechTableView& t) { t.RightEarOnLeft(false); }, {"", "30"}, {"50", ""}},
        {"right ear on the left", [](SpeechTableView& t) { t.RightEarOnLeft(true); }, {"50", ""}, {"", "30"}},
        {"before the first let every ear shows in grid 0", [](SpeechTableView&) {}, {"50", "30"}, {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SpeechTableView fresh;
        c.setUp(fresh);
        const auto firstLevel = [&](int index) {
            return fresh.findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(index))->GetCellText(0, 0);
        };
        Row grid0, grid1;
        for (const std::int32_t ear : {kRight, kLeft}) {
            fresh.PlotPoint(ear, ear == kRight ? 50 : 30, 80, Variant(10));
            grid0.push_back(firstLevel(0));
            grid1.push_back(firstLevel(1));
            fresh.Clear(ear);
        }
        EXPECT_EQ(grid0, c.grid0);
        EXPECT_EQ(grid1, c.grid1);
    }
}

TEST_F(SpeechTableViewTest, BinauralModeShowsOneGridWhoseMaskingRowOnlyATestInNoiseMayEdit)
{
    table->PlotPoint(kBinaural, 50, 90, Variant(30));
    table->BinauralMode(true);
    EXPECT_FALSE(grid(1).isVisibleTo(table));
    EXPECT_EQ(cells(0, 0, 1), Row{"50"});
    EXPECT_FALSE(clickCell(0, 0, 2)) << "binaural results take no masking";

    table->blnNoiseTest(true);
    ASSERT_TRUE(clickCell(0, 0, 2)) << "but a test in noise keeps its noise level";
    QTest::keyClicks(&editor(0), "7");
    EXPECT_EQ(events, Events{"PointPlot 4 50 90 7"});
    EXPECT_FALSE(clickCell(0, 1, 2)) << "beyond the binaural levels";

    table->BinauralMode(false);
    EXPECT_TRUE(grid(1).isVisibleTo(table));
    table->blnNoiseTest(false);
    EXPECT_FALSE(clickCell(0, 0, 2)) << "grid 0 holds the left ear again, which has no level";
}

TEST_F(SpeechTableViewTest, RowTwoIsNamedForTheKindOfTest)
{
    EXPECT_EQ(rowLabel(2).text().toStdString(), "Masking");
    table->blnNoiseTest(true);
    EXPECT_EQ(rowLabel(2).text().toStdString(), "Noise");
    table->MaskCaption("Other");
    EXPECT_EQ(rowLabel(2).text().toStdString(), "Noise") << "the mask caption is not the shown one";
    table->blnNoiseTest(false);
    EXPECT_EQ(rowLabel(2).text().toStdString(), "Other");
    EXPECT_THROW(table->RowCaption(3, "x"), platform::runtime::RuntimeError);
}

TEST_F(SpeechTableViewTest, TheGridsAndRowLabelsAreCentredInTheTable)
{
    table->RowCaption(2, "A long masking caption");
    table->Width(12000);
    const auto left = [](const QWidget& w) { return ui::pixelsToTwipsX(w.x()); };
    const auto width = [](const QWidget& w) { return ui::pixelsToTwipsX(w.width()); };
    const int labels = width(rowLabel(2));
    ASSERT_GT(labels, width(rowLabel(0)));

    const int x = (12000 - 2 * kGridWidth - labels - 200) / 2;
    EXPECT_NEAR(left(grid(0)), x, 15);
    EXPECT_NEAR(left(grid(1)), x + kGridWidth + labels + 200, 15);
    const int gapLeft = left(grid(0)) + kGridWidth;
    for (int row = 0; row < 3; ++row) {
        const int gap = left(grid(1)) - gapLeft;
        EXPECT_NEAR(left(rowLabel(row)), gapLeft + (gap - width(rowLabel(row))) / 2, 15) << "row label " << row;
    }
    const QLabel& conditions = *table->findChild<QLabel*>("lblTestConditions");
    EXPECT_EQ(left(conditions), 30);
    EXPECT_EQ(width(conditions), 12000 - 60);

    table->BinauralMode(true);
    const int single = (12000 - kGridWidth - labels - 200) / 2;
    for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(left(rowLabel(row)), single, 15) << "row label " << row;
    EXPECT_NEAR(left(grid(0)), single + 200 + labels, 15);
}

}  // namespace
}  // namespace brisance
