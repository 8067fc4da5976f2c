#pragma once
// Device-independent-bitmap helpers of the report's symbol output: make a
// section, draw it stretched onto a context, store it as a BMP file. Thin
// names over Bitmap.h, kept because the report's drawing code is written
// against them.

#include "platform/gfx/Types.h"

#include <string>

namespace platform::gfx {

// A 24-bit section of the size that can be selected into a memory context and
// deleted with deleteObject; 0 for other bit counts or on failure.
ObjectHandle DSCreateDIBSection(int width, int height, int bitsPerPixel);
// Draws the whole section stretched into the rectangle (logical units of dc;
// the rectangle may run upward in y-up mapping modes).
bool DSDrawDIBSectionOnDC(DcHandle dc, ObjectHandle section, const Rect& rect);
// Writes the section as a BMP file, replacing it.
bool DSStoreDIBSectionInBMPFile(const std::string& path, ObjectHandle section);

}  // namespace platform::gfx
