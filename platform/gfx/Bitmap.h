#pragma once
// Bitmaps and the copies between contexts.
//
// A bitmap is either colour (24 bits per pixel) or monochrome (1 bit per pixel).
// Copies between them follow the platform: a colour source copied into a
// monochrome bitmap gives 1 (white) where the source has the source context's
// background colour and 0 (black) elsewhere; a monochrome source copied into
// colour gives the destination's text colour for 0 and its background colour
// for 1.

#include "platform/gfx/Types.h"

#include <string>

class QImage;

namespace platform::gfx {

// Ternary raster operations: the high word's low byte is the result for each
// combination of pattern (the selected brush), source and destination bits.
enum RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,    // source OR destination
    SRCAND = 0x008800C6,      // source AND destination
    SRCINVERT = 0x00660046,   // source XOR destination
    SRCERASE = 0x00440328,    // source AND NOT destination
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGECOPY = 0x00C000CA,   // pattern AND source
    MERGEPAINT = 0x00BB0226,  // NOT source OR destination
    PATCOPY = 0x00F00021,
    PATPAINT = 0x00FB0A09,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
    // The brush where the source is 1 (white), the destination where it is 0:
    // recolours through a monochrome mask.
    ROP_PATTERN_THROUGH_MASK = 0x00E20746,
};

struct BitmapInfo {
    int width = 0;
    int height = 0;
    int planes = 1;
    int bitsPerPixel = 24;
};

// A colour bitmap of the size, black, for drawing into a memory context that
// is compatible with the given context.
ObjectHandle createCompatibleBitmap(DcHandle dc, int width, int height);
// A bitmap of the given bits per pixel: 1 gives a monochrome bitmap (black),
// anything else a colour one (black).
ObjectHandle createBitmap(int width, int height, int bitsPerPixel);
// A device-independent bitmap section of 24 bits per pixel (other counts are
// refused with 0); a negative height is a top-down section of that height.
// 0 when it cannot be allocated.
ObjectHandle createDibSection(int width, int height, int bitsPerPixel);

bool getBitmapInfo(ObjectHandle bitmap, BitmapInfo* out);

// Copies a block of pixels with a raster operation. Positions and sizes are in
// logical units of their contexts. Every raster operation is available when the
// destination is a memory context; other destinations take SRCCOPY only and
// refuse the rest. The source must be a memory context (0 for operations that
// use no source).
bool bitBlt(DcHandle destination, int x, int y, int width, int height,
            DcHandle source, int sourceX, int sourceY, std::uint32_t rop);
// The same, stretching (nearest pixel) from the source block to the destination
// block; a negative width or height mirrors.
bool stretchBlt(DcHandle destination, int x, int y, int width, int height,
                DcHandle source, int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                std::uint32_t rop);
// Copies like stretchBlt with SRCCOPY, leaving out the source's pixels of the
// transparent colour. Works on every destination.
bool transparentBlt(DcHandle destination, int x, int y, int width, int height,
                    DcHandle source, int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                    ColorRef transparent);
// Draws a whole bitmap (not selected anywhere, or selected into a memory
// context) stretched into a block of the destination, with SRCCOPY.
bool stretchBitmap(DcHandle destination, int x, int y, int width, int height, ObjectHandle bitmap);

// Interchange with Qt: a new colour bitmap holding a copy of the image, and a
// copy of a bitmap's pixels (RGB32). 0 / a null image on failure.
ObjectHandle bitmapFromImage(const QImage& image);
QImage bitmapImage(ObjectHandle bitmap);

// Writes a bitmap as a 24-bit BMP file, replacing the file. False when the
// handle is no bitmap or the file cannot be written.
bool saveBitmapFile(ObjectHandle bitmap, const std::string& path);

}  // namespace platform::gfx
