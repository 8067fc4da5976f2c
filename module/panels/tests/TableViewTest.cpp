#include "module/panels/TableView.h"
#include "module/panels/TolvEditGrid.h"
#include "module/panels/tests/ControlImage.h"
#include "module/testing/RegisterServer.h"
#include "platform/com/Creation.h"
#include "platform/ui/TestResponder.h"
#include "platform/ui/Twips.h"
#include "vellum/IVellumDataLayer.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <locale>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace brisance {
namespace {

namespace ui = platform::ui;
using Events = std::vector<std::string>;

constexpr int kTableWidth = 12000;  // twips
constexpr int kGridWidth = 4695;
constexpr int kRowHeight = 300;

// A pure-tone table as the pure-tone view sets it up, in a shown window,
// recording its events and beeps; its points come from a Vellum curve.
struct TableWindow {
    TableWindow()
        : data(platform::com::create<vellum::IVellumDataLayer>(vellum::kVellumDataLayerClsid)),
          points(data->get_PureToneCurves()->Add(1, vellum::kEarLeft, 2)->get_Points()),
          table(new TableView(&window))
    {
        table->NoResponseText("NR");
        table->UnMeasurableText("UNM");
        table->ShowFullRange(false);
        table->ConfigureAsPureToneTable(true, true, true);
        table->LowLimit(-10);
        table->HighLimit(130);
        table->Width(kTableWidth);
        window.resize(table->width(), table->height());
        QObject::connect(table, &TableView::PointPlot,
                         [this](std::int32_t X, std::int32_t Y, std::int32_t MASKING, std::int32_t Ear,
                                std::int32_t PlotType) {
                             events.push_back("PointPlot " + std::to_string(X) + " " + std::to_string(Y) + " "
                                              + std::to_string(MASKING) + " " + std::to_string(Ear) + " "
                                              + std::to_string(PlotType));
                         });
        QObject::connect(table, &TableView::SpecifyMasking, [this](std::int32_t X, std::int32_t MASKING, std::int32_t Ear) {
            events.push_back("SpecifyMasking " + std::to_string(X) + " " + std::to_string(MASKING) + " "
                             + std::to_string(Ear));
        });
        QObject::connect(table, &TableView::DeletePoint, [this](std::int32_t Freq, std::int32_t Ear) {
            events.push_back("DeletePoint " + std::to_string(Freq) + " " + std::to_string(Ear));
        });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Writes a point into the table through the Vellum point the view would pass.
    void plot(std::int32_t ear, std::int32_t frequency, std::int16_t level, std::int16_t masking,
              std::int16_t status = vellum::kStatusMeasured)
    {
        points->Remove(frequency);
        const auto point = points->Add(frequency);
        point->put_Level(level);
        point->put_MaskingLevel(masking);
        point->put_Status(status);
        table->PureTonePlotPoint(ear, *point);
    }

    TolvEditGrid& grid(int index) const
    {
        return *table->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(index));
    }
    std::string cell(int index, int col, int row) const { return grid(index).GetCellText(col, row); }
    QLineEdit& editor(int index) const { return *grid(index).findChild<QLineEdit*>("txtEdit"); }
    QLabel& label(const char* name) const { return *table->findChild<QLabel*>(name); }

    // A real click into a drawn cell of a grid (below its header band).
    void clickCell(int index, int col, int row) const
    {
        TolvEditGrid& clicked = grid(index);
        const int colWidth = ui::pixelsToTwipsX(clicked.width()) / clicked.ColCount();
        const QPoint at(ui::twipsToPixelsX(col * colWidth + colWidth / 2),
                        ui::twipsToPixelsY((row + 1) * kRowHeight + kRowHeight / 2));
        QTest::mouseClick(clicked.findChild<QWidget*>("picGrid"), Qt::LeftButton, {}, at);
        ASSERT_TRUE(editor(index).isVisible()) << "cell " << col << ", " << row << " opens for editing";
    }

    void type(int index, const std::string& text) const
    {
        QTest::keyClicks(&editor(index), QString::fromStdString(text));
    }

