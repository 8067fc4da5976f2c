#include "platform/ui/Twips.h"

#include "platform/gfx/Context.h"

#include <cmath>

namespace platform::ui {
namespace {

constexpr double kTwipsPerInch = 1440.0;

int round(double value)
{
    return static_cast<int>(std::lround(value));
}

}  // namespace

int twipsPerPixelX()
{
    return round(kTwipsPerInch / gfx::detail::screenDpiX());
}

int twipsPerPixelY()
{
    return round(kTwipsPerInch / gfx::detail::screenDpiY());
}

int twipsToPixelsX(int twips)
{
    return round(twips * gfx::detail::screenDpiX() / kTwipsPerInch);
}

int twipsToPixelsY(int twips)
{
    return round(twips * gfx::detail::screenDpiY() / kTwipsPerInch);
}

int pixelsToTwipsX(int pixels)
{
    return round(pixels * kTwipsPerInch / gfx::detail::screenDpiX());
}

int pixelsToTwipsY(int pixels)
{
    return round(pixels * kTwipsPerInch / gfx::detail::screenDpiY());
}

}  // namespace platform::ui
