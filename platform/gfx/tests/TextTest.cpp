#include "platform/gfx/Text.h"
#include "platform/gfx/tests/Canvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace platform::gfx {
namespace {

using testing::Canvas;

class TextTest : public ::testing::Test {
protected:
    void useFont(Canvas& canvas, FontDescription description)
    {
        const ObjectHandle font = createFont(description);
        m_fonts.push_back(font);
        selectObject(canvas.dc, font);
        setBkMode(canvas.dc, TRANSPARENT);
    }
    void TearDown() override
    {
        for (ObjectHandle font : m_fonts)
            deleteObject(font);
    }

private:
    std::vector<ObjectHandle> m_fonts;
};

TEST_F(TextTest, EscapementTurnsTheTextToReadUpward)
{
    Canvas canvas(200, 200);
    useFont(canvas, {.face = "Arial", .height = -20, .escapement = 900});
    Size extent;
    getTextExtentPoint(canvas.dc, "Vertical", &extent);
    textOut(canvas.dc, 50, 150, "Vertical");
    const QRect ink = canvas.ink();
    // Turned a quarter anticlockwise about (50, 150): the text rises from the
    // point and its cell lies to the right of it.
    EXPECT_GE(ink.left(), 49);
    EXPECT_LE(ink.right(), 50 + extent.cy);
    EXPECT_LE(ink.bottom(), 151);
    EXPECT_GE(ink.top(), 150 - extent.cx - 1);
    EXPECT_GT(ink.height(), ink.width() * 2);
}

TEST_F(TextTest, UpdatingThePositionFollowsTheTurnedBaseline)
{
    // The report's probe: in a y-up mode a clockwise-turned text moves the
    // position down the page (smaller y), an anticlockwise one up.
    for (int escapement : {-900, 900}) {
        Canvas canvas(100, 100);
        setMapMode(canvas.dc, MM_LOMETRIC);
        useFont(canvas, {.face = "Arial", .height = 40, .escapement = escapement});
        setTextAlign(canvas.dc, TA_UPDATECP);
        moveToEx(canvas.dc, 100, -100);
        textOut(canvas.dc, 0, 0, "Junk");
        Point position;
        getCurrentPosition(canvas.dc, &position);
        EXPECT_NEAR(position.x, 100, 3) << escapement;
        if (escapement < 0)
            EXPECT_LT(position.y, -120);
        else
            EXPECT_GT(position.y, -80);
    }
}

TEST_F(TextTest, ExtentIsInLogicalUnitsAndHeightFollowsTheSignRule)
{
    Canvas canvas(10, 10);
    useFont(canvas, {.face = "Arial", .height = -40});
    Size pixels;
    getTextExtentPoint(canvas.dc, "Audiogram", &pixels);
    TextMetrics character;
    getTextMetrics(canvas.dc, &character);
    EXPECT_GT(character.height, 40);  // a character height leaves the cell taller
    useFont(canvas, {.face = "Arial", .height = 40});
    TextMetrics cell;
    getTextMetrics(canvas.dc, &cell);
    EXPECT_NEAR(cell.height, 40, 1);

    useFont(canvas, {.face = "Arial", .height = -105});  // 105 units of 0.1 mm = 40 pixels
    setMapMode(canvas.dc, MM_LOMETRIC);
    Size metric;
    getTextExtentPoint(canvas.dc, "Audiogram", &metric);
    EXPECT_NEAR(metric.cx, pixels.cx * 254.0 / 96.0, 6);
    EXPECT_GT(metric.cy, 0);
}

TEST_F(TextTest, FontsTallerThanAnyDeviceStillMeasure)
{
    Canvas canvas(10, 10);
    for (const int height : {50'000, -50'000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        useFont(canvas, {.face = "Arial", .height = height});
        TextMetrics metrics;
        ASSERT_TRUE(getTextMetrics(canvas.dc, &metrics)) << height;
        EXPECT_GT(metrics.height, 0) << height;
    }
}

TEST_F(TextTest, SingleLineCentredInTheRectangle)
{
    Canvas canvas(200, 60);
    useFont(canvas, {.face = "Arial", .height = -16});
    Rect rect{0, 0, 200, 60};
    drawText(canvas.dc, " Masked ", &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const QRect ink = canvas.ink();
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 100, 3);
    EXPECT_NEAR(ink.center().y(), 30, 4);
}

TEST_F(TextTest, WordBreakMeasuresWrapsAndClips)
{
    Canvas canvas(120, 200);
    useFont(canvas, {.face = "Arial", .height = -14});
    TextMetrics metrics;
    getTextMetrics(canvas.dc, &metrics);
    const char* text = "Masking noise was presented contralaterally";

    Rect measured{10, 10, 110, 10};
    const int height = drawText(canvas.dc, text, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    EXPECT_GE(height, 3 * metrics.height);
    EXPECT_EQ(height % metrics.height, 0);
    EXPECT_EQ(measured.bottom, 10 + height);
    EXPECT_LE(measured.right, 110);
    EXPECT_TRUE(canvas.ink().isEmpty());  // measuring draws nothing

    Rect box{10, 10, 110, 10 + 2 * metrics.height};
    drawText(canvas.dc, text, &box, DT_WORDBREAK);
    const QRect ink = canvas.ink();
    EXPECT_GE(ink.left(), 10);
    EXPECT_LE(ink.right(), 109);
    EXPECT_LE(ink.bottom(), 10 + 2 * metrics.height - 1);  // the third line is clipped away
}

TEST_F(TextTest, LineBreaksAndPrefixes)
{
    Canvas canvas(10, 10);
    useFont(canvas, {.face = "Arial", .height = -14});
    TextMetrics metrics;
    getTextMetrics(canvas.dc, &metrics);
    Rect twoLines{0, 0, 400, 0};
    EXPECT_EQ(drawText(canvas.dc, "Right\r\nLeft", &twoLines, DT_CALCRECT), 2 * metrics.height);
    Rect oneLine{0, 0, 400, 0};
    EXPECT_EQ(drawText(canvas.dc, "Right\r\nLeft", &oneLine, DT_CALCRECT | DT_SINGLELINE), metrics.height);

    Rect prefixed{0, 0, 400, 0};
    drawText(canvas.dc, "R&&D", &prefixed, DT_CALCRECT | DT_SINGLELINE);
    Rect plain{0, 0, 400, 0};
    drawText(canvas.dc, "R&D", &plain, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(prefixed.right, plain.right);
}

TEST_F(TextTest, OpaqueBackgroundFillsTheTextCell)
{
    Canvas canvas(100, 40);
    useFont(canvas, {.face = "Arial", .height = -14});
    setBkMode(canvas.dc, OPAQUE);
    setBkColor(canvas.dc, testing::kRed);
    textOut(canvas.dc, 10, 10, "ii");
    EXPECT_EQ(canvas.at(11, 11), testing::kRed);
    EXPECT_EQ(canvas.at(9, 11), testing::kWhite);
}

}  // namespace
}  // namespace platform::gfx