    int beeps() const
    {
        int count = 0;
        for (const ui::ShownDialog& shown : responder.shown())
            count += shown.kind == ui::DialogKind::Sound && shown.text == ".Default" ? 1 : 0;
        return count;
    }

    ui::TestResponder responder;
    platform::com::ComPtr<vellum::IVellumDataLayer> data;
    platform::com::ComPtr<vellum::IVellumPureTonePoints> points;
    QWidget window;
    TableView* table;
    Events events;
};

class TableViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(testing::registerServer(VELLUM_LIBRARY_PATH)); }
};

struct Typed {
    std::string text;  // one keystroke per character
};
struct Pasted {
    std::string text;
};
using Input = std::variant<Typed, Pasted, Qt::Key>;

struct CellText {
    int grid;
    int col;
    int row;
    std::string text;
};

struct EntryCase {
    const char* what;
    std::function<void(TableWindow&)> setUp;
    int grid, col, row;  // the cell clicked for the input; grid -1 for none
    std::vector<Input> input;
    Events events;
    int beeps;
    std::vector<CellText> cells;
};

// Columns of the normal range used below: 4 is 1000 Hz, 6 is 2000 Hz.
TEST_F(TableViewTest, ShowsPointsAndAnswersEntriesAsTheViewExpects)
{
    const EntryCase cases[] = {
        {"a measured right-ear point stands in grid 1, column 6",
         [](TableWindow& t) { t.plot(2, 2000, 455, vellum::kNoValue); },
         -1, 0, 0, {}, {}, 0,
         {{1, 6, 0, "45.5"}, {1, 6, 1, ""}, {0, 6, 0, ""}}},
        {"a no-response mark keeps its level in row 2, and typing the mark plots it, rounded half to even",
         [](TableWindow& t) { t.plot(2, 2000, 455, vellum::kNoValue, vellum::kStatusNoResponse); },
         1, 6, 0, {Typed{"NR"}}, {"PointPlot 2000 46 0 2 1"}, 0,
         {{1, 6, 0, "NR"}, {1, 6, 2, "45.5"}}},
        {"the mark in small letters",
         [](TableWindow& t) { t.plot(2, 2000, 455, vellum::kNoValue, vellum::kStatusNoResponse); },
         1, 6, 0, {Typed{"nr"}}, {"PointPlot 2000 46 0 2 1"}, 0, {{1, 6, 2, "45.5"}}},
        {"the mark in mixed letters",
         [](TableWindow& t) { t.plot(2, 2000, 455, vellum::kNoValue, vellum::kStatusNoResponse); },
         1, 6, 0, {Typed{"Nr"}}, {"PointPlot 2000 46 0 2 1"}, 0, {}},
        {"a mark of another language, masked; emptied, the point goes with its masking and level",
         [](TableWindow& t) {
             t.table->NoResponseText("KR");
             t.table->UnMeasurableText("NM");
             t.plot(3, 1000, 600, 70, vellum::kStatusUnmeasurable);
         },
         0, 4, 0, {Typed{"kr"}, Qt::Key_Backspace, Qt::Key_Backspace, Typed{"nm"}},
         {"PointPlot 1000 60 70 3 4", "DeletePoint 1000 3", "PointPlot 1000 0 0 3 2"}, 0,
         {{0, 4, 0, "nm"}, {0, 4, 1, ""}, {0, 4, 2, ""}}},
        {"the beginning of a mark is kept, a text that begins none is emptied",
         nullptr, 0, 4, 0, {Typed{"n"}}, {}, 0, {{0, 4, 0, "n"}}},
        {"a text that begins no mark is emptied, and its point deleted",
         nullptr, 0, 4, 0, {Typed{"nx"}}, {"DeletePoint 1000 3"}, 0, {{0, 4, 0, ""}}},
        {"an emptied level deletes its point, and no stale masking is sent with the next level",
         [](TableWindow& t) { t.plot(2, 2000, 450, 55); },
         1, 6, 0, {Qt::Key_Backspace, Typed{"5"}}, {"DeletePoint 2000 2", "PointPlot 2000 5 0 2 0"}, 0,
         {{1, 6, 0, "5"}, {1, 6, 1, ""}}},
        {"an emptied binaural level deletes the binaural point",
         [](TableWindow& t) {
             t.table->BinauralMode(true);
             t.plot(4, 1000, 300, vellum::kNoValue);
         },
         0, 4, 0, {Qt::Key_Delete}, {"DeletePoint 1000 4"}, 0, {{0, 4, 0, ""}}},
        {"a third digit beyond the high limit beeps and goes",
         nullptr, 0, 4, 0, {Typed{"135"}},
         {"PointPlot 1000 1 0 3 0", "PointPlot 1000 13 0 3 0", "PointPlot 1000 13 0 3 0"}, 1, {{0, 4, 0, "13"}}},
        {"a masking typed under an empty level is emptied",
         nullptr, 0, 4, 1, {Typed{"40"}}, {}, 0, {{0, 4, 1, ""}}},
        {"a masking typed under a level plots the level masked",
         [](TableWindow& t) { t.plot(3, 1000, 400, vellum::kNoValue); },
         0, 4, 1, {Typed{"55"}}, {"PointPlot 1000 40 5 3 3", "PointPlot 1000 40 55 3 3"}, 0, {{0, 4, 1, "55"}}},
        {"a masking of 0 shows empty and goes out as 0",
         [](TableWindow& t) { t.plot(3, 1000, 300, 0); },
         0, 4, 0, {Typed{"35"}}, {"PointPlot 1000 3 0 3 0", "PointPlot 1000 35 0 3 0"}, 0, {{0, 4, 1, ""}}},
        {"ear 5 clears nothing",
         [](TableWindow& t) {
             t.plot(3, 1000, 300, 40);
             t.plot(2, 2000, 450, 50);
             t.table->ClearData(5);
         },
         -1, 0, 0, {}, {}, 0, {{0, 4, 0, "30"}, {0, 4, 1, "40"}, {1, 6, 0, "45"}, {1, 6, 1, "50"}}},
        {"ear 3 clears the left grid only",
         [](TableWindow& t) {
             t.plot(3, 1000, 300, 40);
             t.plot(2, 2000, 450, 50);
             t.table->ClearData(3);
         },
         -1, 0, 0, {}, {}, 0, {{0, 4, 0, ""}, {0, 4, 1, ""}, {1, 6, 0, "45"}}},
        {"a minus alone is complete: 0 dB, then the level of its digits", nullptr, 0, 4, 0, {Typed{"-"}, Typed{"5"}},
         {"PointPlot 1000 0 0 3 0", "PointPlot 1000 -5 0 3 0"}, 0, {{0, 4, 0, "-5"}}},
        {"a minus before other text plots the number it starts with", nullptr, 0, 4, 0, {Typed{"-x"}},
         {"PointPlot 1000 0 0 3 0", "PointPlot 1000 0 0 3 0"}, 0, {{0, 4, 0, "-x"}}},
        {"a level below the low limit beeps and goes back to one within",
         nullptr, 0, 4, 0, {Typed{"-20"}},
         {"PointPlot 1000 0 0 3 0", "PointPlot 1000 -2 0 3 0", "PointPlot 1000 -2 0 3 0"}, 1,
         {{0, 4, 0, "-2"}}},
        {"a pasted number too large to convert beeps until what is left fits",
         nullptr, 0, 4, 0, {Pasted{"99999999999"}}, {"PointPlot 1000 99 0 3 0"}, 9, {{0, 4, 0, "99"}}},
        {"a pasted number too large to read beeps while it is out of the limits, then \"1e\" is no number",
         nullptr, 0, 4, 0, {Pasted{"1e999"}}, {"DeletePoint 1000 3"}, 3, {{0, 4, 0, ""}}},
        {"the binaural grid sends ear 4",
         [](TableWindow& t) { t.table->BinauralMode(true); },
         0, 4, 0, {Typed{"25"}}, {"PointPlot 1000 2 0 4 0", "PointPlot 1000 25 0 4 0"}, 0, {}},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        TableWindow t;
        if (c.setUp)
            c.setUp(t);
        if (c.grid >= 0) {
            ASSERT_NO_FATAL_FAILURE(t.clickCell(c.grid, c.col, c.row));
        }
        for (const Input& input : c.input) {
            QLineEdit& editor = t.editor(c.grid);
            if (const auto* typed = std::get_if<Typed>(&input)) {
                t.type(c.grid, typed->text);
            } else if (const auto* pasted = std::get_if<Pasted>(&input)) {
                QApplication::clipboard()->setText(QString::fromStdString(pasted->text));
                QTest::keySequence(&editor, QKeySequence::Paste);
            } else {
                QTest::keyClick(&editor, std::get<Qt::Key>(input));
            }
        }
        EXPECT_EQ(t.events, c.events);
        EXPECT_EQ(t.beeps(), c.beeps);
        for (const CellText& expected : c.cells)
            EXPECT_EQ(t.cell(expected.grid, expected.col, expected.row), expected.text)
                << "grid " << expected.grid << ", column " << expected.col << ", row " << expected.row;
        if (c.grid >= 0) {
            EXPECT_EQ(t.editor(c.grid).text().toStdString(), t.cell(c.grid, c.col, c.row))
                << "the editor shows the cell";
        }
    }
}

