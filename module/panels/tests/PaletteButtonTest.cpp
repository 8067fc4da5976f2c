#include "module/panels/PaletteButton.h"
#include "module/panels/tests/ControlImage.h"
#include "platform/com/Font.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/TestResponder.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
namespace com = platform::com;
using platform::runtime::Variant;
using testing::grabControl;
using testing::pixelAt;

constexpr int kWidth = 200;
constexpr int kHeight = 24;
const QPoint kLeftHalf(40, 12);
const QPoint kRightHalf(160, 12);

QImage solidImage(Qt::GlobalColor colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A palette button in a small window, counting what it raises.
class PaletteButtonTest : public ::testing::Test {
protected:
    PaletteButtonTest() : button(new PaletteButton(&window))
    {
        button->setGeometry(0, 0, kWidth, kHeight);
        window.resize(kWidth, kHeight);
        QObject::connect(button, &PaletteButton::Click, [this] { ++clicks; });
        QObject::connect(button, &PaletteButton::MouseDown,
                         [this](std::int16_t Button, std::int16_t, float, float) { mouseDowns.push_back(Button); });
    }

    // Solid images: 1 red, 2 blue.
    static com::ComPtr<gfx::ImageList> symbols()
    {
        auto list = gfx::ImageList::create(16, 16);
        list->add(solidImage(Qt::red));
        list->add(solidImage(Qt::blue));
        return list;
    }

    QWidget window;
    PaletteButton* button;
    int clicks = 0;
    std::vector<std::int16_t> mouseDowns;
};

struct PressStep {
    Qt::MouseButton mouse;
    QPoint at;
    int clicks;  // raised by this press
    Tolvane_ButtonState state;
    bool leftIsDown;
};

TEST_F(PaletteButtonTest, PressesFollowTheClickedHalfInBothModes)
{
    const struct {
        bool dualSideMode;
        std::vector<PressStep> steps;
    } modes[] = {
        {true,
         {
             {Qt::LeftButton, kLeftHalf, 1, Tolvane_ButtonDown, true},
             {Qt::LeftButton, kLeftHalf, 0, Tolvane_ButtonDown, true},
             {Qt::LeftButton, kRightHalf, 1, Tolvane_ButtonDown, false},
             {Qt::RightButton, kLeftHalf, 0, Tolvane_ButtonDown, false},
             {Qt::LeftButton, QPoint(kWidth / 2, 12), 1, Tolvane_ButtonDown, true},  // the middle is the left half
         }},
        {false,
         {
             {Qt::LeftButton, kRightHalf, 1, Tolvane_ButtonDown, false},
             {Qt::LeftButton, kRightHalf, 0, Tolvane_ButtonDown, false},
             {Qt::LeftButton, kLeftHalf, 1, Tolvane_ButtonDown, true},
             {Qt::RightButton, kRightHalf, 0, Tolvane_ButtonDown, true},
         }},
    };
    for (const auto& mode : modes) {
        PaletteButton pressed(&window);
        pressed.setGeometry(0, 0, kWidth, kHeight);
        pressed.DualSideMode(mode.dualSideMode);
        int modeClicks = 0;
        int rightDowns = 0;
        QObject::connect(&pressed, &PaletteButton::Click, [&] { ++modeClicks; });
        QObject::connect(&pressed, &PaletteButton::MouseDown, [&](std::int16_t Button, std::int16_t, float, float) {
            rightDowns += Button == 2 ? 1 : 0;
        });
        int step = 0;
        for (const PressStep& press : mode.steps) {
            const int before = modeClicks;
            QTest::mouseClick(&pressed, press.mouse, {}, press.at);
            SCOPED_TRACE(::testing::Message() << "two-sided " << mode.dualSideMode << ", press " << ++step);
            EXPECT_EQ(modeClicks - before, press.clicks);
            EXPECT_EQ(pressed.ButtonState(), press.state);
            EXPECT_EQ(pressed.LeftIsDown(), press.leftIsDown);
        }
        EXPECT_EQ(rightDowns, 1) << "each right press raises MouseDown, and nothing else does";
    }
}

TEST_F(PaletteButtonTest, APressAfterTheHostReleasedItClicksAgain)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, kLeftHalf);
    button->ButtonState(Tolvane_ButtonUp);
    QTest::mouseClick(button, Qt::LeftButton, {}, kLeftHalf);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(mouseDowns.empty()) << "a left press raises Click, not MouseDown";
}

