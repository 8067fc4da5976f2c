#include "platform/com/Font.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace platform::com;
using platform::runtime::Variant;

TEST(Font, BoldFollowsTheWeightAndACloneIsIndependent)
{
    const ComPtr<IFont> font = createFont();
    EXPECT_EQ(font->description(), (FontDescription{"Arial", 10.0, 400, 1, false, false, false}));
    bool bold = false;
    font->put_Weight(600);
    font->get_Bold(&bold);
    EXPECT_TRUE(bold);
    font->put_Bold(false);
    EXPECT_EQ(font->description().weight, 400);
    font->put_Bold(true);
    EXPECT_EQ(font->description().weight, 700);

    ComPtr<IFont> copy;
    ASSERT_EQ(font->Clone(copy.put()), S_OK);
    copy->put_Name("Courier New");
    EXPECT_EQ(font->description().name, "Arial");
    EXPECT_EQ(copy->description().weight, 700);
}

TEST(Font, LateBoundCallsReachTheSameProperties)
{
    const ComPtr<IFont> font = createFont();
    ASSERT_EQ(putProperty(font.get(), "size", Variant(12.5)), S_OK);
    ASSERT_EQ(putProperty(font.get(), "Italic", Variant(true)), S_OK);
    EXPECT_EQ(font->description().size, 12.5);
    EXPECT_TRUE(font->description().italic);

    font->put_Name("DejaVu Sans");
    Variant name;
    ASSERT_EQ(getProperty(font.get(), "NAME", &name), S_OK);
    EXPECT_EQ(name, Variant("DejaVu Sans"));
    Variant weight;
    ASSERT_EQ(font->Invoke(7, DISPATCH_PROPERTYGET, {}, &weight), S_OK);
    EXPECT_EQ(weight, Variant(std::int16_t{400}));
}

TEST(Font, BecomesADrawingFontOfItsSizeOnTheDevice)
{
    const FontDescription described{"Arial", 10.0, 700, 0, true, true, true};
    const platform::gfx::FontDescription onScreen = drawingFont(described);
    EXPECT_EQ(onScreen.face, "Arial");
    EXPECT_EQ(onScreen.height, -13);  // 10 points at 96 dots per inch
    EXPECT_EQ(onScreen.weight, 700);
    EXPECT_TRUE(onScreen.italic && onScreen.underline && onScreen.strikeOut);
    EXPECT_EQ(onScreen.escapement, 0);
    EXPECT_EQ(drawingFont({"Arial", 12.0}, 600).height, -100);
}

TEST(Font, SizesNoDeviceCanDrawStillGiveADrawingFont)
{
    EXPECT_EQ(drawingFont({.size = 1'610'612'736.0}).height, -(1 << 20));
    EXPECT_EQ(drawingFont({.size = -1'610'612'736.0}).height, 1 << 20);
    EXPECT_EQ(drawingFont({.size = std::numeric_limits<double>::quiet_NaN()}).height, 0);
}

}  // namespace
