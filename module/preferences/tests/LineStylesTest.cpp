#include "module/preferences/LineStyles.h"

#include "platform/gfx/Bitmap.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace brisance {
namespace {

bool IsBlack(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0;
}

// How the picture of a line looks: the thickest black column and whether the
// line breaks along its length.
struct LineLook {
    int thickness = 0;
    bool broken = false;
};

LineLook LookOf(const QImage& picture)
{
    LineLook look;
    int firstColumn = picture.width(), lastColumn = -1;
    std::vector<bool> inked(static_cast<std::size_t>(picture.width()));
    for (int x = 0; x < picture.width(); ++x) {
        int black = 0;
        for (int y = 0; y < picture.height(); ++y)
            black += IsBlack(picture.pixel(x, y)) ? 1 : 0;
        look.thickness = std::max(look.thickness, black);
        inked[static_cast<std::size_t>(x)] = black > 0;
        if (black > 0) {
            firstColumn = std::min(firstColumn, x);
            lastColumn = x;
        }
    }
    for (int x = firstColumn; x <= lastColumn; ++x)
        look.broken = look.broken || !inked[static_cast<std::size_t>(x)];
    return look;
}

TEST(LineStyles, EachPictureShowsTheLineOfItsTableEntry)
{
    const LineLook expected[] = {
        {0, false},                                          // item 1: no line
        {1, false},                                          // solid
        {1, true},  {1, true}, {1, true}, {1, true},          // dash, dot, dash-dot, dash-dot-dot
        {2, false}, {3, false}, {4, false}, {5, false},      // solid, widths 2 to 5
    };
    const auto images = CreateLineStyleImages();
    ASSERT_EQ(images->count(), 10);
    for (int item = 1; item <= 10; ++item) {
        const LineLook look = LookOf(platform::gfx::bitmapImage(images->picture(item)));
        EXPECT_EQ(look.thickness, expected[item - 1].thickness) << "item " << item;
        EXPECT_EQ(look.broken, expected[item - 1].broken) << "item " << item;
    }
}

}  // namespace
}  // namespace brisance
