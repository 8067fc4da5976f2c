#pragma once
// Pens, brushes and fonts: drawing objects behind handles, selected into a
// device context to take effect. An object selected into a context must not be
// deleted while it is selected (deleting it fails and it stays).

#include "platform/gfx/Types.h"

#include <string>

namespace platform::gfx {

// Pen styles. Cosmetic pens take one of the first seven; geometric pens
// (extCreatePen) add PS_GEOMETRIC and an end cap.
enum PenStyle : std::uint32_t {
    PS_SOLID = 0,
    PS_DASH = 1,        // 18 on, 6 off
    PS_DOT = 2,         // 3 on, 3 off
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,  // drawn as solid
    PS_STYLE_MASK = 0x0000000F,
    PS_ENDCAP_ROUND = 0x00000000,
    PS_ENDCAP_SQUARE = 0x00000100,
    PS_ENDCAP_FLAT = 0x00000200,
    PS_ENDCAP_MASK = 0x00000F00,
    PS_COSMETIC = 0x00000000,
    PS_GEOMETRIC = 0x00010000,
};

// Hatch styles of createHatchBrush; an 8 x 8 pixel pattern.
enum HatchStyle : int {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

enum StockObject : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};

// Font weights used by the system.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// A drawing font as the system describes one.
struct FontDescription {
    std::string face = "Arial";
    // In logical units of the context it is drawn on. Negative: the character
    // height (the em size); positive: the cell height (ascent plus descent);
    // 0: a default height of 12 device pixels.
    int height = 0;
    int width = 0;           // 0 = the face's natural width; otherwise ignored
    int escapement = 0;      // rotation of the baseline, tenths of a degree anticlockwise
    int orientation = 0;     // accepted and ignored: glyphs follow the escapement
    int weight = FW_NORMAL;  // 100..900; 0 is normal
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;         // accepted and ignored: texts are UTF-8
    int quality = 0;         // accepted and ignored
    int pitchAndFamily = 0;  // accepted and ignored
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// A cosmetic pen; width in logical units (0 and 1 are one device pixel).
// Dashed styles are drawn dashed only one pixel wide, as on the platform.
ObjectHandle createPen(std::uint32_t style, int width, ColorRef colour);

// A geometric pen: style PS_GEOMETRIC | PS_SOLID or PS_DOT | an end cap, the
// brush colour and a width in logical units. Returns 0 for a cosmetic style or
// a style it does not know.
ObjectHandle extCreatePen(std::uint32_t style, int width, ColorRef colour);

ObjectHandle createSolidBrush(ColorRef colour);
// Hatch lines in the colour; the gaps take the context's background colour
// when its background mode is opaque. Returns 0 for an unknown hatch style.
ObjectHandle createHatchBrush(int hatchStyle, ColorRef colour);

ObjectHandle createFont(const FontDescription& font);
// The description a font handle was made from; false for any other handle.
bool getFontDescription(ObjectHandle font, FontDescription* out);

// The shared stock objects; deleting them does nothing.
ObjectHandle getStockObject(int which);

// Deletes a pen, brush, font or bitmap. False for an unknown handle, a stock
// object or an object that is selected into a context.
bool deleteObject(ObjectHandle object);

}  // namespace platform::gfx
