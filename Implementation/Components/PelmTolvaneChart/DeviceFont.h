#pragma once
// Device fonts from the chart's font properties (CreateFontFromIFont): every
// text of the chart is drawn with one of these.

#include "ChartScene.h"
#include "platform/com/Font.h"
#include "platform/gfx/Types.h"

#include <optional>
#include <string_view>

namespace lumenplot {

// The character height of a font of `points` on a surface of dpiY dots per
// inch, negative as the platform takes character heights: the size rounded to
// whole points, then points * dpiY / 72 rounded. A print scales the positive
// height by its font factor, truncated, before it is negated.
int deviceFontHeight(double points, int dpiY, double fontFactor = 1.0);

// A new device font for the description on the surface, which the caller
// deletes; 0 when there is no font.
platform::gfx::ObjectHandle CreateFontFromIFont(const std::optional<platform::com::FontDescription>& font,
                                                platform::gfx::DcHandle dc, double fontFactor = 1.0);

// The same for the canvas a picture is drawn on: at the printer's resolution
// and font factor while the chart prints.
platform::gfx::ObjectHandle CreateFontFromIFont(const std::optional<platform::com::FontDescription>& font,
                                                const Canvas& canvas);

// The width and height of a text in the font selected into dc.
platform::gfx::Size textExtent(platform::gfx::DcHandle dc, std::string_view text);

}  // namespace lumenplot
