#include "module/panels/ControlColours.h"
#include "module/panels/ControlFont.h"
#include "module/panels/FramedPanel.h"
#include "module/panels/PopupMenu.h"
#include "module/panels/TwipsGeometry.h"
#include "module/panels/UserControl.h"
#include "module/panels/tests/ControlImage.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using testing::grabControl;
using testing::pixelAt;

TEST(UserControl, PlacesItselfInTwips)
{
    QWidget container;
    UserControl control(&container);
    control.Left(300);
    control.Top(150);
    control.Width(1500);
    control.Height(450);
    EXPECT_EQ(control.geometry(), QRect(20, 10, 100, 30));
    EXPECT_EQ(control.Left(), 300);
    EXPECT_EQ(control.Top(), 150);
    EXPECT_EQ(control.Width(), 1500);
    EXPECT_EQ(control.Height(), 450);
    EXPECT_EQ(twipsRect(300, 150, 1500, 450), QRect(20, 10, 100, 30));
}

TEST(UserControl, IsVisibleUntilHiddenEvenBeforeItsContainerShows)
{
    QWidget container;
    UserControl control(&container);
    EXPECT_TRUE(control.Visible());
    control.Visible(false);
    EXPECT_FALSE(control.Visible());
    container.show();
    EXPECT_FALSE(control.isVisible());
    control.Visible(true);
    EXPECT_TRUE(control.isVisible());
}

struct MouseCase {
    QEvent::Type type;
    Qt::MouseButton button;
    Qt::MouseButtons held;
    Qt::KeyboardModifiers modifiers;
    MouseArguments expected;
};

TEST(MouseArguments, GiveButtonsShiftAndTwips)
{
    const MouseCase cases[] = {
        {QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier, {1, 0, 150, 45}},
        {QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier, {2, 1, 150, 45}},
        {QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, Qt::ControlModifier | Qt::AltModifier, {4, 6, 150, 45}},
        // A move names every held button, none of them as "the" button.
        {QEvent::MouseMove, Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier, {3, 0, 150, 45}},
        {QEvent::MouseMove, Qt::NoButton, Qt::NoButton, Qt::ShiftModifier | Qt::ControlModifier, {0, 3, 150, 45}},
    };
    for (const MouseCase& c : cases) {
        const QPointF at(10, 3);
        const QMouseEvent event(c.type, at, at, c.button, c.held, c.modifiers);
        const MouseArguments arguments = mouseArguments(event);
        EXPECT_EQ(arguments.Button, c.expected.Button) << "event type " << c.type;
        EXPECT_EQ(arguments.Shift, c.expected.Shift) << "event type " << c.type;
        EXPECT_FLOAT_EQ(arguments.X, c.expected.X);
        EXPECT_FLOAT_EQ(arguments.Y, c.expected.Y);
    }
}

TEST(ControlFont, FollowsTheContainersFontAtTheControlsResolution)
{
    QWidget container;
    QFont font("Arial");
    font.setPointSizeF(10);
    font.setBold(true);
    font.setItalic(true);
    container.setFont(font);
    UserControl control(&container);

    gfx::FontDescription drawing = drawingFont(control);
    EXPECT_EQ(drawing.face, "Arial");
    EXPECT_EQ(drawing.height, -13);  // 10 points at 96 dots per inch
    EXPECT_EQ(drawing.weight, gfx::FW_BOLD);
    EXPECT_TRUE(drawing.italic);
    EXPECT_EQ(drawing.escapement, 0);

    gfx::FontDescription selected;
    ASSERT_TRUE(gfx::getFontDescription(control.drawingFontHandle(), &selected));
    EXPECT_EQ(selected, drawing);

    font.setPointSizeF(12);
    container.setFont(font);
    ASSERT_TRUE(gfx::getFontDescription(control.drawingFontHandle(), &selected));
    EXPECT_EQ(selected.height, -16) << "the control kept drawing in its container's old font";
}

TEST(ControlColours, TranslateSystemColoursAndDrawUnknownOnesBlack)
{
    EXPECT_EQ(kButtonFaceColour, 0x8000000Fu);
    EXPECT_EQ(kButtonTextColour, 0x80000012u);
    EXPECT_EQ(kGrayTextColour, 0x80000011u);
    EXPECT_EQ(drawingColour(kGrayTextColour), gfx::sysColor(gfx::COLOR_GRAYTEXT));
    EXPECT_EQ(drawingColour(0x00123456), 0x00123456u);
    EXPECT_EQ(drawingColour(0x800000FF), gfx::rgb(0, 0, 0));
    EXPECT_EQ(qtColour(0x000000FF), QColor(255, 0, 0));
}

