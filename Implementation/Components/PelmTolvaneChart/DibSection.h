#pragma once
// Device-independent bitmap sections sent to a device: the way a picture
// reaches a context that cannot stretch bitmaps, and a raster printer's
// screen paint. The drawing service has no palette devices, so sections go
// out as true colour.

#include "platform/gfx/Types.h"

namespace lumenplot {

// A section of the size and bit count; 0 when it cannot be made, which a
// message box "Error <code>" (no owner, one OK button) has then said.
platform::gfx::ObjectHandle CreateDibSection(int width, int height, int bitCount);
// The message box of a bitmap that could not be made.
void ShowSectionFailure();

// Copies the whole section stretched into the rectangle (device units of dc):
// through a memory surface on a display, as a device-independent copy on
// every other device.
bool SendDibToDevice(platform::gfx::DcHandle dc, platform::gfx::ObjectHandle section, const platform::gfx::Rect& rect);

// Copies a rectangle of a memory surface into a new 24-bit section and sends
// it to the same rectangle of dc; false, with nothing sent, when the section
// cannot be made.
bool SendSurfaceAsDib(platform::gfx::DcHandle dc, platform::gfx::DcHandle surface, const platform::gfx::Rect& rect);

}  // namespace lumenplot
