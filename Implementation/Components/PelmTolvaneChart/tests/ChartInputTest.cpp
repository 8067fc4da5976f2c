#include "CChart.h"
#include "platform/com/ConnectionPoint.h"
#include "platform/com/ControlSite.h"
#include "platform/com/DispatchSink.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <vector>

namespace lumenplot {
namespace {

namespace com = platform::com;
using com::ComPtr;
using com::DISPID;
using com::S_OK;
using com::Variant;

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// What a sink heard.
struct Raised {
    int sink;
    DISPID event;
    double x;
    double y;
    friend bool operator==(const Raised&, const Raised&) = default;
};

void PrintTo(const Raised& r, std::ostream* out) { *out << "sink " << r.sink << " event " << r.event << " (" << r.x << ", " << r.y << ")"; }

// Counts the paints of a widget.
class PaintCounter final : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Notes the keys that reach the container.
class KeyRecorder final : public QObject {
public:
    std::vector<int> keys;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) keys.push_back(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
};

// A container with a text field above a chart 692 x 492 pixels with one-inch
// margins: the plot runs from (96, 96) to (596, 396). Both axes run 0 to 10
// with grid lines at 2, 4, 6 and 8: X grid values lie 100 pixels apart from
// x = 196, Y grid values 60 pixels apart from y = 156. Two sinks hear the
// chart's events.
struct ChartInput : ::testing::Test {
    QWidget container;
    QLineEdit* field = new QLineEdit(&container);
    ComPtr<com::ControlSite> site = com::make<com::ControlSite>(&container);
    ComPtr<CChart> chart = com::make<CChart>();
    std::vector<Raised> raised;
    PaintCounter painted;
    KeyRecorder containerKeys;
    QImage plain;  // the chart without a cross-hair

    void SetUp() override
    {
        site->setAmbientProperty(com::DISPID_AMBIENT_BACKCOLOR, Variant(0x00FF00));
        ASSERT_EQ(site->attach(chart.get()), S_OK);
        for (auto put : {&IChart::put_LeftMargin, &IChart::put_TopMargin, &IChart::put_RightMargin, &IChart::put_BottomMargin})
            (chart.get()->*put)(1440);
        chart->put_XGridLineMode(grid_UseCustom);
        chart->put_YGridLineMode(grid_UseCustom);
        for (const double position : {2, 4, 6, 8}) {
            chart->AddXGridLine(position, "", VARIANT_TRUE, VARIANT_FALSE);
            chart->AddYGridLine(position, "", VARIANT_TRUE, VARIANT_FALSE);
        }
        for (const int sink : {1, 2}) {
            const auto handler = [this, sink](DISPID event, std::span<Variant> args) {
                raised.push_back({sink, event, args[0].toDouble(), args[1].toDouble()});
                return S_OK;
            };
            std::uint32_t cookie = 0;
            const auto listener = com::make<com::DispatchSink>(_IChartEvents::iid, handler);
            ASSERT_EQ(com::advise(static_cast<IChart*>(chart.get()), _IChartEvents::iid, listener.get(), &cookie), S_OK);
        }
        container.resize(692, 530);
        widget()->setGeometry(0, 0, 692, 492);
        field->setGeometry(0, 500, 100, 24);
        container.show();
        container.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&container));
        leave();  // the mouse starts outside the chart
        field->setFocus();
        widget()->installEventFilter(&painted);
        container.installEventFilter(&containerKeys);
        plain = grab();
    }

    void TearDown() override { site->detach(); }

