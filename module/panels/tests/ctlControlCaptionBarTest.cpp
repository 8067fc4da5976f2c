#include "module/panels/ctlControlCaptionBar.h"

#include "module/panels/tests/ControlImage.h"
#include "platform/gfx/Colour.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using testing::grabControl;
using testing::pixelAt;

// 300 and 240 twips at 96 dots per inch.
constexpr int kBarHeight = 20;
constexpr int kCloseOffset = 16;

struct ResizeCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) ++count;
        return false;
    }
};

class CaptionBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        bar = new ctlControlCaptionBar(&window);
        bar->setGeometry(30, 40, 200, 90);
        bar->installEventFilter(&resizes);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QLabel* close() { return bar->findChild<QLabel*>("lblClose"); }

    ResizeCounter resizes;
    QWidget window;
    ctlControlCaptionBar* bar = nullptr;
};

TEST_F(CaptionBar, KeepsToTheTopLeftCornerAt300Twips)
{
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 200, kBarHeight));

    resizes.count = 0;
    bar->setGeometry(50, 60, 240, 5);
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 240, kBarHeight));
    EXPECT_LE(resizes.count, 2) << "setting the height from the resize settles at once";

    bar->move(70, 80);
    window.resize(500, 320);
    EXPECT_EQ(bar->pos(), QPoint(0, 0)) << "the container's resize brings the bar back";
}

TEST_F(CaptionBar, TheCloseMarkStays240TwipsFromTheRightEdge)
{
    ASSERT_TRUE(close());
    EXPECT_EQ(close()->text(), "X");
    EXPECT_TRUE(close()->font().bold());
    EXPECT_EQ(close()->x(), 200 - kCloseOffset);
    bar->resize(380, kBarHeight);
    EXPECT_EQ(close()->x(), 380 - kCloseOffset);
}

TEST_F(CaptionBar, ShowsItsCaptionInTahoma)
{
    EXPECT_EQ(bar->Caption(), "Caption");
    bar->Caption("Notes");
    EXPECT_EQ(bar->Caption(), "Notes");
    auto* caption = bar->findChild<QLabel*>("lblCaption");
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->text(), "Notes");
    EXPECT_EQ(caption->font().family(), "Tahoma");
}

TEST_F(CaptionBar, DrawsAnEtchedFrame)
{
    const QImage image = grabControl(*bar);
    const gfx::ColorRef shadow = gfx::sysColor(gfx::COLOR_BTNSHADOW);
    const gfx::ColorRef highlight = gfx::sysColor(gfx::COLOR_BTNHIGHLIGHT);
    const gfx::ColorRef face = gfx::sysColor(gfx::COLOR_BTNFACE);
    const int right = image.width() - 1;
    const int bottom = image.height() - 1;
    // The etched line: a shadow line with a highlight line inside it, the
    // bottom one (shadow above highlight) drawn one pixel in from the sides.
    EXPECT_EQ(pixelAt(image, 0, 10), shadow);
    EXPECT_EQ(pixelAt(image, 1, 10), highlight);
    EXPECT_EQ(pixelAt(image, 100, 0), shadow);
    EXPECT_EQ(pixelAt(image, 100, 1), highlight);
    EXPECT_EQ(pixelAt(image, right - 1, 10), shadow);
    EXPECT_EQ(pixelAt(image, right, 10), highlight);
    EXPECT_EQ(pixelAt(image, 100, bottom - 1), shadow);
    EXPECT_EQ(pixelAt(image, 100, bottom), highlight);
    EXPECT_EQ(pixelAt(image, 2, 10), face);
}

}  // namespace
}  // namespace brisance
