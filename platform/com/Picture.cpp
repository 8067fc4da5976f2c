#include "platform/com/Picture.h"

#include "platform/com/DispatchTable.h"
#include "platform/com/Object.h"

#include <cmath>

namespace platform::com {

namespace {

constexpr double kHimetricPerMetre = 100000.0;
constexpr double kDefaultDotsPerMetre = 96.0 / 0.0254;

HRESULT himetric(std::int32_t* size, int pixels, int dotsPerMetre)
{
    if (!size) return E_POINTER;
    const double perMetre = dotsPerMetre > 0 ? dotsPerMetre : kDefaultDotsPerMetre;
    *size = static_cast<std::int32_t>(std::lround(pixels * kHimetricPerMetre / perMetre));
    return S_OK;
}

using M = DispatchMember<IPicture>;
constexpr M kPictureMembers[] = {
    M::property<&IPicture::get_Width>("Width", 4),
    M::property<&IPicture::get_Height>("Height", 5),
};

std::span<const M> pictureMembers() { return kPictureMembers; }

class Picture final : public Object<Dispatched<IPicture, pictureMembers>> {
public:
    explicit Picture(const QImage& image) : m_image(image) {}

    QImage image() const override { return m_image; }
    HRESULT get_Width(std::int32_t* width) override { return himetric(width, m_image.width(), m_image.dotsPerMeterX()); }
    HRESULT get_Height(std::int32_t* height) override
    {
        return himetric(height, m_image.height(), m_image.dotsPerMeterY());
    }

private:
    QImage m_image;
};

}  // namespace

ComPtr<IPicture> createPicture(const QImage& image)
{
    return make<Picture>(image);
}

}  // namespace platform::com
