#include "DeviceFont.h"

#include "ChartMapping.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumenplot {

int deviceFontHeight(double points, int dpiY, double fontFactor)
{
    // A font's size is kept in ten-thousandths of a point and rounded to whole points.
    const std::int64_t tenThousandths = std::llround(std::clamp(points, -1e9, 1e9) * 10000);
    const std::int64_t wholePoints = (tenThousandths + 5000) / 10000;
    const std::int64_t product = wholePoints * dpiY;
    const std::int64_t height = product >= 0 ? (product + 36) / 72 : (product - 36) / 72;
    return -toPixel(static_cast<double>(height) * fontFactor);
}

namespace {

platform::gfx::ObjectHandle fontAt(const platform::com::FontDescription& font, int dpiY, double fontFactor)
{
    platform::gfx::FontDescription device = platform::com::drawingFont(font, dpiY);
    device.height = deviceFontHeight(font.size, dpiY, fontFactor);
    return platform::gfx::createFont(device);
}

}  // namespace

platform::gfx::ObjectHandle CreateFontFromIFont(const std::optional<platform::com::FontDescription>& font,
                                                platform::gfx::DcHandle dc, double fontFactor)
{
    if (!font) return 0;
    return fontAt(*font, platform::gfx::getDeviceCaps(dc, platform::gfx::LOGPIXELSY), fontFactor);
}

platform::gfx::ObjectHandle CreateFontFromIFont(const std::optional<platform::com::FontDescription>& font,
                                                const Canvas& canvas)
{
    if (!font) return 0;
    if (!canvas.printing) return CreateFontFromIFont(font, canvas.dc);
    return fontAt(*font, canvas.printing->dpiY, canvas.printing->fontFactor);
}

platform::gfx::Size textExtent(platform::gfx::DcHandle dc, std::string_view text)
{
    platform::gfx::Size size;
    platform::gfx::getTextExtentPoint(dc, text, &size);
    return size;
}

}  // namespace lumenplot