    QWidget* widget() { return chart->widget(); }
    QImage grab() { return widget()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void moveTo(int x, int y) { QTest::mouseMove(widget(), QPoint(x, y)); }
    void leave() { QTest::mouseMove(&container, QPoint(650, 515)); }  // beside the field

    // Whether the picture shows exactly the plain chart with dotted lines at
    // column x and row y (-1: none): red dots, the gaps in the window's white
    // background colour.
    ::testing::AssertionResult showsCrossHair(int x, int y)
    {
        const QImage image = grab();
        int redInColumn = 0;
        int redInRow = 0;
        for (int row = 0; row < image.height(); ++row)
            for (int column = 0; column < image.width(); ++column) {
                const QRgb pixel = image.pixel(column, row);
                const bool onLine = (column == x && row > 96 && row < 395) || (row == y && column > 96 && column < 595);
                if (onLine && (pixel == kRed || pixel == kWhite)) {
                    redInColumn += column == x && pixel == kRed;
                    redInRow += row == y && pixel == kRed;
                } else if (pixel != plain.pixel(column, row)) {
                    return ::testing::AssertionFailure() << "pixel (" << column << ", " << row << ") differs from the plain chart: "
                                                         << std::hex << pixel << " for " << plain.pixel(column, row);
                }
            }
        // Dotted: about half of each line's 298 or 498 pixels.
        if ((x >= 0) != (redInColumn > 120) || (y >= 0) != (redInRow > 200))
            return ::testing::AssertionFailure() << redInColumn << " red pixels in column " << x << ", " << redInRow
                                                 << " in row " << y;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(ChartInput, AMoveDrawsTheCrossHairAtTheSnappedGridLines)
{
    moveTo(200, 160);  // 2.08, 2.13
    EXPECT_EQ(chart->highlight().x, 2);
    EXPECT_EQ(chart->highlight().y, 2);
    EXPECT_TRUE(showsCrossHair(196, 156));
    EXPECT_EQ(widget()->cursor().shape(), Qt::BlankCursor);

    moveTo(290, 270);  // 3.88, 5.8: the old lines are wiped off exactly
    EXPECT_TRUE(showsCrossHair(296, 276));
}

TEST_F(ChartInput, AMoveWithinOneSnapBandPaintsNothing)
{
    moveTo(200, 160);
    QCoreApplication::processEvents();
    const int before = painted.paints;
    moveTo(205, 165);
    moveTo(190, 150);  // 1.88, 1.8
    QCoreApplication::processEvents();
    EXPECT_EQ(painted.paints, before);
    moveTo(250, 160);  // 3.08: a new column
    QCoreApplication::processEvents();
    EXPECT_GT(painted.paints, before);
}

TEST_F(ChartInput, ClicksRaiseEventsAtEverySinkInAdviseOrder)
{
    moveTo(400, 340);  // 6.08, 8.13
    QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(400, 340));
    EXPECT_EQ(raised, (std::vector<Raised>{{1, event_dispid::PlotPoint, 6, 8}, {2, event_dispid::PlotPoint, 6, 8}}));
    raised.clear();
    QTest::mouseClick(widget(), Qt::RightButton, {}, QPoint(400, 340));
    EXPECT_EQ(raised, (std::vector<Raised>{{1, event_dispid::RightClick, 6, 8}, {2, event_dispid::RightClick, 6, 8}}));
}

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    DISPID event;  // 0: none
};

TEST_F(ChartInput, KeysPlotAndUnplotAtTheCrossHair)
{
    const KeyCase cases[] = {
        {Qt::Key_Return, Qt::NoModifier, event_dispid::PlotPoint},
        {Qt::Key_Enter, Qt::KeypadModifier, event_dispid::PlotPoint},
        {Qt::Key_Space, Qt::NoModifier, event_dispid::PlotPoint},
        {Qt::Key_Plus, Qt::KeypadModifier, event_dispid::PlotPoint},
        {Qt::Key_Plus, Qt::ShiftModifier, event_dispid::PlotPoint},
        {Qt::Key_Equal, Qt::NoModifier, event_dispid::PlotPoint},
        {Qt::Key_Minus, Qt::NoModifier, event_dispid::UnPlotPoint},
        {Qt::Key_Minus, Qt::KeypadModifier, 0},
        {Qt::Key_A, Qt::NoModifier, 0},
    };
    moveTo(300, 220);  // 4.08, 4.13
    for (const KeyCase& c : cases) {
        raised.clear();
        QTest::keyClick(widget(), c.key, c.modifiers);
        const std::vector<Raised> expected =
            c.event ? std::vector<Raised>{{1, c.event, 4, 4}, {2, c.event, 4, 4}} : std::vector<Raised>{};
        EXPECT_EQ(raised, expected) << "key " << QTest::toString(QKeySequence(c.key | c.modifiers));
    }
}

TEST_F(ChartInput, NothingIsPlottedWhereTheCrossHairStandsOnNoGridLine)
{
    // The mouse left while the chart kept the focus: no cross-hair.
    widget()->setFocus();
    moveTo(300, 220);
    leave();
    QTest::keyClick(widget(), Qt::Key_Return);
    QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(300, 220));
    EXPECT_TRUE(raised.empty());

