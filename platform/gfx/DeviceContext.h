#pragma once
// Device contexts: where drawing goes (an image, a widget being painted, a
// printer page, a metafile being recorded) together with the drawing state
// (selected objects, mapping, colours, current position, clipping).
//
// A context starts with the black one-pixel pen, the white brush, the bold
// "System" font (SYSTEM_FONT), black text on an opaque white background, MM_TEXT
// mapping and no clip.

#include "platform/gfx/Types.h"

#include <optional>

class QImage;
class QPainter;

namespace platform::gfx {

// Mapping modes. Fixed modes map one logical unit to a physical length at the
// context's dots per inch; the metric and English modes have y growing upward.
enum MapMode : int {
    MM_TEXT = 1,         // one unit = one device pixel, y down
    MM_LOMETRIC = 2,     // 0.1 mm, y up
    MM_HIMETRIC = 3,     // 0.01 mm, y up
    MM_LOENGLISH = 4,    // 0.01 inch, y up
    MM_HIENGLISH = 5,    // 0.001 inch, y up
    MM_TWIPS = 6,        // 1/1440 inch, y up
    MM_ISOTROPIC = 7,    // window and viewport extents, equal scales
    MM_ANISOTROPIC = 8,  // window and viewport extents
};

enum DeviceCap : int {
    TECHNOLOGY = 2,
    HORZSIZE = 4,   // millimetres
    VERTSIZE = 6,
    HORZRES = 8,    // printable pixels
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    NUMCOLORS = 24,
    RASTERCAPS = 38,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,   // whole page, pixels
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,  // unprintable margin, pixels
    PHYSICALOFFSETY = 113,
};

enum Technology : int { DT_PLOTTER = 0, DT_RASDISPLAY = 1, DT_RASPRINTER = 2, DT_METAFILE = 5 };

enum RasterCaps : int {
    RC_BITBLT = 0x0001,
    RC_PALETTE = 0x0100,  // never set: every context is true-colour
    RC_DIBTODEV = 0x0200,
    RC_STRETCHBLT = 0x0800,
    RC_STRETCHDIB = 0x2000,
};

enum BackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };

// Text alignment flags (setTextAlign).
enum TextAlign : std::uint32_t {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,  // text output starts at and moves the current position
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// A context on the screen, for measuring and for making compatible memory
// contexts and bitmaps: 96 dots per inch unless the screen says otherwise,
// technology DT_RASDISPLAY. Drawing on it goes nowhere.
DcHandle createScreenDc();

// A memory context compatible with the given one (0: the screen). It draws on
// the bitmap selected into it; until one is selected it holds a 1 x 1
// monochrome bitmap, as on the platform.
DcHandle createCompatibleDc(DcHandle compatible);

// A context drawing through a painter that the caller owns and keeps active
// until the context is deleted, e.g. a widget's painter inside its paint event.
// Technology DT_RASDISPLAY; dots per inch from the painter's device.
DcHandle createPainterDc(QPainter& painter);

// Deletes a context of any kind. The objects selected into it stay alive.
// A printer context with an open job aborts the job.
bool deleteDc(DcHandle dc);

// Saves the whole drawing state on the context's stack; returns the new depth
// (1 for the first save) or 0 on failure. restoreDc(dc, -1) restores the last
// saved state, restoreDc(dc, n) the state saved at depth n.
int saveDc(DcHandle dc);
bool restoreDc(DcHandle dc, int savedDc);

int getDeviceCaps(DcHandle dc, int index);

// Mapping. Each setter returns the previous value (0 or false on failure).
int setMapMode(DcHandle dc, int mode);
int getMapMode(DcHandle dc);
bool setWindowOrg(DcHandle dc, int x, int y, Point* previous = nullptr);
bool setWindowExt(DcHandle dc, int cx, int cy, Size* previous = nullptr);   // MM_ISOTROPIC / MM_ANISOTROPIC only
bool setViewportOrg(DcHandle dc, int x, int y, Point* previous = nullptr);
bool setViewportExt(DcHandle dc, int cx, int cy, Size* previous = nullptr); // MM_ISOTROPIC / MM_ANISOTROPIC only

// Logical <-> device conversion of points in place, rounded to the nearest unit.
bool lpToDp(DcHandle dc, Point* points, int count);
bool dpToLp(DcHandle dc, Point* points, int count);

// Selects a pen, brush, font or bitmap (bitmaps into memory contexts only) and
// returns the object it replaces, or 0 on failure.
ObjectHandle selectObject(DcHandle dc, ObjectHandle object);
ObjectHandle getCurrentObject(DcHandle dc, int kind);  // kind: OBJ_PEN etc.
enum ObjectKind : int { OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_FONT = 6, OBJ_BITMAP = 7 };

// Colours and modes; each returns the previous value (kInvalidColor / 0 on failure).
ColorRef setTextColor(DcHandle dc, ColorRef colour);
ColorRef getTextColor(DcHandle dc);
ColorRef setBkColor(DcHandle dc, ColorRef colour);
ColorRef getBkColor(DcHandle dc);
int setBkMode(DcHandle dc, int mode);
int getBkMode(DcHandle dc);
std::uint32_t setTextAlign(DcHandle dc, std::uint32_t align);
std::uint32_t getTextAlign(DcHandle dc);

// Clipping, in logical units. Returns false on failure.
bool intersectClipRect(DcHandle dc, int left, int top, int right, int bottom);
bool removeClip(DcHandle dc);

// The image a context draws on: the bitmap selected into a memory context.
// Empty for other contexts. For tests and for widgets showing an off-screen
// drawing.
std::optional<QImage> contextImage(DcHandle dc);

}  // namespace platform::gfx