TEST_F(TableViewTest, APointAtAFrequencyWithoutAColumnIsNotShown)
{
    TableWindow t;
    t.plot(3, 1250, 400, 50);
    for (int col = 0; col < 11; ++col)
        for (int row = 0; row <= 2; ++row)
            EXPECT_EQ(t.cell(0, col, row), "") << "column " << col << ", row " << row;
}

TEST_F(TableViewTest, DeletingAPointEmptiesItsWholeColumnSoNoStaleMaskingIsSent)
{
    TableWindow t;
    t.plot(3, 1000, 455, 60, vellum::kStatusNoResponse);
    t.plot(3, 2000, 300, 40);
    t.table->PureToneDeletePoint(3, 1000);
    t.table->PureToneDeletePoint(3, 1250);  // no column: nothing else goes
    EXPECT_EQ(t.cell(0, 4, 0), "");
    EXPECT_EQ(t.cell(0, 4, 1), "");
    EXPECT_EQ(t.cell(0, 4, 2), "");
    EXPECT_EQ(t.cell(0, 6, 0), "30");
    EXPECT_EQ(t.cell(0, 6, 1), "40");

    ASSERT_NO_FATAL_FAILURE(t.clickCell(0, 4, 0));
    t.type(0, "50");
    EXPECT_EQ(t.events, (Events{"PointPlot 1000 5 0 3 0", "PointPlot 1000 50 0 3 0"}));
}

