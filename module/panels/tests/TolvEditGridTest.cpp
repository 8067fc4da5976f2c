#include "module/panels/TolvEditGrid.h"
#include "module/panels/tests/ControlImage.h"
#include "platform/runtime/RuntimeError.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using testing::grabControl;
using testing::pixelAt;

// A grid of 4 columns of 75 pixels and 3 drawn rows of 20 pixels in a shown
// window, every cell editable, recording what it raises.
struct GridWindow {
    GridWindow() : grid(new TolvEditGrid(&window))
    {
        window.resize(300, 100);
        grid->setGeometry(0, 0, 300, 100);
        grid->ColCount(4);
        grid->RowCount(3);
        QObject::connect(grid, &TolvEditGrid::BeforeCellEdit, [this](std::int32_t Col, std::int32_t Row, bool& Cancel) {
            raised.push_back("BeforeCellEdit " + std::to_string(Col) + " " + std::to_string(Row));
            Cancel = cancelEdits;
        });
        QObject::connect(grid, &TolvEditGrid::TextChange,
                         [this](std::int32_t Col, std::int32_t Row, const std::string& Text) {
                             raised.push_back("TextChange " + std::to_string(Col) + " " + std::to_string(Row) + " "
                                              + Text + " (stored " + grid->GetCellText(Col, Row) + ")");
                         });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget* picGrid() const { return grid->findChild<QWidget*>("picGrid"); }
    QLineEdit* txtEdit() const { return grid->findChild<QLineEdit*>("txtEdit"); }

    void click(QPoint at) { QTest::mouseClick(picGrid(), Qt::LeftButton, {}, at); }
    void clickCell(int col, int row) { click(QPoint(col * 75 + 37, row * 20 + 10)); }

    // The cell under the shown editor, found from where the editor stands.
    std::optional<std::pair<int, int>> editedCell() const
    {
        if (!txtEdit()->isVisible())
            return std::nullopt;
        const QRect at = txtEdit()->geometry();
        return std::pair{(at.x() - 1) / 75, (at.y() - 1 - headerPixels) / 20};
    }

    QWidget window;
    TolvEditGrid* grid;
    std::vector<std::string> raised;
    bool cancelEdits = false;
    int headerPixels = 0;
};

class TolvEditGridTest : public ::testing::Test, public GridWindow {};

using Events = std::vector<std::string>;
using Cell = std::optional<std::pair<int, int>>;

struct EditCase {
    const char* what;
    std::function<void(TolvEditGrid&)> setUp;
    std::vector<std::variant<QPoint, Qt::Key>> input;  // clicks in picGrid, keys in the editor
    Cell edited;
    Events events;
};

TEST_F(TolvEditGridTest, ClicksAndArrowsOpenTheEditorOnlyOnDrawnEditableCells)
{
    const auto nothing = [](TolvEditGrid&) {};
    const auto at = [](int col, int row) { return QPoint(col * 75 + 37, row * 20 + 10); };
    const EditCase cases[] = {
        {"an editable cell", nothing, {at(1, 0)}, Cell{{1, 0}}, {"BeforeCellEdit 1 0"}},
        {"a row not editable", [](TolvEditGrid& g) { g.AllowRowEdit(0, false); }, {at(1, 0)}, std::nullopt, {}},
        {"a column not editable", [](TolvEditGrid& g) { g.AllowColEdit(1, false); }, {at(1, 0)}, std::nullopt, {}},
        {"a boundary belongs to the cell right of and below it", nothing, {QPoint(75, 20)}, Cell{{1, 1}},
         {"BeforeCellEdit 1 1"}},
        {"the last column takes the width's remainder", nothing, {QPoint(299, 5)}, Cell{{3, 0}}, {"BeforeCellEdit 3 0"}},
        {"below the drawn rows", nothing, {QPoint(10, 65), QPoint(10, 95)}, std::nullopt, {}},
        {"the header band", [](TolvEditGrid& g) { g.ShowColumnHeaders(true); }, {QPoint(10, 10)}, std::nullopt, {}},
        {"the first row under the header band", [](TolvEditGrid& g) { g.ShowColumnHeaders(true); }, {QPoint(10, 30)},
         Cell{{0, 0}}, {"BeforeCellEdit 0 0"}},
        {"Down and Right step on", nothing, {at(0, 0), Qt::Key_Down, Qt::Key_Right}, Cell{{1, 1}},
         {"BeforeCellEdit 0 0", "BeforeCellEdit 0 1", "BeforeCellEdit 1 1"}},
        {"Up and Left stop at the first cell", nothing, {at(0, 0), Qt::Key_Up, Qt::Key_Left}, Cell{{0, 0}},
         {"BeforeCellEdit 0 0"}},
        {"Right stops at the last column, no wrap", nothing, {at(3, 0), Qt::Key_Right}, Cell{{3, 0}},
         {"BeforeCellEdit 3 0"}},
        {"Down stops at the last drawn row", nothing, {at(2, 2), Qt::Key_Down}, Cell{{2, 2}}, {"BeforeCellEdit 2 2"}},
        {"an arrow onto a cell not editable", [](TolvEditGrid& g) { g.AllowRowEdit(1, false); },
         {at(0, 0), Qt::Key_Down}, Cell{{0, 0}}, {"BeforeCellEdit 0 0"}},
        {"Tab and Shift+Tab are swallowed: the edit stays in its cell", nothing,
         {at(2, 0), Qt::Key_Tab, Qt::Key_Backtab}, Cell{{2, 0}}, {"BeforeCellEdit 2 0"}},
        {"Return is the editor's: the edit stays open", nothing, {at(1, 1), Qt::Key_Return, Qt::Key_Enter},
         Cell{{1, 1}}, {"BeforeCellEdit 1 1"}},
        {"a count let makes every row and column editable again",
         [](TolvEditGrid& g) {
             g.AllowRowEdit(0, false);
             g.AllowColEdit(1, false);
             g.RowCount(3);
             g.ColCount(4);
         },
         {at(1, 0)}, Cell{{1, 0}}, {"BeforeCellEdit 1 0"}},
    };
    for (const EditCase& c : cases) {
        GridWindow fixture;
        c.setUp(*fixture.grid);
        fixture.headerPixels = fixture.grid->ShowColumnHeaders() ? 20 : 0;
        for (const auto& step : c.input) {
            if (const QPoint* point = std::get_if<QPoint>(&step))
                fixture.click(*point);
            else
                QTest::keyClick(fixture.txtEdit(), std::get<Qt::Key>(step));
        }
        EXPECT_EQ(fixture.editedCell(), c.edited) << c.what;
        EXPECT_EQ(fixture.raised, c.events) << c.what;
    }
}

TEST_F(TolvEditGridTest, EditorSitsOnePixelInsideTheCellWithItsTextSelectedAndFocused)
{
    grid->SetCellText(1, 0, "30");
    clickCell(1, 0);
    EXPECT_EQ(txtEdit()->geometry(), QRect(76, 1, 74, 19));
    EXPECT_EQ(txtEdit()->text(), "30");
    EXPECT_EQ(txtEdit()->selectedText(), "30");
    EXPECT_TRUE(txtEdit()->hasFocus());
    EXPECT_EQ(raised, Events{"BeforeCellEdit 1 0"}) << "filling the editor raised TextChange";
}

TEST_F(TolvEditGridTest, EveryKeystrokeStoresThenRaisesTextChange)
{
    // A control that Tab could move the focus on to.
    QLineEdit other(&window);
    other.setGeometry(0, 80, 50, 20);
    other.show();
    grid->SetCellText(1, 0, "30");
    clickCell(1, 0);
    QTest::keyClicks(txtEdit(), "45");
    QTest::keyClick(txtEdit(), Qt::Key_Backspace);
    QTest::keyClick(txtEdit(), Qt::Key_Tab);
    QTest::keyClick(txtEdit(), Qt::Key_Backtab);
    EXPECT_EQ(raised, (Events{"BeforeCellEdit 1 0", "TextChange 1 0 4 (stored 4)", "TextChange 1 0 45 (stored 45)",
                              "TextChange 1 0 4 (stored 4)"}));
    EXPECT_EQ(grid->GetCellText(1, 0), "4") << "a Tab became cell text";
    EXPECT_TRUE(txtEdit()->hasFocus()) << "a Tab took the focus out of the edit";
}

TEST_F(TolvEditGridTest, CancelledEditLeavesTheGridExactlyAsItWas)
{
    grid->SetCellText(1, 1, "20");
    cancelEdits = true;
    QImage before = grabControl(window);
    clickCell(1, 1);
    EXPECT_EQ(grabControl(window), before);
    EXPECT_FALSE(txtEdit()->isVisible());

    // An arrow from an open editor, cancelled: the editor stays with its cell and text.
    cancelEdits = false;
    clickCell(0, 0);
    QTest::keyClicks(txtEdit(), "5");
    cancelEdits = true;
    before = grabControl(window);
    raised.clear();
    QTest::keyClick(txtEdit(), Qt::Key_Down);
    EXPECT_EQ(raised, Events{"BeforeCellEdit 0 1"});
    EXPECT_EQ(grabControl(window), before);
    EXPECT_EQ(editedCell(), (Cell{{0, 0}}));
    EXPECT_EQ(txtEdit()->text(), "5");
    EXPECT_EQ(grid->GetCellText(0, 1), "");
    EXPECT_EQ(grid->GetCellText(1, 1), "20");
}

TEST_F(TolvEditGridTest, CellTextsAreKeptForTheRowsAndColumnsOfTheGrid)
{
    grid->SetCellText(0, 0, "10");
    grid->SetCellText(0, 0, "15");  // written twice: the last text
    grid->SetCellText(3, 3, "hidden row");  // row RowCount is kept, not drawn
    grid->SetCellText(4, 0, "past the columns");
    grid->SetCellText(0, 4, "past the rows");
    grid->SetCellText(-1, 0, "before the columns");
    EXPECT_EQ(grid->GetCellText(0, 0), "15");
    EXPECT_EQ(grid->GetCellText(3, 3), "hidden row");
    EXPECT_EQ(grid->GetCellText(4, 0), "");
    EXPECT_EQ(grid->GetCellText(0, 4), "");
    EXPECT_EQ(grid->GetCellText(-1, 0), "");
    EXPECT_EQ(grid->GetCellText(2, 1), "") << "a cell never written";

    EXPECT_THROW(grid->AllowRowEdit(4, true), platform::runtime::RuntimeError);
    EXPECT_THROW(grid->AllowColEdit(4, true), platform::runtime::RuntimeError);
    EXPECT_THROW(grid->ColCount(0), platform::runtime::RuntimeError);
    EXPECT_EQ(grid->ColCount(), 4);
    grid->AllowRowEdit(3, false);  // row RowCount has a flag too
}

TEST_F(TolvEditGridTest, SetCellTextOnTheEditedCellShowsItWithTheCaretAtTheEnd)
{
    clickCell(2, 1);
    raised.clear();
    grid->SetCellText(2, 1, "NR");
    EXPECT_EQ(txtEdit()->text(), "NR");
    EXPECT_EQ(txtEdit()->cursorPosition(), 2);
    EXPECT_FALSE(txtEdit()->hasSelectedText());
    EXPECT_TRUE(raised.empty()) << "the host's own text came back to it as an edit";
}

TEST_F(TolvEditGridTest, ClearDataDropsTextsButKeepsTheEditFlags)
{
    grid->SetCellText(1, 0, "25");
    grid->AllowColEdit(2, false);
    clickCell(1, 0);
    raised.clear();
    grid->ClearData();
    EXPECT_EQ(grid->GetCellText(1, 0), "");
    EXPECT_EQ(txtEdit()->text(), "") << "the editor still shows a cleared text";
    EXPECT_TRUE(raised.empty());
    clickCell(2, 0);
    EXPECT_TRUE(raised.empty()) << "ClearData made a locked column editable";
}

TEST_F(TolvEditGridTest, ResizeMovesTheOpenEditorWithItsCell)
{
    clickCell(1, 2);
    grid->resize(600, 100);
    EXPECT_EQ(txtEdit()->geometry(), QRect(151, 41, 149, 19));
    EXPECT_TRUE(txtEdit()->isVisible());
    grid->RowCount(2);  // its row is no longer drawn
    EXPECT_FALSE(txtEdit()->isVisible());
}

TEST_F(TolvEditGridTest, LosingTheFocusHidesTheEditor)
{
    QLineEdit other(&window);
    other.setGeometry(0, 80, 50, 20);
    other.show();
    clickCell(0, 0);
    ASSERT_TRUE(txtEdit()->isVisible());
    other.setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(txtEdit()->isVisible());
}

TEST_F(TolvEditGridTest, DrawsLinesHeadersAndTextsInTheirCells)
{
    grid->ShowColumnHeaders(true);
    grid->SetColumnHeaders("250|500|1k|2k");
    grid->SetCellText(0, 0, "20");
    grid->SetCellText(3, 3, "NR");  // stored under the last drawn row, not drawn
    const QImage image = grabControl(*grid);
    const gfx::ColorRef line = gfx::rgb(0, 0, 0);
    const gfx::ColorRef face = gfx::sysColor(gfx::COLOR_BTNFACE);
    const gfx::ColorRef window = gfx::sysColor(gfx::COLOR_WINDOW);

    for (const int y : {0, 20, 40, 60, 80})
        EXPECT_EQ(pixelAt(image, 60, y), line) << "no line at y " << y;
    for (const int x : {0, 75, 150, 225, 299})
        EXPECT_EQ(pixelAt(image, x, 50), line) << "no line at x " << x;
    EXPECT_EQ(pixelAt(image, 72, 3), face) << "the header band";
    EXPECT_EQ(pixelAt(image, 72, 23), window) << "row 0 under the header band";

    const QRect header = testing::inkBounds(image, QRect(1, 1, 73, 18));
    const QRect text = testing::inkBounds(image, QRect(1, 21, 73, 18));
    ASSERT_FALSE(header.isEmpty());
    ASSERT_FALSE(text.isEmpty()) << "row 0's text is hidden under the headers";
    EXPECT_NEAR(text.center().x(), 37, 2);
    EXPECT_NEAR(text.center().y(), 30, 2);
    EXPECT_TRUE(testing::inkBounds(image, QRect(226, 81, 73, 18)).isEmpty()) << "row RowCount was drawn";
    EXPECT_TRUE(testing::repaintsAfter(*picGrid(), [&] { grid->Refresh(); }));
}

}  // namespace
}  // namespace brisance
