#include "ChartScene.h"

#include "platform/gfx/DeviceContext.h"

namespace lumenplot {

DeviceScale DeviceScale::of(platform::gfx::DcHandle dc)
{
    return atResolution(platform::gfx::getDeviceCaps(dc, platform::gfx::LOGPIXELSX),
                        platform::gfx::getDeviceCaps(dc, platform::gfx::LOGPIXELSY));
}

DeviceScale DeviceScale::atResolution(int dpiX, int dpiY)
{
    if (dpiX == 96 && dpiY == 96) return {};
    return {true, static_cast<float>(dpiX) / 96.0f, static_cast<float>(dpiY) / 96.0f};
}

int DeviceScale::horizontal(int pixels) const
{
    return scaled ? toPixel(static_cast<double>(pixels) * x) : pixels;
}

}  // namespace lumenplot