TEST_F(TableViewTest, ATableWithoutALevelRowSpecifiesMasking)
{
    TableWindow t;
    t.table->ConfigureAsPureToneTable(false, true, false);
    t.plot(2, 1000, 400, 45);
    EXPECT_EQ(t.cell(1, 4, 0), "45") << "the masking row is row 0";
    ASSERT_NO_FATAL_FAILURE(t.clickCell(1, 6, 0));
    t.type(1, "45x");
    EXPECT_EQ(t.events, (Events{"SpecifyMasking 2000 4 2", "SpecifyMasking 2000 45 2"}));
    EXPECT_EQ(t.cell(1, 6, 0), "") << "a text that is no number is emptied";
    t.type(1, "140");
    EXPECT_EQ(t.events.back(), "SpecifyMasking 2000 14 2");
    EXPECT_EQ(t.beeps(), 1);
}

TEST_F(TableViewTest, ConfigurationSizesTheTableToItsRows)
{
    const struct {
        bool level, masking, conditions;
        int gridHeight;  // twips; 0 hides the grids
        int tableHeight;
    } cases[] = {
        // grid top 180, header and rows of 300, 100 to the conditions label of 255 and 100 below it
        {true, true, true, 900, 180 + 900 + 100 + 255 + 100},
        {true, false, false, 600, 180 + 600 + 100 + 255 + 100},
        {false, true, true, 600, 180 + 600 + 100 + 255 + 100},
        {false, false, true, 0, 180 + 100 + 255 + 100},
    };
    TableWindow t;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "level " << c.level << ", masking " << c.masking);
        t.table->ConfigureAsPureToneTable(c.level, c.masking, c.conditions);
        for (int index = 0; index < 2; ++index) {
            EXPECT_EQ(t.grid(index).height(), ui::twipsToPixelsY(c.gridHeight));
            EXPECT_EQ(t.grid(index).isVisible(), c.gridHeight > 0);
            EXPECT_EQ(t.grid(index).RowCount(), (c.level ? 1 : 0) + (c.masking ? 1 : 0));
        }
        EXPECT_EQ(t.table->height(), ui::twipsToPixelsY(c.tableHeight));
        EXPECT_EQ(t.label("lblRowLabel1").isVisible(), c.level);
        EXPECT_EQ(t.label("lblRowLabel2").isVisible(), c.masking);
        EXPECT_EQ(t.label("lblTestConditions").isVisible(), c.conditions);
        EXPECT_EQ(t.label("lblTestConditions").y(), ui::twipsToPixelsY(180 + c.gridHeight + 100));
    }
    EXPECT_EQ(t.label("lblRowLabel2").y(), ui::twipsToPixelsY(180 + 300)) << "alone, the masking row is the first";
}

