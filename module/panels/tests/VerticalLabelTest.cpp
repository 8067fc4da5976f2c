#include "module/panels/VerticalLabel.h"

#include "module/panels/tests/ControlImage.h"
#include "platform/gfx/Types.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace brisance {
namespace {

namespace gfx = platform::gfx;
using testing::grabControl;
using testing::pixelAt;

const gfx::ColorRef kWhite = gfx::rgb(255, 255, 255);
const gfx::ColorRef kBlack = gfx::rgb(0, 0, 0);

// The rectangle of every pixel that differs from the background.
std::optional<QRect> inkBox(const QImage& image, gfx::ColorRef background, int fromY = 0, int toY = -1)
{
    if (toY < 0) toY = image.height();
    std::optional<QRect> box;
    for (int y = fromY; y < toY; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pixelAt(image, x, y) != background) box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

class VerticalLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 300);
        label = new VerticalLabel(&window);
        label->setGeometry(10, 10, 40, 240);
        label->BackColor(kWhite);
        label->ForeColor(kBlack);
        QFont font("Liberation Sans");
        font.setPointSizeF(10);
        label->Font(font);
    }

    void show()
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage grab() { return grabControl(*label); }

    QWidget window;
    VerticalLabel* label = nullptr;
};

TEST_F(VerticalLabelTest, ANewLabelHasItsDefaults)
{
    VerticalLabel fresh;
    EXPECT_EQ(fresh.Caption(), "Vertical Label");
    EXPECT_EQ(fresh.Alignment(), 0);
    EXPECT_FALSE(fresh.Autosize());
    EXPECT_EQ(fresh.Appearance(), 1);
    EXPECT_EQ(fresh.BackColor(), 0x8000000Fu);
    EXPECT_EQ(fresh.BackStyle(), 1);
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_EQ(fresh.ForeColor(), 0x80000012u);
    EXPECT_FALSE(fresh.MouseIcon());
    EXPECT_EQ(fresh.MousePointer(), 0);

    QWidget container;
    QFont ambient("DejaVu Serif");
    ambient.setPointSize(13);
    container.setFont(ambient);
    VerticalLabel inside(&container);
    EXPECT_EQ(inside.Font(), ambient) << "a new label takes its container's font";
}

TEST_F(VerticalLabelTest, TheCaptionReadsUpwardAtItsAlignment)
{
    label->Caption("l.......");
    show();
    struct Case {
        std::int32_t alignment;
        const char* where;
    };
    for (const Case& c : {Case{0, "from the bottom edge"}, Case{1, "to the top edge"}, Case{2, "centred"}}) {
        SCOPED_TRACE(c.where);
        label->Alignment(c.alignment);
        const QImage image = grab();
        const std::optional<QRect> box = inkBox(image, kWhite);
        ASSERT_TRUE(box);
        EXPECT_GT(box->height(), 2 * box->width()) << "the text runs along the height";
        EXPECT_LT(box->right(), 20) << "the text stands at the left edge";
        switch (c.alignment) {
        case 0: EXPECT_GE(box->bottom(), image.height() - 3); break;
        case 1: EXPECT_LE(box->top(), 2); break;
        default: EXPECT_NEAR(box->center().y(), image.height() / 2.0, 3); break;
        }
        // The tall "l" comes first: at the lower end of the text, reading upward.
        const int quarter = box->height() / 4;
        const std::optional<QRect> lowerEnd = inkBox(image, kWhite, box->bottom() - quarter, box->bottom() + 1);
        const std::optional<QRect> upperEnd = inkBox(image, kWhite, box->top(), box->top() + quarter);
        ASSERT_TRUE(lowerEnd && upperEnd);
        EXPECT_LT(lowerEnd->left(), upperEnd->left()) << "the letter's top points left, at the bottom";
    }
}

TEST_F(VerticalLabelTest, TheTurnedFontHasACellOf175TimesThePointSize)
{
    struct Case {
        double points;
        bool bold;
        int cellHeight;
    };
    // Rounded half to even: 17.5 gives 18, 10.5 gives 10.
    for (const Case& c : {Case{10, true, 18}, Case{10, false, 18}, Case{6, false, 10}, Case{8, false, 14}}) {
        QFont font("DejaVu Serif");
        font.setPointSizeF(c.points);
        font.setBold(c.bold);
        font.setItalic(true);
        label->Font(font);
        const gfx::FontDescription turned = turnedCaptionFont(*label);
        EXPECT_EQ(turned.height, c.cellHeight) << c.points << " points" << (c.bold ? ", bold" : "");
        EXPECT_EQ(turned.weight, c.bold ? 700 : 400);
        EXPECT_EQ(turned.face, "DejaVu Serif");
        EXPECT_TRUE(turned.italic);
        EXPECT_EQ(turned.escapement, 900) << "running upward";
    }
}