TEST_F(PaletteButtonTest, RightPressRaisesMouseDownInTwipsAndChangesNothing)
{
    float x = 0;
    float y = 0;
    QObject::connect(button, &PaletteButton::MouseDown, [&](std::int16_t, std::int16_t, float X, float Y) {
        x = X;
        y = Y;
    });
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(10, 4));
    EXPECT_EQ(mouseDowns, std::vector<std::int16_t>{2});
    EXPECT_FLOAT_EQ(x, 150);
    EXPECT_FLOAT_EQ(y, 60);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->ButtonState(), Tolvane_ButtonUp);
}

TEST_F(PaletteButtonTest, FrameIsSunkenOnlyWhenPressedAsAWhole)
{
    const gfx::ColorRef raised = gfx::sysColor(gfx::COLOR_3DLIGHT);
    const gfx::ColorRef sunken = gfx::sysColor(gfx::COLOR_BTNSHADOW);
    const gfx::ColorRef face = gfx::sysColor(gfx::COLOR_BTNFACE);
    const gfx::ColorRef white = gfx::rgb(255, 255, 255);
    const int side = kHeight - 6;
    const struct {
        const char* what;
        bool dualSideMode;
        bool alwaysActAsOneButton;
        Tolvane_ButtonState state;
        bool leftIsDown;
        gfx::ColorRef corner;
        gfx::ColorRef leftSquare;   // inside the left square's place
        gfx::ColorRef rightSquare;  // inside the right square's place
    } cases[] = {
        {"up", false, false, Tolvane_ButtonUp, true, raised, face, face},
        {"one-sided down", false, false, Tolvane_ButtonDown, true, sunken, face, face},
        {"two-sided up", true, false, Tolvane_ButtonUp, true, raised, face, face},
        {"two-sided down left", true, false, Tolvane_ButtonDown, true, raised, white, face},
        {"two-sided down right", true, false, Tolvane_ButtonDown, false, raised, face, white},
        {"always one button", true, true, Tolvane_ButtonDown, true, sunken, face, face},
    };
    for (const auto& c : cases) {
        button->DualSideMode(c.dualSideMode);
        button->AlwaysActAsOneButton(c.alwaysActAsOneButton);
        button->ButtonState(c.state);
        button->InternalObject()->LeftIsDown(c.leftIsDown);
        const QImage image = grabControl(*button);
        EXPECT_EQ(pixelAt(image, 0, 0), c.corner) << c.what;
        EXPECT_EQ(pixelAt(image, 3 + side / 2, 12), c.leftSquare) << c.what;
        EXPECT_EQ(pixelAt(image, kWidth - 3 - side / 2, 12), c.rightSquare) << c.what;
    }
    // The square's own sunken edge, at its corner 3 pixels in from the right end.
    button->AlwaysActAsOneButton(false);
    button->InternalObject()->LeftIsDown(false);
    const QImage right = grabControl(*button);
    EXPECT_EQ(pixelAt(right, kWidth - 3 - side, 3), sunken);
    EXPECT_EQ(pixelAt(right, kWidth - 4, kHeight - 4), gfx::sysColor(gfx::COLOR_BTNHIGHLIGHT));
}

TEST_F(PaletteButtonTest, SideImagesStandFiveFromTheLeftAndTwentyOneFromTheRight)
{
    const gfx::ColorRef red = gfx::rgb(255, 0, 0);
    const gfx::ColorRef blue = gfx::rgb(0, 0, 255);
    button->ImageList(symbols());
    button->LeftImageIndex(1);
    button->RightImageIndex(2);
    QImage image = grabControl(*button);
    EXPECT_EQ(pixelAt(image, 5, 3), red);
    EXPECT_EQ(pixelAt(image, 20, 18), red);
    EXPECT_NE(pixelAt(image, 4, 3), red);
    EXPECT_EQ(pixelAt(image, kWidth - 21, 3), blue);
    EXPECT_EQ(pixelAt(image, kWidth - 6, 18), blue);
    EXPECT_NE(pixelAt(image, kWidth - 22, 3), blue);

    button->LeftImageIndex(0);
    image = grabControl(*button);
    EXPECT_NE(pixelAt(image, 5, 3), red) << "image 0 is no image";
    EXPECT_NE(pixelAt(image, 12, 10), red);
}

