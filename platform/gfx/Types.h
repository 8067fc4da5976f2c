#pragma once
// The plain values of the drawing service: handles, points, rectangles and
// colours, laid out as the system's drawing code expects them.
//
// Every drawing object (device context, pen, brush, font, bitmap, metafile) is
// addressed by a 32-bit handle that this service hands out. 0 is never a valid
// handle; a deleted handle is never handed out again, so a stale handle fails
// instead of reaching another object. The service is used on the user-interface
// thread only.

#include <cstdint>

namespace platform::gfx {

using Handle = std::int32_t;
using DcHandle = Handle;      // a device context
using ObjectHandle = Handle;  // a pen, brush, font or bitmap
using MetafileHandle = Handle;

// A colour as the platform stores it: 0x00BBGGRR.
using ColorRef = std::uint32_t;

constexpr ColorRef rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColorRef colour) { return static_cast<int>(colour & 0xFF); }
constexpr int greenOf(ColorRef colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int blueOf(ColorRef colour) { return static_cast<int>((colour >> 16) & 0xFF); }

inline constexpr ColorRef kInvalidColor = 0xFFFFFFFF;  // returned by failed colour queries

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle whose right and bottom edges lie just outside it, as on the
// platform: a rectangle (0, 0, 10, 10) covers the pixels 0 to 9.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform::gfx
