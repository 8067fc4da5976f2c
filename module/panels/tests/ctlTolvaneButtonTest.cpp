#include "module/panels/ctlTolvaneButton.h"
#include "module/panels/tests/ControlImage.h"

#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using testing::grabControl;
using testing::pixelAt;

// Everything the button raises, in order, as "Click", "DblClick" or
// "MouseDown 1 0 150 60".
class ctlTolvaneButtonTest : public ::testing::Test {
protected:
    ctlTolvaneButtonTest() : button(new ctlTolvaneButton(&window))
    {
        button->setGeometry(0, 0, 90, 24);
        window.resize(100, 30);
        QObject::connect(button, &ctlTolvaneButton::Click, [this] { raised.push_back("Click"); });
        QObject::connect(button, &ctlTolvaneButton::DblClick, [this] { raised.push_back("DblClick"); });
        const auto record = [this](const char* name) {
            return [this, name](std::int16_t Button, std::int16_t Shift, float X, float Y) {
                raised.push_back(std::string(name) + " " + std::to_string(Button) + " " + std::to_string(Shift) + " "
                                 + std::to_string(static_cast<int>(X)) + " " + std::to_string(static_cast<int>(Y)));
            };
        };
        QObject::connect(button, &ctlTolvaneButton::MouseDown, record("MouseDown"));
        QObject::connect(button, &ctlTolvaneButton::MouseMove, record("MouseMove"));
        QObject::connect(button, &ctlTolvaneButton::MouseUp, record("MouseUp"));
    }

    QWidget window;
    ctlTolvaneButton* button;
    std::vector<std::string> raised;
};

using Events = std::vector<std::string>;

TEST_F(ctlTolvaneButtonTest, NewButtonIsUpAndEmptyInTheSystemColours)
{
    EXPECT_EQ(button->ButtonState(), Tolvane_ButtonUp);
    EXPECT_EQ(button->Caption(), "");
    EXPECT_EQ(button->BackColor(), 0x8000000Fu);
    EXPECT_EQ(button->ForeColor(), 0x80000012u);
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Font(), window.font());
}

TEST_F(ctlTolvaneButtonTest, PassesMouseActivityOnInTwipsAndLeavesItsStateToTheHost)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 4));
    EXPECT_EQ(raised, (Events{"MouseDown 1 1 150 60", "MouseUp 1 1 150 60", "Click"}));
    EXPECT_EQ(button->ButtonState(), Tolvane_ButtonUp) << "a click pressed the button by itself";

    raised.clear();
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 8));
    EXPECT_EQ(raised, (Events{"MouseDown 2 0 300 120", "MouseUp 2 0 300 120"})) << "a right click is no Click";

    // A double click as Qt delivers it: the second press comes with the double-click event.
    raised.clear();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(10, 4));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 4));
    EXPECT_EQ(raised, (Events{"MouseDown 1 0 150 60", "MouseUp 1 0 150 60", "Click", "MouseDown 1 0 150 60",
                              "DblClick", "MouseUp 1 0 150 60"}));

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    raised.clear();
    QTest::mouseMove(button, QPoint(30, 10));
    EXPECT_EQ(raised, (Events{"MouseMove 0 0 450 150"}));
}

TEST_F(ctlTolvaneButtonTest, DrawsRaisedOrSunkenByButtonStateWithTheCaptionCentred)
{
    button->Caption("Masked");
    EXPECT_TRUE(testing::repaintsAfter(*button, [&] { button->ButtonState(Tolvane_ButtonDown); }));
    QImage image = grabControl(*button);
    EXPECT_EQ(pixelAt(image, 0, 0), gfx::sysColor(gfx::COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(image, 89, 23), gfx::sysColor(gfx::COLOR_BTNHIGHLIGHT));

    EXPECT_TRUE(testing::repaintsAfter(*button, [&] { button->ButtonState(Tolvane_ButtonUp); }));
    image = grabControl(*button);
    EXPECT_EQ(pixelAt(image, 0, 0), gfx::sysColor(gfx::COLOR_3DLIGHT));
    EXPECT_EQ(pixelAt(image, 89, 23), gfx::sysColor(gfx::COLOR_3DDKSHADOW));

    const QRect ink = testing::inkBounds(image, QRect(2, 2, 86, 20));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 45, 2);
    EXPECT_NEAR(ink.center().y(), 12, 2);
    EXPECT_TRUE(testing::repaintsAfter(*button, [&] { button->Caption("Binaural"); }));
    EXPECT_GT(testing::inkBounds(grabControl(*button), QRect(2, 2, 86, 20)).width(), ink.width());
}

}  // namespace
}  // namespace brisance