TEST_F(VerticalLabelTest, AutosizeFitsTheLabelToTheTurnedText)
{
    label->Caption("Hearing level");
    label->Autosize(true);  // before the label was ever shown
    const QSize fitted = label->size();
    EXPECT_GT(fitted.height(), 4 * fitted.width());

    show();
    const std::optional<QRect> box = inkBox(grab(), kWhite);
    ASSERT_TRUE(box);
    // "H" reaches to the top of the line and "g" to its bottom.
    EXPECT_LE(box->left(), 2) << "one text line wide";
    EXPECT_GE(box->right(), fitted.width() - 3) << "one text line wide";
    EXPECT_LE(box->top(), 2) << "as high as the caption is long";
    EXPECT_GE(box->bottom(), fitted.height() - 3) << "as high as the caption is long";

    label->resize(100, 30);
    EXPECT_EQ(label->size(), fitted) << "a resize snaps back while Autosize is on";

    label->Caption("Hearing level (dB HL)");
    QApplication::processEvents();
    EXPECT_GT(label->height(), fitted.height()) << "the paint fits a longer caption";
    const QSize longer = label->size();

    label->resize(100, 30);
    label->Autosize(false);
    EXPECT_EQ(label->size(), longer) << "switching Autosize off takes the text size too";
    label->resize(100, 30);
    QApplication::processEvents();
    EXPECT_EQ(label->size(), QSize(100, 30)) << "without Autosize the size stays";
}

TEST_F(VerticalLabelTest, OnlyTheVisiblePropertiesRepaint)
{
    show();
    int paints = 0;
    struct PaintCounter : QObject {
        int& paints;
        explicit PaintCounter(int& count) : paints(count) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter(paints);
    label->installEventFilter(&counter);

    struct Case {
        const char* property;
        std::function<void(VerticalLabel&)> let;
        bool repaints;
    };
    const Case cases[] = {
        {"Appearance", [](VerticalLabel& l) { l.Appearance(0); }, true},
        {"BackColor", [](VerticalLabel& l) { l.BackColor(gfx::rgb(200, 200, 255)); }, true},
        {"Font", [](VerticalLabel& l) { l.Font(QFont("DejaVu Sans", 12)); }, true},
        {"ForeColor", [](VerticalLabel& l) { l.ForeColor(gfx::rgb(255, 0, 0)); }, true},
        {"Caption", [](VerticalLabel& l) { l.Caption("Level"); }, true},
        {"Alignment", [](VerticalLabel& l) { l.Alignment(2); }, true},
        {"Autosize", [](VerticalLabel& l) { l.Autosize(false); }, true},
        {"BackStyle", [](VerticalLabel& l) { l.BackStyle(0); }, false},
        {"Enabled", [](VerticalLabel& l) { l.Enabled(false); }, false},
        {"MousePointer", [](VerticalLabel& l) { l.MousePointer(2); }, false},
        {"MouseIcon", [](VerticalLabel& l) { l.MouseIcon(nullptr); }, false},
    };
    for (const Case& c : cases) {
        QApplication::processEvents();
        paints = 0;
        c.let(*label);
        QApplication::processEvents();
        EXPECT_EQ(paints > 0, c.repaints) << c.property;
    }
}

TEST_F(VerticalLabelTest, BackStyleTransparentLeavesTheContainerShowing)
{
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, QColor(0, 128, 0));
    window.setPalette(colours);
    label->BackStyle(0);
    label->Caption("");
    show();
    const QImage image = window.grab().toImage();
    EXPECT_EQ(pixelAt(image.convertToFormat(QImage::Format_RGB32), 20, 100), gfx::rgb(0, 128, 0));
}

TEST_F(VerticalLabelTest, MousePointerBecomesTheCursor)
{
    label->MousePointer(2);
    EXPECT_EQ(label->cursor().shape(), Qt::CrossCursor);
    label->MousePointer(11);
    EXPECT_EQ(label->cursor().shape(), Qt::WaitCursor);

    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    label->MouseIcon(platform::com::createPicture(icon));
    label->MousePointer(99);
    EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);

    label->MousePointer(0);
    EXPECT_FALSE(label->testAttribute(Qt::WA_SetCursor)) << "the default pointer is the container's";
}

}  // namespace
}  // namespace brisance