    // Without Y grid lines the horizontal line has no grid value (-1).
    chart->ClearYGridLines();
    moveTo(300, 220);
    EXPECT_EQ(chart->highlight().y, -1);
    QTest::keyClick(widget(), Qt::Key_Return);
    QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(300, 220));
    EXPECT_TRUE(raised.empty());
    // The container's menu still opens, told that there is no value.
    QTest::mouseClick(widget(), Qt::RightButton, {}, QPoint(300, 220));
    EXPECT_EQ(raised, (std::vector<Raised>{{1, event_dispid::RightClick, 4, -1}, {2, event_dispid::RightClick, 4, -1}}));
}

TEST_F(ChartInput, LeavingRemovesBothLinesAndShowsTheCursor)
{
    moveTo(200, 160);
    leave();
    EXPECT_EQ(chart->highlight().x, kNoHighlight);
    EXPECT_EQ(chart->highlight().y, kNoHighlight);
    EXPECT_TRUE(showsCrossHair(-1, -1));
    EXPECT_FALSE(widget()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(ChartInput, FocusShowsTheFirstGridLinesAndLosingItErasesThem)
{
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(widget()->hasFocus());
    EXPECT_TRUE(showsCrossHair(196, 156));
    field->setFocus();
    EXPECT_TRUE(showsCrossHair(-1, -1));
}

TEST_F(ChartInput, ArrowsStepTheLinesAndGoOnToTheContainer)
{
    widget()->setFocus();  // lines at 2, 2
    QTest::keyClick(widget(), Qt::Key_Right);
    QTest::keyClick(widget(), Qt::Key_Down);
    QTest::keyClick(widget(), Qt::Key_Down);
    QTest::keyClick(widget(), Qt::Key_Up);
    EXPECT_TRUE(showsCrossHair(296, 216));
    QTest::keyClick(widget(), Qt::Key_Return);
    EXPECT_EQ(containerKeys.keys, (std::vector<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}));
}

TEST_F(ChartInput, WithoutInteractiveModeInputDoesNothingButTheMethodsDraw)
{
    chart->put_InteractiveMode(VARIANT_FALSE);
    moveTo(200, 160);
    QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(200, 160));
    QTest::mouseClick(widget(), Qt::RightButton, {}, QPoint(200, 160));
    QTest::keyClick(widget(), Qt::Key_Return);
    EXPECT_TRUE(raised.empty());
    EXPECT_NE(widget()->cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(showsCrossHair(-1, -1));  // neither the move nor the focus drew

    chart->HighlightXGridline(4);
    chart->HighlightYGridline(8);
    EXPECT_TRUE(showsCrossHair(296, 336));
    QTest::keyClick(widget(), Qt::Key_Left);  // the arrows still step
    EXPECT_TRUE(showsCrossHair(196, 336));
}

TEST_F(ChartInput, HighlightMethodsTypedAndByDispatch)
{
    EXPECT_EQ(chart->HighlightXGridline(5), S_OK);  // any value: no snapping
    const ComPtr<com::IDispatch> dispatch = chart.as<com::IDispatch>();
    std::vector<Variant> value{Variant(std::int32_t{6})};
    EXPECT_EQ(dispatch->Invoke(chart_dispid::HighlightYGridline, com::DISPATCH_METHOD, value, nullptr), S_OK);
    EXPECT_TRUE(showsCrossHair(346, 276));

    EXPECT_EQ(dispatch->Invoke(chart_dispid::UnHighlightXGridline, com::DISPATCH_METHOD, {}, nullptr), S_OK);
    EXPECT_EQ(chart->highlight().x, kNoHighlight);
    EXPECT_TRUE(showsCrossHair(-1, 276));
    EXPECT_EQ(chart->UnHighlightYGridline(), S_OK);
    EXPECT_TRUE(showsCrossHair(-1, -1));
}

TEST_F(ChartInput, CrossHairPaintsShowTheKeptPicture)
{
    // Line changes show at the next repaint that the chart asks for; the
    // paints of the cross-hair only copy the picture.
    ComPtr<ILines> lines;
    chart->get_Lines(lines.put());
    ComPtr<ILine> line;
    lines->Add(1, line.put());
    line->put_LineColor(0xFF0000);
    line->AddPoint(1, 1, -1, VARIANT_TRUE, "");
    line->AddPoint(9, 9, -1, VARIANT_TRUE, "");
    chart->HighlightXGridline(4);
    chart->UnHighlightXGridline();
    EXPECT_TRUE(showsCrossHair(-1, -1));
    chart->Refresh();
    QCoreApplication::processEvents();
    EXPECT_NE(grab(), plain);
}

}  // namespace
}  // namespace lumenplot