TEST_F(TableViewTest, TheFullRangeAddsTwelveAndSixteenKilohertz)
{
    TableWindow t;
    EXPECT_EQ(t.grid(0).ColCount(), 11);
    t.plot(3, 16000, 500, 0);
    EXPECT_EQ(t.cell(0, 12, 0), "") << "the normal range ends at 8 kHz";

    t.table->ShowFullRange(true);
    t.table->ConfigureAsPureToneTable(true, true, true);
    EXPECT_EQ(t.grid(0).ColCount(), 13);
    EXPECT_EQ(t.grid(1).ColCount(), 13);
    t.plot(3, 12000, 500, 0);
    t.plot(3, 16000, 550, 0);
    EXPECT_EQ(t.cell(0, 11, 0), "50");
    EXPECT_EQ(t.cell(0, 12, 0), "55");
    ASSERT_NO_FATAL_FAILURE(t.clickCell(0, 12, 0));
    t.type(0, "7");
    EXPECT_EQ(t.events, Events{"PointPlot 16000 7 0 3 0"});
}

TEST_F(TableViewTest, RightEarOnLeftSwapsTheGridsOfTheEars)
{
    TableWindow t;
    t.plot(3, 1000, 300, 0);
    t.table->RightEarOnLeft(true);
    EXPECT_EQ(t.cell(0, 4, 0), "30") << "cells already shown stay";
    t.plot(2, 2000, 350, 0);
    t.plot(3, 500, 200, 0);
    EXPECT_EQ(t.cell(0, 6, 0), "35");
    EXPECT_EQ(t.cell(1, 2, 0), "20");
    t.table->ClearData(2);
    EXPECT_EQ(t.cell(0, 6, 0), "");
    EXPECT_EQ(t.cell(1, 2, 0), "20");

    ASSERT_NO_FATAL_FAILURE(t.clickCell(0, 4, 0));
    t.type(0, "5");
    ASSERT_NO_FATAL_FAILURE(t.clickCell(1, 4, 0));
    t.type(1, "6");
    EXPECT_EQ(t.events, (Events{"PointPlot 1000 5 0 2 0", "PointPlot 1000 6 0 3 0"}));
}

TEST_F(TableViewTest, NumbersUseAPointWhateverTheLocale)
{
    // A German locale writes and reads "42,5"; the table keeps "42.5" both ways.
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TableWindow t;
    t.plot(3, 1000, 425, 0);
    EXPECT_EQ(t.cell(0, 4, 0), "42.5");
    ASSERT_NO_FATAL_FAILURE(t.clickCell(0, 6, 0));
    t.type(0, "42.5");
    EXPECT_EQ(t.events, (Events{"PointPlot 2000 4 0 3 0", "PointPlot 2000 42 0 3 0", "PointPlot 2000 42 0 3 0",
                                "PointPlot 2000 42 0 3 0"}));

    QLocale::setDefault(QLocale::c());
    std::locale::global(previous);
}

