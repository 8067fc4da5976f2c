#include "platform/com/Picture.h"

#include "platform/com/Object.h"

#include <cmath>

namespace platform::com {

namespace {

constexpr double kHimetricPerMetre = 100000.0;
constexpr double kDefaultDotsPerMetre = 96.0 / 0.0254;

std::int32_t himetric(int pixels, int dotsPerMetre)
{
    const double perMetre = dotsPerMetre > 0 ? dotsPerMetre : kDefaultDotsPerMetre;
    return static_cast<std::int32_t>(std::lround(pixels * kHimetricPerMetre / perMetre));
}

class Picture final : public Object<IPicture> {
public:
    explicit Picture(const QImage& image) : m_image(image) {}

    QImage image() const override { return m_image; }
    std::int32_t width() const override { return himetric(m_image.width(), m_image.dotsPerMeterX()); }
    std::int32_t height() const override { return himetric(m_image.height(), m_image.dotsPerMeterY()); }

private:
    QImage m_image;
};

}  // namespace

ComPtr<IPicture> createPicture(const QImage& image)
{
    return make<Picture>(image);
}

}  // namespace platform::com