class CaptionedPanel : public FramedPanel {
public:
    CaptionedPanel()
    {
        lblCaption->setText("Table");
        lblCaption->setGeometry(twipsRect(150, 0, 900, 195));
    }
};

TEST(FramedPanel, DrawsAnEtchedFrameFivePixelsDownUnderItsCaption)
{
    CaptionedPanel panel;
    panel.resize(200, 100);
    const QImage image = grabControl(panel);
    const gfx::ColorRef face = gfx::sysColor(gfx::COLOR_BTNFACE);
    const gfx::ColorRef shadow = gfx::sysColor(gfx::COLOR_BTNSHADOW);
    const gfx::ColorRef highlight = gfx::sysColor(gfx::COLOR_BTNHIGHLIGHT);

    EXPECT_EQ(pixelAt(image, 150, 2), face) << "the frame starts at the panel's top";
    EXPECT_EQ(pixelAt(image, 150, 5), shadow);
    EXPECT_EQ(pixelAt(image, 150, 6), highlight);
    EXPECT_EQ(pixelAt(image, 0, 50), shadow);
    EXPECT_EQ(pixelAt(image, 1, 50), highlight);
    EXPECT_EQ(pixelAt(image, 198, 50), shadow);
    EXPECT_EQ(pixelAt(image, 199, 50), highlight);
    EXPECT_EQ(pixelAt(image, 100, 98), shadow);
    EXPECT_EQ(pixelAt(image, 100, 99), highlight);
    EXPECT_EQ(pixelAt(image, 100, 50), face);
    EXPECT_NE(pixelAt(image, 65, 5), shadow) << "the frame line runs through the caption";
}

TEST(PopupMenu, OpensWithoutWaitingAndReachesTheChosenItemOnce)
{
    QWidget owner;
    owner.show();
    int hidden = 0;
    int removed = 0;
    QMenu* menu = popupMenu(owner,
                            {{"mnuHideCurve", "&Hide", [&] { ++hidden; }},
                             {"mnuRemoveTest", "&Remove", [&] { ++removed; }}},
                            "mnuHideCurve");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->defaultAction(), menu->actions()[0]);
    EXPECT_EQ(menu->actions()[1]->text(), "&Remove");

    auto* remove = owner.findChild<QAction*>("mnuRemoveTest");
    ASSERT_NE(remove, nullptr);
    remove->trigger();
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(hidden, 0);
}

TEST(PopupMenu, DrawsTheDefaultItemBold)
{
    // The same item grabbed as default and as plain: bold text covers more pixels.
    const auto darkPixels = [](const QString& defaultItem) {
        QWidget owner;
        owner.show();
        QMenu* menu = popupMenu(owner, {{"mnuShowCurve", "Show curve", {}}}, defaultItem);
        const QImage image = menu->grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(darkPixels("mnuShowCurve"), darkPixels(""));
}

TEST(PopupMenu, ANewMenuReplacesTheOwnersOpenOne)
{
    QWidget owner;
    owner.show();
    int chosen = 0;
    QPointer<QMenu> first = popupMenu(owner, {{"mnuDeletePoint", "Delete", [&] { chosen = 1; }}});
    popupMenu(owner, {{"mnuDeletePoint", "Delete", [&] { chosen = 2; }}});
    EXPECT_FALSE(first && first->isVisible());
    ASSERT_EQ(owner.findChildren<QAction*>("mnuDeletePoint").size(), 1);
    owner.findChild<QAction*>("mnuDeletePoint")->trigger();
    EXPECT_EQ(chosen, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
}

TEST(PopupMenu, OutlivesItsOwnHandlingOfAClickWhoseItemOpensADialog)
{
    // The dialog's event loop runs while the menu is still inside its handling
    // of the click; the menu must not go in that loop, only once it is back.
    QWidget owner;
    owner.show();
    QPointer<QMenu> menu;
    bool menuLivedThroughTheDialog = false;
    menu = popupMenu(owner, {{"mnuProperties", "&Properties...", [&] {
                                  QDialog dialog(&owner);
                                  QTimer::singleShot(0, &dialog, &QDialog::accept);
                                  dialog.exec();
                                  menuLivedThroughTheDialog = !menu.isNull();
                              }}});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction* properties = owner.findChild<QAction*>("mnuProperties");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(properties).center());
    EXPECT_TRUE(menuLivedThroughTheDialog);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull()) << "a closed menu goes once its handling is over";
}

}  // namespace
}  // namespace brisance