TEST_F(TableViewTest, LaysTheGridsOutAroundTheRowLabels)
{
    TableWindow t;
    t.table->RowCaption(1, "dB HL");
    t.table->RowCaption(2, "Masking level");
    QLabel& level = t.label("lblRowLabel1");
    QLabel& masking = t.label("lblRowLabel2");
    const int w = ui::pixelsToTwipsX(std::max(level.width(), masking.width()));
    ASSERT_GT(w, 0);

    // Two grids with the labels centred in the gap between them.
    const int gridWidth = ui::pixelsToTwipsX(t.grid(0).width());
    ASSERT_GE(gridWidth, kGridWidth) << "the design width, or wider for the column texts";
    const int x = static_cast<int>(std::lround((kTableWidth - 2 * gridWidth - w - 200) / 2.0));
    EXPECT_NEAR(t.grid(0).x(), ui::twipsToPixelsX(x), 1);
    EXPECT_NEAR(t.grid(1).x(), ui::twipsToPixelsX(gridWidth + x + w + 200), 1);
    const int gapMiddle = (t.grid(0).geometry().right() + t.grid(1).x()) / 2;
    EXPECT_NEAR(level.geometry().center().x(), gapMiddle, 2);
    EXPECT_NEAR(masking.geometry().center().x(), gapMiddle, 2);
    EXPECT_EQ(t.grid(1).y(), t.grid(0).y());
    const QLabel& conditions = t.label("lblTestConditions");
    EXPECT_EQ(conditions.geometry(), QRect(ui::twipsToPixelsX(30), conditions.y(), ui::twipsToPixelsX(kTableWidth - 60),
                                           ui::twipsToPixelsY(255)));

    // One grid with the labels on its left.
    t.table->BinauralMode(true);
    const int binauralX = static_cast<int>(std::lround((kTableWidth - gridWidth - w - 200) / 2.0));
    EXPECT_FALSE(t.grid(1).isVisible());
    EXPECT_NEAR(level.x(), ui::twipsToPixelsX(binauralX), 1);
    EXPECT_EQ(masking.x(), level.x());
    EXPECT_NEAR(t.grid(0).x(), ui::twipsToPixelsX(binauralX + 200 + w), 1);
}

// The grids stand right under the frame line; the table names its rows, not
// its ears (the charts above name those).
TEST_F(TableViewTest, TheGridsStandUnderTheFrameLineWithNoCaptionsOverThem)
{
    TableWindow t;
    for (int index = 0; index < 2; ++index)
        EXPECT_EQ(t.grid(index).y(), ui::twipsToPixelsY(180)) << "grid " << index;
    std::vector<std::string> labels;
    for (const QLabel* shown : t.table->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        labels.push_back(shown->objectName().toStdString());
    std::ranges::sort(labels);
    EXPECT_EQ(labels, (std::vector<std::string>{"lblCaption", "lblRowLabel0", "lblRowLabel1", "lblRowLabel2",
                                                "lblTestConditions"}));
}

TEST_F(TableViewTest, EachGridHasItsRowsWholeAndItsColumnTextsInside)
{
    TableWindow t;
    for (const bool full : {false, true}) {
        t.table->ShowFullRange(full);
        t.table->ConfigureAsPureToneTable(true, true, true);
        TolvEditGrid& grid = t.grid(0);
        const QFontMetrics metrics(grid.font());
        const int columnPixels = grid.width() / grid.ColCount();
        for (const char* header : {"1.5K", "12K", "16K", "125"})
            EXPECT_GE(columnPixels, metrics.horizontalAdvance(header) + 4) << header << ", full range " << full;
        // The grid closes with a line under its last row, inside its height.
        const QImage image = testing::grabControl(grid);
        int dark = 0;
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, image.height() - 1)) < 100 ? 1 : 0;
        EXPECT_GT(dark, image.width() * 9 / 10) << "full range " << full << ": the masking row is closed";
    }
}

}  // namespace
}  // namespace brisance
