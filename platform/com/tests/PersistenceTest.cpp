#include "platform/com/Persistence.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace platform::com;

TEST(Persistence, FontsAndPicturesComeBackAsTheyWereSaved)
{
    const FontDescription described{"DejaVu Sans", 8.25, 700, 0, true, false, true};
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);

    const auto stream = make<MemoryStream>();
    ASSERT_EQ(writePicture(stream.get(), createPicture(image).get()), S_OK);
    ASSERT_EQ(writeFont(stream.get(), createFont(described).get()), S_OK);
    ASSERT_EQ(writeFont(stream.get(), nullptr), S_OK);
    stream->rewind();

    ComPtr<IPicture> picture;
    ComPtr<IFont> font;
    ComPtr<IFont> none = createFont();
    ASSERT_EQ(readPicture(stream.get(), &picture), S_OK);
    ASSERT_EQ(readFont(stream.get(), &font), S_OK);
    ASSERT_EQ(readFont(stream.get(), &none), S_OK);
    EXPECT_EQ(picture->image().size(), QSize(4, 3));
    EXPECT_EQ(picture->image().pixelColor(1, 1), QColor(Qt::red));
    std::int32_t width = 0;
    picture->get_Width(&width);
    EXPECT_EQ(width, 106);  // 4 pixels at 96 dots per inch, in hundredths of a millimetre
    EXPECT_EQ(font->description(), described);
    EXPECT_FALSE(none);
}

TEST(Persistence, ATruncatedOrForeignStreamFailsClearly)
{
    const auto saved = make<MemoryStream>();
    ASSERT_EQ(writeFont(saved.get(), createFont().get()), S_OK);
    const std::vector<std::uint8_t> bytes = saved->bytes();
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        const auto truncated = make<MemoryStream>(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + length));
        ComPtr<IFont> font;
        EXPECT_EQ(readFont(truncated.get(), &font), STG_E_READFAULT) << length;
        EXPECT_FALSE(font);
    }

    ComPtr<IPicture> picture;
    saved->rewind();
    EXPECT_EQ(readPicture(saved.get(), &picture), STG_E_INVALIDHEADER);
    const auto huge = make<MemoryStream>(std::vector<std::uint8_t>{'F', 0xFF, 0xFF, 0xFF, 0xFF});
    ComPtr<IFont> font;
    EXPECT_EQ(readFont(huge.get(), &font), STG_E_INVALIDHEADER);
    const auto notPng = make<MemoryStream>(std::vector<std::uint8_t>{'P', 2, 0, 0, 0, 'x', 'y'});
    EXPECT_EQ(readPicture(notPng.get(), &picture), STG_E_INVALIDHEADER);
}

TEST(Persistence, AFontSizeNoDeviceCanDrawIsRefusedWhereItIsRead)
{
    const auto streamOfSize = [](double points) {
        const auto stream = make<MemoryStream>();
        writeFont(stream.get(), createFont({.size = points}).get());
        stream->rewind();
        return stream;
    };
    for (const double points : {-9.75, 0.0, 4096.5, 1'610'612'736.0, std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()}) {
        ComPtr<IFont> font;
        EXPECT_EQ(readFont(streamOfSize(points).get(), &font), STG_E_INVALIDHEADER) << points;
        EXPECT_FALSE(font) << points;
    }
    for (const double points : {0.25, 10.0, 4096.0}) {
        ComPtr<IFont> font;
        ASSERT_EQ(readFont(streamOfSize(points).get(), &font), S_OK) << points;
        EXPECT_EQ(font->description().size, points);
    }
}

}  // namespace
