#include "platform/gfx/ImageList.h"
#include "platform/gfx/tests/Canvas.h"

#include <gtest/gtest.h>

namespace platform::gfx {
namespace {

using testing::Canvas;

QImage symbol(QColor colour)
{
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 24; ++i)
        image.setPixelColor(i, 12, colour);  // a horizontal bar on white
    return image;
}

class NotAnImageList final : public com::IUnknown {
public:
    com::HRESULT QueryInterface(const com::IID& iid, void** object) override
    {
        *object = iid == com::IUnknown::iid ? this : nullptr;
        return *object ? com::S_OK : com::E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
};

TEST(ImageList, ImagesCountFromOneAndDrawNormallyOrTransparently)
{
    const auto list = ImageList::create(24, 24);
    EXPECT_EQ(list->add(symbol(Qt::black)), 1);
    EXPECT_EQ(list->add(symbol(Qt::red)), 2);
    EXPECT_EQ(list->add(QImage()), 0);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->picture(0), 0);
    EXPECT_EQ(list->picture(3), 0);
    BitmapInfo info;
    ASSERT_TRUE(getBitmapInfo(list->picture(2), &info));
    EXPECT_EQ(info.width, 24);

    Canvas canvas(60, 30);
    fillRect(canvas.dc, Rect{0, 0, 60, 30}, getStockObject(GRAY_BRUSH));
    ASSERT_TRUE(list->draw(2, canvas.dc, 0, 0, ILD_NORMAL));
    ASSERT_TRUE(list->draw(1, canvas.dc, 30, 0, ILD_TRANSPARENT));
    EXPECT_FALSE(list->draw(3, canvas.dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(canvas.at(5, 12), testing::kRed);
    EXPECT_EQ(canvas.at(5, 5), testing::kWhite);           // normal: white drawn
    EXPECT_EQ(canvas.at(35, 12), testing::kBlack);
    EXPECT_EQ(canvas.at(35, 5), rgb(128, 128, 128));       // transparent: white left out
}

TEST(ImageList, IsRecognisedAmongOtherObjects)
{
    const auto list = ImageList::create(16, 16);
    EXPECT_EQ(ImageList::from(list.get()), list.get());
    NotAnImageList other;
    EXPECT_EQ(ImageList::from(&other), nullptr);
    EXPECT_EQ(ImageList::from(nullptr), nullptr);
}

}  // namespace
}  // namespace platform::gfx
