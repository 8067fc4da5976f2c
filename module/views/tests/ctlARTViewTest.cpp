#include "module/views/ctlARTView.h"

#include "module/panels/TolvEditGrid.h"
#include "module/panels/tests/ControlImage.h"
#include "platform/gfx/Colour.h"
#include "platform/ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
namespace ui = platform::ui;
using Events = std::vector<std::string>;

constexpr std::int32_t kLeft = 3;
constexpr std::int32_t kRight = 2;
constexpr int kColumnWidth = 420;  // twips
constexpr int kRowHeight = 300;
constexpr std::int32_t kCodes[] = {250, 500, 1000, 2000, 4000, 6000, 32765, 32767, 32766};

// A reflex panel as the impedance view sets it up, in a shown window,
// recording its PointPlot events. At creation the right ear stands on side 0.
class ReflexPanel : public ::testing::Test {
protected:
    ReflexPanel() : panel(new ctlARTView(&window))
    {
        panel->EarLabel(kLeft, "Stimulus Left");
        panel->EarLabel(kRight, "Stimulus Right");
        window.resize(panel->size());
        QObject::connect(panel, &ctlARTView::PointPlot,
                         [this](std::int32_t Frequency, std::int32_t Intensity, std::int32_t Decay, std::int32_t Ear) {
                             events.push_back(std::to_string(Frequency) + " " + std::to_string(Intensity) + " "
                                              + std::to_string(Decay) + " " + std::to_string(Ear));
                         });
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    TolvEditGrid& grid(int side) const { return *panel->findChild<TolvEditGrid*>(QStringLiteral("grdEar%1").arg(side)); }
    QLineEdit& editor(int side) const { return *grid(side).findChild<QLineEdit*>("txtEdit"); }
    QPushButton& decay(int side, int column) const
    {
        return *panel->findChild<QPushButton*>(QStringLiteral("cmdDecay%1_%2").arg(side).arg(column));
    }

    std::vector<std::string> row(int side) const
    {
        std::vector<std::string> cells;
        for (std::int32_t column = 0; column < 9; ++column)
            cells.push_back(grid(side).GetCellText(column, 0));
        return cells;
    }

    // A real click into a threshold cell; true when it opened the editor.
    bool clickCell(int side, int column) const
    {
        editor(side).hide();
        const QPoint at(ui::twipsToPixelsX(column * kColumnWidth + kColumnWidth / 2),
                        ui::twipsToPixelsY(kRowHeight + kRowHeight / 2));
        QTest::mouseClick(grid(side).findChild<QWidget*>("picGrid"), Qt::LeftButton, {}, at);
        return editor(side).isVisible();
    }

    // Types into a cell as a user does; "paste:" puts the rest in from the clipboard.
    void typeInto(int side, int column, const std::string& text) const
    {
        ASSERT_TRUE(clickCell(side, column));
        if (text.rfind("paste:", 0) == 0) {
            QApplication::clipboard()->setText(QString::fromStdString(text.substr(6)));
            QTest::keySequence(&editor(side), QKeySequence::Paste);
        } else {
            QTest::keyClicks(&editor(side), QString::fromStdString(text));
        }
    }

    Events takeEvents() { return std::exchange(events, {}); }

    QWidget window;
    ctlARTView* panel;
    Events events;
};

TEST_F(ReflexPanel, ThresholdsShowAsTheirCodesOnTheirEarsSide)
{
    const struct {
        std::int32_t code;
        std::int32_t intensity;
        int column;
        const char* shown;
    } cases[] = {
        {250, 400, 0, " NA"},   {500, 401, 1, " NT"},  {1000, 402, 2, " NR"}, {2000, 403, 3, " YES"},
        {4000, 404, 4, " NR"},  {6000, 95, 5, "95"},   {32765, 0, 6, "0"},    {32767, -5, 7, "-5"},
        {32766, 110, 8, "110"},
    };
    for (const auto& c : cases)
        panel->PlotPoint(kLeft, c.code, c.intensity);
    for (const auto& c : cases)
        EXPECT_EQ(grid(1).GetCellText(c.column, 0), c.shown) << c.code;
    EXPECT_EQ(row(0), std::vector<std::string>(9)) << "the right ear's side stays empty";

    panel->PlotPoint(kLeft, 6000, -32767);
    EXPECT_EQ(grid(1).GetCellText(5, 0), "");
    const std::vector<std::string> before = row(1);
    panel->PlotPoint(kLeft, 7000, 50);
    panel->PlotPointDecay(kLeft, 7000, 1);
    EXPECT_EQ(row(1), before) << "a stimulus of no column writes no cell";
    EXPECT_TRUE(decay(1, 0).icon().isNull());
    EXPECT_EQ(takeEvents(), Events{}) << "filling reports nothing";
}

TEST_F(ReflexPanel, TypedThresholdsAreReportedOnlyWhenTheirTenthsFitSixteenBits)
{
    typeInto(0, 2, "3276");
    EXPECT_EQ(takeEvents(), (Events{"1000 3 -32767 2", "1000 32 -32767 2", "1000 327 -32767 2", "1000 3276 -32767 2"}));

    for (const char* tooLarge : {"paste:3277", "paste:-3277", "paste:99999999999", "paste:1e999"}) {
        SCOPED_TRACE(tooLarge);
        typeInto(1, 0, tooLarge);
        EXPECT_EQ(grid(1).GetCellText(0, 0), "");
        EXPECT_EQ(takeEvents(), Events{});
    }
    typeInto(1, 0, "-3276");
    EXPECT_EQ(takeEvents().back(), "250 -3276 -32767 3");
    typeInto(1, 0, "");
    EXPECT_TRUE(clickCell(1, 3));
    QTest::keyClicks(&editor(1), "nr");
    EXPECT_EQ(takeEvents().back(), "2000 402 -32767 3") << "a result code reads back whatever its case";
}

TEST_F(ReflexPanel, DecayClicksStepThroughPresentAbsentAndNone)
{
    panel->PlotPoint(kRight, 500, 90);
    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(&decay(0, 1), Qt::LeftButton);
    EXPECT_EQ(takeEvents(), (Events{"500 90 1 2", "500 90 0 2", "500 90 -32767 2"}));
    EXPECT_TRUE(decay(0, 1).icon().isNull());

    panel->PlotPoint(kLeft, 4000, 402);
    QTest::mouseClick(&decay(1, 4), Qt::LeftButton);
    EXPECT_EQ(takeEvents(), Events{"4000 402 1 3"}) << "a decay beside \" NR\" keeps the result code";
    EXPECT_FALSE(decay(1, 4).icon().isNull());

    panel->PlotPointDecay(kLeft, 4000, 0);
    typeInto(1, 4, "85");
    EXPECT_EQ(takeEvents().back(), "4000 85 0 3") << "a typed threshold carries the column's decay";

    panel->Clear();
    EXPECT_TRUE(decay(1, 4).icon().isNull());
    EXPECT_EQ(row(1), std::vector<std::string>(9));
}

TEST_F(ReflexPanel, RecordedFrequenciesAndDecaysLimitWhatTheUserMayEnter)
{
    panel->FreqsToRecord(0);
    for (int column = 0; column < 9; ++column)
        EXPECT_FALSE(clickCell(0, column) || clickCell(1, column)) << column;

    panel->FreqsToRecord(0b000000100);
    panel->BBN_Text("Broad");
    EXPECT_TRUE(clickCell(1, 2)) << "the mask outlives a new noise-band text";
    EXPECT_FALSE(clickCell(1, 6));

    QLabel& decayCaption = *panel->findChild<QLabel*>("lblRowCaption1");
    panel->DecaysToRecord(0);
    for (int side = 0; side < 2; ++side)
        for (int column = 0; column < 9; ++column)
            EXPECT_FALSE(decay(side, column).isVisible());
    EXPECT_FALSE(decayCaption.isVisible()) << "no decay row, no row name";
    panel->DecaysToRecord(0b100000000);
    EXPECT_TRUE(decay(0, 8).isVisible());
    EXPECT_TRUE(decay(1, 8).isVisible());
    EXPECT_FALSE(decay(1, 7).isVisible());
    EXPECT_TRUE(decayCaption.isVisible());
}

TEST_F(ReflexPanel, RightEarOnLeftMovesTheEarLabelsAndTheEarsOfEachSide)
{
    QLabel& side0 = *panel->findChild<QLabel*>("lblEar0");
    QLabel& side1 = *panel->findChild<QLabel*>("lblEar1");
    EXPECT_EQ(side0.text(), "Stimulus Right");
    panel->RightEarOnLeft(false);
    EXPECT_EQ(side0.text(), "Stimulus Left");
    EXPECT_EQ(side1.text(), "Stimulus Right");
    typeInto(0, 0, "7");
    EXPECT_EQ(takeEvents(), Events{"250 7 -32767 3"});
    QTest::mouseClick(&decay(1, 8), Qt::LeftButton);
    EXPECT_EQ(takeEvents(), Events{std::to_string(kCodes[8]) + " -32767 1 2"});
}

TEST_F(ReflexPanel, DrawsAnEtchedFrameFivePixelsBelowItsTop)
{
    panel->Caption("Ipsilateral Acoustic Reflexes");
    const QImage image = testing::grabControl(*panel);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    const auto face = gfx::sysColor(gfx::COLOR_BTNFACE);
    const auto shadow = gfx::sysColor(gfx::COLOR_BTNSHADOW);
    const auto highlight = gfx::sysColor(gfx::COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(testing::pixelAt(image, right - 20, 2), face);
    EXPECT_EQ(testing::pixelAt(image, right - 20, 5), shadow);
    EXPECT_EQ(testing::pixelAt(image, right - 20, 6), highlight);
    EXPECT_EQ(testing::pixelAt(image, 0, bottom / 2), shadow);
    EXPECT_EQ(testing::pixelAt(image, 1, bottom / 2), highlight);
    EXPECT_EQ(testing::pixelAt(image, right - 1, bottom / 2), shadow);
    EXPECT_EQ(testing::pixelAt(image, right, bottom / 2), highlight);
    EXPECT_EQ(testing::pixelAt(image, right / 2, bottom - 1), shadow);
    EXPECT_EQ(testing::pixelAt(image, right / 2, bottom), highlight);
}

}  // namespace
}  // namespace brisance