TEST_F(PaletteButtonTest, CaptionIsCentredWithBlanksAndGreyWhileHidden)
{
    button->Caption("AC Unmasked");
    QImage image = grabControl(*button);
    const QRect ink = testing::inkBounds(image, QRect(3, 3, kWidth - 6, kHeight - 6));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), kWidth / 2, 2);
    EXPECT_NEAR(ink.center().y(), kHeight / 2, 2);

    const std::shared_ptr<CTolvButton> state = button->InternalObject();
    EXPECT_TRUE(testing::repaintsAfter(*button, [&] { state->HiddenState(true); }))
        << "the button did not repaint when only its state object was hidden";
    image = grabControl(*button);
    const QRect caption(3, 3, kWidth - 6, kHeight - 6);
    EXPECT_FALSE(testing::inkBounds(image, caption).isEmpty()) << "the hidden caption vanished";
    EXPECT_TRUE(testing::inkBounds(image, caption, 100).isEmpty()) << "a hidden test's caption is not grey";
    EXPECT_TRUE(button->HiddenState());
}

TEST_F(PaletteButtonTest, NewStateHoldsTheIntegerMinusOne)
{
    const Variant itemData = button->ItemData();
    ASSERT_NE(itemData.get<std::int16_t>(), nullptr);
    EXPECT_EQ(*itemData.get<std::int16_t>(), -1);
    const CTolvButton& state = *button->InternalObject();
    EXPECT_TRUE(state.ItemDataEquals(Variant(std::int32_t(-1)))) << "-1 of any width is the same item";
    EXPECT_FALSE(state.ItemDataEquals(Variant(std::int32_t(1))));
    EXPECT_FALSE(state.ItemDataEquals(Variant("-1")));
    EXPECT_EQ(state.Parent(), button);
    EXPECT_EQ(state.Caption(), "");
    EXPECT_EQ(state.ButtonState(), Tolvane_ButtonUp);
    EXPECT_FALSE(state.ImageList());
    EXPECT_EQ(button->BackColor(), 0x8000000Fu);
    EXPECT_EQ(button->ForeColor(), 0x80000012u);
}

TEST_F(PaletteButtonTest, OnlyAnImageListIsTakenAsImageList)
{
    platform::ui::TestResponder responder;
    const com::ComPtr<gfx::ImageList> list = symbols();
    button->ImageList(list);
    const com::ComPtr<com::IFont> font = com::createFont();

    button->ImageList(font);
    button->InternalObject()->ImageList(nullptr);

    ASSERT_EQ(responder.shown().size(), 2u);
    for (const platform::ui::ShownDialog& shown : responder.shown()) {
        EXPECT_EQ(shown.text, "Not an ImageList");
        EXPECT_EQ(shown.title, platform::ui::defaultTitle());
        EXPECT_EQ(shown.style, platform::ui::MB_OK);
    }
    EXPECT_EQ(button->ImageList(), list) << "the refused object replaced the image list";
}

TEST_F(PaletteButtonTest, StateKeptByAHostOutlivesItsButton)
{
    const std::shared_ptr<CTolvButton> state = button->InternalObject();
    button->Caption("Bone");
    button->ItemData(std::int32_t(7));
    delete button;
    EXPECT_EQ(state->Parent(), nullptr);
    EXPECT_EQ(state->Caption(), "Bone");
    EXPECT_TRUE(state->ItemDataEquals(std::int32_t(7)));
    state->HiddenState(true);  // repaints nothing, and must not reach the dead button
    EXPECT_TRUE(state->HiddenState());
}

TEST_F(PaletteButtonTest, ReleasedButtonPaintsEmptyAndIgnoresItsState)
{
    button->Caption("Air");
    button->ButtonState(Tolvane_ButtonDown);
    const std::shared_ptr<CTolvButton> state = button->InternalObject();
    button->ReleaseContainedObject();

    EXPECT_EQ(button->InternalObject(), nullptr);
    EXPECT_EQ(state->Parent(), nullptr);
    const QImage image = grabControl(*button);
    const gfx::ColorRef face = gfx::sysColor(gfx::COLOR_BTNFACE);
    for (const QPoint at : {QPoint(0, 0), QPoint(kWidth / 2, kHeight / 2), QPoint(kWidth - 1, kHeight - 1)})
        EXPECT_EQ(pixelAt(image, at.x(), at.y()), face);

    button->Caption("Bone");
    QTest::mouseClick(button, Qt::LeftButton, {}, kLeftHalf);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(state->Caption(), "Air");
    EXPECT_EQ(button->Caption(), "");
}

}  // namespace
}  // namespace brisance
