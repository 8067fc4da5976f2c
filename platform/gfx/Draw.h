#pragma once
// Lines, shapes and edges in logical units of the context.

#include "platform/gfx/Types.h"

namespace platform::gfx {

// Moves the current position; the old one goes to *previous when given.
bool moveToEx(DcHandle dc, int x, int y, Point* previous = nullptr);
bool getCurrentPosition(DcHandle dc, Point* out);
// A line with the current pen from the current position to (x, y), the last
// pixel left out; the current position moves to (x, y).
bool lineTo(DcHandle dc, int x, int y);
// Connected segments through the points with the current pen; the current
// position is neither used nor changed. Needs at least two points.
bool polyline(DcHandle dc, const Point* points, int count);
// Outlined with the current pen and filled with the current brush; the right
// and bottom edges lie outside, as on the platform.
bool rectangle(DcHandle dc, int left, int top, int right, int bottom);
bool ellipse(DcHandle dc, int left, int top, int right, int bottom);
// The closed shape through the points, outlined with the current pen and
// filled with the current brush (alternate filling). Needs at least two points.
bool polygon(DcHandle dc, const Point* points, int count);
// Fills without outline and without touching the selected brush.
bool fillRect(DcHandle dc, const Rect& rect, ObjectHandle brush);

bool setPixel(DcHandle dc, int x, int y, ColorRef colour);
// The colour of a pixel of a memory context; kInvalidColor elsewhere or outside.
ColorRef getPixel(DcHandle dc, int x, int y);

// Edge kinds: outer and inner borders combined.
enum EdgeKind : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,  // 5
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,  // 10
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,  // 6
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,    // 9
};

enum EdgeFlags : unsigned {
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_RECT = 0xF,
    BF_MIDDLE = 0x800,  // fill the inside with the button face colour
    BF_ADJUST = 0x2000,  // shrink *rect to the inside of the edge
};

// Draws a three-dimensional edge of one or two one-pixel borders along the
// sides of the rectangle named by the flags, in the system's 3-D colours.
// With BF_ADJUST the rectangle is moved inside the drawn borders.
bool drawEdge(DcHandle dc, Rect* rect, unsigned edge, unsigned flags);

}  // namespace platform::gfx
